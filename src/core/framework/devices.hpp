#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/configuration_file.hpp"
#include "framework/messages.hpp"
#include "framework/progress_display.hpp"
#include "resources/resource_store.hpp"

namespace vertanum {

// What every model needs of its surroundings: where to show its messages and where its factory
// data comes from.
struct DeviceContext {
    Messages* messages = nullptr;
    const resources::ResourceStore* resources = nullptr;
};

// Result codes of the model operations beyond those of a programming run.
inline constexpr std::int32_t kFactoryImageMissing = -10;  // the program resource is unreadable
inline constexpr std::int32_t kConfigUnreadable = -11;     // the configuration file is unreadable
inline constexpr std::int32_t kConfigNotSaved = -12;       // the configuration file was not saved

inline constexpr const char* kNoFileName = "default.xxx";

class TDevicesAbstract {
  public:
    virtual ~TDevicesAbstract() = default;
};

// One device model: its two memory images, where its factory data comes from, its configuration
// file and its programming sequence.
class TDevices : public TDevicesAbstract {
  public:
    explicit TDevices(const DeviceContext& context) : context_(context) {}

    std::string Name;
    std::string Caption;
    std::string FileName = kNoFileName;
    bool Opened = false;
    std::int32_t ImageIndex = 0;
    bool Modified = true;

    std::vector<std::uint8_t> FirmwareImage;
    std::vector<std::uint8_t> EepromImage;

    // Where the program image last loaded by LoadFactoryImage came from; a real device is never
    // written with the built-in stand-in without the user's consent.
    resources::ResourceOrigin FirmwareOrigin = resources::ResourceOrigin::None;

    // The class name, stored as "Type" in the configuration file.
    virtual std::string ClassName() const = 0;

    virtual std::int32_t LoadFactoryImage();
    virtual std::int32_t LoadConfig();
    virtual std::int32_t SaveConfig();
    virtual std::int32_t ProgramDevice(ProgressDisplay& progress, std::uint16_t port_number);

    bool HasFile() const { return FileName != kNoFileName; }
    const DeviceContext& Context() const { return context_; }

  protected:
    // Copies a factory resource into the start of `image` (at most its size). False, with the
    // message `failure_message`, when the resource cannot be read.
    bool LoadResource(const std::string& resource_name, std::vector<std::uint8_t>& image,
                      const std::string& failure_message,
                      resources::ResourceOrigin* origin = nullptr);

    // The usual factory load: the EEPROM resource (when the model has one; a failure is shown and
    // loading goes on), then the program resource (a failure is shown and gives -10).
    std::int32_t LoadEepromAndProgram(const std::string& eeprom_resource,
                                      const std::string& program_resource);

    // Opens FileName for reading. Nothing, after telling the user why, when it cannot be read.
    std::optional<config::ConfigurationFile> OpenConfigForLoad();

    // Reads "DEVICES" Name back into Name, with the default "-1".
    void ReadNameBack(const config::ConfigurationFile& file);

    // Writes "DEVICES" Name and Type, then whatever `write_keys` adds, over FileName: an
    // existing file keeps everything the model does not own, and the file lands whole or not at
    // all. 0, or kConfigNotSaved after telling the user why.
    std::int32_t SaveWith(const std::function<void(config::ConfigurationFile&)>& write_keys);

    Messages& messages() const;

  private:
    DeviceContext context_;
};

}  // namespace vertanum
