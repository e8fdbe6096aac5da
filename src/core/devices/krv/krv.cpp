#include "devices/krv/krv.hpp"

#include "framework/memory_keys.hpp"

namespace vertanum {

TKRV::TKRV(const DeviceContext& context) : TDevices(context) {
    Name = "KRV";
    Caption = "КРВ";
    FirmwareImage.assign(kFirmwareSize, 0);
    EepromImage.assign(kEepromSize, 0);
}

const std::vector<unsigned>& TKRV::KeyAddresses() {
    // Master code first, then the 32 access codes and the 45 user sets, then the address bytes.
    static const std::vector<unsigned> keys = [] {
        std::vector<unsigned> k = {0xFE, 0xFF};
        AppendRange(k, 0x00, 0xF3);
        k.push_back(0xF7);
        k.push_back(0xF6);
        return k;
    }();
    return keys;
}

std::int32_t TKRV::LoadFactoryImage() {
    return LoadEepromAndProgram("KRVEEP", "KRVROM");
}

std::int32_t TKRV::LoadConfig() {
    auto file = OpenConfigForLoad();
    if (!file) return kConfigUnreadable;
    ReadNameBack(*file);
    ReadMemoryKeys(*file, KeyForm::Byte, KeyAddresses(), EepromImage, 255);
    return 0;
}

std::int32_t TKRV::SaveConfig() {
    return SaveWith([this](config::ConfigurationFile& file) {
        WriteMemoryKeys(file, KeyForm::Byte, KeyAddresses(), EepromImage);
    });
}

}  // namespace vertanum
