#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "core/programming/programming_test_support.hpp"
#include "hardware/simulated_cable.hpp"
#include "hardware/spi.hpp"
#include "support/model_fixture.hpp"
#include "support/temp_folder.hpp"

using namespace vertanum;
using namespace vertanum::hardware;
using namespace vertanum::programming_test;

namespace {

// A model whose sequence takes a given (virtual) time and answers a given code.
class ScriptedModel : public TDevices {
  public:
    explicit ScriptedModel(const DeviceContext& context) : TDevices(context) {
        Caption = "Проба";
        FirmwareOrigin = resources::ResourceOrigin::Embedded;
    }
    std::string ClassName() const override { return "TScripted"; }
    std::int32_t ProgramDevice(ProgressDisplay&, std::uint16_t port) override {
        ++calls;
        last_port = port;
        if (throws) throw std::runtime_error("сбой драйвера");
        if (auto* clock = dynamic_cast<VirtualClock*>(&CurrentClock())) {
            clock->AdvanceMicroseconds(takes_seconds * 1e6);
        }
        return result;
    }
    std::int32_t result = 1;
    double takes_seconds = 0;
    bool throws = false;
    int calls = 0;
    std::uint16_t last_port = 0;
};

// The cable on a port that is not the simulator: its loop-back lines follow pins 2 and 3 (or
// read high from the start when `missing`), nothing else answers.
class LoopBackPort : public PortBackend {
  public:
    bool Open() override { return open = true; }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    std::int16_t PortCount() override { return 1; }
    void SelectPort(std::uint8_t) override {}
    std::uint16_t BaseAddress() override { return 0x378; }
    void Init() override {}
    void SetPin(std::uint8_t pin, bool level) override {
        if (pin == kPinSck) ++clock_writes;
        if (pin >= 2 && pin <= 9) levels[pin] = level;
    }
    bool GetPin(std::uint8_t pin) override {
        if (pin == kPinLoopSense1) return levels[2];
        if (pin == kPinLoopSense2) return levels[3];
        return pin <= 9 ? levels[pin] : true;
    }
    bool open = false;
    bool levels[10] = {};
    int clock_writes = 0;
};

// A simulated cable whose loop-back answers wrongly at the first check only.
class LooseCable : public SimulatedCable {
  public:
    LooseCable() : SimulatedCable(nullptr) {}
    bool GetPin(std::uint8_t pin) override {
        if (pin == kPinLoopSense1 && reads_++ == 0) return true;
        return SimulatedCable::GetPin(pin);
    }

  private:
    int reads_ = 0;
};

CableOptions NoLoopBack() {
    CableOptions options;
    options.loop_back = false;
    return options;
}

CableOptions CableOnPort2() {
    CableOptions options;
    options.port_count = 2;
    options.cable_port = 2;
    return options;
}

struct RunBench {
    RecordingMessages model_messages;
    RecordingMessages messages;
    RecordingDisplay display;
    RecordingFrontEnd front_end;
    ScriptedModel model{DeviceContext{&model_messages, nullptr}};
    std::int32_t Go(std::uint16_t port = 1) {
        return ProgrammingRun(model, display, port, messages, front_end);
    }
};

}  // namespace

TEST(ProgrammingRunTime, ElapsedTimeIsMinutesAndSecondsWithoutHours) {
    const std::pair<std::uint64_t, const char*> rows[] = {
        {0, "00:00"},     {999, "00:00"},     {59999, "00:59"},
        {75000, "01:15"}, {3599000, "59:59"}, {(61 * 60 + 5) * 1000, "01:05"},
    };
    for (const auto& [ms, text] : rows) EXPECT_EQ(FormatElapsed(ms), text) << ms;
}

TEST(ProgrammingRun, DriverNotOpenRunsNoSequenceAndLeavesTheTimeAlone) {
    VirtualClock clock;
    ScopedClock scoped(clock);
    RunBench run;
    EXPECT_EQ(run.Go(), -1);
    EXPECT_EQ(run.messages.Texts(), std::vector<std::string>{kPortNotOpenMessage});
    EXPECT_EQ(run.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(run.model.calls, 0);
    EXPECT_TRUE(run.front_end.elapsed.empty());
}

TEST(ProgrammingRun, MissingCableIsCheckedTwiceThenReported) {
    SimulationSession session(std::nullopt, {}, NoLoopBack());
    RunBench run;
    EXPECT_EQ(run.Go(), -1);
    EXPECT_EQ(run.messages.Texts(), std::vector<std::string>{kCheckCableMessage});
    EXPECT_EQ(run.model.calls, 0);
    // Each check gives up after its first half-second sleep.
    EXPECT_DOUBLE_EQ(session.Clock().ElapsedMicroseconds(), 1e6);
    EXPECT_EQ(run.front_end.flashes,
              (std::vector<FlashFlags>{FlashFlags::Caption, FlashFlags::Stop}));
}

TEST(ProgrammingRun, ACheckThatFailsOnceThenPassesRunsNormally) {
    VirtualClock clock;
    ScopedClock scoped_clock(clock);
    ScopedPortLibrary binding(std::make_unique<LooseCable>());
    OpenTVicPort();
    RunBench run;
    EXPECT_EQ(run.Go(), 1);
    EXPECT_EQ(run.model.calls, 1);
    EXPECT_EQ(run.messages.Texts(), std::vector<std::string>{kSuccessMessage});
}

TEST(ProgrammingRun, TheCableIsCheckedOnThePortChosen) {
    SimulationSession session(std::nullopt, {}, CableOnPort2());
    RunBench on_1;
    EXPECT_EQ(on_1.Go(1), -1);
    EXPECT_EQ(on_1.messages.Texts(), std::vector<std::string>{kCheckCableMessage});
    RunBench on_2;
    EXPECT_EQ(on_2.Go(2), 1);
    EXPECT_EQ(on_2.model.last_port, 2);
}

// Any code but -1, -2 and -3 is success; each failure has its text; after a failure the panel
// shows 00:00, after success the time the sequence took.
TEST(ProgrammingRun, ResultCodesGiveTheirMessageTimeAndAttention) {
    struct Row {
        std::int32_t result;
        std::int32_t run;
        const char* message;
        MessageIcon icon;
        std::vector<std::string> elapsed;
        std::vector<FlashFlags> flashes;
    };
    using F = FlashFlags;
    const Row rows[] = {
        {-1, -1, kWrongDeviceCodeMessage, MessageIcon::Error, {"00:00"}, {F::Caption, F::Stop}},
        {-2, -1, kWriteErrorMessage, MessageIcon::Error, {"00:00"}, {F::Caption, F::Stop}},
        {-3, -1, kNoAnswerMessage, MessageIcon::Error, {"00:00"}, {F::Caption, F::Stop}},
        {1,
         1,
         kSuccessMessage,
         MessageIcon::Information,
         {"01:15", "01:15"},
         {F::CaptionAndTaskbar, F::CaptionAndTaskbar, F::Stop}},
        {2,
         1,
         kSuccessMessage,
         MessageIcon::Information,
         {"01:15", "01:15"},
         {F::CaptionAndTaskbar, F::CaptionAndTaskbar, F::Stop}},
        {12289,
         1,
         kSuccessMessage,
         MessageIcon::Information,
         {"01:15", "01:15"},
         {F::CaptionAndTaskbar, F::CaptionAndTaskbar, F::Stop}},
        {-4,
         1,
         kSuccessMessage,
         MessageIcon::Information,
         {"01:15", "01:15"},
         {F::CaptionAndTaskbar, F::CaptionAndTaskbar, F::Stop}},
    };
    for (const Row& r : rows) {
        SimulationSession session(std::nullopt);
        RunBench run;
        run.model.result = r.result;
        run.model.takes_seconds = 75.2;
        EXPECT_EQ(run.Go(), r.run) << r.result;
        EXPECT_EQ(run.messages.Texts(), std::vector<std::string>{r.message}) << r.result;
        EXPECT_EQ(run.messages.shown[0].icon, r.icon);
        EXPECT_EQ(run.front_end.elapsed, r.elapsed) << r.result;
        EXPECT_EQ(run.front_end.flashes, r.flashes) << r.result;
    }
}

TEST(ProgrammingRun, TheEndSoundIsPlayedAfterSuccessWhenTheProgramCarriesIt) {
    vertanum::testing::TempFolder folder;
    {
        std::ofstream wave(folder.Path("ENDPROGWAV.bin"), std::ios::binary);
        wave << "RIFF....WAVE";
    }
    resources::ResourceStore store(folder.Path(""));
    SimulationSession session(std::nullopt);
    RunBench ok;
    ScriptedModel model(DeviceContext{&ok.model_messages, &store});
    EXPECT_EQ(ProgrammingRun(model, ok.display, 1, ok.messages, ok.front_end), 1);
    EXPECT_EQ(ok.front_end.sounds, 1);
    EXPECT_EQ(std::string(ok.front_end.played.begin(), ok.front_end.played.end()), "RIFF....WAVE");

    RunBench failed;
    ScriptedModel failing(DeviceContext{&failed.model_messages, &store});
    failing.result = -2;
    ProgrammingRun(failing, failed.display, 1, failed.messages, failed.front_end);
    EXPECT_EQ(failed.front_end.sounds, 0);
}

TEST(ProgrammingRun, AFailureInsideTheSequenceIsOneClearMessage) {
    SimulationSession session(std::nullopt);
    RunBench run;
    run.model.throws = true;
    EXPECT_EQ(run.Go(), -1);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].text,
              "Сбой при программировании: сбой драйвера\rПрограммирование прервано.");
    EXPECT_EQ(run.front_end.elapsed, std::vector<std::string>{"00:00"});
}

// A real device is not written with the built-in stand-in without the user's word; the
// default answer is not to write.
TEST(StandInFirmware, ARealPortAsksFirstAndWritesNothingByDefault) {
    VirtualClock clock;
    ScopedClock scoped_clock(clock);
    auto port = std::make_unique<LoopBackPort>();
    LoopBackPort* lines = port.get();
    ScopedPortLibrary binding(std::move(port));
    OpenTVicPort();
    SetPortFreeWaitDone(true);

    vertanum::testing::Models models;
    TDevices& krv = models.New(7);
    ASSERT_EQ(krv.FirmwareOrigin, resources::ResourceOrigin::Embedded);
    RecordingMessages messages;
    RecordingDisplay display;
    RecordingFrontEnd front_end;
    EXPECT_EQ(ProgrammingRun(krv, display, 1, messages, front_end), -1);
    ASSERT_EQ(messages.shown.size(), 1u);
    const MessageBox& box = messages.shown[0];
    EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    EXPECT_EQ(box.default_answer, MessageAnswer::No);
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    EXPECT_NE(box.text.find("КРВ"), std::string::npos);
    EXPECT_NE(box.text.find("программа-заглушка"), std::string::npos);
    EXPECT_EQ(lines->clock_writes, 0) << "the device was driven";
    EXPECT_TRUE(display.statuses.empty());

    // Said yes: the sequence runs (here it finds no chip).
    RecordingMessages yes;
    yes.answers = {MessageAnswer::Yes};
    EXPECT_EQ(ProgrammingRun(krv, display, 1, yes, front_end), -1);
    EXPECT_EQ(yes.Texts().back(), kNoAnswerMessage);
    EXPECT_GT(lines->clock_writes, 0);
}

TEST(StandInFirmware, TheMakersImageOrTheSimulatorAreNotAskedAbout) {
    {
        VirtualClock clock;
        ScopedClock scoped_clock(clock);
        ScopedPortLibrary binding(std::make_unique<LoopBackPort>());
        OpenTVicPort();
        RunBench run;
        run.model.FirmwareOrigin = resources::ResourceOrigin::UserFolder;
        EXPECT_EQ(run.Go(), 1);
        EXPECT_EQ(run.messages.Texts(), std::vector<std::string>{kSuccessMessage});
    }
    SimulationSession session(std::nullopt);
    RunBench run;
    EXPECT_EQ(run.Go(), 1);
    EXPECT_EQ(run.messages.Texts(), std::vector<std::string>{kSuccessMessage});
}
