#include "environment/simulator_port.hpp"

#include "devices/dorimen/dorimen.hpp"
#include "devices/frastoven/frastoven.hpp"
#include "devices/krv/krv.hpp"
#include "devices/qirel/qirel.hpp"
#include "devices/qv710/qv710.hpp"
#include "devices/velkar/velkar.hpp"
#include "hardware/port_access.hpp"
#include "hardware/simulated_cable.hpp"

namespace vertanum::app {

using hardware::ChipType;

std::optional<ChipType> ChipOfModel(const TDevices& model) {
    if (dynamic_cast<const TKRV*>(&model)) return ChipType::AT90LS4433;
    if (dynamic_cast<const TQV710*>(&model)) return ChipType::ATmega8;
    if (dynamic_cast<const TQirel*>(&model)) return ChipType::ATtiny26;
    if (dynamic_cast<const TVelkar*>(&model)) return ChipType::AT89S53;
    if (dynamic_cast<const TDorimen*>(&model)) return ChipType::ATmega8;
    if (dynamic_cast<const TFrastoven*>(&model)) return ChipType::ATmega161;
    return std::nullopt;
}

void BindSimulatedCable(const TDevices* model) {
    const std::optional<ChipType> chip = model ? ChipOfModel(*model) : std::nullopt;
    hardware::UnloadPortLibrary();
    RecordingMessages quiet;
    hardware::LoadPortLibrary(quiet, [chip]() -> std::unique_ptr<hardware::PortBackend> {
        return hardware::MakeSimulatedCable(chip);
    });
    hardware::OpenTVicPort();
}

}  // namespace vertanum::app
