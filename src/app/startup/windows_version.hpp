#pragma once

#include <optional>
#include <string>

namespace vertanum::app {

// What the operating system says about itself on Windows.
enum class WindowsPlatform { Windows9x, WindowsNT, Other };

struct WindowsVersionRecord {
    WindowsPlatform platform = WindowsPlatform::Other;
    unsigned major = 0;
    unsigned minor = 0;
    std::string service_pack;  // "szCSDVersion"
};

// 0 Windows 95, 1 Windows 98, 2 Windows 98 SE, 3 Windows Me, 4 NT 4 or older, 5 Windows 2000,
// 6 Windows XP; -1 anything else or a record that could not be read. Only 5 and 6 are accepted.
int GetWindowsVersionClass(const std::optional<WindowsVersionRecord>& record);

inline bool WindowsVersionAccepted(int version_class) {
    return version_class == 5 || version_class == 6;
}

}  // namespace vertanum::app
