#include "core/completion_sound.h"

#include "core/system_library.h"
#include "core/wave_file.h"
#include "res/resource.h"

#include <mmsystem.h>

#include <vector>

namespace {
using WaveOutOpen = MMRESULT(WINAPI*)(HWAVEOUT*, UINT, const WAVEFORMATEX*, DWORD_PTR, DWORD_PTR,
                                      DWORD);
using WaveOutHeader = MMRESULT(WINAPI*)(HWAVEOUT, WAVEHDR*, UINT);
using WaveOutHandle = MMRESULT(WINAPI*)(HWAVEOUT);

struct WaveOut {
    WaveOutOpen open = nullptr;
    WaveOutHeader prepare = nullptr;
    WaveOutHeader write = nullptr;
    WaveOutHeader unprepare = nullptr;
    WaveOutHandle reset = nullptr;
    WaveOutHandle close = nullptr;
};

// winmm is not a library Windows always takes from the system folder: bind it by name.
const WaveOut& waveOut() {
    static const WaveOut calls = [] {
        WaveOut w;
        w.open = systemFunction<WaveOutOpen>(L"winmm.dll", "waveOutOpen");
        w.prepare = systemFunction<WaveOutHeader>(L"winmm.dll", "waveOutPrepareHeader");
        w.write = systemFunction<WaveOutHeader>(L"winmm.dll", "waveOutWrite");
        w.unprepare = systemFunction<WaveOutHeader>(L"winmm.dll", "waveOutUnprepareHeader");
        w.reset = systemFunction<WaveOutHandle>(L"winmm.dll", "waveOutReset");
        w.close = systemFunction<WaveOutHandle>(L"winmm.dll", "waveOutClose");
        return w;
    }();
    return calls;
}

HANDLE stopPlaying = nullptr; // manual reset: set at shut-down
SRWLOCK playersLock = SRWLOCK_INIT;
std::vector<HANDLE> players;

DWORD WINAPI playOnce(void*) {
    const WaveOut& w = waveOut();
    const auto wave = readWave(completionSoundBytes());
    if (!w.open || !w.prepare || !w.write || !w.unprepare || !w.reset || !w.close || !wave)
        return 0;
    WAVEFORMATEX format{};
    format.wFormatTag = wave->formatTag;
    format.nChannels = wave->channels;
    format.nSamplesPerSec = wave->samplesPerSecond;
    format.nAvgBytesPerSec = wave->bytesPerSecond;
    format.nBlockAlign = wave->blockAlign;
    format.wBitsPerSample = wave->bitsPerSample;

    HANDLE done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!done)
        return 0;
    HWAVEOUT device = nullptr;
    if (w.open(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done), 0,
               CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        CloseHandle(done); // no output device: nothing to hear, nothing to say
        return 0;
    }
    WAVEHDR header{};
    header.lpData = const_cast<char*>(reinterpret_cast<const char*>(wave->samples.data()));
    header.dwBufferLength = static_cast<DWORD>(wave->samples.size());
    if (w.prepare(device, &header, sizeof header) == MMSYSERR_NOERROR) {
        if (w.write(device, &header, sizeof header) == MMSYSERR_NOERROR) {
            HANDLE waits[] = {done, stopPlaying};
            while (!(header.dwFlags & WHDR_DONE)) {
                if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
                    w.reset(device);
                    break;
                }
            }
        }
        w.unprepare(device, &header, sizeof header);
    }
    w.close(device);
    CloseHandle(done);
    return 0;
}

void forgetFinishedPlayers() {
    std::erase_if(players, [](HANDLE player) {
        if (WaitForSingleObject(player, 0) != WAIT_OBJECT_0)
            return false;
        CloseHandle(player);
        return true;
    });
}
} // namespace

std::span<const std::uint8_t> completionSoundBytes() {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_COMPLETION_SOUND),
                                MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(nullptr, found)};
}

void playCompletionSound() {
    AcquireSRWLockExclusive(&playersLock);
    if (!stopPlaying)
        stopPlaying = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    forgetFinishedPlayers();
    if (stopPlaying && WaitForSingleObject(stopPlaying, 0) == WAIT_TIMEOUT) {
        if (HANDLE player = CreateThread(nullptr, 0, playOnce, nullptr, 0, nullptr))
            players.push_back(player);
    }
    ReleaseSRWLockExclusive(&playersLock);
}

void stopSoundsAndWait() {
    AcquireSRWLockExclusive(&playersLock);
    if (stopPlaying)
        SetEvent(stopPlaying);
    std::vector<HANDLE> stopping;
    stopping.swap(players);
    ReleaseSRWLockExclusive(&playersLock);
    for (HANDLE player : stopping) {
        WaitForSingleObject(player, INFINITE);
        CloseHandle(player);
    }
}
