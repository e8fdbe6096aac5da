// The port dialog, the stored port number and the rule for when programming asks for the port.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app_test_support.hpp"
#include "environment/port_choice.hpp"
#include "environment/port_settings.hpp"
#include "environment/select_port_dialog.hpp"
#include "hardware/simulated_cable.hpp"

using namespace vertanum;
using namespace vertanum::app;
using namespace vertanum::hardware;

namespace {

struct Bench {
    explicit Bench(std::int16_t ports) {
        CableOptions options;
        options.port_count = ports;
        binding.emplace(MakeSimulatedCable(ChipType::AT90LS4433, {}, options));
        OpenTVicPort();
    }
    std::optional<ScopedPortLibrary> binding;
};

}  // namespace

class PortDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { testing::QuietOffscreenWarnings(); }

    void itemsInPortOrder() {
        Bench bench(3);
        QCOMPARE(ListPortItems(), (QStringList{"Порт 0378H", "Порт 0278H", "Порт 03BCH"}));
        QCOMPARE(PortItemText(0xabc), QString("Порт 0ABCH"));
    }

    void preselectionAndOk_data() {
        QTest::addColumn<int>("ports");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("choose");
        QTest::addColumn<int>("after");
        QTest::newRow("second of two, kept") << 2 << 2 << 1 << -2 << 2;
        QTest::newRow("none stored, first chosen") << 2 << -1 << -1 << 0 << 1;
        QTest::newRow("stored above the count") << 1 << 2 << -1 << 0 << 1;
        QTest::newRow("no port: OK stores 0") << 0 << -1 << -1 << -2 << 0;
    }
    void preselectionAndOk() {
        QFETCH(int, ports);
        QFETCH(int, stored);
        QFETCH(int, selected);
        QFETCH(int, choose);
        QFETCH(int, after);
        Bench bench(static_cast<std::int16_t>(ports));
        QTemporaryDir dir;
        PortSettings settings(dir.filePath("vertanum.conf"));
        int lpt = stored;
        TfrmSelectPort dialog(lpt, settings);
        QCOMPARE(dialog.windowTitle(), QString("Выберите порт подключения"));
        QCOMPARE(dialog.edtSelectPort()->count(), ports);
        QCOMPARE(dialog.edtSelectPort()->currentIndex(), selected);
        if (choose > -2) dialog.edtSelectPort()->setCurrentIndex(choose);
        dialog.btnSelectPortOk()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(lpt, after);
        QCOMPARE(settings.LoadLptPort(), after);
        // The value lands under the key and name the program has always used.
        const QSettings raw(dir.filePath("vertanum.conf"), QSettings::IniFormat);
        QCOMPARE(raw.value("SoftWare/Moravex/Quillbyte/LptPort").toInt(), after);
    }

    void cancelChangesNothing() {
        Bench bench(2);
        QTemporaryDir dir;
        PortSettings settings(dir.filePath("vertanum.conf"));
        QVERIFY(settings.StoreLptPort(1));
        int lpt = 1;
        TfrmSelectPort dialog(lpt, settings);
        dialog.edtSelectPort()->setCurrentIndex(1);
        dialog.btnSelectPortCancel()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(lpt, 1);
        QCOMPARE(settings.LoadLptPort(), 1);
    }

    void storedValueWhenMissingOrBroken() {
        QTemporaryDir dir;
        PortSettings settings(dir.filePath("vertanum.conf"));
        QCOMPARE(settings.LoadLptPort(), -1);
        QSettings(dir.filePath("vertanum.conf"), QSettings::IniFormat)
            .setValue("SoftWare/Moravex/Quillbyte/LptPort", "abc");
        QCOMPARE(settings.LoadLptPort(), -1);
    }

    void noPortNamesTheSimulator() {
        Bench bench(0);
        QTemporaryDir dir;
        PortSettings settings(dir.filePath("vertanum.conf"));
        int lpt = -1;
        TfrmSelectPort dialog(lpt, settings);
        QVERIFY(dialog.Problems()->text().contains("--simulator"));
        QVERIFY(!dialog.Problems()->isHidden());
    }

    void dialogComesFirst_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("ports");
        QTest::addColumn<bool>("ask");
        QTest::newRow("never chosen") << -1 << 1 << true;
        QTest::newRow("stored 0") << 0 << 1 << true;
        QTest::newRow("first of one") << 1 << 1 << false;
        QTest::newRow("2 on a machine with one port") << 2 << 1 << true;
        QTest::newRow("2 of 3") << 2 << 3 << false;
        QTest::newRow("no ports") << 1 << 0 << true;
    }
    void dialogComesFirst() {
        QFETCH(int, stored);
        QFETCH(int, ports);
        QFETCH(bool, ask);
        QCOMPARE(PortDialogComesFirst(stored, ports), ask);
    }
};

QTEST_MAIN(PortDialogTest)
#include "port_dialog_test.moc"
