#pragma once

#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "dialogs.hpp"
#include "framework/messages.hpp"
#include "main_window.hpp"
#include "port_status.hpp"

namespace vertanum::app::testing {

// The offscreen platform reports each window it cannot size; the tests' output stays readable
// without it.
void QuietOffscreenWarnings();

// Dialogs answered from a script. An empty script answers Cancel. `during` runs inside the next
// dialog, while the command that showed it is still running.
class ScriptedDialogs : public Dialogs {
  public:
    std::optional<int> PickDevice(QWidget* parent, const DeviceRegistry& registry) override;
    std::optional<std::string> OpenFileName(QWidget* parent) override;
    std::optional<std::string> SaveFileName(QWidget* parent) override;

    std::deque<std::optional<int>> picks;
    std::deque<std::optional<std::string>> opens;
    std::deque<std::optional<std::string>> saves;
    std::function<void()> during;
    int pick_calls = 0;
    int open_calls = 0;
    int save_calls = 0;

  private:
    void RunDuring();
};

class FakePorts : public PortStatus {
  public:
    bool DriverOpened() const override { return opened; }
    int PortCount() const override { return count; }
    bool opened = true;
    int count = 1;
};

// The real main window over recorded message boxes, scripted dialogs, a port layer the test
// sets, and only the factory images built into the program.
struct WindowUnderTest {
    // `firmware_folder`: where the user's own factory images are looked for; empty for none.
    explicit WindowUnderTest(const std::string& firmware_folder = "");
    ~WindowUnderTest();
    TfrmMain& operator*() { return *window; }
    TfrmMain* operator->() { return window.get(); }

    // A path in the test's own folder.
    std::string Path(const std::string& name) const;
    // A new KRV document, open in the window.
    void NewKrv();

    RecordingMessages messages;
    ScriptedDialogs dialogs;
    FakePorts ports;
    std::string built_in_only;
    QTemporaryDir folder;
    std::unique_ptr<TfrmMain> window;
};

inline constexpr int kKrv = 7;

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);

}  // namespace vertanum::app::testing
