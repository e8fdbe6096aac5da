#include "app_test_support.hpp"

#include <QApplication>
#include <QTest>
#include <fstream>
#include <sstream>

namespace vertanum::app::testing {
namespace {

void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.contains("propagateSizeHints") || message.contains("XDG_RUNTIME_DIR")) return;
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

template <typename T>
std::optional<T> Next(std::deque<std::optional<T>>& script) {
    if (script.empty()) return std::nullopt;
    std::optional<T> answer = script.front();
    script.pop_front();
    return answer;
}

}  // namespace

void QuietOffscreenWarnings() {
    qInstallMessageHandler(QuietHandler);
}

void ScriptedDialogs::RunDuring() {
    if (!during) return;
    auto run = std::move(during);
    during = nullptr;
    run();
}

std::optional<int> ScriptedDialogs::PickDevice(QWidget*, const DeviceRegistry&) {
    ++pick_calls;
    RunDuring();
    return Next(picks);
}

std::optional<std::string> ScriptedDialogs::OpenFileName(QWidget*) {
    ++open_calls;
    RunDuring();
    return Next(opens);
}

std::optional<std::string> ScriptedDialogs::SaveFileName(QWidget*) {
    ++save_calls;
    RunDuring();
    return Next(saves);
}

WindowUnderTest::WindowUnderTest(const std::string& firmware_folder)
    : built_in_only(firmware_folder) {
    MainWindowServices services;
    services.messages = &messages;
    services.dialogs = &dialogs;
    services.ports = &ports;
    services.firmware_folder = &built_in_only;
    window = std::make_unique<TfrmMain>(services);
    window->show();
    QApplication::setActiveWindow(window.get());
    (void)QTest::qWaitForWindowExposed(window.get());
}

WindowUnderTest::~WindowUnderTest() {
    // Whatever is still open goes without a prompt.
    if (window->IsOpened() >= 0) window->Registry().At(window->IsOpened())->Modified = false;
    window.reset();
}

std::string WindowUnderTest::Path(const std::string& name) const {
    return folder.filePath(QString::fromStdString(name)).toStdString();
}

void WindowUnderTest::NewKrv() {
    dialogs.picks.push_back(kKrv);
    window->OnClickMainMenuEvent(window->Action("mnuNew"));
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

}  // namespace vertanum::app::testing
