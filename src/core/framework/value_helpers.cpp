#include "framework/value_helpers.hpp"

#include <cstdio>

#include "framework/conversion_error.hpp"

namespace vertanum {

std::int32_t BcdToBinary(std::uint16_t word) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", word);
    std::int32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (digits[i] < '0' || digits[i] > '9') throw ConversionError(digits);
        value = value * 10 + (digits[i] - '0');
    }
    return value;
}

std::int32_t BinaryToBcd(std::uint16_t value) {
    std::int32_t bcd = 0;
    int shift = 0;
    do {
        bcd |= (value % 10) << shift;
        shift += 4;
        value = static_cast<std::uint16_t>(value / 10);
    } while (value != 0);
    return bcd;
}

}  // namespace vertanum
