#include "framework/devices.hpp"

#include <algorithm>
#include <stdexcept>

namespace vertanum {
namespace {

[[noreturn]] void NoBody(const TDevices& model, const char* operation) {
    throw std::logic_error(model.ClassName() + "::" + operation + " has no body");
}

class NullMessages : public Messages {
  public:
    MessageAnswer Show(const MessageBox& box) override { return box.default_answer; }
};

}  // namespace

std::int32_t TDevices::LoadFactoryImage() {
    NoBody(*this, "LoadFactoryImage");
}
std::int32_t TDevices::LoadConfig() {
    NoBody(*this, "LoadConfig");
}
std::int32_t TDevices::SaveConfig() {
    NoBody(*this, "SaveConfig");
}
std::int32_t TDevices::ProgramDevice(ProgressDisplay&, std::uint16_t) {
    NoBody(*this, "ProgramDevice");
}

Messages& TDevices::messages() const {
    static NullMessages none;
    return context_.messages ? *context_.messages : none;
}

bool TDevices::LoadResource(const std::string& resource_name, std::vector<std::uint8_t>& image,
                            const std::string& failure_message, resources::ResourceOrigin* origin) {
    resources::ResourceLookup found;
    if (context_.resources) {
        found = context_.resources->Find(resource_name);
    } else {
        found.resource = resources::ResourceStore::FindEmbedded(resource_name);
    }
    if (!found.resource) {
        std::string text = failure_message;
        if (!found.error.empty()) text += "\r" + found.error;
        messages().Error(text);
        return false;
    }
    const auto& bytes = found.resource->bytes;
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
    if (origin) *origin = found.resource->origin;
    return true;
}

std::int32_t TDevices::LoadEepromAndProgram(const std::string& eeprom_resource,
                                            const std::string& program_resource) {
    if (!eeprom_resource.empty()) {
        LoadResource(eeprom_resource, EepromImage, "Невозможно загрузить заводскую прошивку, EEP");
    }
    if (!LoadResource(program_resource, FirmwareImage,
                      "Невозможно загрузить заводскую прошивку, ROM", &FirmwareOrigin)) {
        return kFactoryImageMissing;
    }
    return 0;
}

std::optional<config::ConfigurationFile> TDevices::OpenConfigForLoad() {
    config::FileError error;
    auto file = config::ConfigurationFile::Open(FileName, &error);
    if (!file) messages().Error(error.message);
    return file;
}

void TDevices::ReadNameBack(const config::ConfigurationFile& file) {
    Name = file.ReadString(config::kDevicesSection, "Name", "-1");
}

std::int32_t TDevices::SaveWith(const std::function<void(config::ConfigurationFile&)>& write_keys) {
    config::FileError error;
    auto file = config::ConfigurationFile::Open(FileName, &error);
    if (!file) {
        messages().Error("Невозможно сохранить файл " + FileName + ".\r" + error.message);
        return kConfigNotSaved;
    }
    try {
        file->WriteString(config::kDevicesSection, "Name", Name);
        file->WriteString(config::kDevicesSection, "Type", ClassName());
        write_keys(*file);
    } catch (const std::invalid_argument& e) {
        messages().Error("Невозможно сохранить файл " + FileName + ".\r" + e.what());
        return kConfigNotSaved;
    }
    if (!file->Save(&error)) {
        messages().Error(error.message + ".\rФайл на диске не изменён.");
        return kConfigNotSaved;
    }
    return 0;
}

}  // namespace vertanum
