#include "hardware/chips/at90s.hpp"

#include "hardware/chips/avr_bytes.hpp"

namespace vertanum::hardware {

using namespace avr_bytes;

void TAT90S23_44::SetSupplyVoltage(double volts) {
    SupplyVoltage = volts;
    EraseDelay = 200000;
    if (volts >= 5.0) {
        WriteDelay = 4000;
    } else if (volts >= 4.0) {
        WriteDelay = 6000;
    } else if (volts >= 3.6) {
        WriteDelay = 7000;
    } else if (volts >= 3.2) {
        WriteDelay = 9000;
    } else {
        WriteDelay = 20000;
    }
}

std::uint8_t TAT90S23_44::EnterProgramming() {
    return EnterAvrProgramming(true, true);
}

void TAT90S23_44::LeaveProgramming() {
    SPI.SetRESET(true);
    SPI.SetSCK(false);
    Wait(20000);
}

void TAT90S23_44::ChipErase() {
    Send(0xAC, 0x80, 0x00, 0x00);
    Wait(EraseDelay);
}

std::uint8_t TAT90S23_44::ReadFlashByte(std::uint8_t half, std::uint16_t wordAddr) {
    return Query(HalfOp(0x20, half), Hi(wordAddr), Lo(wordAddr));
}

void TAT90S23_44::WriteFlashByte(std::uint8_t half, std::uint16_t wordAddr, std::uint8_t data) {
    Send(HalfOp(0x40, half), Hi(wordAddr), Lo(wordAddr), data);
    Wait(WriteDelay);
}

std::uint16_t TAT90S23_44::ReadFlashWord(std::uint16_t wordAddr) {
    const std::uint8_t high = ReadFlashByte(1, wordAddr);
    const std::uint8_t low = ReadFlashByte(0, wordAddr);
    return static_cast<std::uint16_t>((high << 8) + low);
}

void TAT90S23_44::WriteFlashWord(std::uint16_t wordAddr, std::uint16_t word) {
    WriteFlashByte(1, wordAddr, static_cast<std::uint8_t>(word >> 8));
    WriteFlashByte(0, wordAddr, static_cast<std::uint8_t>(word & 0xFF));
}

std::uint8_t TAT90S23_44::ReadEepromByte(std::uint16_t addr) {
    return Query(0xA0, Hi(addr), Lo(addr));
}

void TAT90S23_44::WriteEepromByte(std::uint16_t addr, std::uint8_t data) {
    Send(0xC0, Hi(addr), Lo(addr), data);
    Wait(WriteDelay);
}

std::uint8_t TAT90S23_44::ReadSignatureByte(std::uint8_t index) {
    return Query(0x30, 0x00, static_cast<std::uint8_t>(index & 3));
}

void TAT90S23_44::WriteLockBits(std::uint8_t value) {
    Send(0xAC, static_cast<std::uint8_t>(value | 0xF9), 0x00, 0x00);
    Wait(WriteDelay);
}

void TAT90S23_44::WriteFuseBits(std::uint8_t value) {
    Send(0xAC, static_cast<std::uint8_t>(0xA0 | (value & 0x1F)), 0x00, 0x00);
    Wait(WriteDelay);
}

TAT90LS4433::TAT90LS4433() {
    SPI.HalfBitDelay = 1;
    SetSupplyVoltage(5.0);
    SPI.SetRESET(true);
    SPI.SetSCK(false);
}

TAT90LS4433::~TAT90LS4433() {
    SPI.SetRESET(true);
    SPI.SetSCK(false);
}

}  // namespace vertanum::hardware
