// The Qirel's programming sequence on its ATtiny26: program memory through 16-word pages, fuse
// and lock bytes read back after writing, the window served after every step.
#include "devices/qirel/qirel.hpp"
#include "hardware/chips/attiny26.hpp"
#include "hardware/programming_frame.hpp"

namespace vertanum {

namespace {

using namespace hardware;

constexpr int kSteps = 144;
constexpr std::uint8_t kEcho = 0x53;
constexpr std::uint8_t kSignature1 = 0x91;
constexpr std::uint8_t kSignature2 = 0x09;
constexpr std::uint8_t kFuse = 0xE1;
constexpr std::uint8_t kFuseHigh = 0x17;
constexpr std::uint8_t kLock = 0x00;
constexpr std::uint16_t kWords = TQirel::kFirmwareSize / 2;
constexpr unsigned kPageMask = 15;  // 16 words a page, 16 EEPROM bytes a step

ProgrammingResult ProgramQirel(TATTINY26& chip, ProgressDisplay& progress,
                               const std::vector<std::uint8_t>& flash,
                               const std::vector<std::uint8_t>& eeprom) {
    RequireImageSize(flash, TQirel::kFirmwareSize, "Qirel program image");
    RequireImageSize(eeprom, TQirel::kEepromSize, "Qirel EEPROM image");
    const auto step = [&] {
        progress.Advance();
        progress.ProcessEvents();
    };

    if (chip.EnterProgramming() != kEcho) return kNoAnswer;
    const std::uint8_t signature1 = chip.ReadSignatureByte(1);
    const std::uint8_t signature2 = chip.ReadSignatureByte(2);
    if (signature1 != kSignature1 || signature2 != kSignature2) return kWrongDeviceCode;
    chip.ChipErase();
    chip.LeaveProgramming();
    if (chip.EnterProgramming() != kEcho) return kNoAnswer;

    for (std::uint16_t a = 0; a < TQirel::kEepromSize; ++a) {
        chip.WriteEepromByte(a, eeprom[a]);
        if ((a & kPageMask) == kPageMask) step();
    }
    for (std::uint16_t w = 0; w < kWords; ++w) {
        chip.LoadFlashPageByte(0, w, flash[2u * w]);
        chip.LoadFlashPageByte(1, w, flash[2u * w + 1]);
        if ((w & kPageMask) == kPageMask) {
            chip.WriteFlashPage(w);
            step();
        }
    }

    BeginVerifyingDisplay(progress);
    for (std::uint16_t a = 0; a < TQirel::kEepromSize; ++a) {
        if (chip.ReadEepromByte(a) != eeprom[a]) {
            chip.ChipErase();
            return kWriteError;
        }
        if ((a & kPageMask) == kPageMask) step();
    }
    for (std::uint16_t w = 0; w < kWords; ++w) {
        if (chip.ReadFlashByte(0, w) != flash[2u * w] ||
            chip.ReadFlashByte(1, w) != flash[2u * w + 1]) {
            chip.ChipErase();
            return kWriteError;
        }
        if ((w & kPageMask) == kPageMask) step();
    }

    chip.FuseBits = kFuse;
    chip.FuseHighBits = kFuseHigh;
    chip.LockBits = kLock;
    chip.WriteFuseBits(kFuse);
    chip.WriteFuseHighBits(kFuseHigh);
    chip.WriteLockBits(kLock);
    // The driver keeps only the bits the chip has of the high fuse and the lock byte.
    const bool fuse_ok = chip.ReadFuseBits() == kFuse;
    const bool fuse_high_ok = chip.ReadFuseHighBits() == kFuseHigh;
    const bool lock_ok = chip.ReadLockBits() == kLock;
    if (fuse_ok && fuse_high_ok && lock_ok) return 1;
    chip.ChipErase();
    return kWriteError;
}

}  // namespace

std::int32_t TQirel::ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) {
    return ProgramInFrame<TATTINY26>(
        progress, messages(), port_number, kSteps,
        [&](TATTINY26& chip) { return ProgramQirel(chip, progress, FirmwareImage, EepromImage); });
}

}  // namespace vertanum
