#include "startup/windows_version.hpp"

namespace vertanum::app {

int GetWindowsVersionClass(const std::optional<WindowsVersionRecord>& record) {
    if (!record) return -1;
    const WindowsVersionRecord& r = *record;
    if (r.platform == WindowsPlatform::Windows9x && r.major == 4) {
        if (r.minor == 0) return 0;
        if (r.minor == 10) return r.service_pack.size() >= 2 && r.service_pack[1] == 'A' ? 2 : 1;
        if (r.minor == 90) return 3;
        return -1;
    }
    if (r.platform == WindowsPlatform::WindowsNT) {
        if (r.major <= 4) return 4;
        if (r.major == 5 && r.minor == 0) return 5;
        if (r.major == 5 && r.minor == 1) return 6;
    }
    return -1;
}

}  // namespace vertanum::app
