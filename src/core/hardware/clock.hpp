#pragma once

#include <cstdint>

namespace vertanum::hardware {

// The time source behind every delay of the programming cable and behind the simulated target
// chips: a tick counter with a known rate, the system's millisecond tick count and a sleep.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint64_t Ticks() = 0;
    // The rate the clock runs at, as far as it knows it; the simulated chips turn the datasheet
    // times into ticks with it.
    virtual double TicksPerMicrosecond() = 0;
    virtual std::uint32_t MillisecondTickCount() = 0;
    virtual void SleepMilliseconds(std::uint32_t milliseconds) = 0;
    // Returns once Ticks() has reached `tick`.
    virtual void WaitUntil(std::uint64_t tick) {
        while (Ticks() < tick) {
        }
    }
    // Measures ticks per microsecond (about 1.5 s on a real clock).
    virtual double Calibrate();
};

// The calibration against the millisecond tick count: settle for 500 ms, then count the ticks of
// the next 1000 ms. With `raise_priority` the process runs at the highest priority the system
// grants meanwhile.
double CalibrateAgainstTickCount(Clock& clock, bool raise_priority);

// The monotonic clock; one tick is one nanosecond.
class MonotonicClock : public Clock {
  public:
    std::uint64_t Ticks() override;
    double TicksPerMicrosecond() override { return 1000.0; }
    std::uint32_t MillisecondTickCount() override;
    void SleepMilliseconds(std::uint32_t milliseconds) override;
};

// The processor's time-stamp counter (x86 with an invariant counter only).
class TimeStampClock : public MonotonicClock {
  public:
    static bool Available();
    std::uint64_t Ticks() override;
    double TicksPerMicrosecond() override;

  private:
    double rate_ = 0.0;
};

// Time that passes only when somebody waits: a delay or a sleep moves it forward at once. The
// simulated chips read it too, so a whole programming run takes milliseconds and still keeps
// every write time.
class VirtualClock : public Clock {
  public:
    explicit VirtualClock(double ticks_per_microsecond = 1000.0) : rate_(ticks_per_microsecond) {}
    std::uint64_t Ticks() override { return now_; }
    double TicksPerMicrosecond() override { return rate_; }
    std::uint32_t MillisecondTickCount() override;
    void SleepMilliseconds(std::uint32_t milliseconds) override;
    void WaitUntil(std::uint64_t tick) override {
        if (tick > now_) now_ = tick;
    }
    // Takes the 1.5 seconds of a real calibration and reports the exact rate.
    double Calibrate() override;

    void AdvanceMicroseconds(double microseconds);
    double ElapsedMicroseconds() const { return static_cast<double>(now_) / rate_; }

  private:
    double rate_;
    std::uint64_t now_ = 0;
};

// The clock every delay and simulated chip uses: the time-stamp counter where it is usable, else
// the monotonic clock, unless a ScopedClock has put another in place.
Clock& CurrentClock();
Clock& SystemClock();

// Makes `clock` the current clock for its lifetime.
class ScopedClock {
  public:
    explicit ScopedClock(Clock& clock);
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

  private:
    Clock* previous_;
};

// Raises the process to the highest scheduling priority the system permits, silently leaves it
// where it is otherwise, and restores it at the end of the scope.
class ScopedRealtimePriority {
  public:
    ScopedRealtimePriority();
    ~ScopedRealtimePriority();
    ScopedRealtimePriority(const ScopedRealtimePriority&) = delete;
    ScopedRealtimePriority& operator=(const ScopedRealtimePriority&) = delete;

  private:
    int policy_ = 0;
    int priority_ = 0;
    int nice_ = 0;
    bool policy_changed_ = false;
    bool nice_changed_ = false;
};

}  // namespace vertanum::hardware
