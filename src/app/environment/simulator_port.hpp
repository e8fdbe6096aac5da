#pragma once

#include <optional>

#include "framework/devices.hpp"
#include "hardware/sim/simulated_chip.hpp"

namespace vertanum::app {

// The microcontroller a model is programmed into.
std::optional<hardware::ChipType> ChipOfModel(const TDevices& model);

// Training and demonstration (vertanum --simulator): the simulated cable on one parallel port,
// with the chip of `model` in its socket (an empty socket for none), bound as the port layer and
// its driver opened. It runs on the real clock, so a run takes as long as on a device.
void BindSimulatedCable(const TDevices* model);

}  // namespace vertanum::app
