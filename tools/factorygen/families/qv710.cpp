#include "families/families.hpp"

namespace factorygen {
namespace {

// Readiness times of loops 1 and 2 and the reset duration, in seconds: the low bytes of program
// words 0x43, 0x44, 0x45. The high bytes of those words are left to the fill, as firmware.
std::vector<Patch> Times(std::uint8_t loop1, std::uint8_t loop2, std::uint8_t reset) {
    return {At(0x86, {loop1}), At(0x88, {loop2}), At(0x8A, {reset})};
}

}  // namespace

std::vector<ResourceSpec> Qv710Resources() {
    return {
        EepromImage("QV710P001EEP", 512, 0xFF),
        ProgramImage("QV710P001ROM", 3332, Chip::ATmega8, Times(11, 11, 3)),
        EepromImage("QV710P002EEP", 512, 0xFF),
        ProgramImage("QV710P002ROM", 6072, Chip::ATmega8, Times(11, 11, 3)),
        ProgramImage("QV710P003ROM", 2116, Chip::ATmega8),
        ProgramImage("QV710U001", 1956, Chip::ATmega8),
        ProgramImage("QV710U002", 1956, Chip::ATmega8),
        ProgramImage("QV710U003", 1956, Chip::ATmega8),
        ProgramImage("QV710U004", 1956, Chip::ATmega8),
    };
}

}  // namespace factorygen
