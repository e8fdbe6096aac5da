#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "hardware/clock.hpp"
#include "hardware/port_access.hpp"
#include "hardware/sim/simulated_chip.hpp"

namespace vertanum::hardware {

struct CableOptions {
    bool loop_back = true;                            // pins 2, 3 looped to 11, 12
    std::optional<std::uint64_t> pulled_after_bytes;  // the cable comes off after N SPI bytes
    std::int16_t port_count = 1;
    std::uint8_t cable_port = 1;  // the port the cable is plugged into
};

// The programming cable on a parallel port, with its loop-back lines and a socket for one
// simulated target chip (or none). Lines that nothing drives read high, as on a real port.
class SimulatedCable : public PortBackend {
  public:
    explicit SimulatedCable(std::unique_ptr<SimulatedChip> chip = nullptr,
                            CableOptions options = {});

    SimulatedChip* Chip() { return chip_.get(); }
    const CableOptions& Options() const { return options_; }
    void SetLoopBack(bool present) { options_.loop_back = present; }
    // Whole bytes clocked on SCK so far, and whether the cable has come off.
    std::uint64_t BytesClocked() const { return rising_edges_ / 8; }
    bool Pulled() const { return pulled_; }

    bool Open() override { return open_ = true; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    std::int16_t PortCount() override { return options_.port_count; }
    void SelectPort(std::uint8_t number) override;
    std::uint16_t BaseAddress() override;
    void Init() override {}
    void SetPin(std::uint8_t pin, bool level) override;
    bool GetPin(std::uint8_t pin) override;

  private:
    bool OnCable() const { return selected_ == options_.cable_port; }

    std::unique_ptr<SimulatedChip> chip_;
    CableOptions options_;
    bool open_ = false;
    std::uint8_t selected_ = 1;
    std::array<std::uint8_t, 4> data_{};  // the data register of each port (1 to 3)
    std::uint64_t rising_edges_ = 0;
    bool pulled_ = false;
};

std::unique_ptr<SimulatedChip> MakeSimulatedChip(ChipType type, ChipFaults faults = {});
// A cable with a chip of `type` in its socket (an empty socket without one).
std::unique_ptr<SimulatedCable> MakeSimulatedCable(std::optional<ChipType> type,
                                                   ChipFaults faults = {},
                                                   CableOptions options = {});

// A simulated bench for a scope: a virtual clock made current, a simulated cable bound as the
// port library, its driver open. What a programming sequence does to the chip can be looked at
// through Chip().
class SimulationSession {
  public:
    explicit SimulationSession(std::optional<ChipType> type, ChipFaults faults = {},
                               CableOptions options = {});
    ~SimulationSession();
    SimulationSession(const SimulationSession&) = delete;
    SimulationSession& operator=(const SimulationSession&) = delete;

    VirtualClock& Clock() { return clock_; }
    SimulatedCable& Cable() { return *cable_; }
    // The chip in the socket; only with a chip type.
    SimulatedChip& Chip() { return *cable_->Chip(); }

  private:
    VirtualClock clock_;
    ScopedClock scoped_clock_;
    SimulatedCable* cable_;
    std::optional<ScopedPortLibrary> binding_;
};

}  // namespace vertanum::hardware
