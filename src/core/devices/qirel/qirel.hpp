#pragma once

#include "framework/devices.hpp"

namespace vertanum {

// The Qirel address loader (ATtiny26): nothing to configure, only its firmware to write.
class TQirel : public TDevices {
  public:
    static constexpr std::size_t kFirmwareSize = 2048;
    static constexpr std::size_t kEepromSize = 128;

    explicit TQirel(const DeviceContext& context);
    std::string ClassName() const override { return "TQirel"; }

    std::int32_t LoadFactoryImage() override;
    std::int32_t LoadConfig() override;
    std::int32_t SaveConfig() override;
    std::int32_t ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) override;
};

}  // namespace vertanum
