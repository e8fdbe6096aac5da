#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vertanum::resources {

// Intel HEX with data, end-of-file and extended linear/segment address records, as programmers
// read and write it.
std::string WriteIntelHex(const std::vector<std::uint8_t>& bytes);

// The bytes of an Intel HEX text from address 0 to the highest address it gives; addresses it
// leaves out read 0xFF, as an erased memory does. Nothing (and the reason) for a malformed text.
std::optional<std::vector<std::uint8_t>> ReadIntelHex(std::string_view text, std::string* error);

}  // namespace vertanum::resources
