#pragma once

#include <cstdint>

namespace vertanum {

// Small helpers the parameter maps use on the integer values of their rows.

constexpr std::int32_t BitSet(std::int32_t value, int bit) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) | (1u << bit));
}

constexpr std::int32_t BitClear(std::int32_t value, int bit) {
    const std::uint32_t mask = 1u << bit;
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(value) | mask) ^ mask);
}

constexpr bool BitTest(std::int32_t value, int bit) {
    return (static_cast<std::uint32_t>(value) & (1u << bit)) > 0;
}

// The four hexadecimal digits of a 16-bit word read as a decimal number (0x1234 gives 1234).
// Throws ConversionError when a digit is above 9.
std::int32_t BcdToBinary(std::uint16_t word);

// The decimal digits of a number read as hexadecimal digits (1234 gives 0x1234; 65535 gives
// 0x65535).
std::int32_t BinaryToBcd(std::uint16_t value);

}  // namespace vertanum
