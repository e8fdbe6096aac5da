#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vertanum::text {

// Windows-1251, the character set of the configuration files. Every one of the 256 byte values
// has a character (0x98, which the code page leaves unassigned, stands for U+0098), so bytes
// always survive a round trip through UTF-8.
std::string Cp1251ToUtf8(std::string_view bytes);

// The result of encoding a UTF-8 text into Windows-1251.
struct Cp1251Encoding {
    std::optional<std::string> bytes;  // nothing when the text cannot be encoded
    std::string error;                 // why not, in Russian, for the user
};

// Encodes a UTF-8 text. A character that Windows-1251 cannot hold, or malformed UTF-8, is an
// error: nothing is replaced silently.
Cp1251Encoding Utf8ToCp1251(std::string_view utf8);

// The same, for texts the program itself owns and knows to be encodable (captions, keys).
// Throws std::invalid_argument when that promise is broken.
std::string Utf8ToCp1251OrThrow(std::string_view utf8);

// The Windows-1251 byte of a code point, if it has one.
std::optional<unsigned char> Cp1251ByteOf(char32_t code_point);

// The code point of a Windows-1251 byte.
char32_t Cp1251CodePoint(unsigned char byte);

}  // namespace vertanum::text
