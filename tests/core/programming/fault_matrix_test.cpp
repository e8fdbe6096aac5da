#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "core/programming/programming_test_support.hpp"
#include "hardware/programming_run.hpp"
#include "hardware/simulated_cable.hpp"
#include "support/model_fixture.hpp"

using namespace vertanum;
using namespace vertanum::hardware;
using namespace vertanum::programming_test;

namespace {

enum class Fault {
    NoCable,
    NoChip,
    NoEcho,
    OtherSignature,
    StuckEepromBit,
    StuckFlashBit,
    StuckLastWordBit,
    WrongFuseReadBack,
    WrongLockReadBack,
    CablePulled,
};

const char* Name(Fault f) {
    switch (f) {
        case Fault::NoCable:
            return "no cable";
        case Fault::NoChip:
            return "no chip";
        case Fault::NoEcho:
            return "no echo";
        case Fault::OtherSignature:
            return "other signature";
        case Fault::StuckEepromBit:
            return "stuck EEPROM bit";
        case Fault::StuckFlashBit:
            return "stuck flash bit";
        case Fault::StuckLastWordBit:
            return "stuck bit in the last program word";
        case Fault::WrongFuseReadBack:
            return "fuse read-back differs";
        case Fault::WrongLockReadBack:
            return "lock read-back differs";
        case Fault::CablePulled:
            return "cable pulled";
    }
    return "?";
}

// What the chip is left holding.
enum class ChipState {
    Untouched,  // what it held before the run
    Erased,     // every cell 0xFF (the stuck cells are chosen to be erased-high)
    Programmed,
    Partly,  // neither erased nor the whole image: the cable came off while writing
};

struct Outcome {
    std::int32_t run;                      // ProgrammingRun
    std::optional<std::int32_t> sequence;  // ProgramDevice, when it ran
    const char* message;
    ChipState chip;
};

// A bit stuck at the level opposite to what the image holds there: stuck high where the image
// has a 0 when there is one (an erase then leaves the chip fully erased), else stuck low.
std::optional<StuckBit> StuckAgainst(ChipMemory memory, const std::vector<std::uint8_t>& image,
                                     std::size_t from, bool backwards) {
    for (std::size_t n = 0; n < image.size(); ++n) {
        const std::size_t i = backwards ? image.size() - 1 - n : (from + n) % image.size();
        for (int bit = 0; bit < 8; ++bit) {
            if (((image[i] >> bit) & 1u) == 0) {
                return StuckBit{memory, static_cast<std::uint32_t>(i), bit, true};
            }
        }
    }
    if (image.empty()) return std::nullopt;
    const std::size_t at = backwards ? image.size() - 1 : from;
    return StuckBit{memory, static_cast<std::uint32_t>(at), 0, false};
}

// An erased memory of `size` bytes as a chip with these stuck bits holds it.
std::vector<std::uint8_t> ErasedWith(std::size_t size, ChipMemory memory,
                                     const std::vector<StuckBit>& stuck) {
    std::vector<std::uint8_t> bytes(size, 0xFF);
    for (const StuckBit& s : stuck) {
        if (s.memory == memory && !s.level) {
            bytes[s.address] = static_cast<std::uint8_t>(bytes[s.address] & ~(1u << s.bit));
        }
    }
    return bytes;
}

Outcome Expected(const FamilyFacts& f, Fault fault) {
    const bool velkar = f.family == Family::Velkar;
    switch (fault) {
        case Fault::NoCable:
            return {-1, std::nullopt, kCheckCableMessage, ChipState::Untouched};
        case Fault::NoChip:
            return {-1, kNoAnswer, kNoAnswerMessage, ChipState::Untouched};
        case Fault::NoEcho:
            return {-1, kNoAnswer, kNoAnswerMessage, ChipState::Untouched};
        case Fault::OtherSignature:
            // The Velkar sequence reads no device code.
            if (velkar) return {1, f.success, kSuccessMessage, ChipState::Programmed};
            return {-1, kWrongDeviceCode, kWrongDeviceCodeMessage, ChipState::Untouched};
        case Fault::StuckEepromBit:
        case Fault::StuckFlashBit:
        case Fault::StuckLastWordBit:
            return {-1, kWriteError, kWriteErrorMessage, ChipState::Erased};
        case Fault::WrongFuseReadBack:
        case Fault::WrongLockReadBack:
            if (f.reads_fuses) return {-1, kWriteError, kWriteErrorMessage, ChipState::Erased};
            return {1, f.success, kSuccessMessage, ChipState::Programmed};
        case Fault::CablePulled:
            return {-1, kWriteError, kWriteErrorMessage, ChipState::Partly};
    }
    return {};
}

bool AllErased(const std::vector<std::uint8_t>& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0xFF; });
}

struct Bench {
    ChipFaults faults;
    CableOptions cable;
    bool chip = true;
};

std::optional<Bench> BenchFor(Fault fault, const FamilyFacts& f, const TDevices& model) {
    Bench b;
    switch (fault) {
        case Fault::NoCable:
            b.cable.loop_back = false;
            break;
        case Fault::NoChip:
            b.chip = false;
            break;
        case Fault::NoEcho:
            b.faults.no_echo = true;
            break;
        case Fault::OtherSignature:
            // An ATmega16 for the ATmega8 boards, an ATmega8 for every other chip.
            b.faults.signature = f.chip == ChipType::ATmega8
                                     ? std::array<std::uint8_t, 3>{0x1E, 0x94, 0x03}
                                     : std::array<std::uint8_t, 3>{0x1E, 0x93, 0x07};
            break;
        case Fault::StuckEepromBit: {
            if (model.EepromImage.empty()) return std::nullopt;
            auto s = StuckAgainst(ChipMemory::Eeprom, model.EepromImage, 0, false);
            if (!s) return std::nullopt;
            b.faults.stuck_bits.push_back(*s);
            break;
        }
        case Fault::StuckFlashBit: {
            auto s = StuckAgainst(ChipMemory::Flash, model.FirmwareImage,
                                  model.FirmwareImage.size() / 2, false);
            b.faults.stuck_bits.push_back(*s);
            break;
        }
        case Fault::StuckLastWordBit: {
            auto s = StuckAgainst(ChipMemory::Flash, model.FirmwareImage, 0, true);
            if (s->address + 2 < model.FirmwareImage.size()) return std::nullopt;
            b.faults.stuck_bits.push_back(*s);
            break;
        }
        case Fault::WrongFuseReadBack:
            if (f.family == Family::Velkar) return std::nullopt;  // no fuse byte on this chip
            b.faults.wrong_read_backs.push_back({ConfigByte::Fuse, 0x01});
            break;
        case Fault::WrongLockReadBack:
            b.faults.wrong_read_backs.push_back({ConfigByte::Lock, 0x01});
            break;
        case Fault::CablePulled:
            // Well into the program memory writes of every sequence.
            b.cable.pulled_after_bytes = 5000;
            break;
    }
    return b;
}

constexpr Fault kFaults[] = {Fault::NoCable,
                             Fault::NoChip,
                             Fault::NoEcho,
                             Fault::OtherSignature,
                             Fault::StuckEepromBit,
                             Fault::StuckFlashBit,
                             Fault::StuckLastWordBit,
                             Fault::WrongFuseReadBack,
                             Fault::WrongLockReadBack,
                             Fault::CablePulled};

}  // namespace

// Every fault on every sequence that can meet it: the result code, exactly one message of the
// run, and what the chip is left holding.
TEST(FaultMatrix, EachFaultGivesItsResultMessageAndChipState) {
    int cases = 0;
    for (const FamilyFacts& f : Families()) {
        for (Fault fault : kFaults) {
            SCOPED_TRACE(std::string(f.name) + ", " + Name(fault));
            vertanum::testing::Models models;
            TDevices& model = models.New(f.position);
            auto bench = BenchFor(fault, f, model);
            if (!bench) continue;
            ++cases;
            const Outcome expected = Expected(f, fault);

            SimulationSession session(bench->chip ? std::optional<ChipType>(f.chip) : std::nullopt,
                                      bench->faults, bench->cable);
            // Something the chip held before, to see whether the run touched it.
            std::vector<std::uint8_t> before_flash, before_eeprom;
            if (bench->chip) {
                std::vector<std::uint8_t> old(model.FirmwareImage.size());
                for (std::size_t i = 0; i < old.size(); ++i)
                    old[i] = static_cast<std::uint8_t>(i * 7);
                session.Chip().LoadFlash(old);
                session.Chip().LoadEeprom(
                    std::vector<std::uint8_t>(session.Chip().Eeprom().size(), 0x5A));
                before_flash = session.Chip().Flash();
                before_eeprom = session.Chip().Eeprom();
            }

            RecordingDisplay display;
            RecordingMessages run_messages;
            RecordingFrontEnd front_end;
            EXPECT_EQ(ProgrammingRun(model, display, 1, run_messages, front_end), expected.run);
            EXPECT_EQ(run_messages.Texts(), std::vector<std::string>{expected.message});
            EXPECT_TRUE(models.messages.shown.empty()) << models.messages.Texts()[0];
            EXPECT_EQ(display.statuses.empty() ? "" : display.status,
                      expected.sequence ? kIdleStatus : "");
            if (!bench->chip) continue;

            const SimulatedChip& chip = session.Chip();
            switch (expected.chip) {
                case ChipState::Untouched:
                    EXPECT_TRUE(chip.Flash() == before_flash) << "program memory was changed";
                    EXPECT_TRUE(chip.Eeprom() == before_eeprom) << "EEPROM was changed";
                    break;
                case ChipState::Erased:
                    EXPECT_TRUE(chip.Flash() == ErasedWith(chip.Flash().size(), ChipMemory::Flash,
                                                           bench->faults.stuck_bits))
                        << "program memory is not erased";
                    EXPECT_TRUE(chip.Eeprom() == ErasedWith(chip.Eeprom().size(),
                                                            ChipMemory::Eeprom,
                                                            bench->faults.stuck_bits))
                        << "EEPROM is not erased";
                    EXPECT_EQ(chip.LockBits(), 0xFF);
                    break;
                case ChipState::Programmed:
                    EXPECT_TRUE(chip.Flash() == model.FirmwareImage);
                    break;
                case ChipState::Partly:
                    EXPECT_FALSE(AllErased(chip.Flash()));
                    EXPECT_FALSE(chip.Flash() == model.FirmwareImage);
                    EXPECT_TRUE(std::equal(chip.Flash().begin(), chip.Flash().begin() + 64,
                                           model.FirmwareImage.begin()));
                    break;
            }
        }
    }
    EXPECT_EQ(cases, 6 * 10 - 2);  // Velkar has no EEPROM and no fuse byte
}

// The fault that the very last program word cannot be written must still be found and the
// whole chip erased (the last comparison is not skipped).
TEST(FaultMatrix, TheLastProgramWordIsCompared) {
    for (const FamilyFacts& f : Families()) {
        SCOPED_TRACE(f.name);
        vertanum::testing::Models models;
        TDevices& model = models.New(f.position);
        const std::uint32_t last = static_cast<std::uint32_t>(model.FirmwareImage.size() - 1);
        const int bit = model.FirmwareImage[last] == 0xFF ? -1 : [&] {
            for (int b = 0; b < 8; ++b)
                if (((model.FirmwareImage[last] >> b) & 1u) == 0) return b;
            return -1;
        }();
        ASSERT_GE(bit, 0) << "the last byte of the image is 0xFF";
        ChipFaults faults;
        faults.stuck_bits.push_back({ChipMemory::Flash, last, bit, true});
        SimulationSession session(f.chip, faults);
        RecordingDisplay display;
        EXPECT_EQ(model.ProgramDevice(display, 1), kWriteError);
        EXPECT_TRUE(AllErased(session.Chip().Flash()));
    }
}
