#pragma once

#include <array>

#include "framework/devices.hpp"

namespace vertanum {

// The Dorimen panels (ATmega8). Their parameters are the low bytes of program words 0x18 to
// 0x4D; the EEPROM image is programmed as the factory gives it.
class TDorimen : public TDevices {
  public:
    static constexpr std::size_t kFirmwareSize = 8192;
    static constexpr std::size_t kEepromSize = 512;
    static constexpr unsigned kOptionWord = 0x4C;  // single option bits, see OptionMask()

    explicit TDorimen(const DeviceContext& context);
    std::string ClassName() const override { return "TDorimen"; }

    std::int32_t LoadFactoryImage() override;
    std::int32_t LoadConfig() override;
    std::int32_t SaveConfig() override;
    std::int32_t ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) override;

    // "Apollo S65" detectors on the loops (used by the TDorimen map only).
    std::uint8_t DetectorsApollo = 0;
    // The factory values of the bytes at 0x32, 0x34, 0x36, 0x38, taken before a file is loaded.
    std::array<std::uint8_t, 4> ApolloBackup{};

    // The program words the file keeps, in writing order (without the option word).
    virtual const std::vector<unsigned>& KeyWords() const;
    // The bits of the option word's byte that the file carries; 0 when it carries none.
    virtual std::uint8_t OptionMask() const { return 0x01; }

  protected:
    virtual std::string ResourceStem() const { return "DORIMEN"; }
    void ReadOptionBits(const config::ConfigurationFile& file);
};

class TDorimen34 : public TDorimen {
  public:
    explicit TDorimen34(const DeviceContext& context);
    std::string ClassName() const override { return "TDorimen34"; }
    std::int32_t LoadConfig() override;
    std::int32_t SaveConfig() override;
    const std::vector<unsigned>& KeyWords() const override;
    std::uint8_t OptionMask() const override { return 0x05; }

  protected:
    std::string ResourceStem() const override { return "DORIMEN34"; }
};

class TDorimenTech : public TDorimen {
  public:
    explicit TDorimenTech(const DeviceContext& context);
    std::string ClassName() const override { return "TDorimenTech"; }
    std::int32_t LoadConfig() override;
    std::int32_t SaveConfig() override;
    const std::vector<unsigned>& KeyWords() const override;
    std::uint8_t OptionMask() const override { return 0; }

  protected:
    std::string ResourceStem() const override { return "DORIMENTECH"; }
};

}  // namespace vertanum
