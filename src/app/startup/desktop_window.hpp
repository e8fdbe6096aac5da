#pragma once

#include <QPointer>
#include <memory>
#include <thread>

#include "environment/help_file.hpp"
#include "environment/port_settings.hpp"
#include "main_window.hpp"
#include "port_status.hpp"
#include "splash/splash_window.hpp"

class QTimer;

namespace vertanum::app {

class TfrmSelectPort;
class WindowProgrammingFrontEnd;

// The port layer as the enabling rules see it.
class BoundPortStatus : public PortStatus {
  public:
    bool DriverOpened() const override;
    int PortCount() const override;
};

struct DesktopOptions {
    // Offers the simulated cable, with the chip of the open document's model, as the only port.
    bool simulator = false;
    // Where LptPort is kept; empty: the user's settings file.
    QString settings_file;
    // Where the manual is written out; empty: a folder of this process in the runtime folder.
    QString help_folder;
    bool splash = true;
    bool measure_clock = true;
    bool sound = true;
    // The port dialog's answer for tests: called with the dialog before it is shown; returning
    // true means the test has answered it.
    std::function<bool(TfrmSelectPort&)> answer_port_dialog;
    // The preview for tests: called instead of showing it modally.
    std::function<void(QDialog&)> answer_preview;
};

// The main window with everything around it: the work environment (manual, port layer, stored
// port), the splash sequence, the processor clock, and the commands Start, port dialog, report,
// about and help.
class DesktopWindow : public TfrmMain {
    Q_OBJECT

  public:
    DesktopWindow(MainWindowServices services, DesktopOptions options, QWidget* parent = nullptr);
    ~DesktopWindow() override;

    int LptPortNumber() const { return lpt_port_number_; }
    const HelpFile& Help() const { return help_; }
    SplashSequence& Splash() { return *splash_; }
    QTimer* tmrShowMainStart() const { return tmr_show_main_start_; }
    WindowProgrammingFrontEnd& FrontEnd() { return *front_end_; }
    // The commands, public so that they can be run as the dispatcher runs them.
    void devProgramming(int position, int port) override;
    void LPTSetting() override;
    void ShowAbout() override;
    void ShowManual() override;
    void ShowReport() override;

  private:
    int ShowPortDialog();
    void StartClockMeasurement();

    DesktopOptions options_;
    Messages& messages_;
    BoundPortStatus* port_status_;
    PortSettings settings_;
    HelpFile help_;
    std::unique_ptr<SplashSequence> splash_;
    QTimer* tmr_show_main_start_ = nullptr;
    std::unique_ptr<WindowProgrammingFrontEnd> front_end_;
    std::thread clock_thread_;
};

// Makes the services that DesktopWindow passes to TfrmMain: the window's message boxes and the
// port layer's status are kept alive for the program's lifetime.
MainWindowServices DesktopServices(MainWindowServices services);

}  // namespace vertanum::app
