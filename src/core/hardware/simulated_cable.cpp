#include "hardware/simulated_cable.hpp"

#include "hardware/sim/at89s53_chip.hpp"
#include "hardware/sim/avr_chip.hpp"

namespace vertanum::hardware {

SimulatedCable::SimulatedCable(std::unique_ptr<SimulatedChip> chip, CableOptions options)
    : chip_(std::move(chip)), options_(options) {}

void SimulatedCable::SelectPort(std::uint8_t number) {
    if (number >= 1 && number <= options_.port_count && number < data_.size()) selected_ = number;
}

std::uint16_t SimulatedCable::BaseAddress() {
    static constexpr std::uint16_t kBases[] = {0, 0x378, 0x278, 0x3BC};
    return selected_ < 4 ? kBases[selected_] : 0;
}

void SimulatedCable::SetPin(std::uint8_t pin, bool level) {
    if (pin < 2 || pin > 9 || selected_ >= data_.size()) return;
    std::uint8_t& data = data_[selected_];
    const auto mask = static_cast<std::uint8_t>(1u << (pin - 2));
    const bool was = (data & mask) != 0;
    data = static_cast<std::uint8_t>(level ? (data | mask) : (data & ~mask));
    if (!OnCable() || pulled_ || (pin != kPinSck && pin != kPinMosi && pin != kPinReset)) return;
    if (pin == kPinSck && level && !was) {
        ++rising_edges_;
        if (options_.pulled_after_bytes && rising_edges_ > *options_.pulled_after_bytes * 8) {
            pulled_ = true;
            return;
        }
    }
    if (chip_ != nullptr)
        chip_->SetLines((data & 0x80) != 0, (data & 0x10) != 0, (data & 0x20) != 0);
}

bool SimulatedCable::GetPin(std::uint8_t pin) {
    if (selected_ >= data_.size()) return true;
    const std::uint8_t data = data_[selected_];
    if (pin >= 2 && pin <= 9) return ((data >> (pin - 2)) & 1u) != 0;
    const bool connected = OnCable() && !pulled_;
    switch (pin) {
        case kPinMiso:
            return !connected || chip_ == nullptr || chip_->Miso();
        case kPinLoopSense1:
            return !(connected && options_.loop_back) || (data & 0x01) != 0;
        case kPinLoopSense2:
            return !(connected && options_.loop_back) || (data & 0x02) != 0;
        default:
            return true;
    }
}

std::unique_ptr<SimulatedChip> MakeSimulatedChip(ChipType type, ChipFaults faults) {
    switch (type) {
        case ChipType::AT89S53:
            return std::make_unique<At89s53SimChip>(std::move(faults));
        case ChipType::AT90LS4433:
            return std::make_unique<AvrSimChip>(At90ls4433Model(), std::move(faults));
        case ChipType::ATmega8:
            return std::make_unique<AvrSimChip>(Atmega8Model(), std::move(faults));
        case ChipType::ATmega161:
            return std::make_unique<AvrSimChip>(Atmega161Model(), std::move(faults));
        case ChipType::ATtiny26:
            return std::make_unique<AvrSimChip>(Attiny26Model(), std::move(faults));
    }
    return nullptr;
}

std::unique_ptr<SimulatedCable> MakeSimulatedCable(std::optional<ChipType> type, ChipFaults faults,
                                                   CableOptions options) {
    return std::make_unique<SimulatedCable>(
        type ? MakeSimulatedChip(*type, std::move(faults)) : nullptr, options);
}

SimulationSession::SimulationSession(std::optional<ChipType> type, ChipFaults faults,
                                     CableOptions options)
    : scoped_clock_(clock_) {
    // The chip is made with the virtual clock current, so its reset time is on that clock.
    auto cable = MakeSimulatedCable(type, std::move(faults), options);
    cable_ = cable.get();
    binding_.emplace(std::move(cable));
    OpenTVicPort();
}

SimulationSession::~SimulationSession() {
    binding_.reset();
}

}  // namespace vertanum::hardware
