#pragma once

#include "framework/devices.hpp"

namespace vertanum {

// The QV710 modules (ATmega8). The family base is not registered itself; it carries the shared
// programming sequence. Each member knows its resources and which keys its file keeps.
class TQV710 : public TDevices {
  public:
    static constexpr std::size_t kFirmwareSize = 8192;
    static constexpr std::size_t kEepromSize = 512;
    // The program words whose low bytes hold QV710P001's three times.
    static constexpr unsigned kTimeReadyLoop1Word = 0x43;
    static constexpr unsigned kTimeReadyLoop2Word = 0x44;
    static constexpr unsigned kTimeResetWord = 0x45;

    std::int32_t LoadFactoryImage() override;
    std::int32_t LoadConfig() override;
    std::int32_t SaveConfig() override;
    std::int32_t ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number) override;

  protected:
    // `eeprom_resource` empty: the member has none and programs an all-zero EEPROM.
    // `has_parameters`: the file keeps the three time words; otherwise only the
    // "Нет изменяемых параметров" key.
    TQV710(const DeviceContext& context, std::string name, std::string eeprom_resource,
           std::string program_resource, bool has_parameters);

  private:
    std::string eeprom_resource_;
    std::string program_resource_;
    bool has_parameters_;
};

#define VERTANUM_QV710_MEMBER(Class, ModelName, Eeprom, Program, HasParameters) \
    class Class : public TQV710 {                                               \
      public:                                                                   \
        explicit Class(const DeviceContext& context)                            \
            : TQV710(context, ModelName, Eeprom, Program, HasParameters) {}     \
        std::string ClassName() const override { return #Class; }               \
    };

VERTANUM_QV710_MEMBER(TQV710P001, "QV710P001", "QV710P001EEP", "QV710P001ROM", true)
VERTANUM_QV710_MEMBER(TQV710P002, "QV710P002", "QV710P002EEP", "QV710P002ROM", true)
VERTANUM_QV710_MEMBER(TQV710P003, "QV710P003", "", "QV710P003ROM", false)
VERTANUM_QV710_MEMBER(TQV710U001, "QV710U001", "", "QV710U001", false)
VERTANUM_QV710_MEMBER(TQV710U002, "QV710U002", "", "QV710U002", false)
VERTANUM_QV710_MEMBER(TQV710U003, "QV710U003", "", "QV710U003", false)
VERTANUM_QV710_MEMBER(TQV710U004, "QV710U004", "", "QV710U004", false)

#undef VERTANUM_QV710_MEMBER

// The key that a file of a model without parameters keeps in "MEMORY", with the value 0.
inline constexpr const char* kNoParametersKey = "Нет изменяемых параметров";

}  // namespace vertanum
