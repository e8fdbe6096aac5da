#pragma once

#include "framework/devices.hpp"

namespace vertanum {

// The KRV module (AT90LS4433): partition access codes, users and its console address, all in
// the EEPROM image.
class TKRV : public TDevices {
  public:
    static constexpr std::size_t kFirmwareSize = 4096;
    static constexpr std::size_t kEepromSize = 256;

    explicit TKRV(const DeviceContext& context);
    std::string ClassName() const override { return "TKRV"; }

    std::int32_t LoadFactoryImage() override;
    std::int32_t LoadConfig() override;
    std::int32_t SaveConfig() override;
    std::int32_t ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) override;

    // The EEPROM addresses stored in the file, in writing order.
    static const std::vector<unsigned>& KeyAddresses();
};

}  // namespace vertanum
