#include "hardware/clock.hpp"

#include <gtest/gtest.h>

#include "hardware/delays.hpp"

using namespace vertanum::hardware;

namespace {

// A counter at `mhz` whose every reading costs one microsecond, and a millisecond tick count that
// moves in steps of `step_ms`, as a coarse system tick does.
class SteppingClock : public Clock {
  public:
    SteppingClock(double mhz, std::uint32_t step_ms) : mhz_(mhz), step_(step_ms) {}
    std::uint64_t Ticks() override { return static_cast<std::uint64_t>(Read() * mhz_); }
    double TicksPerMicrosecond() override { return mhz_; }
    std::uint32_t MillisecondTickCount() override {
        const auto ms = static_cast<std::uint32_t>(Read() / 1000.0);
        return ms - ms % step_;
    }
    void SleepMilliseconds(std::uint32_t) override {}

  private:
    double Read() { return us_ += 1.0; }
    double mhz_;
    std::uint32_t step_;
    double us_ = 0;
};

}  // namespace

TEST(ClockDelay, DelaysAdvanceTheVirtualClockByCountTimesRate) {
    VirtualClock clock(1000.0);
    ScopedClock scoped(clock);
    struct Case {
        std::uint32_t count;
        double rate;
        std::uint64_t ticks;
    } cases[] = {{0, 1100.0, 0},
                 {1, 1000.0, 1000},
                 {1, 1100.0, 1100},
                 {3, 0.5, 2},  // 1.5 rounds to 2
                 {200000, 1100.0, 220000000},
                 {5, -1.0, 0}};
    for (const auto& c : cases) {
        const std::uint64_t before = ReadTimeStampCounter();
        DelayMicroseconds(c.count, c.rate);
        EXPECT_EQ(ReadTimeStampCounter() - before, c.ticks) << c.count << " x " << c.rate;
    }
}

TEST(ClockDelay, ARealDelayLastsAtLeastItsTicks) {
    Clock& clock = SystemClock();
    ScopedClock scoped(clock);
    const std::uint64_t before = ReadTimeStampCounter();
    DelayMicroseconds(1, 1000.0);
    EXPECT_GE(ReadTimeStampCounter() - before, 1000u);
}

TEST(ClockDelay, CalibrationCountsTheTicksOfOneSecond) {
    SteppingClock exact(2000.0, 1);
    EXPECT_NEAR(CalibrateAgainstTickCount(exact, false), 2000.0, 5.0);
    // With a 16 ms system tick the window lasts up to one tick longer.
    SteppingClock coarse(2000.0, 16);
    const double rate = CalibrateAgainstTickCount(coarse, false);
    EXPECT_GE(rate, 2000.0);
    EXPECT_LE(rate, 2000.0 * 1.033);
}

TEST(ClockDelay, TheVirtualCalibrationTakesItsTimeAndReportsTheRate) {
    VirtualClock clock(250.0);
    ScopedClock scoped(clock);
    EXPECT_EQ(MeasureCpuMHz(), 250.0);
    EXPECT_DOUBLE_EQ(clock.ElapsedMicroseconds(), 1500000.0);
    SleepMilliseconds(1000);
    EXPECT_DOUBLE_EQ(clock.ElapsedMicroseconds(), 2500000.0);
    EXPECT_EQ(clock.MillisecondTickCount(), 2500u);
}

TEST(ClockDelay, AScopedClockIsUndoneAtItsEnd) {
    Clock* before = &CurrentClock();
    {
        VirtualClock clock;
        ScopedClock scoped(clock);
        EXPECT_EQ(&CurrentClock(), &clock);
    }
    EXPECT_EQ(&CurrentClock(), before);
}
