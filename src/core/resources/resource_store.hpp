#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vertanum::resources {

// Where a resource's bytes came from.
enum class ResourceOrigin {
    None,        // not loaded
    Embedded,    // the stand-in data built into the program
    UserFolder,  // a file the user put into the firmware folder (the maker's own image)
};

struct Resource {
    std::vector<std::uint8_t> bytes;
    ResourceOrigin origin = ResourceOrigin::None;
    std::string path;  // the user's file, for UserFolder
};

struct ResourceLookup {
    std::optional<Resource> resource;
    std::string error;  // why a user's file that exists could not be used
};

// Looks resources up by name: first in the user's firmware folder (a file named after the
// resource, with no extension or ".bin" for raw bytes, or ".hex" for Intel HEX), then among the
// resources built into the program. A user's file that exists but cannot be read is an error,
// never silently replaced by the built-in data.
class ResourceStore {
  public:
    // `user_folder` empty: only the built-in resources.
    explicit ResourceStore(std::string user_folder = DefaultUserFolder());

    // $VERTANUM_FIRMWARE_DIR, else $XDG_DATA_HOME/vertanum/firmware, else
    // ~/.local/share/vertanum/firmware.
    static std::string DefaultUserFolder();

    ResourceLookup Find(const std::string& name) const;

    // Only the built-in resource, regardless of the user folder.
    static std::optional<Resource> FindEmbedded(const std::string& name);

    const std::string& UserFolder() const { return user_folder_; }

  private:
    std::string user_folder_;
};

}  // namespace vertanum::resources
