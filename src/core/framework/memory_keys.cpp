#include "framework/memory_keys.hpp"

namespace vertanum {

std::string MemoryKeyName(KeyForm form, unsigned address) {
    return form == KeyForm::Byte ? config::ByteKey(address) : config::WordKey(address);
}

std::size_t MemoryKeyOffset(KeyForm form, unsigned address) {
    return form == KeyForm::Byte ? address : 2u * address;
}

void ReadMemoryKeys(const config::ConfigurationFile& file, KeyForm form,
                    const std::vector<unsigned>& addresses, std::vector<std::uint8_t>& image,
                    std::optional<std::uint8_t> fallback) {
    for (unsigned address : addresses) {
        const std::size_t offset = MemoryKeyOffset(form, address);
        if (offset >= image.size()) continue;
        image[offset] = file.ReadByte(config::kMemorySection, MemoryKeyName(form, address),
                                      fallback.value_or(image[offset]));
    }
}

void WriteMemoryKeys(config::ConfigurationFile& file, KeyForm form,
                     const std::vector<unsigned>& addresses,
                     const std::vector<std::uint8_t>& image) {
    for (unsigned address : addresses) {
        const std::size_t offset = MemoryKeyOffset(form, address);
        if (offset >= image.size()) continue;
        file.WriteInteger(config::kMemorySection, MemoryKeyName(form, address), image[offset]);
    }
}

std::vector<unsigned> AddressRange(unsigned first, unsigned last) {
    std::vector<unsigned> out;
    AppendRange(out, first, last);
    return out;
}

void AppendRange(std::vector<unsigned>& addresses, unsigned first, unsigned last) {
    for (unsigned a = first; a <= last; ++a) addresses.push_back(a);
}

}  // namespace vertanum
