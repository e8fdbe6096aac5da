// The Velkar family's programming sequence on its AT89S53: no device code to read, so a test
// byte written and read back is the check that a working chip answers; then every byte of the
// 12 KB image by its own instruction, verified byte by byte, and the chip locked.
#include "devices/velkar/velkar.hpp"
#include "hardware/chips/at89s.hpp"
#include "hardware/programming_frame.hpp"

namespace vertanum {

namespace {

using namespace hardware;

constexpr int kSteps = 24574;
constexpr std::uint8_t kTestByte = 0xA5;
constexpr std::uint32_t kTestByteWait = 5000;
constexpr std::uint8_t kLock = 0x1F;
constexpr std::uint16_t kBytes = TVelkar::kFirmwareSize;
// The position the verification starts from: the last address written.
constexpr int kVerifyStart = kBytes - 1;

ProgrammingResult ProgramVelkar(TAT89S53& chip, ProgressDisplay& progress,
                                const std::vector<std::uint8_t>& image) {
    RequireImageSize(image, TVelkar::kFirmwareSize, "Velkar program image");

    // The answer to Programming Enable carries nothing on this chip.
    chip.EnterProgramming();
    chip.ChipErase();
    chip.LeaveProgramming();
    chip.EnterProgramming();

    chip.WriteFlashByte(0x0000, kTestByte);
    chip.SPI.Wait(kTestByteWait);
    const std::uint8_t test = chip.ReadFlashByte(0x0000);
    chip.ChipErase();
    if (test != kTestByte) return kNoAnswer;
    chip.LeaveProgramming();
    chip.EnterProgramming();

    for (std::uint16_t a = 0; a < kBytes; ++a) {
        chip.WriteFlashByte(a, image[a]);
        progress.Advance();
        progress.ProcessEvents();
    }

    BeginVerifyingDisplay(progress);
    progress.SetMaximum(kSteps);
    progress.SetPosition(kVerifyStart);
    for (std::uint16_t a = 0; a < kBytes; ++a) {
        if (chip.ReadFlashByte(a) != image[a]) {
            // The programming run tells the user; telling them here too would say it twice.
            chip.ChipErase();
            return kWriteError;
        }
        progress.ProcessEvents();
        progress.Advance();
    }

    chip.LockBits = kLock;
    chip.WriteLockBits(kLock);
    // The last address compared plus two.
    return kVerifyStart + 2;
}

}  // namespace

std::int32_t TVelkar::ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) {
    return ProgramInFrame<TAT89S53>(progress, messages(), port_number, kSteps, [&](TAT89S53& chip) {
        return ProgramVelkar(chip, progress, FirmwareImage);
    });
}

}  // namespace vertanum
