// The QV710 modules' programming sequence on their ATmega8: program memory through 32-word
// pages, fuse and lock bytes read back after writing. The window is not served meanwhile.
#include "devices/qv710/qv710.hpp"
#include "hardware/chips/atmega8.hpp"
#include "hardware/programming_frame.hpp"

namespace vertanum {

namespace {

using namespace hardware;

constexpr int kSteps = 288;
constexpr std::uint8_t kEcho = 0x53;
constexpr std::uint8_t kDeviceCode = 0x07;
constexpr std::uint8_t kFuse = 0x31;
constexpr std::uint8_t kFuseHigh = 0xCF;
constexpr std::uint8_t kLock = 0x3C;
constexpr std::uint16_t kWords = TQV710::kFirmwareSize / 2;
constexpr unsigned kPageMask = 31;  // 32 words a page, 32 EEPROM bytes a step

ProgrammingResult ProgramQv710(TATMEGA8& chip, ProgressDisplay& progress,
                               const std::vector<std::uint8_t>& flash,
                               const std::vector<std::uint8_t>& eeprom) {
    RequireImageSize(flash, TQV710::kFirmwareSize, "QV710 program image");
    RequireImageSize(eeprom, TQV710::kEepromSize, "QV710 EEPROM image");

    if (chip.EnterProgramming() != kEcho) return kNoAnswer;
    if (chip.ReadSignatureByte(2) != kDeviceCode) return kWrongDeviceCode;
    chip.ChipErase();

    for (std::uint16_t a = 0; a < TQV710::kEepromSize; ++a) {
        chip.WriteEepromByte(a, eeprom[a]);
        if ((a & kPageMask) == kPageMask) progress.Advance();
    }
    for (std::uint16_t w = 0; w < kWords; ++w) {
        chip.LoadFlashPageByte(0, w, flash[2u * w]);
        chip.LoadFlashPageByte(1, w, flash[2u * w + 1]);
        if ((w & kPageMask) == kPageMask) {
            chip.WriteFlashPage(w);
            progress.Advance();
        }
    }

    BeginVerifyingDisplay(progress);
    for (std::uint16_t a = 0; a < TQV710::kEepromSize; ++a) {
        if (chip.ReadEepromByte(a) != eeprom[a]) {
            chip.ChipErase();
            return kWriteError;
        }
        if ((a & kPageMask) == kPageMask) progress.Advance();
    }
    for (std::uint16_t w = 0; w < kWords; ++w) {
        if (chip.ReadFlashByte(0, w) != flash[2u * w] ||
            chip.ReadFlashByte(1, w) != flash[2u * w + 1]) {
            chip.ChipErase();
            return kWriteError;
        }
        if ((w & kPageMask) == kPageMask) progress.Advance();
    }

    chip.FuseBits = kFuse;
    chip.FuseHighBits = kFuseHigh;
    chip.LockBits = kLock;
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

std::int32_t TQV710::ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) {
    return ProgramInFrame<TATMEGA8>(progress, messages(), port_number, kSteps, [&](TATMEGA8& chip) {
        return ProgramQv710(chip, progress, FirmwareImage, EepromImage);
    });
}

}  // namespace vertanum
