#include "environment/window_programming.hpp"

#include <QApplication>
#include <QLabel>

#include "sound/end_sound.hpp"

namespace vertanum::app {

void WindowProgrammingFrontEnd::FlashMainWindow(hardware::FlashFlags flags) {
    // Stopping needs nothing: the alert ends when the user turns to the window.
    if (flags == hardware::FlashFlags::Stop || !window_) return;
    ++flashes;
    QApplication::alert(window_, 0);
}

void WindowProgrammingFrontEnd::PlayWave(std::span<const std::uint8_t> wave) {
    ++sounds;
    if (sound_) PlayWaveFromMemory(wave);
}

void WindowProgrammingFrontEnd::ShowElapsedTime(std::string_view text) {
    if (elapsed_panel_) {
        elapsed_panel_->setText(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
}

}  // namespace vertanum::app
