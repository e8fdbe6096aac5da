#include "hardware/clock.hpp"

#include <sched.h>
#include <sys/resource.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <optional>
#include <thread>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <x86intrin.h>
#define VERTANUM_HAS_TSC 1
#endif

namespace vertanum::hardware {

double Clock::Calibrate() {
    return CalibrateAgainstTickCount(*this, true);
}

double CalibrateAgainstTickCount(Clock& clock, bool raise_priority) {
    std::optional<ScopedRealtimePriority> priority;
    if (raise_priority) priority.emplace();
    std::uint32_t t = clock.MillisecondTickCount();
    while (clock.MillisecondTickCount() - t <= 500u) {
    }
    t = clock.MillisecondTickCount();
    const std::uint64_t c0 = clock.Ticks();
    while (clock.MillisecondTickCount() - t <= 1000u) {
    }
    const std::uint64_t c1 = clock.Ticks();
    return static_cast<double>(c1 - c0) / 1000000.0;
}

std::uint64_t MonotonicClock::Ticks() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

std::uint32_t MonotonicClock::MillisecondTickCount() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

void MonotonicClock::SleepMilliseconds(std::uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool TimeStampClock::Available() {
#ifdef VERTANUM_HAS_TSC
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (__get_cpuid(1, &a, &b, &c, &d) == 0 || (d & (1u << 4)) == 0) return false;
    // Only a counter that runs at a constant rate in every power state can time a delay.
    if (__get_cpuid(0x80000007u, &a, &b, &c, &d) == 0) return false;
    return (d & (1u << 8)) != 0;
#else
    return false;
#endif
}

std::uint64_t TimeStampClock::Ticks() {
#ifdef VERTANUM_HAS_TSC
    return __rdtsc();
#else
    return MonotonicClock::Ticks();
#endif
}

double TimeStampClock::TicksPerMicrosecond() {
    if (rate_ == 0.0) {
        // A short measurement is enough to turn the simulated chips' write times into ticks.
        const auto start = std::chrono::steady_clock::now();
        const std::uint64_t c0 = Ticks();
        while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(20)) {
        }
        const std::uint64_t c1 = Ticks();
        const auto elapsed =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start);
        rate_ = static_cast<double>(c1 - c0) / elapsed.count();
    }
    return rate_;
}

std::uint32_t VirtualClock::MillisecondTickCount() {
    return static_cast<std::uint32_t>(
        static_cast<std::uint64_t>(static_cast<double>(now_) / (rate_ * 1000.0)));
}

void VirtualClock::SleepMilliseconds(std::uint32_t milliseconds) {
    AdvanceMicroseconds(1000.0 * milliseconds);
}

double VirtualClock::Calibrate() {
    AdvanceMicroseconds(1500000.0);
    return rate_;
}

void VirtualClock::AdvanceMicroseconds(double microseconds) {
    if (microseconds > 0) now_ += static_cast<std::uint64_t>(std::llround(microseconds * rate_));
}

namespace {
Clock* g_current = nullptr;
}

Clock& SystemClock() {
    static TimeStampClock tsc;
    static MonotonicClock monotonic;
    static Clock* chosen = TimeStampClock::Available() ? static_cast<Clock*>(&tsc) : &monotonic;
    return *chosen;
}

Clock& CurrentClock() {
    return g_current != nullptr ? *g_current : SystemClock();
}

ScopedClock::ScopedClock(Clock& clock) : previous_(g_current) {
    g_current = &clock;
}
ScopedClock::~ScopedClock() {
    g_current = previous_;
}

ScopedRealtimePriority::ScopedRealtimePriority() {
    policy_ = sched_getscheduler(0);
    sched_param param{};
    if (policy_ >= 0 && sched_getparam(0, &param) == 0) {
        priority_ = param.sched_priority;
        sched_param raised{};
        raised.sched_priority = sched_get_priority_max(SCHED_FIFO);
        policy_changed_ = sched_setscheduler(0, SCHED_FIFO, &raised) == 0;
    }
    if (!policy_changed_) {
        errno = 0;
        nice_ = getpriority(PRIO_PROCESS, 0);
        if (errno == 0) nice_changed_ = setpriority(PRIO_PROCESS, 0, -20) == 0;
    }
}

ScopedRealtimePriority::~ScopedRealtimePriority() {
    if (policy_changed_) {
        sched_param param{};
        param.sched_priority = priority_;
        sched_setscheduler(0, policy_, &param);
    }
    if (nice_changed_) setpriority(PRIO_PROCESS, 0, nice_);
}

}  // namespace vertanum::hardware
