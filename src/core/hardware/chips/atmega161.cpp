#include "hardware/chips/atmega161.hpp"

#include "hardware/chips/avr_bytes.hpp"

namespace vertanum::hardware {

using namespace avr_bytes;

TATMEGA161::TATMEGA161() {
    SPI.HalfBitDelay = 1;
    SPI.SetSCK(false);
    SPI.SetRESET(false);
}

std::uint8_t TATMEGA161::EnterProgramming() {
    return EnterAvrProgramming(false, true);
}

void TATMEGA161::LeaveProgramming() {
    SPI.SetSCK(false);
    SPI.SetRESET(true);
    Wait(100000);
}

void TATMEGA161::ChipErase() {
    Send(0xAC, 0x80, 0x00, 0x00);
    Wait(EraseDelay);
}

std::uint8_t TATMEGA161::ReadFlashByte(std::uint8_t half, std::uint16_t wordAddr) {
    return Query(HalfOp(0x20, half), Hi(wordAddr), Lo(wordAddr));
}

void TATMEGA161::LoadFlashPageByte(std::uint8_t half, std::uint16_t wordAddr, std::uint8_t data) {
    Send(HalfOp(0x40, half), Hi(wordAddr), Lo(wordAddr), data);
}

void TATMEGA161::WriteFlashPage(std::uint16_t wordAddr) {
    Send(0x4C, Hi(wordAddr), Lo(wordAddr), 0x00);
    Wait(PageWriteDelay);
}

std::uint8_t TATMEGA161::ReadEepromByte(std::uint16_t addr) {
    return Query(0xA0, Hi(addr), Lo(addr));
}

void TATMEGA161::WriteEepromByte(std::uint16_t addr, std::uint8_t data) {
    Send(0xC0, Hi(addr), Lo(addr), data);
    Wait(EepromWriteDelay);
}

std::uint8_t TATMEGA161::ReadSignatureByte(std::uint8_t index) {
    const std::uint8_t value = Query(0x30, 0x00, static_cast<std::uint8_t>(index & 3));
    return value;
}

void TATMEGA161::WriteLockBits(std::uint8_t value) {
    Send(0xAC, 0xE0, 0x00, static_cast<std::uint8_t>(value | 0xC0));
    Wait(PageWriteDelay);
}

void TATMEGA161::WriteFuseBits(std::uint8_t value) {
    Send(0xAC, 0xA0, 0x00, value);
    Wait(PageWriteDelay);
}

}  // namespace vertanum::hardware
