#pragma once
#include <cstdint>
#include <optional>
#include <span>

// The format and the samples of a PCM RIFF/WAVE file; other chunks are skipped.
struct WaveData {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint32_t bytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t riffSize = 0;
    std::span<const std::uint8_t> samples;
};

std::optional<WaveData> readWave(std::span<const std::uint8_t> file);
