#pragma once

#include <cstdint>

#include "framework/messages.hpp"
#include "framework/progress_display.hpp"

namespace vertanum::hardware {

inline constexpr const char* kPortOpenError = "Ошибка открытия LPT порта\r";
inline constexpr const char* kPortFreeWaitError = "Ошибка ожидания освобождения LPT порта\r";
inline constexpr const char* kPortFreeWaitLabel = "Ожидаем Windows: ";

// Whether a port-free wait has succeeded in this run (shared by all links, never cleared by
// them); the setter is for tests and for a program that starts a fresh session.
bool PortFreeWaitDone();
void SetPortFreeWaitDone(bool done);

// The SPI master on the cable's lines: clock idle low, data set up while the clock is low and
// sampled by the target on the rising edge, the target's data sampled while the clock is high.
class TSPI {
  public:
    // Calibrates the clock (about 1.5 s on a real one); the port is not touched.
    TSPI();

    double ClockFactor = 0.0;
    std::int32_t HalfBitDelay = 0;

    // 0 when the port is open and free, -1 when the driver cannot be opened or the port stays
    // busy, -2 when something fails inside.
    std::int32_t OpenPort(std::uint16_t port, ProgressDisplay& progress, Messages& messages);
    // True when the port's data lines were seen low; false after 99 seconds.
    bool PortFreeWait(ProgressDisplay& progress, Messages& messages);

    void SetSCK(bool level);
    void SetMOSI(bool level);
    void SetRESET(bool level);
    bool GetMISO();
    void WriteByte(std::uint8_t value);
    std::uint8_t ReadByte();

    // The delay of the chip drivers: DelayMicroseconds(count, ClockFactor).
    void Wait(std::uint32_t count);

  private:
    void HalfBit();
};

}  // namespace vertanum::hardware
