#include "hardware/chips/attiny26.hpp"

#include "hardware/chips/avr_bytes.hpp"

namespace vertanum::hardware {

using namespace avr_bytes;

TATTINY26::TATTINY26() {
    SPI.HalfBitDelay = 1;
    SPI.SetSCK(false);
    SPI.SetRESET(false);
}

std::uint8_t TATTINY26::EnterProgramming() {
    return EnterAvrProgramming(false, true);
}

void TATTINY26::LeaveProgramming() {
    SPI.SetRESET(true);
    SPI.SetSCK(false);
    Wait(20000);
}

void TATTINY26::ChipErase() {
    Send(0xAC, 0x80, 0x00, 0x00);
    Wait(EraseDelay);
}

std::uint8_t TATTINY26::ReadFlashByte(std::uint8_t half, std::uint16_t wordAddr) {
    return Query(HalfOp(0x20, half), Hi(wordAddr), Lo(wordAddr));
}

void TATTINY26::LoadFlashPageByte(std::uint8_t half, std::uint16_t wordAddr, std::uint8_t data) {
    Send(HalfOp(0x40, half), Hi(wordAddr), Lo(wordAddr), data);
}

void TATTINY26::WriteFlashPage(std::uint16_t wordAddr) {
    Send(0x4C, Hi(wordAddr), Lo(wordAddr), 0x00);
    Wait(PageWriteDelay);
}

std::uint8_t TATTINY26::ReadEepromByte(std::uint16_t addr) {
    return Query(0xA0, Hi(addr), Lo(addr));
}

void TATTINY26::WriteEepromByte(std::uint16_t addr, std::uint8_t data) {
    Send(0xC0, Hi(addr), Lo(addr), data);
    Wait(EepromWriteDelay);
}

std::uint8_t TATTINY26::ReadSignatureByte(std::uint8_t index) {
    const std::uint8_t value = Query(0x30, 0x00, static_cast<std::uint8_t>(index & 3));
    return value;
}

void TATTINY26::WriteLockBits(std::uint8_t value) {
    Send(0xAC, 0xE0, 0x00, static_cast<std::uint8_t>(value | 0xFC));
    Wait(PageWriteDelay);
}

void TATTINY26::WriteFuseBits(std::uint8_t value) {
    Send(0xAC, 0xA0, 0x00, value);
    Wait(FuseWriteDelay);
}

void TATTINY26::WriteFuseHighBits(std::uint8_t value) {
    Send(0xAC, 0xA8, 0x00, value);
    Wait(FuseWriteDelay);
}

std::uint8_t TATTINY26::ReadFuseBits() {
    return Query(0x50, 0x00, 0x00);
}

std::uint8_t TATTINY26::ReadFuseHighBits() {
    return static_cast<std::uint8_t>(Query(0x58, 0x08, 0x00) & 0x17);
}

std::uint8_t TATTINY26::ReadLockBits() {
    return static_cast<std::uint8_t>(Query(0x58, 0x00, 0x00) & 0x03);
}

}  // namespace vertanum::hardware
