#include "framework/conversion_error.hpp"

#include "config/configuration_file.hpp"

namespace vertanum {

std::int32_t StrToInt(std::string_view text) {
    std::string_view t = text;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    auto value = config::ParseProfileInteger(t);
    if (!value) throw ConversionError(text);
    return *value;
}

}  // namespace vertanum
