#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vertanum::hardware {

enum class ChipType { AT89S53, AT90LS4433, ATmega8, ATmega161, ATtiny26 };
std::string ChipName(ChipType type);

enum class ChipMemory { Flash, Eeprom };
enum class ConfigByte { Fuse, FuseHigh, Lock };

// A memory cell bit that keeps one level whatever is written (flash address in bytes, the low
// byte of a program word first).
struct StuckBit {
    ChipMemory memory = ChipMemory::Flash;
    std::uint32_t address = 0;
    int bit = 0;
    bool level = false;
};

// A fuse or lock byte that reads back with these bits inverted.
struct WrongReadBack {
    ConfigByte which = ConfigByte::Fuse;
    std::uint8_t xor_mask = 0x01;
};

struct ChipFaults {
    bool no_echo = false;  // never answers Programming Enable (and so never enters programming)
    std::optional<std::array<std::uint8_t, 3>> signature;  // another chip's signature bytes
    std::vector<StuckBit> stuck_bits;
    std::vector<WrongReadBack> wrong_read_backs;
};

// A target microcontroller on the cable, driven only through its RESET, SCK and MOSI levels and
// answering on MISO: MOSI is sampled on the rising SCK edge, MISO shifts on the falling edge and
// so holds its bit while SCK is high. Memories start erased (0xFF).
class SimulatedChip {
  public:
    virtual ~SimulatedChip() = default;

    // The cable calls this whenever one of the three lines changes.
    void SetLines(bool reset, bool sck, bool mosi) {
        if (reset != reset_) {
            reset_ = reset;
            ResetChanged();
        }
        if (sck == sck_) return;
        sck_ = sck;
        if (!selected_) return;
        if (sck) {
            in_ = static_cast<std::uint8_t>((in_ << 1) | (mosi ? 1u : 0u));
            if (++bits_ == 8) {
                bits_ = 0;
                next_out_ = OnByte(in_);
                byte_done_ = true;
            }
        } else if (byte_done_) {
            out_ = next_out_;
            byte_done_ = false;
        } else {
            out_ = static_cast<std::uint8_t>(out_ << 1);
        }
    }
    bool Miso() const { return !selected_ || (out_ & 0x80u) != 0; }

    ChipType Type() const { return type_; }
    // Program memory bytes (low byte of each word first) and data EEPROM as the chip holds them.
    const std::vector<std::uint8_t>& Flash() const { return flash_; }
    const std::vector<std::uint8_t>& Eeprom() const { return eeprom_; }
    // The fuse and lock bytes as stored, unused bits 1 (0 is programmed).
    std::uint8_t FuseBits() const { return fuse_; }
    std::uint8_t FuseHighBits() const { return fuse_high_; }
    std::uint8_t LockBits() const { return lock_; }
    bool ProgrammingEnabled() const { return enabled_; }
    // Instructions lost because they came while a write or an erase was still running.
    std::uint64_t IgnoredWhileBusy() const { return ignored_while_busy_; }

    // Puts content into the chip as if programmed before (stuck bits still apply).
    void LoadFlash(const std::vector<std::uint8_t>& bytes);
    void LoadEeprom(const std::vector<std::uint8_t>& bytes);

  protected:
    SimulatedChip(ChipType type, bool programming_reset_level, std::size_t flash_bytes,
                  std::size_t eeprom_bytes, ChipFaults faults);

    // One byte has come in; returns the byte to shift out during the next one.
    virtual std::uint8_t OnByte(std::uint8_t in) = 0;
    // The chip has just been put into (or taken out of) its programming reset state.
    virtual void OnProgrammingReset() {}

    std::uint64_t Now() const;
    bool Busy() const;
    void StartBusy(double microseconds);
    // True (and counted) when an instruction must be dropped because the chip is busy.
    bool DropWhenBusy();
    double MicrosecondsSinceReset() const;

    void StoreFlash(std::uint32_t address, std::uint8_t value);
    void StoreEeprom(std::uint32_t address, std::uint8_t value);
    void EraseFlash();
    void EraseEeprom();
    std::uint8_t ReadBack(ConfigByte which, std::uint8_t value) const;

    const ChipFaults faults_;
    bool enabled_ = false;
    std::uint8_t fuse_ = 0xFF;
    std::uint8_t fuse_high_ = 0xFF;
    std::uint8_t lock_ = 0xFF;
    std::vector<std::uint8_t> flash_;
    std::vector<std::uint8_t> eeprom_;

  private:
    void ResetChanged();
    std::uint8_t Stuck(ChipMemory memory, std::uint32_t address, std::uint8_t value) const;

    ChipType type_;
    bool programming_level_;
    bool reset_ = false;
    bool sck_ = false;
    bool selected_ = false;
    bool byte_done_ = false;
    int bits_ = 0;
    std::uint8_t in_ = 0;
    std::uint8_t out_ = 0xFF;
    std::uint8_t next_out_ = 0xFF;
    std::uint64_t busy_until_ = 0;
    std::uint64_t reset_since_ = 0;
    std::uint64_t ignored_while_busy_ = 0;
};

}  // namespace vertanum::hardware
