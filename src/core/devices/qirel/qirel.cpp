#include "devices/qirel/qirel.hpp"

namespace vertanum {

TQirel::TQirel(const DeviceContext& context) : TDevices(context) {
    Name = "QIREL";
    Caption = "Кирел";
    FirmwareImage.assign(kFirmwareSize, 0);
    EepromImage.assign(kEepromSize, 0);
}

std::int32_t TQirel::LoadFactoryImage() {
    return LoadEepromAndProgram("QIRELEEP", "QIRELROM");
}

std::int32_t TQirel::LoadConfig() {
    auto file = OpenConfigForLoad();
    if (!file) return kConfigUnreadable;
    ReadNameBack(*file);
    return 0;
}

std::int32_t TQirel::SaveConfig() {
    return SaveWith([](config::ConfigurationFile&) {});
}

}  // namespace vertanum
