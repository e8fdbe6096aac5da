#include "hardware/delays.hpp"

#include <cmath>

#include "hardware/clock.hpp"

namespace vertanum::hardware {

std::uint64_t ReadTimeStampCounter() {
    return CurrentClock().Ticks();
}

double MeasureCpuMHz() {
    return CurrentClock().Calibrate();
}

void DelayMicroseconds(std::uint32_t count, double ticks_per_microsecond) {
    const double wanted = static_cast<double>(count) * ticks_per_microsecond;
    // A rate that is not a positive number gives no wait rather than an endless one.
    const std::uint64_t ticks = (wanted > 0.0 && std::isfinite(wanted))
                                    ? static_cast<std::uint64_t>(std::llround(wanted))
                                    : 0;
    Clock& clock = CurrentClock();
    const std::uint64_t start = clock.Ticks();
    if (ticks == 0) return;
    clock.WaitUntil(start + ticks);
}

void SleepMilliseconds(std::uint32_t milliseconds) {
    CurrentClock().SleepMilliseconds(milliseconds);
}

}  // namespace vertanum::hardware
