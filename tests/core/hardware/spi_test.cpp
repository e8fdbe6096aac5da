#include "hardware/spi.hpp"

#include <gtest/gtest.h>

#include "hardware/spi_trace.hpp"
#include "hardware_test_support.hpp"

using namespace vertanum;
using namespace vertanum::hardware;
using test_support::RecordingPort;
using test_support::RecordingProgress;

namespace {

class SpiLink : public ::testing::Test {
  protected:
    void SetUp() override {
        SetPortFreeWaitDone(false);
        auto p = std::make_unique<RecordingPort>();
        port = p.get();
        binding.emplace(std::move(p));
    }
    void TearDown() override { SetPortFreeWaitDone(false); }

    VirtualClock clock{1000.0};
    ScopedClock scoped{clock};
    RecordingPort* port = nullptr;
    std::optional<ScopedPortLibrary> binding;
    RecordingMessages messages;
    RecordingProgress progress;
};

}  // namespace

TEST_F(SpiLink, CreationCalibratesAndTouchesNoPin) {
    TSPI spi;
    EXPECT_DOUBLE_EQ(spi.ClockFactor, 1100.0);
    EXPECT_EQ(spi.HalfBitDelay, 0);
    EXPECT_TRUE(port->writes.empty());
}

TEST_F(SpiLink, WriteByteSetsMosiThenPulsesSckMostSignificantBitFirst) {
    TSPI spi;
    spi.HalfBitDelay = 1;
    spi.WriteByte(0xAC);
    ASSERT_EQ(port->writes.size(), 24u);
    const bool bits[] = {1, 0, 1, 0, 1, 1, 0, 0};
    for (int i = 0; i < 8; ++i) {
        const auto& w = port->writes;
        EXPECT_EQ(w[i * 3].pin, 7);
        EXPECT_EQ(w[i * 3].level, bits[i]) << i;
        EXPECT_EQ(w[i * 3 + 1].pin, 6);
        EXPECT_TRUE(w[i * 3 + 1].level);
        EXPECT_EQ(w[i * 3 + 2].pin, 6);
        EXPECT_FALSE(w[i * 3 + 2].level);
    }
    // Two half-bit delays of 1.1 µs per bit.
    EXPECT_DOUBLE_EQ(clock.ElapsedMicroseconds(), 1500000.0 + 8 * 2 * 1.1);
}

TEST_F(SpiLink, ReadByteSamplesMisoWhileSckIsHighAndLeavesMosiAlone) {
    TSPI spi;
    spi.HalfBitDelay = 1;
    for (bool level : {true, false}) {
        port->writes.clear();
        port->input_level = level;
        EXPECT_EQ(spi.ReadByte(), level ? 0xFF : 0x00);
        ASSERT_EQ(port->writes.size(), 16u);
        for (std::size_t i = 0; i < 16; ++i) {
            EXPECT_EQ(port->writes[i].pin, 6);
            EXPECT_EQ(port->writes[i].level, i % 2 == 0);
        }
    }
}

TEST_F(SpiLink, OpenPortWaitsSevenSecondsWhenTheLinesAreFreeAtTheFirstCheck) {
    progress.SetStatus("Программирование");
    port->levels[9] = true;  // RESET high before the port is selected
    TSPI spi;
    const double start = clock.ElapsedMicroseconds();
    EXPECT_EQ(spi.OpenPort(2, progress, messages), 0);
    EXPECT_DOUBLE_EQ(clock.ElapsedMicroseconds() - start, 7000000.0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(PortFreeWaitDone());
    EXPECT_EQ(port->selected, std::vector<std::uint8_t>{2});
    EXPECT_EQ(port->inits, 1);
    const std::vector<std::string> expected = {
        "Программирование",    "Ожидаем Windows: 99", "Ожидаем Windows: 98", "Ожидаем Windows: 97",
        "Ожидаем Windows: 96", "Ожидаем Windows: 95", "Ожидаем Windows: 94", "Ожидаем Windows: 93",
        "Ожидаем Windows: 92", "Программирование"};
    EXPECT_EQ(progress.statuses, expected);
    // After the wait: pin 5, pin 4 low, RESET back to what it was, SCK low.
    const auto& w = port->writes;
    ASSERT_GE(w.size(), 4u);
    EXPECT_EQ(w[w.size() - 4].pin, 5);
    EXPECT_EQ(w[w.size() - 3].pin, 4);
    EXPECT_EQ(w[w.size() - 2].pin, 9);
    EXPECT_TRUE(w[w.size() - 2].level);
    EXPECT_EQ(w[w.size() - 1].pin, 6);

    // A second opening in the same run does not wait.
    progress.statuses.clear();
    const double again = clock.ElapsedMicroseconds();
    EXPECT_EQ(spi.OpenPort(1, progress, messages), 0);
    EXPECT_DOUBLE_EQ(clock.ElapsedMicroseconds(), again);
    EXPECT_TRUE(progress.statuses.empty());
}

TEST_F(SpiLink, LinesFreedLaterAreSeenAtTheNextSevenSecondCheck) {
    port->stuck_high = true;
    port->release_at_ticks = static_cast<std::uint64_t>((1.5e6 + 10e6) * 1000.0);
    TSPI spi;
    const double start = clock.ElapsedMicroseconds();
    EXPECT_EQ(spi.OpenPort(1, progress, messages), 0);
    EXPECT_DOUBLE_EQ(clock.ElapsedMicroseconds() - start, 14000000.0);
}

TEST_F(SpiLink, ThePortFreeWaitGivesUpAfterNinetyNineSeconds) {
    port->stuck_high = true;
    port->release_at_ticks = UINT64_MAX;
    TSPI spi;
    const double start = clock.ElapsedMicroseconds();
    EXPECT_EQ(spi.OpenPort(1, progress, messages), -1);
    EXPECT_DOUBLE_EQ(clock.ElapsedMicroseconds() - start, 99000000.0);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Ошибка ожидания освобождения LPT порта\r"});
    EXPECT_EQ(progress.statuses.back(), "Ожидаем Windows: 1");
    EXPECT_FALSE(PortFreeWaitDone());
}

TEST_F(SpiLink, ADriverThatWillNotOpenIsReported) {
    port->open_succeeds = false;
    TSPI spi;
    EXPECT_EQ(spi.OpenPort(1, progress, messages), -1);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Ошибка открытия LPT порта\r"});
    EXPECT_TRUE(port->selected.empty());
}

TEST_F(SpiLink, AnErrorInsideGivesMinusTwoWithoutAMessage) {
    port->throw_on_set = true;
    TSPI spi;
    EXPECT_EQ(spi.OpenPort(1, progress, messages), -2);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SpiLink, TheTraceRecordsBytesWaitsAndLineLevelsWithTheirTimes) {
    SpiTrace trace;
    ScopedSpiTrace scoped_trace(trace);
    TSPI spi;
    spi.HalfBitDelay = 1;
    port->input_level = true;
    spi.SetRESET(true);
    spi.WriteByte(0x3C);
    spi.ReadByte();
    spi.Wait(100);
    spi.SetSCK(false);
    EXPECT_EQ(trace.Text(), "R1 3C <FF w100 S0");
    ASSERT_EQ(trace.Events().size(), 5u);
    EXPECT_LT(trace.Events()[1].ticks, trace.Events()[2].ticks);
    EXPECT_EQ(trace.Events()[4].ticks - trace.Events()[3].ticks, 110000u);
    EXPECT_EQ(trace.SentBytes(), std::vector<std::uint8_t>{0x3C});
    EXPECT_NE(trace.TimedText(1000.0).find("w100"), std::string::npos);
}
