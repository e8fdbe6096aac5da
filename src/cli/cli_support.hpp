#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "framework/device_registry.hpp"
#include "framework/messages.hpp"
#include "resources/resource_store.hpp"

namespace vertanum::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Message boxes on a terminal: the text on stderr, answered with the box's default.
class TerminalMessages : public Messages {
  public:
    MessageAnswer Show(const MessageBox& box) override;
};

// Command-line words split into positional words and options. `valued` options take the next
// word as their value; `flags` take none.
class Arguments {
  public:
    Arguments(const std::vector<std::string>& args, const std::set<std::string>& valued,
              const std::set<std::string>& flags);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    const std::vector<std::string>& positional() const { return positional_; }
    std::optional<std::string> value(const std::string& option) const;
    bool has(const std::string& option) const { return present_.count(option) > 0; }

  private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
    std::set<std::string> present_;
    std::string error_;
};

// Prints a usage error and gives the usage exit code.
int UsageError(const std::string& text);

// Everything a command works on: the registry with one model loaded as a document.
struct Session {
    TerminalMessages messages;
    resources::ResourceStore resources;
    DeviceRegistry registry{DeviceContext{&messages, &resources}};
    TDevices* model = nullptr;
    int position = -1;
};

// Loads the document a command names: FILE (its model found by its Type), or a new document of
// MODEL from its factory data. Nothing, after saying why on stderr, when that fails.
std::unique_ptr<Session> OpenDocument(const std::optional<std::string>& file,
                                      const std::optional<std::string>& new_model);

// The same from parsed arguments: one positional FILE or --new MODEL.
std::unique_ptr<Session> OpenDocument(const Arguments& args, int* exit_code);

// Saves the loaded document to `target`. Over its own file: the old file is copied to its .BAK
// first and updated in place. Over another existing file: that file becomes the .BAK and a new
// file is written (restored when the write fails). False after saying why.
bool SaveDocument(Session& session, const std::string& target);

// An unsigned number in decimal or 0x-hexadecimal.
std::optional<unsigned long> ParseAddress(const std::string& text);

}  // namespace vertanum::cli
