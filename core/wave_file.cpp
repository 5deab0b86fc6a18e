#include "core/wave_file.h"

#include <cstring>

namespace {
std::uint32_t u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t u16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
} // namespace

std::optional<WaveData> readWave(std::span<const std::uint8_t> file) {
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 ||
        std::memcmp(file.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    WaveData wave;
    wave.riffSize = u32(file.data() + 4);
    bool haveFormat = false;
    bool haveSamples = false;
    size_t at = 12;
    while (file.size() - at >= 8) {
        const std::uint8_t* chunk = file.data() + at;
        const std::uint32_t size = u32(chunk + 4);
        if (size > file.size() - at - 8)
            return std::nullopt;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            wave.formatTag = u16(chunk + 8);
            wave.channels = u16(chunk + 10);
            wave.samplesPerSecond = u32(chunk + 12);
            wave.bytesPerSecond = u32(chunk + 16);
            wave.blockAlign = u16(chunk + 20);
            wave.bitsPerSample = u16(chunk + 22);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            wave.samples = file.subspan(at + 8, size);
            haveSamples = true;
        }
        at += 8 + size + (size & 1);
        if (at > file.size())
            break;
    }
    if (!haveFormat || !haveSamples)
        return std::nullopt;
    return wave;
}
