#pragma once

#include "hardware/sim/simulated_chip.hpp"

namespace vertanum::hardware {

// What sets one AVR apart from the others in serial programming: sizes, signature, the write
// and erase times of its datasheet and which fuse and lock bits exist.
struct AvrModel {
    ChipType type;
    std::array<std::uint8_t, 3> signature;
    std::uint32_t flash_bytes;
    std::uint32_t eeprom_bytes;
    std::uint32_t page_words;  // 0: program memory is written byte by byte
    double erase_us;
    double flash_write_us;  // one byte, or one page
    double eeprom_write_us;
    double fuse_write_us;  // also the lock bits
    // The older AT90S encoding: fuse and lock values in the second byte, one read for both.
    bool classic_fuse_encoding;
    bool has_fuse_high;
    std::uint8_t fuse_initial;
    std::uint8_t fuse_high_initial;
    std::uint8_t fuse_writable;  // bits serial programming may change
    std::uint8_t fuse_high_writable;
    std::uint8_t lock_writable;
    std::uint8_t lb1;  // lock bit 1: programmed, no more writes of flash and EEPROM
    std::uint8_t lb2;  // with lock bit 2: no verification either
    int eesave_bit;    // bit of the high fuse that keeps the EEPROM over a chip erase; -1 none
};

const AvrModel& At90ls4433Model();
const AvrModel& Atmega8Model();
const AvrModel& Atmega161Model();
const AvrModel& Attiny26Model();

// The serial programming instruction set shared by the AVRs (four-byte instructions; RESET low
// holds the chip in programming reset). The previous byte is shifted back out, which is how
// Programming Enable's 0x53 comes back in the third byte.
class AvrSimChip : public SimulatedChip {
  public:
    AvrSimChip(const AvrModel& model, ChipFaults faults);
    const AvrModel& Model() const { return model_; }

  protected:
    std::uint8_t OnByte(std::uint8_t in) override;
    void OnProgrammingReset() override { index_ = 0; }

  private:
    std::uint8_t ReadAnswer();
    void Execute();
    bool WritesLocked() const { return (lock_ & model_.lb1) == 0; }
    bool ReadsLocked() const { return WritesLocked() && (lock_ & model_.lb2) == 0; }
    std::uint32_t WordAddress() const;

    const AvrModel& model_;
    std::array<std::uint8_t, 4> frame_{};
    int index_ = 0;
    std::vector<std::uint8_t> page_buffer_;
};

}  // namespace vertanum::hardware
