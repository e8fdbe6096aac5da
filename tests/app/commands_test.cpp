// The main window's commands: the menu and toolbar as built, the enabling rules and the
// dispatcher's guards.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>
#include <QTime>
#include <QToolBar>
#include <QToolButton>
#include <stdexcept>

#include "app_test_support.hpp"
#include "command_enabling.hpp"

using namespace vertanum;
using namespace vertanum::app;
using namespace vertanum::app::testing;

class CommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void enablingRules_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("driver");
        QTest::addColumn<int>("ports");
        QTest::addColumn<bool>("close");
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("start");
        QTest::newRow("no document") << false << false << true << 1 << false << false << false;
        QTest::newRow("no document, modified flag ignored")
            << false << true << true << 1 << false << false << false;
        QTest::newRow("open, unmodified") << true << false << true << 1 << true << false << true;
        QTest::newRow("open, modified") << true << true << true << 1 << true << true << true;
        QTest::newRow("editing only: driver not opened")
            << true << true << false << 1 << true << true << false;
        QTest::newRow("no parallel port") << true << true << true << 0 << true << true << false;
    }
    void enablingRules() {
        QFETCH(bool, open);
        QFETCH(bool, modified);
        QFETCH(bool, driver);
        QFETCH(int, ports);
        QFETCH(bool, close);
        QFETCH(bool, save);
        QFETCH(bool, start);
        const CommandEnabling e = EnablingFor({open, modified, driver, ports});
        QCOMPARE(e.close, close);
        QCOMPARE(e.save_as, open);
        QCOMPARE(e.save, save);
        QCOMPARE(e.start_and_report, start);
    }

    // The same table on the real window: every command that depends on the document or the
    // port, in each state, and the commands that are always enabled.
    void windowFollowsTheRules_data() { enablingRules_data(); }
    void windowFollowsTheRules() {
        QFETCH(bool, open);
        QFETCH(bool, modified);
        QFETCH(bool, driver);
        QFETCH(int, ports);
        QFETCH(bool, close);
        QFETCH(bool, save);
        QFETCH(bool, start);
        WindowUnderTest w;
        w.ports.opened = driver;
        w.ports.count = ports;
        if (open) {
            w.NewKrv();
            w->Registry().At(w->IsOpened())->Modified = modified;
        }
        w->MenuButtonEn();
        for (const char* name : {"mnuClose", "btnClose"}) {
            QCOMPARE(w->Action(name)->isEnabled(), close);
        }
        QCOMPARE(w->Action("mnuSaveAs")->isEnabled(), open);
        for (const char* name : {"mnuSave", "btnSave"})
            QCOMPARE(w->Action(name)->isEnabled(), save);
        for (const char* name : {"mnuStart", "btnStart", "mnuReport", "btnReport"}) {
            QCOMPARE(w->Action(name)->isEnabled(), start);
        }
        for (const char* name :
             {"mnuNew", "btnNew", "mnuOpen", "btnOpen", "mnuExit", "btnExit", "mnuLPT", "btnLPT",
              "mnuAbout", "btnAbout", "mnuManual", "btnManual"}) {
            QVERIFY2(w->Action(name)->isEnabled(), name);
        }
    }

    void saveStaysDisabledUntilTheNextEdit() {
        WindowUnderTest w;
        w.NewKrv();
        QVERIFY(w->Action("mnuSave")->isEnabled());
        w.dialogs.saves.push_back(w.Path("a.qcf"));
        w->OnClickMainMenuEvent(w->Action("btnSave"));
        QVERIFY(!w->Action("mnuSave")->isEnabled());
        QVERIFY(!w->Action("btnSave")->isEnabled());
        QVERIFY(w->Action("mnuSaveAs")->isEnabled());
        // One keystroke in an in-place editor is an edit.
        QVERIFY(w->insMain()->EditRow("MasterCode"));
        QTest::keyClick(w->insMain()->InPlaceEditor(), Qt::Key_5);
        QVERIFY(w->Action("mnuSave")->isEnabled());
        QVERIFY(w->Action("btnSave")->isEnabled());
    }

    void menuAndToolbarAsBuilt() {
        WindowUnderTest w;
        QCOMPARE(w->windowTitle(), QString("Вертанум"));
        QCOMPARE(w->size(), QSize(680, 499));
        QStringList menus;
        for (QAction* a : w->menuBar()->actions()) menus << a->text();
        QCOMPARE(menus, QStringList({"Файл", "Программирование", "Настройка", "Справка"}));

        // The File menu in order, separators as "|".
        QStringList file;
        for (QAction* a : w->Action("mnuFile")->menu()->actions()) {
            file << (a->isSeparator() ? QString("|") : a->objectName());
        }
        QCOMPARE(file, QStringList({"mnuNew", "|", "mnuOpen", "mnuSave", "mnuSaveAs", "mnuClose",
                                    "|", "mnuReport", "|", "mnuExit"}));
        struct Item {
            const char* name;
            const char* caption;
            const char* shortcut;
            const char* hint;
        };
        for (const Item& item :
             {Item{"mnuNew", "Новый", "Ctrl+N", "Новый"},
              Item{"mnuOpen", "Открыть", "Ctrl+O", "Открыть"},
              Item{"mnuSave", "Сохранить", "Ctrl+S", "Сохранить"},
              Item{"mnuSaveAs", "Сохранить как", "", ""},
              Item{"mnuClose", "Закрыть", "Ctrl+Z", "Закрыть"},
              Item{"mnuReport", "Печать параметров", "", ""},
              Item{"mnuExit", "Выход", "Alt+X", "Выход"},
              Item{"mnuStart", "Старт", "Ctrl+P", "Старт программирования"},
              Item{"mnuLPT", "Конфигурация", "Ctrl+L", "Конфигурация"},
              Item{"mnuAbout", "О программе", "Ctrl+A", "О программе"},
              Item{"mnuManual", "Описание программы", "Ctrl+H", "Описание программы"}}) {
            QAction* a = w->Action(item.name);
            QVERIFY2(a, item.name);
            QCOMPARE(a->text(), QString(item.caption));
            QCOMPARE(a->shortcut(), QKeySequence(item.shortcut));
            QCOMPARE(a->statusTip(), QString(item.hint));
            QVERIFY2(!a->icon().isNull(), item.name);
        }
        QStringList info;
        for (QAction* a : w->Action("mnuInformation")->menu()->actions()) {
            info << (a->isSeparator() ? QString("|") : a->objectName());
        }
        QCOMPARE(info, QStringList({"mnuAbout", "|", "mnuManual"}));

        // The toolbar left to right; every button 39 by 38 with a 32 by 32 picture and a hint,
        // sharing its picture with the menu item of its command.
        auto* bar = w->findChild<QToolBar*>("tbMain");
        QVERIFY(bar);
        QCOMPARE(bar->iconSize(), QSize(32, 32));
        QStringList buttons;
        for (QAction* a : bar->actions()) buttons << (a->isSeparator() ? "|" : a->objectName());
        QCOMPARE(buttons, QStringList({"btnNew", "|", "btnOpen", "btnSave", "btnClose", "|",
                                       "btnExit", "|", "|", "btnStart", "|", "|", "btnLPT", "|",
                                       "|", "btnAbout", "btnManual", "|", "btnReport"}));
        QCOMPARE(w->Action("btnStart")->toolTip(), QString("Старт программирования"));
        QCOMPARE(w->Action("btnLPT")->text(), QString("LPT порт"));
        QCOMPARE(w->Action("btnLPT")->toolTip(), QString("Конфигурация"));
        QCOMPARE(w->Action("btnReport")->toolTip(), QString("Печать параметров"));
        QCOMPARE(w->Button("btnSave")->size(), QSize(39, 38));
        QCOMPARE(w->Button("btnSave")->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QCOMPARE(w->Action("btnSave")->icon().pixmap(32).toImage(),
                 w->Action("mnuSave")->icon().pixmap(32).toImage());
        QVERIFY(w->Action("btnSave")->icon().pixmap(32).toImage() !=
                w->Action("btnOpen")->icon().pixmap(32).toImage());
    }

    void statusPanels() {
        WindowUnderTest w;
        const int widths[] = {300, 69, 50, 80, 50};
        for (int i = 0; i < 5; ++i) QCOMPARE(w->StatusPanel(i)->width(), widths[i]);
        QVERIFY(QTime::fromString(w->StatusPanel(1)->text(), "hh:mm:ss").isValid());
        QCOMPARE(w->StatusPanel(2)->text(), QString("00:00"));
        QCOMPARE(w->StatusPanel(3)->text(), QString("xxx МГц"));
        QCOMPARE(w->lblProcess()->text(), QString("  "));
        QCOMPARE(w->pbrProcess()->geometry(), QRect(120, 3, 179, 18));
        QVERIFY(!w->pbrProcess()->isTextVisible());
        // The clock moves on its own.
        w->StatusPanel(1)->setText("--");
        QTRY_VERIFY_WITH_TIMEOUT(w->StatusPanel(1)->text() != "--", 2500);
    }

    void toolbarClickRefusedWhileACommandRuns() {
        WindowUnderTest w;
        bool was_running = false;
        // Inside the device picker of New, the Open button is clicked.
        w.dialogs.during = [&] {
            was_running = w->CommandRunning();
            QTest::mouseClick(w->Button("btnOpen"), Qt::LeftButton);
        };
        w->OnClickMainMenuEvent(w->Action("btnNew"));
        QVERIFY(was_running);
        QCOMPARE(w.dialogs.pick_calls, 1);
        QCOMPARE(w.dialogs.open_calls, 0);
        QVERIFY(!w->CommandRunning());
        // Afterwards the same click works.
        QTest::mouseClick(w->Button("btnOpen"), Qt::LeftButton);
        QCOMPARE(w.dialogs.open_calls, 1);
    }

    void unexpectedFailureLeavesTheWindowUsable() {
        WindowUnderTest w;
        w.dialogs.during = [&] {
            w->setEnabled(false);
            throw std::runtime_error("disk on fire");
        };
        w->OnClickMainMenuEvent(w->Action("mnuOpen"));
        QVERIFY(!w->CommandRunning());
        QVERIFY(w->isEnabled());
        QCOMPARE(w.messages.shown.size(), std::size_t{1});
        QVERIFY(w.messages.shown[0].text.find("disk on fire") != std::string::npos);
        // The next command runs.
        w->OnClickMainMenuEvent(w->Action("mnuOpen"));
        QCOMPARE(w.dialogs.open_calls, 2);
    }

    void ignoresWhatIsNoCommand() {
        WindowUnderTest w;
        QAction stranger("mnuNew");
        stranger.setObjectName("mnuNew");
        w->OnClickMainMenuEvent(&stranger);
        w->OnClickMainMenuEvent(w->Action("mnuFile"));
        QCOMPARE(w.dialogs.pick_calls, 0);
        QVERIFY(!w->CommandRunning());
    }

    void exitClosesTheWindowThroughTheClosePrompt() {
        WindowUnderTest w;
        w.NewKrv();
        w.messages.answers.push_back(MessageAnswer::Cancel);
        w->OnClickMainMenuEvent(w->Action("btnExit"));
        QVERIFY(w->isVisible());
        QCOMPARE(w->IsOpened(), kKrv);
        w.messages.answers.push_back(MessageAnswer::No);
        w->OnClickMainMenuEvent(w->Action("mnuExit"));
        QVERIFY(!w->isVisible());
        QCOMPARE(w->IsOpened(), -1);
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
