#pragma once

#include "hardware/chips/atmel_chip.hpp"

namespace vertanum::hardware {

// The AT90S family: program memory written byte by byte, each write with its own wait, the
// waits derived from the supply voltage.
class TAT90S23_44 : public TAtmelChip {
  public:
    std::uint8_t FuseBits = 0xFF;
    std::uint8_t LockBits = 0xFF;
    double SupplyVoltage = 0.0;
    std::uint32_t EraseDelay = 0;
    std::uint32_t WriteDelay = 0;

    void SetSupplyVoltage(double volts);

    std::uint8_t EnterProgramming();
    void LeaveProgramming();
    void ChipErase();
    std::uint8_t ReadFlashByte(std::uint8_t half, std::uint16_t wordAddr);
    void WriteFlashByte(std::uint8_t half, std::uint16_t wordAddr, std::uint8_t data);
    std::uint16_t ReadFlashWord(std::uint16_t wordAddr);
    void WriteFlashWord(std::uint16_t wordAddr, std::uint16_t word);
    std::uint8_t ReadEepromByte(std::uint16_t addr);
    void WriteEepromByte(std::uint16_t addr, std::uint8_t data);
    std::uint8_t ReadSignatureByte(std::uint8_t index);
    void WriteLockBits(std::uint8_t value);
    void WriteFuseBits(std::uint8_t value);
};

class TAT90LS4433 : public TAT90S23_44 {
  public:
    TAT90LS4433();
    ~TAT90LS4433();
};

}  // namespace vertanum::hardware
