#include "core/wave_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {
std::vector<std::uint8_t> soundFile() {
    std::ifstream in(VELMORA_SOUND_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CompletionSound, HasTheShapeThePlayerExpects) {
    const auto bytes = soundFile();
    ASSERT_EQ(bytes.size(), 8u + 100892u);
    const auto wave = readWave(bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->riffSize, 100892u);
    EXPECT_EQ(wave->formatTag, 1); // PCM
    EXPECT_EQ(wave->channels, 2);
    EXPECT_EQ(wave->samplesPerSecond, 44100u);
    EXPECT_EQ(wave->bytesPerSecond, 176400u);
    EXPECT_EQ(wave->blockAlign, 4);
    EXPECT_EQ(wave->bitsPerSample, 16);
    EXPECT_EQ(wave->samples.size(), 95360u);
    // The metadata chunk follows the samples, so playback of the data alone ignores it.
    EXPECT_LT(wave->samples.data() + wave->samples.size(), bytes.data() + bytes.size());
}

TEST(CompletionSound, EndsInSilenceWithoutAClick) {
    const auto bytes = soundFile();
    const auto wave = readWave(bytes);
    ASSERT_TRUE(wave);
    const auto* samples = reinterpret_cast<const std::int16_t*>(wave->samples.data());
    const size_t count = wave->samples.size() / 2;
    for (size_t i = count - 64; i < count; ++i)
        EXPECT_LT(std::abs(samples[i]), 64) << i;
}

TEST(WaveFile, RejectsWhatIsNoWave) {
    EXPECT_FALSE(readWave({}));
    std::vector<std::uint8_t> truncated = soundFile();
    truncated.resize(100);
    EXPECT_FALSE(readWave(truncated));
}
} // namespace
