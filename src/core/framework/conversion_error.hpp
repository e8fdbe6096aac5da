#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vertanum {

// A value text that had to be an integer and is not one. The only failure that travels as an
// exception; the editor turns it into a refusal with this message.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(std::string_view text)
        : std::runtime_error("'" + std::string(text) + "' - неверное целое значение"),
          text_(text) {}
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// The integer of a value text, as the maps read their rows: leading blanks, an optional sign,
// decimal digits or "$"/"0x" hexadecimal. Throws ConversionError for anything else.
std::int32_t StrToInt(std::string_view text);

}  // namespace vertanum
