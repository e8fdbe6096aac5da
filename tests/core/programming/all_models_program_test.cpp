#include <gtest/gtest.h>

#include "core/programming/programming_test_support.hpp"
#include "hardware/programming_run.hpp"
#include "hardware/simulated_cable.hpp"
#include "support/model_fixture.hpp"

using namespace vertanum;
using namespace vertanum::hardware;
using namespace vertanum::programming_test;

namespace {

class EveryModel : public ::testing::TestWithParam<int> {};

std::string Hex(int v) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", v);
    return text;
}

}  // namespace

// The run as the window starts it, on a simulated cable with the model's own chip: one success
// message, and the chip then holds exactly the document's images and the family's fuse and lock
// bytes.
TEST_P(EveryModel, ProgramsTheChipWithExactlyItsImagesFusesAndLocks) {
    const int position = GetParam();
    const FamilyFacts& facts = FactsOfPosition(position);
    vertanum::testing::Models models;
    TDevices& model = models.New(position);
    ASSERT_TRUE(models.messages.shown.empty()) << models.messages.Texts()[0];
    const auto flash = model.FirmwareImage;
    const auto eeprom = model.EepromImage;

    SimulationSession session(facts.chip);
    RecordingDisplay display;
    RecordingMessages run_messages;
    RecordingFrontEnd front_end;
    EXPECT_EQ(ProgrammingRun(model, display, 1, run_messages, front_end), 1);

    ASSERT_EQ(run_messages.Texts(), std::vector<std::string>{kSuccessMessage});
    EXPECT_EQ(run_messages.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(models.messages.shown.empty());
    const SimulatedChip& chip = session.Chip();
    EXPECT_TRUE(chip.Flash() == flash) << model.ClassName() << ": program memory differs";
    if (facts.family == Family::Velkar) {
        EXPECT_TRUE(eeprom.empty());
    } else {
        EXPECT_TRUE(chip.Eeprom() == eeprom) << model.ClassName() << ": EEPROM differs";
    }
    if (facts.fuse >= 0) {
        EXPECT_EQ(Hex(chip.FuseBits()), Hex(facts.fuse));
    }
    if (facts.fuse_high >= 0) {
        EXPECT_EQ(Hex(chip.FuseHighBits()), Hex(facts.fuse_high));
    }
    EXPECT_EQ(Hex(chip.LockBits()), Hex(facts.lock));
    EXPECT_FALSE(chip.ProgrammingEnabled());
    EXPECT_EQ(chip.IgnoredWhileBusy(), 0u) << "an instruction came while the chip was busy";
    // The document is what it was.
    EXPECT_EQ(model.FirmwareImage, flash);
    EXPECT_EQ(model.EepromImage, eeprom);
}

INSTANTIATE_TEST_SUITE_P(AllRegisteredModels, EveryModel, ::testing::Range(0, 23),
                         [](const ::testing::TestParamInfo<int>& param) {
                             vertanum::testing::Models models;
                             return models.At(param.param).ClassName();
                         });

// What ProgramDevice itself returns on success differs by family; the run counts each as
// success.
TEST(ProgramDeviceResult, EachFamilyReturnsItsSuccessValue) {
    for (const FamilyFacts& facts : Families()) {
        vertanum::testing::Models models;
        TDevices& model = models.New(facts.position);
        SimulationSession session(facts.chip);
        RecordingDisplay display;
        EXPECT_EQ(model.ProgramDevice(display, 1), facts.success) << facts.name;
    }
}
