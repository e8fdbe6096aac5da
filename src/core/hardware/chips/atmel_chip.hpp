#pragma once

#include <cstdint>

#include "hardware/spi.hpp"

namespace vertanum::hardware {

// The root of the chip drivers: owns the SPI link (made, and the clock calibrated, at the
// driver's creation) and the byte patterns every instruction set is made of.
class TAtmelChip {
  public:
    TAtmelChip() = default;
    TAtmelChip(const TAtmelChip&) = delete;
    TAtmelChip& operator=(const TAtmelChip&) = delete;

    TSPI SPI;

  protected:
    void Send(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
    void Send(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4);
    // Sends the bytes and answers the byte read after them.
    std::uint8_t Query(std::uint8_t b1, std::uint8_t b2);
    std::uint8_t Query(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
    void Wait(std::uint32_t count) { SPI.Wait(count); }
    // The AVR way into programming: SCK and RESET low (in the order asked), an optional reset
    // pulse, 25000, Programming Enable (its third byte read), 20000.
    std::uint8_t EnterAvrProgramming(bool reset_first, bool reset_pulse);
};

}  // namespace vertanum::hardware
