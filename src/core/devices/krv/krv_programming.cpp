// The KRV module's programming sequence on its AT90LS4433: program memory is written word by
// word, each byte with its own write time.
#include "devices/krv/krv.hpp"
#include "hardware/chips/at90s.hpp"
#include "hardware/programming_frame.hpp"

namespace vertanum {

namespace {

using namespace hardware;

constexpr int kSteps = 4604;
constexpr std::uint8_t kEcho = 0x53;
constexpr std::uint8_t kDeviceCode = 0x03;
constexpr std::uint8_t kFuse = 0xA2;
constexpr std::uint8_t kLock = 0xF9;
constexpr std::uint16_t kWords = TKRV::kFirmwareSize / 2;

std::uint16_t ImageWord(const std::vector<std::uint8_t>& image, std::uint16_t w) {
    return static_cast<std::uint16_t>(image[2u * w] | (image[2u * w + 1] << 8));
}

ProgrammingResult ProgramKrv(TAT90LS4433& chip, ProgressDisplay& progress,
                             const std::vector<std::uint8_t>& flash,
                             const std::vector<std::uint8_t>& eeprom) {
    RequireImageSize(flash, TKRV::kFirmwareSize, "KRV program image");
    RequireImageSize(eeprom, TKRV::kEepromSize, "KRV EEPROM image");
    // Every step lets the window catch up first.
    const auto step = [&] {
        progress.ProcessEvents();
        progress.Advance();
    };

    if (chip.EnterProgramming() != kEcho) return kNoAnswer;
    if (chip.ReadSignatureByte(2) != kDeviceCode) return kWrongDeviceCode;
    chip.ChipErase();
    chip.LeaveProgramming();
    if (chip.EnterProgramming() != kEcho) return kNoAnswer;

    for (std::uint16_t a = 0; a < TKRV::kEepromSize; ++a) {
        chip.WriteEepromByte(a, eeprom[a]);
        step();
    }
    for (std::uint16_t w = 0; w < kWords; ++w) {
        chip.WriteFlashWord(w, ImageWord(flash, w));
        step();
    }

    BeginVerifyingDisplay(progress);
    for (std::uint16_t a = 0; a < TKRV::kEepromSize; ++a) {
        if (chip.ReadEepromByte(a) != eeprom[a]) {
            chip.ChipErase();
            return kWriteError;
        }
        step();
    }
    for (std::uint16_t w = 0; w < kWords; ++w) {
        if (chip.ReadFlashWord(w) != ImageWord(flash, w)) {
            chip.ChipErase();
            return kWriteError;
        }
        step();
    }

    // This chip offers no read of its fuse and lock bits over this link.
    chip.FuseBits = kFuse;
    chip.WriteFuseBits(kFuse);
    chip.LockBits = kLock;
    chip.WriteLockBits(kLock);
    return 1;
}

}  // namespace

std::int32_t TKRV::ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) {
    return ProgramInFrame<TAT90LS4433>(
        progress, messages(), port_number, kSteps,
        [&](TAT90LS4433& chip) { return ProgramKrv(chip, progress, FirmwareImage, EepromImage); });
}

}  // namespace vertanum
