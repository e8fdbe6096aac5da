#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "config/configuration_file.hpp"

namespace vertanum {

// How a model names the image bytes it stores in the "MEMORY" section.
enum class KeyForm {
    Byte,  // "$XXXX": the byte at that address
    Word,  // "$XXXX*2": the low byte of that program word, at twice the address
};

std::string MemoryKeyName(KeyForm form, unsigned address);
std::size_t MemoryKeyOffset(KeyForm form, unsigned address);

// Reads each key into its image byte (low 8 bits of the number). A missing, empty or
// non-numeric value gives `fallback`, or leaves the byte as it is when `fallback` is empty.
void ReadMemoryKeys(const config::ConfigurationFile& file, KeyForm form,
                    const std::vector<unsigned>& addresses, std::vector<std::uint8_t>& image,
                    std::optional<std::uint8_t> fallback);

// Writes each key with its image byte as a decimal number, in the order given.
void WriteMemoryKeys(config::ConfigurationFile& file, KeyForm form,
                     const std::vector<unsigned>& addresses,
                     const std::vector<std::uint8_t>& image);

// The addresses first..last, ascending.
std::vector<unsigned> AddressRange(unsigned first, unsigned last);
// Appends first..last to `addresses`.
void AppendRange(std::vector<unsigned>& addresses, unsigned first, unsigned last);

}  // namespace vertanum
