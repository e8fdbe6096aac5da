#include "hardware/chips/at89s.hpp"

namespace vertanum::hardware {

TAT89S::TAT89S() {
    SPI.HalfBitDelay = 10;
}

TAT89S53::TAT89S53() {
    SPI.HalfBitDelay = 1;
    SPI.SetSCK(false);
    SPI.SetRESET(false);
}

TAT89S53::~TAT89S53() {
    SPI.SetSCK(false);
    SPI.SetRESET(false);
}

std::uint8_t TAT89S53::EnterProgramming() {
    SPI.SetRESET(true);
    Wait(1500);
    SPI.SetRESET(false);
    Wait(1500);
    SPI.SetRESET(true);
    Wait(10000);
    const std::uint8_t answer = Query(0xAC, 0x53);
    Wait(20000);
    return answer;
}

void TAT89S53::LeaveProgramming() {
    SPI.SetRESET(false);
    SPI.SetSCK(false);
    Wait(20000);
}

void TAT89S53::ChipErase() {
    Send(0xAC, 0x04, 0x00);
    Wait(200000);
}

void TAT89S53::WriteLockBits(std::uint8_t value) {
    Send(0xAC, static_cast<std::uint8_t>(value | 0x07), 0x00);
    Wait(5000);
}

std::uint8_t TAT89S53::AddressByte(std::uint16_t addr, std::uint8_t opcode) {
    auto b1 = static_cast<std::uint8_t>(((addr >> 8) << 3) & 0xFF);
    if ((addr & 0x2000) != 0) b1 = static_cast<std::uint8_t>(b1 | 0x04);
    return static_cast<std::uint8_t>(b1 | opcode);
}

std::uint8_t TAT89S53::ReadFlashByte(std::uint16_t addr) {
    return Query(AddressByte(addr, 0x01), static_cast<std::uint8_t>(addr & 0xFF));
}

void TAT89S53::WriteFlashByte(std::uint16_t addr, std::uint8_t data) {
    Send(AddressByte(addr, 0x02), static_cast<std::uint8_t>(addr & 0xFF), data);
    Wait(2500);
}

}  // namespace vertanum::hardware
