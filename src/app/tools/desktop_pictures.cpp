// Draws the README pictures with the program itself on the offscreen platform: the port dialog,
// a programming run in progress on the simulated cable, the report preview.
//   QT_QPA_PLATFORM=offscreen vertanum_desktop_pictures docs/images
#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QTemporaryDir>

#include "environment/select_port_dialog.hpp"
#include "environment/simulator_port.hpp"
#include "environment/window_programming.hpp"
#include "framework/editor/ins_devices.hpp"
#include "hardware/clock.hpp"
#include "report/report_preview.hpp"
#include "report/report_table.hpp"
#include "startup/desktop_window.hpp"

using namespace vertanum;
using namespace vertanum::app;

namespace {

// Passes everything on to the window's display and takes a picture once, half way through.
class GrabbingProgress : public ProgressDisplay {
  public:
    GrabbingProgress(ProgressDisplay& inner, QWidget& window, QString path)
        : inner_(inner), window_(window), path_(std::move(path)) {}
    void SetStatus(std::string_view text) override { inner_.SetStatus(text); }
    std::string Status() const override { return inner_.Status(); }
    void SetMaximum(int maximum) override {
        maximum_ = maximum;
        inner_.SetMaximum(maximum);
    }
    void SetPosition(int position) override {
        inner_.SetPosition(position);
        if (!taken_ && maximum_ > 0 && position * 100 / maximum_ >= 45) {
            QApplication::processEvents();
            taken_ = window_.grab().save(path_);
        }
    }
    int Position() const override { return inner_.Position(); }
    void ShowPercentage(bool on) override { inner_.ShowPercentage(on); }
    void ProcessEvents() override { inner_.ProcessEvents(); }
    bool taken_ = false;

  private:
    ProgressDisplay& inner_;
    QWidget& window_;
    QString path_;
    int maximum_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    hardware::VirtualClock clock;
    hardware::ScopedClock scoped(clock);
    QTemporaryDir dir;
    RecordingMessages messages;
    const std::string built_in_only;
    MainWindowServices services;
    services.messages = &messages;
    services.firmware_folder = &built_in_only;
    DesktopOptions options;
    options.simulator = true;
    options.settings_file = dir.filePath("vertanum.conf");
    options.help_folder = dir.filePath("help");
    options.splash = false;
    options.measure_clock = false;
    options.sound = false;
    bool ok = true;
    options.answer_port_dialog = [&](TfrmSelectPort& dialog) {
        dialog.edtSelectPort()->setCurrentIndex(0);
        dialog.show();
        QApplication::processEvents();
        ok = dialog.grab().save(folder + "/port_dialog.png") && ok;
        dialog.accept();
        return true;
    };
    DesktopWindow window(services, options);
    window.show();
    if (window.devOpen(16, 7) != 0) return 1;
    window.LPTSetting();
    BindSimulatedCable(window.Registry().At(7));
    GrabbingProgress progress(window.Progress(), window, folder + "/programming.png");
    hardware::ProgrammingRun(*window.Registry().At(7), progress, 1, messages, window.FrontEnd());
    ok = progress.taken_ && ok;
    ReportTable table;
    FillReportTable(*window.Editors().At(7)->Rows(), table);
    TfrmPreview preview(MakeReportDocument(table, window.Registry().At(7)->Caption,
                                           std::chrono::system_clock::now()));
    preview.resize(760, 620);
    preview.show();
    QApplication::processEvents();
    ok = preview.grab().save(folder + "/report_preview.png") && ok;
    messages.answers = {MessageAnswer::No};
    window.devClose();
    return ok ? 0 : 1;
}
