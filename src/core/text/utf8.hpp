#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vertanum::text {

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t code_point);

// Decodes one code point starting at `pos` and advances `pos` past it. Returns nothing (and moves
// one byte on) for a malformed sequence, an overlong form or a surrogate.
std::optional<char32_t> NextCodePoint(std::string_view utf8, std::size_t& pos);

// The code points of a text; nothing when any byte sequence is malformed.
std::optional<std::u32string> DecodeUtf8(std::string_view utf8);

// A readable name for a code point in messages, for example "«€» (U+20AC)".
std::string DescribeCodePoint(char32_t code_point);

}  // namespace vertanum::text
