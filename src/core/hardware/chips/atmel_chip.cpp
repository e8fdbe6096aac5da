#include "hardware/chips/atmel_chip.hpp"

namespace vertanum::hardware {

void TAtmelChip::Send(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    SPI.WriteByte(b1);
    SPI.WriteByte(b2);
    SPI.WriteByte(b3);
}

void TAtmelChip::Send(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4) {
    Send(b1, b2, b3);
    SPI.WriteByte(b4);
}

std::uint8_t TAtmelChip::Query(std::uint8_t b1, std::uint8_t b2) {
    SPI.WriteByte(b1);
    SPI.WriteByte(b2);
    return SPI.ReadByte();
}

std::uint8_t TAtmelChip::Query(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    Send(b1, b2, b3);
    return SPI.ReadByte();
}

std::uint8_t TAtmelChip::EnterAvrProgramming(bool reset_first, bool reset_pulse) {
    if (reset_first) {
        SPI.SetRESET(false);
        SPI.SetSCK(false);
    } else {
        SPI.SetSCK(false);
        SPI.SetRESET(false);
    }
    if (reset_pulse) {
        Wait(1500);
        SPI.SetRESET(true);
        Wait(1500);
        SPI.SetRESET(false);
    }
    Wait(25000);
    const std::uint8_t echo = Query(0xAC, 0x53);
    SPI.WriteByte(0x00);
    Wait(20000);
    return echo;
}

}  // namespace vertanum::hardware
