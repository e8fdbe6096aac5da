#include <gtest/gtest.h>

#include "hardware/chips/at89s.hpp"
#include "hardware/chips/at90s.hpp"
#include "hardware/chips/atmega161.hpp"
#include "hardware/chips/atmega8.hpp"
#include "hardware/chips/attiny26.hpp"
#include "hardware/simulated_cable.hpp"
#include "hardware_test_support.hpp"

using namespace vertanum;
using namespace vertanum::hardware;

namespace {

// Opens the link of `chip` on port 1 of the bound simulated cable.
template <typename Chip>
void Open(Chip& chip) {
    test_support::RecordingProgress progress;
    RecordingMessages messages;
    SetPortFreeWaitDone(true);
    ASSERT_EQ(chip.SPI.OpenPort(1, progress, messages), 0);
}

std::uint8_t Pattern(std::uint32_t i) {
    return static_cast<std::uint8_t>((i * 37 + 11) & 0xFF);
}

// Writes `pages` pages of `page_words` words and `eeprom` EEPROM bytes with a page-mode driver,
// then answers how many words and bytes read back differently.
template <typename Chip>
std::pair<int, int> WriteAndVerify(Chip& chip, std::uint32_t page_words, std::uint32_t pages,
                                   std::uint32_t eeprom) {
    for (std::uint32_t a = 0; a < eeprom; ++a) {
        chip.WriteEepromByte(static_cast<std::uint16_t>(a), Pattern(a + 5));
    }
    for (std::uint32_t w = 0; w < page_words * pages; ++w) {
        chip.LoadFlashPageByte(0, static_cast<std::uint16_t>(w), Pattern(2 * w));
        chip.LoadFlashPageByte(1, static_cast<std::uint16_t>(w), Pattern(2 * w + 1));
        if (w % page_words == page_words - 1) chip.WriteFlashPage(static_cast<std::uint16_t>(w));
    }
    int bad_words = 0, bad_bytes = 0;
    for (std::uint32_t a = 0; a < eeprom; ++a) {
        bad_bytes += chip.ReadEepromByte(static_cast<std::uint16_t>(a)) != Pattern(a + 5);
    }
    for (std::uint32_t w = 0; w < page_words * pages; ++w) {
        const auto low = chip.ReadFlashByte(0, static_cast<std::uint16_t>(w));
        const auto high = chip.ReadFlashByte(1, static_cast<std::uint16_t>(w));
        bad_words += low != Pattern(2 * w) || high != Pattern(2 * w + 1);
    }
    return {bad_words, bad_bytes};
}

}  // namespace

TEST(SimChip, Atmega8IsWrittenReadBackErasedFusedAndLocked) {
    SimulationSession session(ChipType::ATmega8);
    TATMEGA8 chip;
    Open(chip);
    ASSERT_EQ(chip.EnterProgramming(), 0x53);
    EXPECT_EQ(chip.ReadSignatureByte(0), 0x1E);
    EXPECT_EQ(chip.ReadSignatureByte(1), 0x93);
    EXPECT_EQ(chip.ReadSignatureByte(2), 0x07);
    chip.ChipErase();
    EXPECT_EQ(WriteAndVerify(chip, 32, 128, 512), std::make_pair(0, 0));
    EXPECT_EQ(session.Chip().Flash()[8191], Pattern(8191));
    EXPECT_EQ(session.Chip().Eeprom()[511], Pattern(516));
    chip.WriteFuseBits(0x3F);
    chip.WriteFuseHighBits(0xDF);
    chip.WriteLockBits(0x3C);
    EXPECT_EQ(chip.ReadFuseBits(), 0x3F);
    EXPECT_EQ(chip.ReadFuseHighBits(), 0xDF);
    EXPECT_EQ(chip.ReadLockBits(), 0x3C);
    EXPECT_EQ(session.Chip().LockBits(), 0xFC);
    // Locked against verification, the memories read as erased; an erase opens the chip again.
    EXPECT_EQ(chip.ReadFlashByte(0, 0), 0xFF);
    chip.ChipErase();
    EXPECT_EQ(chip.ReadLockBits(), 0x3F);
    EXPECT_EQ(chip.ReadFuseBits(), 0x3F) << "an erase keeps the fuses";
    EXPECT_EQ(session.Chip().Flash()[0], 0xFF);
    EXPECT_EQ(session.Chip().Eeprom()[0], 0xFF);
    EXPECT_EQ(session.Chip().IgnoredWhileBusy(), 0u);
    chip.LeaveProgramming();
    EXPECT_FALSE(session.Chip().ProgrammingEnabled());
}

TEST(SimChip, Atmega161TakesSixtyFourWordPagesWrittenTwiceAsItsSequenceDoes) {
    SimulationSession session(ChipType::ATmega161);
    TATMEGA161 chip;
    Open(chip);
    ASSERT_EQ(chip.EnterProgramming(), 0x53);
    EXPECT_EQ(chip.ReadSignatureByte(1), 0x94);
    EXPECT_EQ(chip.ReadSignatureByte(2), 0x01);
    chip.ChipErase();
    for (std::uint16_t w = 0; w < 128; ++w) {
        chip.LoadFlashPageByte(0, w, Pattern(2u * w));
        chip.LoadFlashPageByte(1, w, Pattern(2u * w + 1));
        if ((w & 0x2F) == 0x2F) chip.WriteFlashPage(w);
    }
    for (std::uint32_t i = 0; i < 256; ++i) EXPECT_EQ(session.Chip().Flash()[i], Pattern(i)) << i;
    chip.WriteEepromByte(511, 0x42);
    EXPECT_EQ(chip.ReadEepromByte(511), 0x42);
    chip.WriteFuseBits(0xC5);
    chip.WriteLockBits(0xFC);
    EXPECT_EQ(session.Chip().FuseBits(), 0xC5);
    EXPECT_EQ(session.Chip().LockBits(), 0xFC);
    EXPECT_EQ(chip.ReadFlashByte(0, 0), 0xFF) << "locked";
}

TEST(SimChip, Attiny26KeepsItsMaskedFusesAndLock) {
    SimulationSession session(ChipType::ATtiny26);
    TATTINY26 chip;
    Open(chip);
    ASSERT_EQ(chip.EnterProgramming(), 0x53);
    EXPECT_EQ(chip.ReadSignatureByte(1), 0x91);
    EXPECT_EQ(chip.ReadSignatureByte(2), 0x09);
    chip.ChipErase();
    EXPECT_EQ(WriteAndVerify(chip, 16, 64, 128), std::make_pair(0, 0));
    chip.WriteFuseBits(0xE1);
    chip.WriteFuseHighBits(0x17);
    chip.WriteLockBits(0x00);
    EXPECT_EQ(chip.ReadFuseBits(), 0xE1);
    EXPECT_EQ(chip.ReadFuseHighBits(), 0x17);
    EXPECT_EQ(chip.ReadLockBits(), 0x00);
}

TEST(SimChip, At90ls4433WritesWordByWord) {
    SimulationSession session(ChipType::AT90LS4433);
    TAT90LS4433 chip;
    Open(chip);
    ASSERT_EQ(chip.EnterProgramming(), 0x53);
    EXPECT_EQ(chip.ReadSignatureByte(2), 0x03);
    chip.ChipErase();
    chip.LeaveProgramming();
    ASSERT_EQ(chip.EnterProgramming(), 0x53);
    for (std::uint16_t a = 0; a < 256; ++a) chip.WriteEepromByte(a, Pattern(a));
    for (std::uint16_t w = 0; w < 2048; w += 97)
        chip.WriteFlashWord(w, static_cast<std::uint16_t>(w * 31));
    for (std::uint16_t a = 0; a < 256; ++a) EXPECT_EQ(chip.ReadEepromByte(a), Pattern(a));
    for (std::uint16_t w = 0; w < 2048; w += 97) EXPECT_EQ(chip.ReadFlashWord(w), w * 31);
    EXPECT_EQ(chip.ReadFlashWord(1), 0xFFFF);
    chip.WriteFuseBits(0xA2);
    chip.WriteLockBits(0xF9);
    EXPECT_EQ(session.Chip().FuseBits() & 0x1F, 0x02);
    EXPECT_EQ(session.Chip().LockBits() & 0x06, 0x00);
    // With both lock bits programmed further writes are refused and reads come back erased.
    chip.WriteEepromByte(0, 0x00);
    EXPECT_EQ(session.Chip().Eeprom()[0], Pattern(0));
    EXPECT_EQ(chip.ReadEepromByte(0), 0xFF);
}

TEST(SimChip, At89s53WritesReadsErasesAndLocks) {
    SimulationSession session(ChipType::AT89S53);
    TAT89S53 chip;
    Open(chip);
    chip.EnterProgramming();
    EXPECT_TRUE(session.Chip().ProgrammingEnabled());
    chip.ChipErase();
    for (std::uint32_t a = 0; a < 0x3000; a += 0x101) {
        chip.WriteFlashByte(static_cast<std::uint16_t>(a), Pattern(a));
    }
    for (std::uint32_t a = 0; a < 0x3000; a += 0x101) {
        EXPECT_EQ(chip.ReadFlashByte(static_cast<std::uint16_t>(a)), Pattern(a)) << a;
    }
    chip.WriteFlashByte(0x2ABC, 0x5A);
    EXPECT_EQ(session.Chip().Flash()[0x2ABC], 0x5A);
    EXPECT_EQ(chip.ReadFlashByte(0x3100), 0xFF) << "beyond the 12K";
    chip.WriteLockBits(0x1F);
    EXPECT_EQ(session.Chip().LockBits(), 0x1F);
    EXPECT_EQ(chip.ReadFlashByte(0x2ABC), 0xFF);
    chip.ChipErase();
    EXPECT_EQ(session.Chip().LockBits(), 0xFF);
    EXPECT_EQ(session.Chip().Flash()[0x2ABC], 0xFF);
    chip.LeaveProgramming();
    EXPECT_FALSE(session.Chip().ProgrammingEnabled());
}

TEST(SimChip, WaitsShorterThanTheChipsWriteTimesLoseWrites) {
    {
        SimulationSession session(ChipType::ATmega8);
        TATMEGA8 chip;
        Open(chip);
        ASSERT_EQ(chip.EnterProgramming(), 0x53);
        chip.ChipErase();
        chip.EepromWriteDelay = 1000;  // 1.1 ms against 9 ms
        chip.PageWriteDelay = 1000;    // 1.1 ms against 4.5 ms
        const auto [bad_words, bad_bytes] = WriteAndVerify(chip, 32, 4, 16);
        EXPECT_GT(bad_words, 0);
        EXPECT_GT(bad_bytes, 0);
        EXPECT_GT(session.Chip().IgnoredWhileBusy(), 0u);
    }
    {
        SimulationSession session(ChipType::AT90LS4433);
        TAT90LS4433 chip;
        Open(chip);
        ASSERT_EQ(chip.EnterProgramming(), 0x53);
        chip.ChipErase();
        chip.SetSupplyVoltage(5.0);
        chip.WriteDelay = 3000;  // 3.3 ms against 4 ms
        chip.WriteFlashWord(0, 0x1234);
        EXPECT_NE(chip.ReadFlashWord(0), 0x1234);
    }
    {
        SimulationSession session(ChipType::ATmega8);
        TATMEGA8 chip;
        Open(chip);
        chip.EnterProgramming();
        chip.EraseDelay = 5000;  // 5.5 ms against 9 ms: the next instruction is lost
        chip.ChipErase();
        chip.WriteEepromByte(0, 0x12);
        EXPECT_EQ(session.Chip().Eeprom()[0], 0xFF);
    }
}

TEST(SimChip, ProgrammingEnableNeedsTwentyMillisecondsOfReset) {
    SimulationSession session(ChipType::ATtiny26);
    TATTINY26 chip;
    Open(chip);
    chip.SPI.SetRESET(true);
    chip.SPI.SetRESET(false);
    chip.SPI.WriteByte(0xAC);
    chip.SPI.WriteByte(0x53);
    EXPECT_EQ(chip.SPI.ReadByte(), 0xFF);
    chip.SPI.WriteByte(0x00);
    EXPECT_FALSE(session.Chip().ProgrammingEnabled());
    EXPECT_EQ(chip.EnterProgramming(), 0x53);
}

TEST(SimChip, InjectedFaultsShowUpAtTheDriver) {
    {
        SimulationSession session(std::nullopt);
        TATMEGA8 chip;
        Open(chip);
        EXPECT_EQ(chip.EnterProgramming(), 0xFF) << "no chip";
    }
    {
        ChipFaults faults;
        faults.no_echo = true;
        SimulationSession session(ChipType::ATmega161, faults);
        TATMEGA161 chip;
        Open(chip);
        EXPECT_NE(chip.EnterProgramming(), 0x53);
        EXPECT_FALSE(session.Chip().ProgrammingEnabled());
    }
    {
        ChipFaults faults;
        faults.signature = std::array<std::uint8_t, 3>{0x1E, 0x93, 0x07};
        SimulationSession session(ChipType::ATmega161, faults);
        TATMEGA161 chip;
        Open(chip);
        ASSERT_EQ(chip.EnterProgramming(), 0x53);
        EXPECT_EQ(chip.ReadSignatureByte(1), 0x93);
        EXPECT_EQ(chip.ReadSignatureByte(2), 0x07);
    }
    {
        ChipFaults faults;
        faults.stuck_bits.push_back({ChipMemory::Flash, 0x21, 3, false});
        faults.stuck_bits.push_back({ChipMemory::Eeprom, 7, 0, false});
        SimulationSession session(ChipType::ATmega8, faults);
        TATMEGA8 chip;
        Open(chip);
        ASSERT_EQ(chip.EnterProgramming(), 0x53);
        chip.ChipErase();
        EXPECT_EQ(chip.ReadFlashByte(1, 0x10), 0xF7) << "even erased";
        EXPECT_EQ(WriteAndVerify(chip, 32, 1, 16),
                  std::make_pair(Pattern(0x21) & 0x08 ? 1 : 0, Pattern(12) & 0x01 ? 1 : 0));
    }
    {
        ChipFaults faults;
        faults.wrong_read_backs.push_back({ConfigByte::FuseHigh, 0x01});
        SimulationSession session(ChipType::ATmega8, faults);
        TATMEGA8 chip;
        Open(chip);
        ASSERT_EQ(chip.EnterProgramming(), 0x53);
        chip.WriteFuseBits(0x3F);
        chip.WriteFuseHighBits(0xDF);
        EXPECT_EQ(chip.ReadFuseBits(), 0x3F);
        EXPECT_EQ(chip.ReadFuseHighBits(), 0xDE);
        EXPECT_EQ(session.Chip().FuseHighBits(), 0xDF);
    }
}

TEST(SimChip, ACablePulledAfterSomeBytesCutsTheChipOff) {
    CableOptions options;
    options.pulled_after_bytes = 40;
    SimulationSession session(ChipType::ATmega8, {}, options);
    TATMEGA8 chip;
    Open(chip);
    ASSERT_EQ(chip.EnterProgramming(), 0x53);               // 4 bytes
    chip.WriteEepromByte(0, 0x11);                          // 8
    EXPECT_EQ(chip.ReadEepromByte(0), 0x11);                // 12
    for (int i = 0; i < 7; ++i) chip.ReadSignatureByte(0);  // 40
    EXPECT_FALSE(session.Cable().Pulled());
    EXPECT_EQ(chip.ReadEepromByte(0), 0xFF);
    EXPECT_TRUE(session.Cable().Pulled());
    SetPin(2, false);
    SetPin(3, false);
    EXPECT_TRUE(GetPin(11)) << "the loop-back is gone with the cable";
}
