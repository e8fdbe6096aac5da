#include <QAction>
#include <QToolButton>
#include <exception>

#include "command_enabling.hpp"
#include "command_table.hpp"
#include "main_window.hpp"

namespace vertanum::app {
namespace {

// Clears CommandRunning, enables the window again and re-applies the enabling rules when the
// command leaves, however it leaves.
class CommandScope {
  public:
    CommandScope(TfrmMain& window, bool& running) : window_(window), running_(running) {
        running_ = true;
    }
    ~CommandScope() {
        running_ = false;
        window_.setEnabled(true);
        window_.MenuButtonEn();
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

  private:
    TfrmMain& window_;
    bool& running_;
};

}  // namespace

void TfrmMain::OnClickMainMenuEvent(QObject* component) {
    // A value still being edited is validated and applied before any command.
    if (ins_main_ && !ins_main_->CommitEdit()) return;
    auto* action = qobject_cast<QAction*>(component);
    if (!action || Action(action->objectName().toStdString()) != action || command_running_) {
        return;
    }
    CommandScope scope(*this, command_running_);
    try {
        RunCommand(action->objectName().toStdString());
    } catch (const std::exception& e) {
        messages_.Error(std::string("Команда не выполнена из-за внутренней ошибки:\r") + e.what());
    } catch (...) {
        messages_.Error("Команда не выполнена из-за внутренней ошибки.");
    }
}

void TfrmMain::RunCommand(const std::string& name) {
    if (name == "mnuNew" || name == "btnNew") {
        CreateNewF();
    } else if (name == "mnuOpen" || name == "btnOpen") {
        devOpen(8, 0);
    } else if (name == "mnuSave" || name == "btnSave") {
        devSave(1, IsOpened());
    } else if (name == "mnuSaveAs") {
        devSave(2, IsOpened());
    } else if (name == "mnuClose" || name == "btnClose") {
        devClose();
    }
    if (name == "mnuExit" || name == "btnExit") close();
    if (name == "mnuStart" || name == "btnStart") devProgramming(IsOpened(), lpt_port_number_);
    if (name == "mnuLPT" || name == "btnLPT") LPTSetting();
    if (name == "mnuAbout" || name == "btnAbout") ShowAbout();
    if (name == "mnuManual" || name == "btnManual") ShowManual();
    if (name == "mnuReport" || name == "btnReport") ShowReport();
}

void TfrmMain::MenuButtonEn() {
    EnablingState state;
    const TDevices* model = OpenModel();
    state.document_open = model != nullptr;
    state.document_modified = model && model->Modified;
    state.port_driver_opened = ports_.DriverOpened();
    state.port_count = ports_.PortCount();
    const CommandEnabling enabling = EnablingFor(state);

    auto enable = [this](const char* name, bool on) {
        if (QAction* action = Action(name)) action->setEnabled(on);
    };
    enable("mnuClose", enabling.close);
    enable("btnClose", enabling.close);
    enable("mnuSaveAs", enabling.save_as);
    enable("mnuSave", enabling.save);
    enable("btnSave", enabling.save);
    for (const char* name : {"btnSave", "btnClose"}) {
        if (QToolButton* button = Button(name)) button->setDown(false);
    }
    for (const char* name : {"mnuStart", "btnStart", "mnuReport", "btnReport"}) {
        enable(name, enabling.start_and_report);
    }
}

void TfrmMain::NotAvailableYet(const char* command) {
    messages_.Information(std::string("Команда «") + command +
                          "» будет доступна в следующей версии программы.");
}

void TfrmMain::devProgramming(int, int) {
    NotAvailableYet("Старт программирования");
}

void TfrmMain::LPTSetting() {
    NotAvailableYet("Конфигурация");
}

void TfrmMain::ShowAbout() {
    NotAvailableYet("О программе");
}

void TfrmMain::ShowManual() {
    NotAvailableYet("Описание программы");
}

void TfrmMain::ShowReport() {
    NotAvailableYet("Печать параметров");
}

}  // namespace vertanum::app
