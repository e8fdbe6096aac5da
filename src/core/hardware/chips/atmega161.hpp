#pragma once

#include "hardware/chips/atmel_chip.hpp"

namespace vertanum::hardware {

// ATmega161: program memory through a page buffer; no fuse or lock reads.
class TATMEGA161 : public TAtmelChip {
  public:
    TATMEGA161();

    std::uint8_t FuseBits = 0xFF;
    std::uint8_t LockBits = 0xFF;
    std::uint32_t EraseDelay = 200000;
    std::uint32_t EepromWriteDelay = 3400;
    std::uint32_t PageWriteDelay = 18000;

    std::uint8_t EnterProgramming();
    void LeaveProgramming();
    void ChipErase();
    std::uint8_t ReadFlashByte(std::uint8_t half, std::uint16_t wordAddr);
    void LoadFlashPageByte(std::uint8_t half, std::uint16_t wordAddr, std::uint8_t data);
    void WriteFlashPage(std::uint16_t wordAddr);
    std::uint8_t ReadEepromByte(std::uint16_t addr);
    void WriteEepromByte(std::uint16_t addr, std::uint8_t data);
    std::uint8_t ReadSignatureByte(std::uint8_t index);
    void WriteLockBits(std::uint8_t value);
    void WriteFuseBits(std::uint8_t value);
};

}  // namespace vertanum::hardware
