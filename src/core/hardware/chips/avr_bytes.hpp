#pragma once

#include <cstdint>

namespace vertanum::hardware::avr_bytes {

// Pieces of the AVR instruction bytes.
inline std::uint8_t Hi(std::uint16_t v) {
    return static_cast<std::uint8_t>(v >> 8);
}
inline std::uint8_t Lo(std::uint16_t v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}
// The opcode with the high-byte flag (half 1) in bit 3.
inline std::uint8_t HalfOp(std::uint8_t base, std::uint8_t half) {
    return static_cast<std::uint8_t>(base | (half != 0 ? 0x08 : 0x00));
}

}  // namespace vertanum::hardware::avr_bytes
