#include "hardware/chips/atmega8.hpp"

#include "hardware/chips/avr_bytes.hpp"

namespace vertanum::hardware {

using namespace avr_bytes;

TATMEGA8::TATMEGA8() {
    SPI.HalfBitDelay = 1;
    SPI.SetSCK(false);
    SPI.SetRESET(false);
}

std::uint8_t TATMEGA8::EnterProgramming() {
    return EnterAvrProgramming(false, false);
}

void TATMEGA8::LeaveProgramming() {
    SPI.SetRESET(true);
    SPI.SetSCK(false);
    Wait(20000);
}

void TATMEGA8::ChipErase() {
    Send(0xAC, 0x80, 0x00, 0x00);
    Wait(EraseDelay);
}

std::uint8_t TATMEGA8::ReadFlashByte(std::uint8_t half, std::uint16_t wordAddr) {
    return Query(HalfOp(0x20, half), Hi(wordAddr), Lo(wordAddr));
}

void TATMEGA8::LoadFlashPageByte(std::uint8_t half, std::uint16_t wordAddr, std::uint8_t data) {
    Send(HalfOp(0x40, half), Hi(wordAddr), Lo(wordAddr), data);
}

void TATMEGA8::WriteFlashPage(std::uint16_t wordAddr) {
    Send(0x4C, Hi(wordAddr), Lo(wordAddr), 0x00);
    Wait(PageWriteDelay);
}

std::uint8_t TATMEGA8::ReadEepromByte(std::uint16_t addr) {
    return Query(0xA0, Hi(addr), Lo(addr));
}

void TATMEGA8::WriteEepromByte(std::uint16_t addr, std::uint8_t data) {
    Send(0xC0, Hi(addr), Lo(addr), data);
    Wait(EepromWriteDelay);
}

std::uint8_t TATMEGA8::ReadSignatureByte(std::uint8_t index) {
    const std::uint8_t value = Query(0x30, 0x00, static_cast<std::uint8_t>(index & 3));
    Wait(20000);
    return value;
}

void TATMEGA8::WriteLockBits(std::uint8_t value) {
    Send(0xAC, 0xE0, 0x00, static_cast<std::uint8_t>(value | 0xC0));
    Wait(PageWriteDelay);
}

void TATMEGA8::WriteFuseBits(std::uint8_t value) {
    Send(0xAC, 0xA0, 0x00, value);
    Wait(PageWriteDelay);
}

void TATMEGA8::WriteFuseHighBits(std::uint8_t value) {
    Send(0xAC, 0xA8, 0x00, value);
    Wait(PageWriteDelay);
}

std::uint8_t TATMEGA8::ReadFuseBits() {
    return Query(0x50, 0x00, 0x00);
}

std::uint8_t TATMEGA8::ReadFuseHighBits() {
    return Query(0x58, 0x08, 0x00);
}

std::uint8_t TATMEGA8::ReadLockBits() {
    return static_cast<std::uint8_t>(Query(0x58, 0x00, 0x00) & 0x3F);
}

}  // namespace vertanum::hardware
