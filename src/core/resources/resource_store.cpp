#include "resources/resource_store.hpp"

#include <cstdlib>
#include <cstring>

#include "config/file_io.hpp"
#include "resources/embedded.hpp"
#include "resources/intel_hex.hpp"

namespace vertanum::resources {
namespace {

constexpr std::size_t kMaxResource = 4 * 1024 * 1024;

bool LooksLikeIntelHex(const std::string& bytes) {
    return !bytes.empty() && bytes.front() == ':';
}

}  // namespace

ResourceStore::ResourceStore(std::string user_folder) : user_folder_(std::move(user_folder)) {}

std::string ResourceStore::DefaultUserFolder() {
    if (const char* dir = std::getenv("VERTANUM_FIRMWARE_DIR"); dir && *dir) return dir;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        return std::string(data) + "/vertanum/firmware";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::string(home) + "/.local/share/vertanum/firmware";
    }
    return {};
}

std::optional<Resource> ResourceStore::FindEmbedded(const std::string& name) {
    for (const auto& entry : EmbeddedTable()) {
        if (entry.data && name == entry.name) {
            return Resource{{entry.data, entry.data + entry.size}, ResourceOrigin::Embedded, {}};
        }
    }
    return std::nullopt;
}

ResourceLookup ResourceStore::Find(const std::string& name) const {
    if (!user_folder_.empty()) {
        for (const char* suffix : {"", ".bin", ".hex"}) {
            const std::string path = user_folder_ + "/" + name + suffix;
            if (!config::FileExists(path)) continue;
            config::FileError error;
            auto bytes = config::ReadWholeFile(path, kMaxResource, &error);
            if (!bytes) return {std::nullopt, error.message};
            const bool hex = std::strcmp(suffix, ".hex") == 0 ||
                             (std::strcmp(suffix, "") == 0 && LooksLikeIntelHex(*bytes));
            if (hex) {
                std::string why;
                auto image = ReadIntelHex(*bytes, &why);
                if (!image) return {std::nullopt, path + ": " + why};
                return {Resource{std::move(*image), ResourceOrigin::UserFolder, path}, {}};
            }
            return {Resource{{bytes->begin(), bytes->end()}, ResourceOrigin::UserFolder, path}, {}};
        }
    }
    return {FindEmbedded(name), {}};
}

}  // namespace vertanum::resources
