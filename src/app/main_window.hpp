#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "dialogs.hpp"
#include "framework/device_registry.hpp"
#include "framework/editor/editor_host.hpp"
#include "framework/editor/editor_list.hpp"
#include "port_status.hpp"
#include "property_grid.hpp"
#include "qt_dependency_timer.hpp"
#include "qt_messages.hpp"
#include "resources/resource_store.hpp"
#include "status_progress.hpp"

class QAction;
class QLabel;
class QProgressBar;
class QTimer;
class QToolBar;
class QToolButton;
class QVBoxLayout;

namespace vertanum::app {

// What the main window works with. Left empty, each is the program's own: message boxes, the
// device picker and file dialogs, the user's firmware folder and no port layer.
struct MainWindowServices {
    Messages* messages = nullptr;
    Dialogs* dialogs = nullptr;
    const PortStatus* ports = nullptr;
    // Where the user's own factory images are looked for first; nullptr: the default folder,
    // "": only the images built into the program.
    const std::string* firmware_folder = nullptr;
};

// TfrmMain: the menu, the toolbar, the status bar and the property grid of the open document.
// Every menu item and toolbar button goes through one dispatcher.
class TfrmMain : public QMainWindow, public EditorHost, public PropertyGridEvents {
    Q_OBJECT

  public:
    explicit TfrmMain(MainWindowServices services = {}, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The command dispatcher: `component` is a menu item or a toolbar button (a QAction).
    void OnClickMainMenuEvent(QObject* component);
    // The enabling rules of the commands.
    void MenuButtonEn();

    // The documents.
    int IsOpened() const { return registry_.IsOpened(); }
    int CreateNewF();
    int devOpen(int mode, int position);
    int devSave(int mode, int position);
    int OnlyFileName(const std::string& path, bool* backup_made = nullptr);
    int devClose();

    bool CommandRunning() const { return command_running_; }
    DeviceRegistry& Registry() { return registry_; }
    EditorList& Editors() { return *editors_; }
    QtDependencyTimer& DependencyTimer() { return *ins_timer_; }
    // The property grid of the open document; nullptr while none is open.
    PropertyGrid* insMain() const { return ins_main_.data(); }
    QAction* Action(const std::string& name) const;
    QToolButton* Button(const std::string& name) const;
    QLabel* StatusPanel(int panel) const;
    QLabel* lblProcess() const { return lbl_process_; }
    QProgressBar* pbrProcess() const { return pbr_process_; }

    // EditorHost
    ProgressDisplay& Progress() override { return *progress_; }
    void SetEnabled(bool enabled) override;
    void Repaint() override;
    void ShowRows(RowModel& rows) override;
    void RemoveRows(RowModel& rows) override;

    // PropertyGridEvents
    EditOutcome insMainEditValidate(const Row& row, const std::string& text) override;
    void insMainToggleClick(const Row& row, const std::string& text) override;
    void insMainEditChange() override;

  protected:
    // LptPortNumber: the chosen parallel port, 1-based; -1 none. The dispatcher hands it to
    // Start; the port dialog and the stored setting change it.
    int lpt_port_number_ = -1;

    void closeEvent(QCloseEvent* event) override;

    // The commands of programming, the port, the report and the help. The window alone only says
    // that they are not available; DesktopWindow, with the work environment, supplies them.
    virtual void devProgramming(int position, int port);
    virtual void LPTSetting();
    virtual void ShowAbout();
    virtual void ShowManual();
    virtual void ShowReport();

  private:
    void BuildMenu();
    void BuildToolBar();
    void BuildStatusBar();
    void RunCommand(const std::string& name);
    void UpdateTitle();
    void RebuildRegistry();
    void NotAvailableYet(const char* command);
    void tmrTimeTimer();
    TDevices* OpenModel() const;
    TInsDevices* OpenEditor() const;

    std::unique_ptr<QtMessages> own_messages_;
    std::unique_ptr<QtDialogs> own_dialogs_;
    NoPortStatus no_ports_;
    Messages& messages_;
    Dialogs& dialogs_;
    const PortStatus& ports_;

    resources::ResourceStore resources_;
    DeviceRegistry registry_;
    std::unique_ptr<QtDependencyTimer> ins_timer_;
    std::unique_ptr<EditorList> editors_;

    std::map<std::string, QAction*> actions_;
    std::map<std::string, QToolButton*> buttons_;
    QToolBar* tool_bar_ = nullptr;
    QWidget* client_ = nullptr;
    QVBoxLayout* client_layout_ = nullptr;
    QPointer<PropertyGrid> ins_main_;

    QLabel* lbl_process_ = nullptr;
    QProgressBar* pbr_process_ = nullptr;
    QLabel* panels_[5] = {};
    QTimer* tmr_time_ = nullptr;
    std::unique_ptr<StatusProgress> progress_;

    bool command_running_ = false;
};

}  // namespace vertanum::app
