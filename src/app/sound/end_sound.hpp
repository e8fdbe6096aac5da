#pragma once

#include <cstdint>
#include <span>

namespace vertanum::app {

// Plays a WAVE file from memory on the default sound output without waiting for its end. A
// machine without sound, or a file the output cannot play, stays silent; nothing is reported.
// Returns true when playing started.
bool PlayWaveFromMemory(std::span<const std::uint8_t> wave);

}  // namespace vertanum::app
