#include <gtest/gtest.h>

#include <stdexcept>

#include "core/programming/programming_test_support.hpp"
#include "hardware/simulated_cable.hpp"
#include "hardware/spi.hpp"
#include "hardware/spi_trace.hpp"
#include "support/model_fixture.hpp"

using namespace vertanum;
using namespace vertanum::hardware;
using namespace vertanum::programming_test;

namespace {

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Stops the sequence with an exception at the n-th progress step.
class FailingDisplay : public RecordingDisplay {
  public:
    explicit FailingDisplay(int fail_at) : fail_at_(fail_at) {}
    void SetPosition(int p) override {
        if (p > 0 && ++steps_ == fail_at_) throw std::runtime_error("window gone");
        RecordingDisplay::SetPosition(p);
    }

  private:
    int fail_at_;
    int steps_ = 0;
};

}  // namespace

// The status texts, the maximum, the step count and where pending events are processed, per
// sequence; and the display put back at the end.
TEST(SequenceProgress, StatusMaximumStepsAndEventsOfEachSequence) {
    for (const FamilyFacts& f : Families()) {
        SCOPED_TRACE(f.name);
        vertanum::testing::Models models;
        TDevices& model = models.New(f.position);
        SimulationSession session(f.chip);
        SetPortFreeWaitDone(true);
        RecordingDisplay display;
        ASSERT_EQ(model.ProgramDevice(display, 1), f.success);

        EXPECT_EQ(display.statuses,
                  (std::vector<std::string>{kProgrammingStatus, kVerifyingStatus, kIdleStatus}));
        std::vector<int> maxima{f.maximum, 100};
        if (f.family == Family::Velkar) maxima.insert(maxima.begin() + 1, f.maximum);
        EXPECT_EQ(display.maxima, maxima);
        EXPECT_EQ(display.advances, f.advances);
        EXPECT_EQ(display.events, f.events);
        EXPECT_EQ(display.position, 0);
        EXPECT_EQ(display.maximum, 100);
        EXPECT_FALSE(display.percentage);
    }
}

TEST(SequenceProgress, EventsComeBeforeOrAfterEachStepAsEachSequenceHasIt) {
    struct Row {
        int position;
        const char* writing;  // the first steps of the run
    };
    const Row rows[] = {
        {7, "EAEAEA"},   // KRV: before each step
        {21, "AEAEAE"},  // Qirel: after each step
        {8, "AEAEAE"},   // Velkar writing
        {15, "AEAEAE"},  // Dorimen EEPROM
        {18, "AEAEAE"},  // Frastoven
        {0, "AAAAAA"},   // QV710: the window is not served
    };
    for (const Row& r : rows) {
        vertanum::testing::Models models;
        TDevices& model = models.New(r.position);
        SimulationSession session(FactsOfPosition(r.position).chip);
        SetPortFreeWaitDone(true);
        RecordingDisplay display;
        model.ProgramDevice(display, 1);
        EXPECT_TRUE(display.rhythm.starts_with(r.writing)) << model.ClassName();
    }
    // Velkar verifies with the events first, from position 12287.
    vertanum::testing::Models models;
    TDevices& velkar = models.New(8);
    SimulationSession session(ChipType::AT89S53);
    RecordingDisplay display;
    velkar.ProgramDevice(display, 1);
    EXPECT_EQ(display.rhythm.substr(2 * 12288, 6), "EAEAEA");
    EXPECT_EQ(display.highest, 24575);
}

// Within every 64-word page the Frastoven sequence commits the page after word offsets 47 and
// 63: 256 page writes, at word addresses ending in 0x2F and 0x3F.
TEST(SequenceProgress, FrastovenWritesEachPageTwiceAtOffsets47And63) {
    vertanum::testing::Models models;
    TDevices& model = models.New(18);
    SimulationSession session(ChipType::ATmega161);
    SpiTrace trace;
    {
        ScopedSpiTrace scoped(trace);
        RecordingDisplay display;
        ASSERT_EQ(model.ProgramDevice(display, 1), 2);
    }
    const std::string text = trace.Text();
    // The page writes (fuse and lock writes wait as long, after other bytes).
    EXPECT_EQ(Count(text, " 00 w18000"), 256u);
    EXPECT_NE(text.find("4C 00 2F 00 w18000"), std::string::npos);
    EXPECT_NE(text.find("4C 00 3F 00 w18000"), std::string::npos);
    EXPECT_NE(text.find("4C 1F EF 00 w18000"), std::string::npos);
    EXPECT_NE(text.find("4C 1F FF 00 w18000"), std::string::npos);
    EXPECT_EQ(text.find("4C 00 1F 00"), std::string::npos);
    EXPECT_TRUE(session.Chip().Flash() == model.FirmwareImage);
}

// The Dorimen chip is erased twice, each time after programming mode has been entered anew;
// the QV710 once without leaving programming mode.
TEST(SequenceProgress, ErasesAndReentriesAsEachSequenceHasThem) {
    struct Row {
        int position;
        std::size_t erases;
        std::size_t enables;
    };
    const Row rows[] = {{15, 2, 4}, {0, 1, 1}, {7, 1, 2}, {21, 1, 2}, {18, 1, 2}, {8, 2, 3}};
    for (const Row& r : rows) {
        vertanum::testing::Models models;
        TDevices& model = models.New(r.position);
        const FamilyFacts& f = FactsOfPosition(r.position);
        SimulationSession session(f.chip);
        SpiTrace trace;
        {
            ScopedSpiTrace scoped(trace);
            RecordingDisplay display;
            ASSERT_EQ(model.ProgramDevice(display, 1), f.success);
        }
        const std::string text = trace.Text();
        const std::string erase = f.chip == ChipType::AT89S53 ? "AC 04 00" : "AC 80 00 00";
        EXPECT_EQ(Count(text, erase), r.erases) << model.ClassName();
        EXPECT_EQ(Count(text, "AC 53"), r.enables) << model.ClassName();
    }
}

// Whatever the way out, also an exception from the window: programming mode is left, the
// driver released and the display put back.
TEST(ProgrammingFrame, AnExceptionLeavesProgrammingModeAndPutsTheDisplayBack) {
    for (const FamilyFacts& f : Families()) {
        SCOPED_TRACE(f.name);
        vertanum::testing::Models models;
        TDevices& model = models.New(f.position);
        SimulationSession session(f.chip);
        FailingDisplay display(f.advances / 2);
        EXPECT_THROW(model.ProgramDevice(display, 1), std::runtime_error);
        EXPECT_FALSE(session.Chip().ProgrammingEnabled());
        EXPECT_EQ(display.status, kIdleStatus);
        EXPECT_EQ(display.maximum, 100);
        EXPECT_EQ(display.position, 0);
        EXPECT_FALSE(display.percentage);
    }
}

// A port that cannot be opened ends the sequence before any line of the cable is driven; the
// user has been told why once.
TEST(ProgrammingFrame, APortThatCannotBeOpenedDrivesNothing) {
    vertanum::testing::Models models;
    TDevices& model = models.New(15);
    VirtualClock clock;
    ScopedClock scoped_clock(clock);
    SpiTrace trace;
    ScopedSpiTrace scoped(trace);
    RecordingDisplay display;
    EXPECT_EQ(model.ProgramDevice(display, 1), kNoAnswer);
    EXPECT_EQ(models.messages.Texts(), std::vector<std::string>{kPortOpenError});
    EXPECT_TRUE(trace.SentBytes().empty());
    EXPECT_EQ(display.status, kIdleStatus);
}
