#include "devices/qv710/qv710.hpp"

#include "framework/memory_keys.hpp"

namespace vertanum {
namespace {

const std::vector<unsigned> kParameterWords = {TQV710::kTimeReadyLoop1Word,
                                               TQV710::kTimeReadyLoop2Word, TQV710::kTimeResetWord};

}  // namespace

TQV710::TQV710(const DeviceContext& context, std::string name, std::string eeprom_resource,
               std::string program_resource, bool has_parameters)
    : TDevices(context),
      eeprom_resource_(std::move(eeprom_resource)),
      program_resource_(std::move(program_resource)),
      has_parameters_(has_parameters) {
    Name = name;
    Caption = std::move(name);
    FirmwareImage.assign(kFirmwareSize, 0);
    EepromImage.assign(kEepromSize, 0);
}

std::int32_t TQV710::LoadFactoryImage() {
    return LoadEepromAndProgram(eeprom_resource_, program_resource_);
}

std::int32_t TQV710::LoadConfig() {
    auto file = OpenConfigForLoad();
    if (!file) return kConfigUnreadable;
    ReadNameBack(*file);
    if (has_parameters_) ReadMemoryKeys(*file, KeyForm::Word, kParameterWords, FirmwareImage, 255);
    return 0;
}

std::int32_t TQV710::SaveConfig() {
    return SaveWith([this](config::ConfigurationFile& file) {
        if (has_parameters_) {
            WriteMemoryKeys(file, KeyForm::Word, kParameterWords, FirmwareImage);
        } else {
            file.WriteInteger(config::kMemorySection, kNoParametersKey, 0);
        }
    });
}

}  // namespace vertanum
