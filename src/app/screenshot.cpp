#include "screenshot.hpp"

#include <QApplication>
#include <QPixmap>

#include "main_window.hpp"

namespace vertanum::app {
namespace {

constexpr int kKrvPosition = 7;

}  // namespace

bool SaveMainWindowPicture(const std::string& path) {
    RecordingMessages messages;
    // The picture shows the program as shipped, whatever the user's firmware folder holds.
    const std::string built_in_only;
    MainWindowServices services;
    services.messages = &messages;
    services.firmware_folder = &built_in_only;
    TfrmMain window(services);
    window.show();
    if (window.devOpen(16, kKrvPosition) != 0) return false;
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    messages.answers = {MessageAnswer::No};
    window.devClose();
    return picture.save(QString::fromStdString(path), "PNG");
}

}  // namespace vertanum::app
