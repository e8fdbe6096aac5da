#include "sound/wave_file.hpp"

#include <cstring>

namespace vertanum::app {
namespace {

std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

}  // namespace

std::optional<WaveData> ParseWave(std::span<const std::uint8_t> file) {
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 ||
        std::memcmp(file.data() + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    WaveData wave;
    bool have_format = false;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::uint8_t* chunk = file.data() + at;
        const std::size_t size = Le32(chunk + 4);
        if (size > file.size() - at - 8) return std::nullopt;
        const std::uint8_t* body = chunk + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < 16 || Le16(body) != 1) return std::nullopt;  // PCM only
            wave.channels = Le16(body + 2);
            wave.sample_rate = Le32(body + 4);
            wave.bits_per_sample = Le16(body + 14);
            have_format = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!have_format) return std::nullopt;
            wave.samples = file.subspan(at + 8, size);
            return wave;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace vertanum::app
