// Programming from the window on the simulated cable: the port dialog first when no port was
// chosen, the run, its one message, the elapsed time, the attention and the end sound.
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "app_test_support.hpp"
#include "environment/select_port_dialog.hpp"
#include "environment/window_programming.hpp"
#include "hardware/clock.hpp"
#include "hardware/programming_run.hpp"
#include "report/report_preview.hpp"
#include "startup/desktop_window.hpp"

using namespace vertanum;
using namespace vertanum::app;
using namespace vertanum::app::testing;

class WindowProgrammingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void fullRunOnTheSimulatedCable_data() {
        QTest::addColumn<bool>("answer_ok");
        QTest::newRow("port chosen in the dialog") << true;
        QTest::newRow("dialog cancelled") << false;
    }
    void fullRunOnTheSimulatedCable() {
        QFETCH(bool, answer_ok);
        hardware::VirtualClock clock;
        hardware::ScopedClock scoped(clock);
        QTemporaryDir dir;
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        const std::string built_in_only;
        MainWindowServices services;
        services.messages = &messages;
        services.dialogs = &dialogs;
        services.firmware_folder = &built_in_only;
        DesktopOptions options;
        options.simulator = true;
        options.settings_file = dir.filePath("vertanum.conf");
        options.help_folder = dir.filePath("help");
        options.splash = false;
        options.measure_clock = false;
        options.sound = false;
        int dialogs_shown = 0;
        options.answer_port_dialog = [&](TfrmSelectPort& dialog) {
            ++dialogs_shown;
            if (!answer_ok) {
                dialog.btnSelectPortCancel()->click();
                return true;
            }
            dialog.edtSelectPort()->setCurrentIndex(0);
            dialog.btnSelectPortOk()->click();
            return true;
        };
        DesktopWindow window(services, options);
        window.show();
        QVERIFY(window.Help().Written());
        QCOMPARE(window.LptPortNumber(), -1);
        QCOMPARE(window.devOpen(16, kKrv), 0);
        window.MenuButtonEn();
        QVERIFY(window.Action("mnuStart")->isEnabled());

        // What the status label says while the bar moves: the phase of the run, never blank
        // (the port-free wait hands the label back when it ends).
        QSet<QString> statuses_while_running;
        connect(window.pbrProcess(), &QProgressBar::valueChanged, &window, [&](int value) {
            if (value > 0) statuses_while_running.insert(window.lblProcess()->text());
        });
        window.Action("mnuStart")->trigger();
        QCOMPARE(dialogs_shown, 1);
        QVERIFY(!window.CommandRunning());
        if (!answer_ok) {
            QVERIFY(messages.shown.empty());
            QCOMPARE(window.LptPortNumber(), -1);
            QCOMPARE(window.StatusPanel(2)->text(), QString("00:00"));
            return;
        }
        QCOMPARE(window.LptPortNumber(), 1);
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(messages.shown[0].text),
                 QString(hardware::kSuccessMessage));
        QCOMPARE(window.FrontEnd().sounds, 1);
        QVERIFY(window.FrontEnd().flashes >= 1);
        QVERIFY(
            QRegularExpression("^\\d\\d:\\d\\d$").match(window.StatusPanel(2)->text()).hasMatch());
        QCOMPARE(window.pbrProcess()->value(), 0);
        QCOMPARE(statuses_while_running, (QSet<QString>{"Программирование", "Проверка"}));

        // The stored port is used next time without asking.
        window.Action("btnStart")->trigger();
        QCOMPARE(dialogs_shown, 1);
        QCOMPARE(messages.shown.size(), std::size_t{2});

        // The report of the same document in the preview.
        int previews = 0;
        options.answer_preview = [&](QDialog& dialog) {
            ++previews;
            auto& preview = static_cast<TfrmPreview&>(dialog);
            QCOMPARE(QString::fromStdString(preview.Document().device_caption), QString("КРВ"));
            QVERIFY(preview.Document().records.size() > 100);
        };
        messages.answers = {MessageAnswer::No};
        window.devClose();
    }
};

QTEST_MAIN(WindowProgrammingTest)
#include "window_programming_test.moc"
