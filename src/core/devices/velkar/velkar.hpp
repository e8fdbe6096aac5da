#pragma once

#include "framework/devices.hpp"

namespace vertanum {

// The Velkar control panels and the БУИК valve unit (AT89S53). One 12 KB program image holds
// code and parameters alike; there is no EEPROM image.
class TVelkar : public TDevices {
  public:
    static constexpr std::size_t kFirmwareSize = 12288;
    static constexpr unsigned kParameterBlockFirst = 0x2E80;
    static constexpr unsigned kParameterBlockLast = 0x2F73;

    explicit TVelkar(const DeviceContext& context);
    std::string ClassName() const override { return "TVelkar"; }

    std::int32_t LoadFactoryImage() override;
    std::int32_t LoadConfig() override;
    std::int32_t SaveConfig() override;
    std::int32_t ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) override;

    // The model's factory resource and the name its failure message gives.
    virtual std::string ResourceName() const { return "VELKAR"; }
    virtual std::string ResourceNameInMessage() const { return ResourceName(); }
    // The image addresses its file keeps, in writing order.
    virtual const std::vector<unsigned>& KeyAddresses() const;
    // The "DEVICES" Type default when reading (the value is read, never used).
    virtual std::string TypeDefault() const { return "T" + Name; }
};

class TVelkarPT : public TVelkar {
  public:
    explicit TVelkarPT(const DeviceContext& context);
    std::string ClassName() const override { return "TVelkarPT"; }
    std::string ResourceName() const override { return "VELKARPT"; }
    const std::vector<unsigned>& KeyAddresses() const override;
};

// The mods 8A, 8Б, 8C and 9 keep the same key set.
class TVelkarMod8or9 : public TVelkar {
  public:
    const std::vector<unsigned>& KeyAddresses() const override;

  protected:
    using TVelkar::TVelkar;
};

class TVelkar8A : public TVelkarMod8or9 {
  public:
    explicit TVelkar8A(const DeviceContext& context);
    std::string ClassName() const override { return "TVelkar8A"; }
    std::string ResourceName() const override { return "VELKAR8A"; }
};

class TVelkar8B : public TVelkarMod8or9 {
  public:
    explicit TVelkar8B(const DeviceContext& context);
    std::string ClassName() const override { return "TVelkar8B"; }
    std::string ResourceName() const override { return "VELKAR8B"; }
};

class TVelkar8C : public TVelkarMod8or9 {
  public:
    explicit TVelkar8C(const DeviceContext& context);
    std::string ClassName() const override { return "TVelkar8C"; }
    std::string ResourceName() const override { return "VELKAR8C"; }
};

class TVelkar9 : public TVelkarMod8or9 {
  public:
    explicit TVelkar9(const DeviceContext& context);
    std::string ClassName() const override { return "TVelkar9"; }
    std::string ResourceName() const override { return "VELKAR9"; }
};

class TVelkarIMP : public TVelkar {
  public:
    explicit TVelkarIMP(const DeviceContext& context);
    std::string ClassName() const override { return "TVelkarIMP"; }
    std::string ResourceName() const override { return "VEL_IMP"; }
    const std::vector<unsigned>& KeyAddresses() const override;
};

class TBUKVelkar : public TVelkar {
  public:
    explicit TBUKVelkar(const DeviceContext& context);
    std::string ClassName() const override { return "TBUKVelkar"; }
    std::string ResourceName() const override { return "VELKAR12"; }
    std::string ResourceNameInMessage() const override { return "Velkar12"; }
    const std::vector<unsigned>& KeyAddresses() const override;
    std::string TypeDefault() const override { return "ZOZVelkar"; }
};

}  // namespace vertanum
