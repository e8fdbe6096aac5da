#include "display_text.hpp"

#include <stdexcept>
#include <string>

namespace factorygen {
namespace {

// Display codes of А..Я and а..я. The letters that look like Latin ones are shown as those Latin
// letters; the others have codes of their own from 0xA0 on.
constexpr std::uint8_t kUpper[32] = {
    0x41, 0xA0, 0x42, 0xA1, 0xE0, 0x45, 0xA3, 0xA4, 0xA5, 0xA6, 0x4B, 0xA7, 0x4D, 0x48, 0x4F, 0xA8,
    0x50, 0x43, 0x54, 0xA9, 0xAA, 0x58, 0xE1, 0xAB, 0xAC, 0xE2, 0xAD, 0xAE, 0x62, 0xAF, 0xB0, 0xB1,
};
constexpr std::uint8_t kLower[32] = {
    0x61, 0xB2, 0xB3, 0xB4, 0xE3, 0x65, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBB, 0xBC, 0xBD, 0x6F, 0xBE,
    0x70, 0x63, 0xBF, 0x79, 0xE4, 0x78, 0xE5, 0xC0, 0xC1, 0xE6, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7,
};

// The display byte of one Unicode character, 0x00 when the display has none.
std::uint8_t DisplayCode(char32_t c) {
    if (c >= 0x20 && c <= 0x7D) {
        if (c == U'\'' || c == U'@' || c == U'\\' || c == U'^' || c == U'`') return 0x00;
        return static_cast<std::uint8_t>(c);
    }
    if (c >= U'А' && c <= U'Я') return kUpper[c - U'А'];
    if (c >= U'а' && c <= U'я') return kLower[c - U'а'];
    if (c == U'Ё') return 0xA2;
    if (c == U'ё') return 0xB5;
    return 0x00;
}

// The next character of `s` from `pos` on (advancing `pos`); throws on malformed UTF-8.
char32_t NextCharacter(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos++]);
    std::size_t extra = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else {
        throw std::logic_error("malformed UTF-8 in a display text");
    }
    for (; extra > 0; --extra) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80) {
            throw std::logic_error("malformed UTF-8 in a display text");
        }
        c = (c << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    }
    return c;
}

}  // namespace

std::vector<std::uint8_t> DisplayTextBytes(std::string_view utf8, std::size_t width) {
    std::vector<std::uint8_t> field;
    field.reserve(width + 1);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::uint8_t code = DisplayCode(NextCharacter(utf8, pos));
        if (code == 0x00) {
            throw std::logic_error("\"" + std::string(utf8) +
                                   "\": the display cannot show character " +
                                   std::to_string(field.size() + 1));
        }
        field.push_back(code);
    }
    if (field.size() > width) {
        throw std::logic_error("\"" + std::string(utf8) + "\" is longer than its field of " +
                               std::to_string(width));
    }
    field.resize(width, 0x20);
    field.push_back(0x00);
    return field;
}

Patch DisplayTextAt(unsigned offset, std::string_view utf8, std::size_t width) {
    return {offset, DisplayTextBytes(utf8, width)};
}

Patch RepeatField(unsigned offset, std::size_t count, const std::vector<std::uint8_t>& field) {
    Patch p{offset, {}};
    p.bytes.reserve(count * field.size());
    for (std::size_t i = 0; i < count; ++i)
        p.bytes.insert(p.bytes.end(), field.begin(), field.end());
    return p;
}

}  // namespace factorygen
