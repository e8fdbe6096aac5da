#include <gtest/gtest.h>

#include <functional>

#include "hardware/chips/at89s.hpp"
#include "hardware/chips/at90s.hpp"
#include "hardware/chips/atmega161.hpp"
#include "hardware/chips/atmega8.hpp"
#include "hardware/chips/attiny26.hpp"
#include "hardware/simulated_cable.hpp"
#include "hardware/spi_trace.hpp"

using namespace vertanum::hardware;

namespace {

// Runs `operation` on a fresh driver of type Chip over an empty socket and answers what went
// over the link: bytes, reads (an empty socket answers 0xFF), waits and line levels.
template <typename Chip>
std::string TraceOf(const std::function<void(Chip&)>& operation) {
    SimulationSession session(std::nullopt);
    Chip chip;
    SpiTrace trace;
    ScopedSpiTrace scoped(trace);
    operation(chip);
    return trace.Text();
}

struct Row {
    const char* name;
    std::function<std::string()> run;
    const char* expected;
};

template <typename Chip>
std::function<std::string()> On(std::function<void(Chip&)> operation) {
    return [operation] { return TraceOf<Chip>(operation); };
}

}  // namespace

TEST(ChipDriverBytes, EveryOperationSendsItsBytesAndWaits) {
    const Row rows[] = {
        // AT89S53
        {"89S53 enter", On<TAT89S53>([](auto& c) { c.EnterProgramming(); }),
         "R1 w1500 R0 w1500 R1 w10000 AC 53 <FF w20000"},
        {"89S53 leave", On<TAT89S53>([](auto& c) { c.LeaveProgramming(); }), "R0 S0 w20000"},
        {"89S53 erase", On<TAT89S53>([](auto& c) { c.ChipErase(); }), "AC 04 00 w200000"},
        {"89S53 lock", On<TAT89S53>([](auto& c) { c.WriteLockBits(0x1F); }), "AC 1F 00 w5000"},
        {"89S53 write", On<TAT89S53>([](auto& c) { c.WriteFlashByte(0x2ABC, 0x5A); }),
         "56 BC 5A w2500"},
        {"89S53 read", On<TAT89S53>([](auto& c) { c.ReadFlashByte(0x0123); }), "09 23 <FF"},
        {"89S53 read top", On<TAT89S53>([](auto& c) { c.ReadFlashByte(0x3FFF); }), "FD FF <FF"},
        // AT90LS4433
        {"4433 enter", On<TAT90LS4433>([](auto& c) { c.EnterProgramming(); }),
         "R0 S0 w1500 R1 w1500 R0 w25000 AC 53 <FF 00 w20000"},
        {"4433 leave", On<TAT90LS4433>([](auto& c) { c.LeaveProgramming(); }), "R1 S0 w20000"},
        {"4433 erase", On<TAT90LS4433>([](auto& c) { c.ChipErase(); }), "AC 80 00 00 w200000"},
        {"4433 fuse", On<TAT90LS4433>([](auto& c) { c.WriteFuseBits(0xA2); }), "AC A2 00 00 w4000"},
        {"4433 lock", On<TAT90LS4433>([](auto& c) { c.WriteLockBits(0xF9); }), "AC F9 00 00 w4000"},
        {"4433 lock 0", On<TAT90LS4433>([](auto& c) { c.WriteLockBits(0x00); }),
         "AC F9 00 00 w4000"},
        {"4433 word write", On<TAT90LS4433>([](auto& c) { c.WriteFlashWord(0x0123, 0xBEEF); }),
         "48 01 23 BE w4000 40 01 23 EF w4000"},
        {"4433 word read", On<TAT90LS4433>([](auto& c) { c.ReadFlashWord(0x07FF); }),
         "28 07 FF <FF 20 07 FF <FF"},
        {"4433 eeprom write", On<TAT90LS4433>([](auto& c) { c.WriteEepromByte(0x00FE, 7); }),
         "C0 00 FE 07 w4000"},
        {"4433 signature", On<TAT90LS4433>([](auto& c) { c.ReadSignatureByte(6); }),
         "30 00 02 <FF"},
        {"4433 3.2 V", On<TAT90LS4433>([](auto& c) {
             c.SetSupplyVoltage(3.2);
             c.WriteEepromByte(1, 2);
         }),
         "C0 00 01 02 w9000"},
        // ATmega8
        {"m8 enter", On<TATMEGA8>([](auto& c) { c.EnterProgramming(); }),
         "S0 R0 w25000 AC 53 <FF 00 w20000"},
        {"m8 leave", On<TATMEGA8>([](auto& c) { c.LeaveProgramming(); }), "R1 S0 w20000"},
        {"m8 signature", On<TATMEGA8>([](auto& c) { c.ReadSignatureByte(2); }),
         "30 00 02 <FF w20000"},
        {"m8 lock", On<TATMEGA8>([](auto& c) { c.WriteLockBits(0x3C); }), "AC E0 00 FC w4500"},
        {"m8 fuse", On<TATMEGA8>([](auto& c) { c.WriteFuseBits(0x3F); }), "AC A0 00 3F w4500"},
        {"m8 fuse high", On<TATMEGA8>([](auto& c) { c.WriteFuseHighBits(0xDF); }),
         "AC A8 00 DF w4500"},
        {"m8 page load", On<TATMEGA8>([](auto& c) {
             c.LoadFlashPageByte(0, 0x0FFF, 0x12);
             c.LoadFlashPageByte(1, 0x0FFF, 0x34);
         }),
         "40 0F FF 12 48 0F FF 34"},
        {"m8 page write", On<TATMEGA8>([](auto& c) { c.WriteFlashPage(0x001F); }),
         "4C 00 1F 00 w4500"},
        {"m8 eeprom", On<TATMEGA8>([](auto& c) {
             c.WriteEepromByte(0x01FF, 0xAA);
             c.ReadEepromByte(0x01FF);
         }),
         "C0 01 FF AA w9000 A0 01 FF <FF"},
        {"m8 reads", On<TATMEGA8>([](auto& c) {
             c.ReadFuseBits();
             c.ReadFuseHighBits();
             c.ReadLockBits();
         }),
         "50 00 00 <FF 58 08 00 <FF 58 00 00 <FF"},
        {"m8 erase", On<TATMEGA8>([](auto& c) { c.ChipErase(); }), "AC 80 00 00 w200000"},
        // ATmega161
        {"m161 enter", On<TATMEGA161>([](auto& c) { c.EnterProgramming(); }),
         "S0 R0 w1500 R1 w1500 R0 w25000 AC 53 <FF 00 w20000"},
        {"m161 leave", On<TATMEGA161>([](auto& c) { c.LeaveProgramming(); }), "S0 R1 w100000"},
        {"m161 lock", On<TATMEGA161>([](auto& c) { c.WriteLockBits(0xFC); }), "AC E0 00 FC w18000"},
        {"m161 fuse", On<TATMEGA161>([](auto& c) { c.WriteFuseBits(0xC5); }), "AC A0 00 C5 w18000"},
        {"m161 eeprom", On<TATMEGA161>([](auto& c) { c.WriteEepromByte(3, 4); }),
         "C0 00 03 04 w3400"},
        {"m161 signature", On<TATMEGA161>([](auto& c) { c.ReadSignatureByte(1); }), "30 00 01 <FF"},
        // ATtiny26
        {"t26 enter", On<TATTINY26>([](auto& c) { c.EnterProgramming(); }),
         "S0 R0 w1500 R1 w1500 R0 w25000 AC 53 <FF 00 w20000"},
        {"t26 leave", On<TATTINY26>([](auto& c) { c.LeaveProgramming(); }), "R1 S0 w20000"},
        {"t26 signature", On<TATTINY26>([](auto& c) { c.ReadSignatureByte(2); }), "30 00 02 <FF"},
        {"t26 lock", On<TATTINY26>([](auto& c) { c.WriteLockBits(0x00); }), "AC E0 00 FC w4500"},
        {"t26 fuse", On<TATTINY26>([](auto& c) { c.WriteFuseBits(0xE1); }), "AC A0 00 E1 w4500"},
        {"t26 fuse high", On<TATTINY26>([](auto& c) {
             c.FuseWriteDelay = 777;
             c.WriteFuseHighBits(0x17);
         }),
         "AC A8 00 17 w777"},
        {"t26 page write", On<TATTINY26>([](auto& c) { c.WriteFlashPage(0x000F); }),
         "4C 00 0F 00 w4500"},
    };
    for (const auto& row : rows) EXPECT_EQ(row.run(), row.expected) << row.name;
}

TEST(ChipDriverBytes, CreationAndReleaseSetTheirPinsAndValues) {
    SimulationSession session(std::nullopt);
    SpiTrace trace;
    ScopedSpiTrace scoped(trace);
    {
        TAT89S53 chip;
        EXPECT_EQ(chip.SPI.HalfBitDelay, 1);
        EXPECT_EQ(chip.LockBits, 0xFF);
    }
    EXPECT_EQ(trace.Text(), "S0 R0 S0 R0");
    trace.Clear();
    {
        TAT90LS4433 chip;
        EXPECT_EQ(chip.SPI.HalfBitDelay, 1);
        EXPECT_EQ(chip.EraseDelay, 200000u);
        EXPECT_EQ(chip.WriteDelay, 4000u);
        EXPECT_DOUBLE_EQ(chip.SupplyVoltage, 5.0);
        EXPECT_EQ(chip.FuseBits, 0xFF);
    }
    EXPECT_EQ(trace.Text(), "R1 S0 R1 S0");
    trace.Clear();
    {
        TATMEGA8 m8;
        TATMEGA161 m161;
        TATTINY26 t26;
        EXPECT_EQ(m8.EepromWriteDelay, 9000u);
        EXPECT_EQ(m8.PageWriteDelay, 4500u);
        EXPECT_EQ(m161.EepromWriteDelay, 3400u);
        EXPECT_EQ(m161.PageWriteDelay, 18000u);
        EXPECT_EQ(t26.FuseWriteDelay, 4500u);
        EXPECT_EQ(t26.FuseHighBits, 0xFF);
        EXPECT_EQ(m161.SPI.HalfBitDelay, 1);
    }
    EXPECT_EQ(trace.Text(), "S0 R0 S0 R0 S0 R0")
        << "the page-mode drivers change no pin on release";
}

TEST(ChipDriverBytes, SupplyVoltageGivesTheWriteDelay) {
    SimulationSession session(std::nullopt);
    TAT90LS4433 chip;
    const std::pair<double, std::uint32_t> cases[] = {{3.6, 7000}, {3.59, 9000}, {3.1, 20000},
                                                      {5.0, 4000}, {4.5, 6000},  {6.0, 4000}};
    for (const auto& [volts, delay] : cases) {
        chip.SetSupplyVoltage(volts);
        EXPECT_EQ(chip.WriteDelay, delay) << volts;
        EXPECT_EQ(chip.EraseDelay, 200000u);
    }
    chip.SupplyVoltage = 3.0;
    EXPECT_EQ(chip.WriteDelay, 4000u) << "only SetSupplyVoltage derives the delays";
}

TEST(ChipDriverBytes, TheMasksOfTheReadsAreApplied) {
    SimulationSession session(std::nullopt);  // an empty socket reads 0xFF
    TATTINY26 t26;
    EXPECT_EQ(t26.ReadFuseHighBits(), 0x17);
    EXPECT_EQ(t26.ReadLockBits(), 0x03);
    EXPECT_EQ(t26.ReadFuseBits(), 0xFF);
    TATMEGA8 m8;
    EXPECT_EQ(m8.ReadLockBits(), 0x3F);
    EXPECT_EQ(m8.ReadFuseHighBits(), 0xFF);
}
