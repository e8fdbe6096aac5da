#pragma once

#include "hardware/sim/simulated_chip.hpp"

namespace vertanum::hardware {

// AT89S53: 12K bytes of flash, three-byte instructions, RESET high holds it in programming.
// A byte write erases its cell itself and takes 2.5 ms at 5 V; a chip erase 16 ms. Programming
// Enable has no answer of its own. Lock bits LB1, LB2, LB3 are bits 7, 6, 5 of the second byte:
// LB1 stops further writes, LB1 with LB2 also verification.
class At89s53SimChip : public SimulatedChip {
  public:
    explicit At89s53SimChip(ChipFaults faults);

  protected:
    std::uint8_t OnByte(std::uint8_t in) override;
    void OnProgrammingReset() override { index_ = 0; }

  private:
    std::uint32_t Address() const;
    void Execute();
    bool WritesLocked() const { return (lock_ & 0x80) == 0; }
    bool ReadsLocked() const { return WritesLocked() && (lock_ & 0x40) == 0; }

    std::array<std::uint8_t, 3> frame_{};
    int index_ = 0;
};

}  // namespace vertanum::hardware
