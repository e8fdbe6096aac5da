// The Frastoven consoles' programming sequence on their ATmega161: program memory through the
// page buffer, each 64-word page committed after word offset 47 and again after offset 63 (the
// second write covers the whole page); no fuse or lock reads on this chip.
#include "devices/frastoven/frastoven.hpp"
#include "hardware/chips/atmega161.hpp"
#include "hardware/programming_frame.hpp"

namespace vertanum {

namespace {

using namespace hardware;

constexpr int kSteps = 544;
constexpr std::uint8_t kEcho = 0x53;
constexpr std::uint8_t kSignature1 = 0x94;
constexpr std::uint8_t kSignature2 = 0x01;
constexpr std::uint8_t kFuse = 0xC5;
constexpr std::uint8_t kLock = 0xFC;
constexpr std::uint16_t kWords = TFrastoven::kFirmwareSize / 2;
// Offsets 47 and 63 of every 64: two page writes a page, two steps per 64 EEPROM bytes.
constexpr unsigned kStepMask = 0x2F;

bool IsStep(unsigned index) {
    return (index & kStepMask) == kStepMask;
}

ProgrammingResult ProgramFrastoven(TATMEGA161& chip, ProgressDisplay& progress,
                                   const std::vector<std::uint8_t>& flash,
                                   const std::vector<std::uint8_t>& eeprom) {
    RequireImageSize(flash, TFrastoven::kFirmwareSize, "Frastoven program image");
    RequireImageSize(eeprom, TFrastoven::kEepromSize, "Frastoven EEPROM image");
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

    for (std::uint16_t a = 0; a < TFrastoven::kEepromSize; ++a) {
        chip.WriteEepromByte(a, eeprom[a]);
        if (IsStep(a)) step();
    }
    for (std::uint16_t w = 0; w < kWords; ++w) {
        chip.LoadFlashPageByte(0, w, flash[2u * w]);
        chip.LoadFlashPageByte(1, w, flash[2u * w + 1]);
        if (IsStep(w)) {
            chip.WriteFlashPage(w);
            step();
        }
    }

    BeginVerifyingDisplay(progress);
    for (std::uint16_t a = 0; a < TFrastoven::kEepromSize; ++a) {
        if (chip.ReadEepromByte(a) != eeprom[a]) {
            chip.ChipErase();
            return kWriteError;
        }
        if (IsStep(a)) step();
    }
    for (std::uint16_t w = 0; w < kWords; ++w) {
        const unsigned low = chip.ReadFlashByte(0, w);
        const unsigned high = chip.ReadFlashByte(1, w);
        if (high * 256u + low != flash[2u * w] + 256u * flash[2u * w + 1]) {
            chip.ChipErase();
            return kWriteError;
        }
        if (IsStep(w)) step();
    }

    chip.LockBits = kLock;
    chip.FuseBits = kFuse;
    chip.WriteFuseBits(kFuse);
    chip.WriteLockBits(kLock);
    return 2;
}

}  // namespace

std::int32_t TFrastoven::ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) {
    return ProgramInFrame<TATMEGA161>(
        progress, messages(), port_number, kSteps, [&](TATMEGA161& chip) {
            return ProgramFrastoven(chip, progress, FirmwareImage, EepromImage);
        });
}

}  // namespace vertanum
