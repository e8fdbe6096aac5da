#include "factory_spec.hpp"

#include <stdexcept>

namespace factorygen {
namespace {

// The program a stand-in image runs: nothing, forever, with interrupts off.
std::vector<std::uint8_t> StandInCode(Chip chip) {
    if (chip == Chip::AT89S53) {
        // 0000: LJMP 0003; 0003: CLR EA; SJMP $
        return {0x02, 0x00, 0x03, 0xC2, 0xAF, 0x80, 0xFE};
    }
    // Word 0 (reset vector): CLI; word 1: RJMP . (low byte of each word first)
    return {0xF8, 0x94, 0xFF, 0xCF};
}

std::uint32_t Seed(const std::string& name) {
    std::uint32_t h = 2166136261u;  // FNV-1a
    for (unsigned char c : name) h = (h ^ c) * 16777619u;
    return h ? h : 1u;
}

}  // namespace

std::size_t StandInCodeSize(Chip chip) {
    return StandInCode(chip).size();
}

ResourceSpec ProgramImage(std::string name, std::size_t size, Chip chip,
                          std::vector<Patch> patches) {
    return {std::move(name), size, ResourceSpec::Kind::Program, chip, 0, std::move(patches)};
}

ResourceSpec EepromImage(std::string name, std::size_t size, std::uint8_t fill,
                         std::vector<Patch> patches) {
    return {std::move(name), size, ResourceSpec::Kind::Eeprom,
            Chip::ATmega8,   fill, std::move(patches)};
}

Patch At(unsigned offset, std::initializer_list<std::uint8_t> bytes) {
    return {offset, std::vector<std::uint8_t>(bytes)};
}

Patch At(unsigned offset, std::vector<std::uint8_t> bytes) {
    return {offset, std::move(bytes)};
}

Patch Repeat(unsigned offset, std::size_t count, std::uint8_t value) {
    return {offset, std::vector<std::uint8_t>(count, value)};
}

Patch WordLows(unsigned first_word, std::initializer_list<std::uint8_t> lows, std::uint8_t high) {
    Patch p{2 * first_word, {}};
    for (auto low : lows) {
        p.bytes.push_back(low);
        p.bytes.push_back(high);
    }
    return p;
}

Patch Words16(unsigned offset, std::initializer_list<std::uint16_t> words) {
    Patch p{offset, {}};
    for (auto w : words) {
        p.bytes.push_back(static_cast<std::uint8_t>(w & 0xFF));
        p.bytes.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    return p;
}

std::vector<std::uint8_t> Build(const ResourceSpec& spec) {
    std::vector<std::uint8_t> out(spec.size, spec.fill);
    std::size_t code_size = 0;
    if (spec.kind == ResourceSpec::Kind::Program) {
        auto code = StandInCode(spec.chip);
        code_size = code.size();
        if (code_size > out.size()) throw std::logic_error(spec.name + ": too small for code");
        std::copy(code.begin(), code.end(), out.begin());
        std::uint32_t x = Seed(spec.name);
        for (std::size_t i = code_size; i < out.size(); ++i) {
            x ^= x << 13;  // xorshift32: fixed, and the same on every machine
            x ^= x >> 17;
            x ^= x << 5;
            out[i] = static_cast<std::uint8_t>(x >> 24);
        }
    }
    for (const auto& p : spec.patches) {
        if (p.offset < code_size) {
            throw std::logic_error(spec.name + ": a patch overwrites the stand-in code");
        }
        if (p.offset + p.bytes.size() > out.size()) {
            throw std::logic_error(spec.name + ": a patch lies past the end");
        }
        std::copy(p.bytes.begin(), p.bytes.end(), out.begin() + p.offset);
    }
    return out;
}

}  // namespace factorygen
