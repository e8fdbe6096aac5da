#include "devices/velkar/velkar.hpp"

#include "framework/memory_keys.hpp"

namespace vertanum {

TVelkar::TVelkar(const DeviceContext& context) : TDevices(context) {
    Name = "Velkar";
    Caption = "Велкар";
    FirmwareImage.assign(kFirmwareSize, 0);
}

const std::vector<unsigned>& TVelkar::KeyAddresses() const {
    static const auto keys = AddressRange(kParameterBlockFirst, kParameterBlockLast);
    return keys;
}

std::int32_t TVelkar::LoadFactoryImage() {
    if (!LoadResource(ResourceName(), FirmwareImage,
                      "Невозможно загрузить заводскую прошивку, " + ResourceNameInMessage(),
                      &FirmwareOrigin)) {
        return kFactoryImageMissing;
    }
    return 0;
}

std::int32_t TVelkar::LoadConfig() {
    auto file = OpenConfigForLoad();
    if (!file) return kConfigUnreadable;
    // The family reads both names but keeps its own.
    (void)file->ReadString(config::kDevicesSection, "Name", Name);
    (void)file->ReadString(config::kDevicesSection, "Type", TypeDefault());
    ReadMemoryKeys(*file, KeyForm::Byte, KeyAddresses(), FirmwareImage, 0);
    return 0;
}

std::int32_t TVelkar::SaveConfig() {
    return SaveWith([this](config::ConfigurationFile& file) {
        WriteMemoryKeys(file, KeyForm::Byte, KeyAddresses(), FirmwareImage);
    });
}

TVelkarPT::TVelkarPT(const DeviceContext& context) : TVelkar(context) {
    Name = "VelkarPT";
    Caption = "Велкар с МЗАСП мод.7 (для систем пожаротушения)";
}

const std::vector<unsigned>& TVelkarPT::KeyAddresses() const {
    static const std::vector<unsigned> keys = {0x2F20, 0x2F27, 0x2F28, 0x2F29, 0x2F2A, 0x2F2B,
                                               0x2F34, 0x2F3A, 0x2F3B, 0x2F3C, 0x2F3D, 0x2F52,
                                               0x2F53, 0x2F56, 0x2F57, 0x2F6E};
    return keys;
}

const std::vector<unsigned>& TVelkarMod8or9::KeyAddresses() const {
    static const auto keys = [] {
        auto k = AddressRange(0x2F01, 0x2F1F);
        k.push_back(0x2F20);
        k.push_back(0x2F31);
        AppendRange(k, 0x2F52, 0x2F5D);
        return k;
    }();
    return keys;
}

TVelkar8A::TVelkar8A(const DeviceContext& context) : TVelkarMod8or9(context) {
    Name = "Velkar8A";
    Caption = "Велкар мод.8A для систем дымоудаления \"Доримен на один этаж\")";
}

TVelkar8B::TVelkar8B(const DeviceContext& context) : TVelkarMod8or9(context) {
    Name = "Velkar8B";
    Caption = "Велкар мод.8Б для систем дымоудаления \"Доримен на два этажа\"";
}

TVelkar8C::TVelkar8C(const DeviceContext& context) : TVelkarMod8or9(context) {
    Name = "Velkar8C";
    Caption = "Велкар мод.8C";
}

TVelkar9::TVelkar9(const DeviceContext& context) : TVelkarMod8or9(context) {
    Name = "Velkar9";
    Caption = "Велкар мод.9";
}

TVelkarIMP::TVelkarIMP(const DeviceContext& context) : TVelkar(context) {
    Name = "VelkarIMP";
    Caption = "Велкар для системы \"Пейлон\"";
}

const std::vector<unsigned>& TVelkarIMP::KeyAddresses() const {
    static const auto keys = AddressRange(0x2E80, 0x2F6D);
    return keys;
}

TBUKVelkar::TBUKVelkar(const DeviceContext& context) : TVelkar(context) {
    Name = "ZOZVelkar";
    Caption = "БУИК \"Велкар\" комплек 12 (Блок управления и контроля клапанов)";
}

const std::vector<unsigned>& TBUKVelkar::KeyAddresses() const {
    static const auto keys = [] {
        std::vector<unsigned> k = {0x2F20, 0x2F31};
        AppendRange(k, 0x2F52, 0x2F5D);
        AppendRange(k, 0x2E80, 0x2E83);
        return k;
    }();
    return keys;
}

}  // namespace vertanum
