#include "hardware/sim/at89s53_chip.hpp"

namespace vertanum::hardware {

namespace {
constexpr std::uint32_t kFlashBytes = 12 * 1024;
constexpr double kByteWriteUs = 2500.0;
constexpr double kEraseUs = 16000.0;
constexpr double kLockWriteUs = 2500.0;
// With no crystal the datasheet asks for 10 ms of RST high before Programming Enable.
constexpr double kEnableAfterResetUs = 10000.0;
}  // namespace

At89s53SimChip::At89s53SimChip(ChipFaults faults)
    : SimulatedChip(ChipType::AT89S53, true, kFlashBytes, 0, std::move(faults)) {}

std::uint32_t At89s53SimChip::Address() const {
    return (static_cast<std::uint32_t>(frame_[0] >> 3) << 8) | ((frame_[0] & 0x04u) << 11) |
           frame_[1];
}

std::uint8_t At89s53SimChip::OnByte(std::uint8_t in) {
    frame_[static_cast<std::size_t>(index_)] = in;
    ++index_;
    std::uint8_t out = 0xFF;
    if (index_ == 2) {
        if (frame_[0] == 0xAC && frame_[1] == 0x53) {
            if (!enabled_ && !faults_.no_echo && MicrosecondsSinceReset() >= kEnableAfterResetUs) {
                enabled_ = true;
            }
        } else if (enabled_ && (frame_[0] & 0x03) == 0x01 && !DropWhenBusy()) {
            const std::uint32_t address = Address();
            if (!ReadsLocked() && address < flash_.size()) out = flash_[address];
        }
    } else if (index_ == 3) {
        index_ = 0;
        if (enabled_) Execute();
    }
    return out;
}

void At89s53SimChip::Execute() {
    const std::uint8_t b1 = frame_[0];
    const std::uint8_t b2 = frame_[1];
    const bool is_write = (b1 & 0x03) == 0x02 || (b1 == 0xAC && (b2 & 0x07) == 0x04) ||
                          (b1 == 0xAC && (b2 & 0x07) == 0x07);
    if (!is_write || DropWhenBusy()) return;
    if ((b1 & 0x03) == 0x02) {
        if (WritesLocked()) return;
        StoreFlash(Address(), frame_[2]);
        StartBusy(kByteWriteUs);
    } else if ((b2 & 0x07) == 0x04) {
        EraseFlash();
        lock_ = 0xFF;
        StartBusy(kEraseUs);
    } else {
        lock_ &= static_cast<std::uint8_t>(b2 | 0x1F);
        StartBusy(kLockWriteUs);
    }
}

}  // namespace vertanum::hardware
