#pragma once

#include <QPointer>
#include <QWidget>

#include "hardware/programming_run.hpp"

class QLabel;

namespace vertanum::app {

// The programming run's side of the main window: QApplication::alert for the window flashing
// (the window manager marks the window until the user turns to it), the end sound through Qt
// Multimedia, and the elapsed time in the third status-bar panel.
class WindowProgrammingFrontEnd : public hardware::ProgrammingFrontEnd {
  public:
    WindowProgrammingFrontEnd(QWidget* window, QLabel* elapsed_panel, bool sound = true)
        : window_(window), elapsed_panel_(elapsed_panel), sound_(sound) {}

    void FlashMainWindow(hardware::FlashFlags flags) override;
    void PlayWave(std::span<const std::uint8_t> wave) override;
    void ShowElapsedTime(std::string_view text) override;

    int flashes = 0;  // how often attention was asked for
    int sounds = 0;   // how often the end sound was handed over
  private:
    QPointer<QWidget> window_;
    QPointer<QLabel> elapsed_panel_;
    bool sound_;
};

}  // namespace vertanum::app
