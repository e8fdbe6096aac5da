#pragma once

// The declarative form of one factory resource: its name, its length, what kind of memory it
// fills and the bytes that the device documentation fixes. Everything else is made here: a
// minimal valid program for the chip at address 0, then a fixed pseudo-random fill, so that an
// address mix-up in programming or verification never hides behind uniform bytes.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace factorygen {

enum class Chip { AT89S53, AT90LS4433, ATmega8, ATmega161, ATtiny26 };

struct Patch {
    unsigned offset = 0;
    std::vector<std::uint8_t> bytes;
};

struct ResourceSpec {
    enum class Kind { Program, Eeprom };
    std::string name;
    std::size_t size = 0;
    Kind kind = Kind::Program;
    Chip chip = Chip::ATmega8;
    std::uint8_t fill = 0xFF;  // EEPROM only: every byte no patch sets
    std::vector<Patch> patches;
};

// A program image: stand-in code for `chip`, pseudo-random fill, then the patches.
ResourceSpec ProgramImage(std::string name, std::size_t size, Chip chip,
                          std::vector<Patch> patches = {});
// An EEPROM image: `fill` everywhere, then the patches.
ResourceSpec EepromImage(std::string name, std::size_t size, std::uint8_t fill,
                         std::vector<Patch> patches = {});

// Bytes at an offset.
Patch At(unsigned offset, std::initializer_list<std::uint8_t> bytes);
Patch At(unsigned offset, std::vector<std::uint8_t> bytes);
// `count` copies of one byte.
Patch Repeat(unsigned offset, std::size_t count, std::uint8_t value);
// Program words from `first_word` on whose low bytes are `lows` and whose high bytes are `high`.
Patch WordLows(unsigned first_word, std::initializer_list<std::uint8_t> lows,
               std::uint8_t high = 0x00);
// Little-endian 16-bit words.
Patch Words16(unsigned offset, std::initializer_list<std::uint16_t> words);

// The bytes of a resource. Throws std::logic_error for a patch outside the resource or over the
// stand-in code.
std::vector<std::uint8_t> Build(const ResourceSpec& spec);

// The length of the stand-in code at the start of a program image of `chip`.
std::size_t StandInCodeSize(Chip chip);

}  // namespace factorygen
