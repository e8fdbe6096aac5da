#pragma once

#include <memory>
#include <string>

#include "framework/device_registry.hpp"
#include "framework/messages.hpp"
#include "resources/resource_store.hpp"

namespace vertanum::testing {

// A registry over the built-in resources (or a given user folder) with recorded messages.
struct Models {
    explicit Models(std::string user_folder = "")
        : resources(std::move(user_folder)), registry(DeviceContext{&messages, &resources}) {
        registry.BuildDeviceRegistry();
    }
    TDevices& At(int position) { return *registry.At(position); }
    // A new document of the model at `position`, from its factory data.
    TDevices& New(int position) {
        TDevices& m = At(position);
        m.LoadFactoryImage();
        return m;
    }
    // The model a file names, loaded from its factory data and the file.
    TDevices* Open(const std::string& path) {
        int position = registry.GetTypeDevicesOfFile(path);
        if (position < 0) return nullptr;
        TDevices& m = At(position);
        m.FileName = path;
        if (m.LoadFactoryImage() < 0 || m.LoadConfig() < 0) return nullptr;
        return &m;
    }

    RecordingMessages messages;
    resources::ResourceStore resources;
    DeviceRegistry registry;
};

}  // namespace vertanum::testing
