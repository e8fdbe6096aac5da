#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace vertanum::app {

// The PCM samples of a RIFF WAVE file and what they are.
struct WaveData {
    std::uint16_t channels = 0;
    std::uint32_t sample_rate = 0;
    std::uint16_t bits_per_sample = 0;
    std::span<const std::uint8_t> samples;  // into the file's bytes
};

// Reads the "fmt " and "data" chunks of an uncompressed PCM WAVE file; nothing for anything
// else or a file cut short.
std::optional<WaveData> ParseWave(std::span<const std::uint8_t> file);

}  // namespace vertanum::app
