#pragma once

#include <cstdint>

namespace vertanum::hardware {

// The tick count of the current clock (the time-stamp counter on x86).
std::uint64_t ReadTimeStampCounter();

// Ticks per microsecond of the current clock, measured afresh (about 1.5 s on a real clock).
double MeasureCpuMHz();

// Busy-waits until the counter has advanced by count × ticks_per_microsecond ticks (rounded);
// a count of 0 returns after one reading.
void DelayMicroseconds(std::uint32_t count, double ticks_per_microsecond);

// Sleeps on the current clock (a virtual clock just moves on).
void SleepMilliseconds(std::uint32_t milliseconds);

}  // namespace vertanum::hardware
