#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/devices.hpp"

namespace vertanum {

// One registered model: how to make it and the picture the device picker shows for it.
struct RegisteredModel {
    std::unique_ptr<TDevices> (*create)(const DeviceContext&);
    std::int32_t image_index;
};

// The 23 models in their fixed order (defined beside the models).
const std::vector<RegisteredModel>& RegisteredModels();

// The ordered list that owns one object of each registered model. A position identifies a
// document's model and its editor.
class DeviceRegistry {
  public:
    explicit DeviceRegistry(DeviceContext context) : context_(context) {}

    // Creates the entries in their order, each with its picture index; returns the count.
    int BuildDeviceRegistry();
    void FreeDeviceRegistry() { models_.clear(); }

    int Count() const { return static_cast<int>(models_.size()); }
    // The model at a position, or nullptr outside 0..Count()-1.
    TDevices* At(int position) const;

    // The last position whose Opened flag is set, or -1.
    int IsOpened() const;

    // The first position whose class name is exactly the file's "DEVICES" Type ("NonType" when
    // the key or the file is missing), or -1.
    int GetTypeDevicesOfFile(const std::string& path) const;

    // The position of a model named by its class name (TKRV), its Name (KRV) or its position;
    // -1 when nothing matches. For the command line.
    int Find(const std::string& model) const;

  private:
    DeviceContext context_;
    std::vector<std::unique_ptr<TDevices>> models_;
};

}  // namespace vertanum
