#include "hardware/programming_frame.hpp"

namespace vertanum::hardware {

void BeginProgrammingDisplay(ProgressDisplay& progress, int maximum) {
    progress.SetStatus(kProgrammingStatus);
    progress.SetMaximum(maximum);
    progress.SetPosition(0);
    progress.ShowPercentage(true);
}

void BeginVerifyingDisplay(ProgressDisplay& progress) {
    progress.SetStatus(kVerifyingStatus);
    progress.ShowPercentage(true);
}

void EndProgrammingDisplay(ProgressDisplay& progress) {
    progress.SetStatus(kIdleStatus);
    progress.SetMaximum(100);
    progress.SetPosition(0);
    progress.ShowPercentage(false);
}

void RequireImageSize(const std::vector<std::uint8_t>& image, std::size_t size, const char* what) {
    if (image.size() != size) {
        throw std::logic_error(std::string(what) + " holds " + std::to_string(image.size()) +
                               " bytes, the chip takes " + std::to_string(size));
    }
}

}  // namespace vertanum::hardware
