// The Dorimen panels' programming sequence on their ATmega8: the chip is erased twice, each
// time after programming mode has been entered anew; program memory through 32-word pages;
// fuse and lock bytes read back after writing.
#include "devices/dorimen/dorimen.hpp"
#include "hardware/chips/atmega8.hpp"
#include "hardware/programming_frame.hpp"

namespace vertanum {

namespace {

using namespace hardware;

constexpr int kSteps = 288;
constexpr std::uint8_t kEcho = 0x53;
constexpr std::uint8_t kDeviceCode = 0x07;
constexpr std::uint8_t kFuse = 0x3F;
constexpr std::uint8_t kFuseHigh = 0xDF;
constexpr std::uint8_t kLock = 0x3C;
constexpr std::uint16_t kWords = TDorimen::kFirmwareSize / 2;
constexpr unsigned kPageMask = 31;  // 32 words a page, 32 EEPROM bytes a step

ProgrammingResult ProgramDorimen(TATMEGA8& chip, ProgressDisplay& progress,
                                 const std::vector<std::uint8_t>& flash,
                                 const std::vector<std::uint8_t>& eeprom) {
    RequireImageSize(flash, TDorimen::kFirmwareSize, "Dorimen program image");
    RequireImageSize(eeprom, TDorimen::kEepromSize, "Dorimen EEPROM image");
    const auto step = [&] {
        progress.Advance();
        progress.ProcessEvents();
    };
    const auto reenter = [&] {
        chip.LeaveProgramming();
        return chip.EnterProgramming() == kEcho;
    };

    if (chip.EnterProgramming() != kEcho) return kNoAnswer;
    if (chip.ReadSignatureByte(2) != kDeviceCode) return kWrongDeviceCode;
    if (!reenter()) return kNoAnswer;
    chip.ChipErase();
    if (!reenter()) return kNoAnswer;
    chip.ChipErase();
    if (!reenter()) return kNoAnswer;

    for (std::uint16_t a = 0; a < TDorimen::kEepromSize; ++a) {
        chip.WriteEepromByte(a, eeprom[a]);
        if ((a & kPageMask) == kPageMask) step();
    }
    for (std::uint16_t w = 0; w < kWords; ++w) {
        chip.LoadFlashPageByte(0, w, flash[2u * w]);
        chip.LoadFlashPageByte(1, w, flash[2u * w + 1]);
        if ((w & kPageMask) == kPageMask) {
            chip.WriteFlashPage(w);
            progress.ProcessEvents();
            progress.Advance();
        }
    }

    BeginVerifyingDisplay(progress);
    for (std::uint16_t a = 0; a < TDorimen::kEepromSize; ++a) {
        if (chip.ReadEepromByte(a) != eeprom[a]) {
            chip.ChipErase();
            return kWriteError;
        }
        if ((a & kPageMask) == kPageMask) step();
    }
    for (std::uint16_t w = 0; w < kWords; ++w) {
        // High byte first, as the chip's word is built.
        const unsigned high = chip.ReadFlashByte(1, w);
        const unsigned word = high * 256u + chip.ReadFlashByte(0, w);
        if (word != flash[2u * w] + 256u * flash[2u * w + 1]) {
            chip.ChipErase();
            return kWriteError;
        }
        if ((w & kPageMask) == kPageMask) step();
    }

    chip.LockBits = kLock;
    chip.FuseBits = kFuse;
    chip.FuseHighBits = kFuseHigh;
    chip.WriteFuseBits(kFuse);
    chip.WriteFuseHighBits(kFuseHigh);
    chip.WriteLockBits(kLock);
    const bool fuse_ok = chip.ReadFuseBits() == kFuse;
    const bool fuse_high_ok = chip.ReadFuseHighBits() == kFuseHigh;
    const bool lock_ok = chip.ReadLockBits() == kLock;
    if (fuse_ok && fuse_high_ok && lock_ok) return 1;
    chip.ChipErase();
    return kWriteError;
}

}  // namespace

std::int32_t TDorimen::ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) {
    return ProgramInFrame<TATMEGA8>(progress, messages(), port_number, kSteps, [&](TATMEGA8& chip) {
        return ProgramDorimen(chip, progress, FirmwareImage, EepromImage);
    });
}

}  // namespace vertanum
