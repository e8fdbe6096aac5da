#pragma once

// Console texts as the Frastoven displays store them: one byte of the display's own character
// set per character, space padded to the field's width, then a 0x00 terminator.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "factory_spec.hpp"

namespace factorygen {

// The width + 1 bytes of a text field holding `utf8`. Throws std::logic_error for a text longer
// than `width`, for malformed UTF-8 and for a character the display cannot show, so that a
// factory text can never be stored wrongly.
std::vector<std::uint8_t> DisplayTextBytes(std::string_view utf8, std::size_t width);

// A text field of `width` characters at `offset`.
Patch DisplayTextAt(unsigned offset, std::string_view utf8, std::size_t width);

// `count` copies of one field's bytes, back to back from `offset`.
Patch RepeatField(unsigned offset, std::size_t count, const std::vector<std::uint8_t>& field);

}  // namespace factorygen
