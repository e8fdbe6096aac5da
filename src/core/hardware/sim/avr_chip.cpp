#include "hardware/sim/avr_chip.hpp"

#include <algorithm>

namespace vertanum::hardware {

namespace {
// The datasheets ask for at least 20 ms between RESET going low and Programming Enable.
constexpr double kEnableAfterResetUs = 20000.0;
}  // namespace

AvrSimChip::AvrSimChip(const AvrModel& model, ChipFaults faults)
    : SimulatedChip(model.type, false, model.flash_bytes, model.eeprom_bytes, std::move(faults)),
      model_(model),
      page_buffer_(model.page_words * 2, 0xFF) {
    fuse_ = model.fuse_initial;
    fuse_high_ = model.fuse_high_initial;
}

std::uint32_t AvrSimChip::WordAddress() const {
    const std::uint32_t words = model_.flash_bytes / 2;
    return ((static_cast<std::uint32_t>(frame_[1]) << 8) | frame_[2]) & (words - 1);
}

std::uint8_t AvrSimChip::OnByte(std::uint8_t in) {
    frame_[static_cast<std::size_t>(index_)] = in;
    ++index_;
    std::uint8_t out = enabled_ ? in : 0xFF;
    if (index_ == 2 && frame_[0] == 0xAC && frame_[1] == 0x53 && !enabled_) {
        if (!faults_.no_echo && MicrosecondsSinceReset() >= kEnableAfterResetUs) {
            enabled_ = true;
            out = 0x53;
        }
    } else if (index_ == 3 && enabled_) {
        out = ReadAnswer();
    } else if (index_ == 4) {
        index_ = 0;
        if (enabled_) Execute();
    }
    return out;
}

std::uint8_t AvrSimChip::ReadAnswer() {
    const std::uint8_t op = frame_[0];
    const bool is_read =
        op == 0x20 || op == 0x28 || op == 0xA0 || op == 0x30 || op == 0x50 || op == 0x58;
    if (!is_read) return frame_[2];  // the echo of the previous byte
    if (DropWhenBusy()) return 0xFF;
    switch (op) {
        case 0x20:
        case 0x28:
            // A chip locked against verification reads as erased.
            if (ReadsLocked()) return 0xFF;
            return flash_[WordAddress() * 2 + (op == 0x28 ? 1u : 0u)];
        case 0xA0: {
            if (ReadsLocked()) return 0xFF;
            const std::uint32_t address =
                ((static_cast<std::uint32_t>(frame_[1]) << 8) | frame_[2]) &
                (model_.eeprom_bytes - 1);
            return eeprom_[address];
        }
        case 0x30: {
            const auto& signature = faults_.signature ? *faults_.signature : model_.signature;
            const unsigned index = frame_[2] & 3u;
            return index < 3 ? signature[index] : 0xFF;
        }
        case 0x50:
            if (model_.classic_fuse_encoding) return 0xFF;
            return ReadBack(ConfigByte::Fuse, fuse_);
        case 0x58:
            if (model_.classic_fuse_encoding) {
                // Lock bits 1 and 2 in bits 7 and 6, the fuse bits below.
                const auto locks = static_cast<std::uint8_t>(((lock_ & model_.lb1) ? 0x80 : 0) |
                                                             ((lock_ & model_.lb2) ? 0x40 : 0));
                return ReadBack(ConfigByte::Lock,
                                static_cast<std::uint8_t>(locks | 0x20 | (fuse_ & 0x1F)));
            }
            if (frame_[1] == 0x08) {
                return model_.has_fuse_high ? ReadBack(ConfigByte::FuseHigh, fuse_high_) : 0xFF;
            }
            return ReadBack(ConfigByte::Lock, lock_);
        default:
            return 0xFF;
    }
}

void AvrSimChip::Execute() {
    const std::uint8_t op = frame_[0];
    const bool is_write = op == 0xAC || op == 0x40 || op == 0x48 || op == 0x4C || op == 0xC0;
    if (!is_write || (op == 0xAC && frame_[1] == 0x53)) return;
    if (DropWhenBusy()) return;
    switch (op) {
        case 0xAC: {
            const std::uint8_t b2 = frame_[1];
            const std::uint8_t value = frame_[3];
            if (model_.classic_fuse_encoding ? (b2 & 0xE0) == 0x80 : b2 == 0x80) {
                EraseFlash();
                const bool keep_eeprom =
                    model_.eesave_bit >= 0 && ((fuse_high_ >> model_.eesave_bit) & 1u) == 0;
                if (!keep_eeprom) EraseEeprom();
                lock_ = 0xFF;
                std::fill(page_buffer_.begin(), page_buffer_.end(), 0xFF);
                StartBusy(model_.erase_us);
            } else if (model_.classic_fuse_encoding) {
                if ((b2 & 0xF8) == 0xF8) {
                    lock_ &= static_cast<std::uint8_t>(b2 | ~model_.lock_writable);
                    StartBusy(model_.fuse_write_us);
                } else if ((b2 & 0xE0) == 0xA0) {
                    fuse_ = static_cast<std::uint8_t>((fuse_ & ~model_.fuse_writable) |
                                                      (b2 & model_.fuse_writable));
                    StartBusy(model_.fuse_write_us);
                }
            } else if (b2 == 0xA0) {
                fuse_ = static_cast<std::uint8_t>((fuse_ & ~model_.fuse_writable) |
                                                  (value & model_.fuse_writable));
                StartBusy(model_.fuse_write_us);
            } else if (b2 == 0xA8 && model_.has_fuse_high) {
                fuse_high_ = static_cast<std::uint8_t>((fuse_high_ & ~model_.fuse_high_writable) |
                                                       (value & model_.fuse_high_writable));
                StartBusy(model_.fuse_write_us);
            } else if (b2 == 0xE0) {
                // Lock bits are only ever programmed; a chip erase clears them.
                lock_ &= static_cast<std::uint8_t>(value | ~model_.lock_writable);
                StartBusy(model_.fuse_write_us);
            }
            return;
        }
        case 0x40:
        case 0x48: {
            const std::uint32_t half = op == 0x48 ? 1u : 0u;
            if (model_.page_words == 0) {
                if (WritesLocked()) return;
                const std::uint32_t address = WordAddress() * 2 + half;
                // Programming only clears bits; without an erase first the old ones stay.
                StoreFlash(address, static_cast<std::uint8_t>(flash_[address] & frame_[3]));
                StartBusy(model_.flash_write_us);
            } else {
                const std::uint32_t offset = WordAddress() & (model_.page_words - 1);
                page_buffer_[offset * 2 + half] = frame_[3];
            }
            return;
        }
        case 0x4C: {
            if (model_.page_words == 0) return;
            if (!WritesLocked()) {
                const std::uint32_t base = (WordAddress() & ~(model_.page_words - 1)) * 2;
                for (std::uint32_t i = 0; i < page_buffer_.size(); ++i) {
                    StoreFlash(base + i,
                               static_cast<std::uint8_t>(flash_[base + i] & page_buffer_[i]));
                }
                StartBusy(model_.flash_write_us);
            }
            std::fill(page_buffer_.begin(), page_buffer_.end(), 0xFF);
            return;
        }
        case 0xC0: {
            if (WritesLocked()) return;
            const std::uint32_t address =
                ((static_cast<std::uint32_t>(frame_[1]) << 8) | frame_[2]) &
                (model_.eeprom_bytes - 1);
            // The EEPROM erases each cell itself before writing it.
            StoreEeprom(address, frame_[3]);
            StartBusy(model_.eeprom_write_us);
            return;
        }
        default:
            return;
    }
}

}  // namespace vertanum::hardware
