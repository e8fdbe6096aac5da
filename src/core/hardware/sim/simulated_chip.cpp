#include "hardware/sim/simulated_chip.hpp"

#include <algorithm>
#include <cmath>

#include "hardware/clock.hpp"

namespace vertanum::hardware {

std::string ChipName(ChipType type) {
    switch (type) {
        case ChipType::AT89S53:
            return "AT89S53";
        case ChipType::AT90LS4433:
            return "AT90LS4433";
        case ChipType::ATmega8:
            return "ATmega8";
        case ChipType::ATmega161:
            return "ATmega161";
        case ChipType::ATtiny26:
            return "ATtiny26";
    }
    return "?";
}

SimulatedChip::SimulatedChip(ChipType type, bool programming_reset_level, std::size_t flash_bytes,
                             std::size_t eeprom_bytes, ChipFaults faults)
    : faults_(std::move(faults)),
      flash_(flash_bytes, 0xFF),
      eeprom_(eeprom_bytes, 0xFF),
      type_(type),
      programming_level_(programming_reset_level) {
    // The cable starts with every line low.
    selected_ = !programming_level_;
    reset_since_ = Now();
    EraseFlash();
    EraseEeprom();
}

void SimulatedChip::ResetChanged() {
    selected_ = reset_ == programming_level_;
    bits_ = 0;
    byte_done_ = false;
    out_ = 0xFF;
    enabled_ = false;
    reset_since_ = Now();
    OnProgrammingReset();
}

std::uint64_t SimulatedChip::Now() const {
    return CurrentClock().Ticks();
}

bool SimulatedChip::Busy() const {
    return Now() < busy_until_;
}

void SimulatedChip::StartBusy(double microseconds) {
    busy_until_ = Now() + static_cast<std::uint64_t>(
                              std::llround(microseconds * CurrentClock().TicksPerMicrosecond()));
}

bool SimulatedChip::DropWhenBusy() {
    if (!Busy()) return false;
    ++ignored_while_busy_;
    return true;
}

double SimulatedChip::MicrosecondsSinceReset() const {
    return static_cast<double>(Now() - reset_since_) / CurrentClock().TicksPerMicrosecond();
}

std::uint8_t SimulatedChip::Stuck(ChipMemory memory, std::uint32_t address,
                                  std::uint8_t value) const {
    for (const auto& s : faults_.stuck_bits) {
        if (s.memory != memory || s.address != address) continue;
        const auto mask = static_cast<std::uint8_t>(1u << (s.bit & 7));
        value = static_cast<std::uint8_t>(s.level ? (value | mask) : (value & ~mask));
    }
    return value;
}

void SimulatedChip::StoreFlash(std::uint32_t address, std::uint8_t value) {
    if (address < flash_.size()) flash_[address] = Stuck(ChipMemory::Flash, address, value);
}

void SimulatedChip::StoreEeprom(std::uint32_t address, std::uint8_t value) {
    if (address < eeprom_.size()) eeprom_[address] = Stuck(ChipMemory::Eeprom, address, value);
}

void SimulatedChip::EraseFlash() {
    std::fill(flash_.begin(), flash_.end(), 0xFF);
    for (const auto& s : faults_.stuck_bits) {
        if (s.memory == ChipMemory::Flash) StoreFlash(s.address, 0xFF);
    }
}

void SimulatedChip::EraseEeprom() {
    std::fill(eeprom_.begin(), eeprom_.end(), 0xFF);
    for (const auto& s : faults_.stuck_bits) {
        if (s.memory == ChipMemory::Eeprom) StoreEeprom(s.address, 0xFF);
    }
}

std::uint8_t SimulatedChip::ReadBack(ConfigByte which, std::uint8_t value) const {
    for (const auto& w : faults_.wrong_read_backs) {
        if (w.which == which) value = static_cast<std::uint8_t>(value ^ w.xor_mask);
    }
    return value;
}

void SimulatedChip::LoadFlash(const std::vector<std::uint8_t>& bytes) {
    for (std::size_t i = 0; i < bytes.size() && i < flash_.size(); ++i) {
        StoreFlash(static_cast<std::uint32_t>(i), bytes[i]);
    }
}

void SimulatedChip::LoadEeprom(const std::vector<std::uint8_t>& bytes) {
    for (std::size_t i = 0; i < bytes.size() && i < eeprom_.size(); ++i) {
        StoreEeprom(static_cast<std::uint32_t>(i), bytes[i]);
    }
}

}  // namespace vertanum::hardware
