#include "core/recycle_run.h"

#include "core/list_lock.h"
#include "core/recycle_bin.h"
#include "core/staging_list.h"

#include <atomic>
#include <string>

namespace {
RecycleRunEvents runEvents{};
bool runGoing = false; // user-interface thread only
std::atomic<bool> stopRequested{false};
std::atomic<int> liveWorkers{0};
HANDLE noWorkerLeft = nullptr; // set while no worker thread is alive

bool nextPath(int position, std::string& path) {
    ListLockHold hold;
    if (position >= pendingSize())
        return false;
    path = pendingPaths[static_cast<size_t>(position)];
    return true;
}

void workerEnds() {
    if (liveWorkers.fetch_sub(1) == 1)
        SetEvent(noWorkerLeft);
}
} // namespace

void setRecycleRunEvents(const RecycleRunEvents& events) {
    runEvents = events;
}

DWORD WINAPI recycleRun(void*) {
    int total = 0;
    {
        ListLockHold hold;
        total = pendingSize();
    }
    if (total <= 0) {
        if (runEvents.noFiles && !stopRequested)
            runEvents.noFiles();
        workerEnds();
        return 0;
    }
    if (runEvents.started)
        runEvents.started(total);
    std::string path;
    for (int position = 0; position < total; ++position) {
        if (stopRequested || !nextPath(position, path))
            break;
        if (sendToRecycleBin(path, 1) && runEvents.pathSent)
            runEvents.pathSent();
    }
    if (!stopRequested && runEvents.finished)
        runEvents.finished(total);
    workerEnds();
    return 0;
}

bool startRecycleRun() {
    if (runGoing || stopRequested)
        return false;
    if (!noWorkerLeft)
        noWorkerLeft = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    if (liveWorkers.fetch_add(1) == 0)
        ResetEvent(noWorkerLeft);
    HANDLE worker = CreateThread(nullptr, 0, recycleRun, nullptr, 0, nullptr);
    if (!worker) {
        workerEnds();
        return false;
    }
    CloseHandle(worker);
    runGoing = true;
    return true;
}

bool recycleRunGoing() {
    return runGoing;
}

void recycleRunEnded() {
    runGoing = false;
}

void stopRecycleRunsAndWait() {
    stopRequested = true;
    if (noWorkerLeft) {
        WaitForSingleObject(noWorkerLeft, INFINITE);
        CloseHandle(noWorkerLeft);
        noWorkerLeft = nullptr;
    }
}
