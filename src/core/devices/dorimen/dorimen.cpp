#include "devices/dorimen/dorimen.hpp"

#include "framework/memory_keys.hpp"

namespace vertanum {
namespace {

// Words 0x19 to 0x1C: the Apollo bytes, read back from a file but never written.
const std::vector<unsigned> kApolloWords = {0x19, 0x1A, 0x1B, 0x1C};

}  // namespace

TDorimen::TDorimen(const DeviceContext& context) : TDevices(context) {
    Name = "DORIMEN";
    Caption = "Доримен";
    FirmwareImage.assign(kFirmwareSize, 0);
    EepromImage.assign(kEepromSize, 0);
}

const std::vector<unsigned>& TDorimen::KeyWords() const {
    static const std::vector<unsigned> keys = {
        0x18, 0x1D, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x2F, 0x30, 0x24, 0x25, 0x31, 0x32, 0x26,
        0x27, 0x33, 0x34, 0x28, 0x29, 0x2A, 0x2C, 0x2D, 0x2E, 0x37, 0x39, 0x35, 0x38, 0x3A, 0x36,
        0x2B, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x4A, 0x4B, 0x4D};
    return keys;
}

std::int32_t TDorimen::LoadFactoryImage() {
    return LoadEepromAndProgram(ResourceStem() + "EEP", ResourceStem() + "ROM");
}

void TDorimen::ReadOptionBits(const config::ConfigurationFile& file) {
    const std::size_t offset = 2 * kOptionWord;
    const std::uint8_t present = FirmwareImage[offset];
    const std::uint8_t read =
        file.ReadByte(config::kMemorySection, config::WordKey(kOptionWord), present);
    const std::uint8_t mask = OptionMask();
    FirmwareImage[offset] = static_cast<std::uint8_t>((present & ~mask) | (read & mask));
}

std::int32_t TDorimen::LoadConfig() {
    auto file = OpenConfigForLoad();
    if (!file) return kConfigUnreadable;
    ReadNameBack(*file);
    DetectorsApollo = static_cast<std::uint8_t>(
        file->ReadInteger(config::kDevicesSection, "DetectorsApollo", 0) & 0xFF);
    ReadMemoryKeys(*file, KeyForm::Word, KeyWords(), FirmwareImage, std::nullopt);
    ReadOptionBits(*file);
    ReadMemoryKeys(*file, KeyForm::Word, kApolloWords, FirmwareImage, std::nullopt);
    return 0;
}

std::int32_t TDorimen::SaveConfig() {
    return SaveWith([this](config::ConfigurationFile& file) {
        file.WriteInteger(config::kDevicesSection, "DetectorsApollo", DetectorsApollo ? 1 : 0);
        WriteMemoryKeys(file, KeyForm::Word, KeyWords(), FirmwareImage);
        file.WriteInteger(config::kMemorySection, config::WordKey(kOptionWord),
                          FirmwareImage[2 * kOptionWord] & OptionMask());
    });
}

TDorimen34::TDorimen34(const DeviceContext& context) : TDorimen(context) {
    Name = "DORIMEN34";
    Caption = "Доримен мод.3 и 4 (для систем дымоудаления)";
}

const std::vector<unsigned>& TDorimen34::KeyWords() const {
    static const std::vector<unsigned> keys = {0x18, 0x21, 0x22, 0x23, 0x2F, 0x30, 0x24, 0x25,
                                               0x31, 0x32, 0x26, 0x27, 0x33, 0x34, 0x28, 0x2C,
                                               0x37, 0x38, 0x2B, 0x41, 0x43, 0x44, 0x45};
    return keys;
}

std::int32_t TDorimen34::LoadConfig() {
    auto file = OpenConfigForLoad();
    if (!file) return kConfigUnreadable;
    ReadNameBack(*file);
    ReadMemoryKeys(*file, KeyForm::Word, KeyWords(), FirmwareImage, std::nullopt);
    ReadOptionBits(*file);
    return 0;
}

std::int32_t TDorimen34::SaveConfig() {
    return SaveWith([this](config::ConfigurationFile& file) {
        WriteMemoryKeys(file, KeyForm::Word, KeyWords(), FirmwareImage);
        file.WriteInteger(config::kMemorySection, config::WordKey(kOptionWord),
                          FirmwareImage[2 * kOptionWord] & OptionMask());
    });
}

TDorimenTech::TDorimenTech(const DeviceContext& context) : TDorimen(context) {
    Name = "DORIMENTECH";
    Caption = "Доримен мод.5 (для управления технологическим оборудованием)";
}

const std::vector<unsigned>& TDorimenTech::KeyWords() const {
    static const std::vector<unsigned> keys = {0x18, 0x21, 0x22, 0x23, 0x30, 0x24, 0x25,
                                               0x32, 0x26, 0x27, 0x34, 0x28, 0x2C, 0x2D,
                                               0x38, 0x3A, 0x2B, 0x41, 0x43, 0x45};
    return keys;
}

std::int32_t TDorimenTech::LoadConfig() {
    auto file = OpenConfigForLoad();
    if (!file) return kConfigUnreadable;
    ReadNameBack(*file);
    // Unlike its siblings, a key missing from its file sets the byte to 0xFF.
    ReadMemoryKeys(*file, KeyForm::Word, KeyWords(), FirmwareImage, 255);
    return 0;
}

std::int32_t TDorimenTech::SaveConfig() {
    return SaveWith([this](config::ConfigurationFile& file) {
        WriteMemoryKeys(file, KeyForm::Word, KeyWords(), FirmwareImage);
    });
}

}  // namespace vertanum
