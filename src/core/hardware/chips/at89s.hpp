#pragma once

#include "hardware/chips/atmel_chip.hpp"

namespace vertanum::hardware {

// The AT89S series: three-byte instructions, RESET high while programming.
class TAT89S : public TAtmelChip {
  public:
    TAT89S();
    std::uint8_t LockBits = 0xFF;
};

class TAT89S53 : public TAT89S {
  public:
    TAT89S53();
    ~TAT89S53();

    std::uint8_t EnterProgramming();
    void LeaveProgramming();
    void ChipErase();
    void WriteLockBits(std::uint8_t value);
    // addr is a byte address, 0 to 0x3FFF.
    std::uint8_t ReadFlashByte(std::uint16_t addr);
    void WriteFlashByte(std::uint16_t addr, std::uint8_t data);

    // The first instruction byte: address bits 12..8 in bits 7..3, bit 13 in bit 2, the opcode
    // (1 read, 2 write) below.
    static std::uint8_t AddressByte(std::uint16_t addr, std::uint8_t opcode);
};

}  // namespace vertanum::hardware
