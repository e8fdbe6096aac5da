#pragma once

#include "framework/devices.hpp"

namespace vertanum {

// The Frastoven consoles (ATmega161). Their configuration is a constant block inside the program
// image; the EEPROM image is programmed as the factory gives it. The family base is not
// registered; it carries the shared programming sequence.
class TFrastoven : public TDevices {
  public:
    static constexpr std::size_t kFirmwareSize = 16384;
    static constexpr std::size_t kEepromSize = 512;

    std::int32_t LoadFactoryImage() override;
    std::int32_t LoadConfig() override;
    std::int32_t SaveConfig() override;
    std::int32_t ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) override;

    // The program image bytes the file keeps, in writing order.
    virtual const std::vector<unsigned>& KeyAddresses() const = 0;

  protected:
    TFrastoven(const DeviceContext& context, std::string name, std::string caption,
               std::string resource_stem);

  private:
    std::string resource_stem_;
};

class TFrastovenA : public TFrastoven {
  public:
    explicit TFrastovenA(const DeviceContext& context);
    std::string ClassName() const override { return "TFrastovenA"; }
    const std::vector<unsigned>& KeyAddresses() const override;
};

class TFrastovenN : public TFrastoven {
  public:
    explicit TFrastovenN(const DeviceContext& context);
    std::string ClassName() const override { return "TFrastovenN"; }
    const std::vector<unsigned>& KeyAddresses() const override;
};

class TFrastovenPT : public TFrastoven {
  public:
    explicit TFrastovenPT(const DeviceContext& context);
    std::string ClassName() const override { return "TFrastovenPT"; }
    const std::vector<unsigned>& KeyAddresses() const override;
};

}  // namespace vertanum
