#include "framework/device_registry.hpp"

#include <charconv>

#include "config/configuration_file.hpp"

namespace vertanum {

int DeviceRegistry::BuildDeviceRegistry() {
    models_.clear();
    for (const auto& entry : RegisteredModels()) {
        auto model = entry.create(context_);
        model->ImageIndex = entry.image_index;
        models_.push_back(std::move(model));
    }
    return Count();
}

TDevices* DeviceRegistry::At(int position) const {
    if (position < 0 || position >= Count()) return nullptr;
    return models_[static_cast<std::size_t>(position)].get();
}

int DeviceRegistry::IsOpened() const {
    int found = -1;
    for (int i = 0; i < Count(); ++i) {
        if (models_[static_cast<std::size_t>(i)]->Opened) found = i;
    }
    return found;
}

int DeviceRegistry::GetTypeDevicesOfFile(const std::string& path) const {
    std::string type = "NonType";
    config::FileError error;
    if (auto file = config::ConfigurationFile::Open(path, &error)) {
        type = file->ReadString(config::kDevicesSection, "Type", "NonType");
    }
    for (int i = 0; i < Count(); ++i) {
        if (models_[static_cast<std::size_t>(i)]->ClassName() == type) return i;
    }
    return -1;
}

int DeviceRegistry::Find(const std::string& model) const {
    int position = -1;
    auto [end, ec] = std::from_chars(model.data(), model.data() + model.size(), position);
    if (ec == std::errc() && end == model.data() + model.size()) {
        return At(position) ? position : -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const auto& m = *models_[static_cast<std::size_t>(i)];
        if (m.ClassName() == model || m.Name == model) return i;
    }
    return -1;
}

}  // namespace vertanum
