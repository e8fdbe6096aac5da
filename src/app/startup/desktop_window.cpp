#include "startup/desktop_window.hpp"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include "about/about_dialog.hpp"
#include "environment/port_choice.hpp"
#include "environment/select_port_dialog.hpp"
#include "environment/simulator_port.hpp"
#include "environment/window_programming.hpp"
#include "framework/editor/ins_devices.hpp"
#include "hardware/clock.hpp"
#include "hardware/port_access.hpp"
#include "help/help_window.hpp"
#include "report/report_preview.hpp"
#include "report/report_table.hpp"

namespace vertanum::app {
namespace {

// The boxes and the port status live as long as the program: the window is handed references.
QtMessages& ProgramMessages() {
    static QtMessages messages;
    return messages;
}

BoundPortStatus& ProgramPortStatus() {
    static BoundPortStatus status;
    return status;
}

}  // namespace

bool BoundPortStatus::DriverOpened() const {
    return hardware::IsDriverOpened();
}

int BoundPortStatus::PortCount() const {
    return hardware::GetLPTNumPorts();
}

MainWindowServices DesktopServices(MainWindowServices services) {
    if (!services.messages) services.messages = &ProgramMessages();
    if (!services.ports) services.ports = &ProgramPortStatus();
    return services;
}

DesktopWindow::DesktopWindow(MainWindowServices services, DesktopOptions options, QWidget* parent)
    : TfrmMain(DesktopServices(services), parent),
      options_(std::move(options)),
      messages_(*DesktopServices(services).messages),
      port_status_(&ProgramPortStatus()),
      settings_(options_.settings_file.isEmpty() ? PortSettings::DefaultFile()
                                                 : options_.settings_file),
      help_(options_.help_folder) {
    if (&messages_ == &ProgramMessages()) ProgramMessages().SetParent(this);
    // The work environment: the manual, then the port layer.
    help_.Write();
    if (options_.simulator) {
        BindSimulatedCable(nullptr);
    } else {
        hardware::LoadPortLibrary(messages_);
        if (!hardware::OpenTVicPort()) messages_.Error("Невозможно открыть драйвер LPT порта");
    }
    if (!hardware::IsDriverOpened()) {
        const MessageAnswer answer = messages_.Show(
            {MessageIcon::Warning, "Возможен только режим редактирования.\rПродолжить",
             MessageButtons::OkCancel, MessageAnswer::Ok});
        if (answer == MessageAnswer::Cancel) QTimer::singleShot(0, this, &QWidget::close);
    }
    MenuButtonEn();
    lpt_port_number_ = settings_.LoadLptPort();
    front_end_ = std::make_unique<WindowProgrammingFrontEnd>(this, StatusPanel(2), options_.sound);

    splash_ = std::make_unique<SplashSequence>([this] { tmr_show_main_start_->stop(); });
    tmr_show_main_start_ = new QTimer(this);
    tmr_show_main_start_->setObjectName("tmrShowMainStart");
    tmr_show_main_start_->setInterval(100);
    connect(tmr_show_main_start_, &QTimer::timeout, this, [this] { splash_->Tick(); });
    if (options_.splash) tmr_show_main_start_->start();
    if (options_.measure_clock) StartClockMeasurement();
}

DesktopWindow::~DesktopWindow() {
    tmr_show_main_start_->stop();
    splash_.reset();
    if (clock_thread_.joinable()) clock_thread_.join();
    // The editors and the registry go with TfrmMain; the port layer and the manual after them
    // would need a destructor that runs later, so they go here, which the user cannot tell apart.
    hardware::CloseTVicPort();
    hardware::UnloadPortLibrary();
    help_.Remove();
}

void DesktopWindow::StartClockMeasurement() {
    // The measurement takes 1.5 s; the window appears and works meanwhile.
    QPointer<QLabel> panel = StatusPanel(3);
    clock_thread_ = std::thread([panel] {
        const double mhz = hardware::CalibrateAgainstTickCount(hardware::SystemClock(), false);
        QMetaObject::invokeMethod(
            qApp,
            [panel, mhz] {
                if (panel) panel->setText(QLocale().toString(mhz, 'f', 2) + " МГц");
            },
            Qt::QueuedConnection);
    });
}

int DesktopWindow::ShowPortDialog() {
    TfrmSelectPort dialog(lpt_port_number_, settings_, this);
    if (options_.answer_port_dialog && options_.answer_port_dialog(dialog)) return dialog.result();
    dialog.move(geometry().center() - dialog.rect().center());
    return dialog.exec();
}

void DesktopWindow::LPTSetting() {
    ShowPortDialog();
}

void DesktopWindow::devProgramming(int position, int port) {
    TDevices* model = Registry().At(position);
    if (!model) return;
    if (options_.simulator) BindSimulatedCable(model);
    if (PortDialogComesFirst(port, hardware::GetLPTNumPorts())) {
        if (ShowPortDialog() != QDialog::Accepted) return;
        port = lpt_port_number_;
        // OK on an empty list stores 0, which names no port: nothing to program through.
        if (PortDialogComesFirst(port, hardware::GetLPTNumPorts())) return;
    }
    hardware::ProgrammingRun(*model, Progress(), static_cast<std::uint16_t>(port), messages_,
                             *front_end_);
}

void DesktopWindow::ShowAbout() {
    ShowAboutDialog(this, [this] { ShowManual(); });
}

void DesktopWindow::ShowManual() {
    ShowHelpWindow(help_.Path());
}

void DesktopWindow::ShowReport() {
    TDevices* model = Registry().At(IsOpened());
    TInsDevices* editor = Editors().At(IsOpened());
    if (!model || !editor || !editor->Rows()) return;
    ReportTable table;
    FillReportTable(*editor->Rows(), table);
    TfrmPreview preview(MakeReportDocument(table, model->Caption, std::chrono::system_clock::now()),
                        this);
    if (options_.answer_preview) {
        options_.answer_preview(preview);
        return;
    }
    preview.exec();
}

}  // namespace vertanum::app
