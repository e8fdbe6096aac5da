#include "devices/frastoven/frastoven.hpp"

#include "framework/memory_keys.hpp"

namespace vertanum {
namespace {

// FrastovenA's block, which FrastovenPT files carry too (with the firmware bytes in between).
const std::vector<unsigned>& ConsoleBlockKeys() {
    static const auto keys = [] {
        auto k = AddressRange(0x0054, 0x088D);
        AppendRange(k, 0x0942, 0x0989);
        return k;
    }();
    return keys;
}

}  // namespace

TFrastoven::TFrastoven(const DeviceContext& context, std::string name, std::string caption,
                       std::string resource_stem)
    : TDevices(context), resource_stem_(std::move(resource_stem)) {
    Name = std::move(name);
    Caption = std::move(caption);
    FirmwareImage.assign(kFirmwareSize, 0);
    EepromImage.assign(kEepromSize, 0);
}

std::int32_t TFrastoven::LoadFactoryImage() {
    return LoadEepromAndProgram(resource_stem_ + "EEP", resource_stem_ + "ROM");
}

std::int32_t TFrastoven::LoadConfig() {
    auto file = OpenConfigForLoad();
    if (!file) return kConfigUnreadable;
    ReadNameBack(*file);
    ReadMemoryKeys(*file, KeyForm::Byte, KeyAddresses(), FirmwareImage, 255);
    return 0;
}

std::int32_t TFrastoven::SaveConfig() {
    return SaveWith([this](config::ConfigurationFile& file) {
        WriteMemoryKeys(file, KeyForm::Byte, KeyAddresses(), FirmwareImage);
    });
}

TFrastovenA::TFrastovenA(const DeviceContext& context)
    : TFrastoven(context, "FrastovenA", "Фрастовен-А", "FRASTOVENA") {}
const std::vector<unsigned>& TFrastovenA::KeyAddresses() const {
    return ConsoleBlockKeys();
}

TFrastovenN::TFrastovenN(const DeviceContext& context)
    : TFrastoven(context, "FrastovenN", "Фрастовен-Н", "FRASTOVENN") {}
const std::vector<unsigned>& TFrastovenN::KeyAddresses() const {
    static const auto keys = AddressRange(0x3F8A, 0x3FA5);
    return keys;
}

TFrastovenPT::TFrastovenPT(const DeviceContext& context)
    : TFrastoven(context, "FrastovenPT", "Фрастовен-ПТ", "FRASTOVENPT") {}
const std::vector<unsigned>& TFrastovenPT::KeyAddresses() const {
    return ConsoleBlockKeys();
}

}  // namespace vertanum
