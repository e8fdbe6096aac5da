// The document commands in the real window: New, Open, Save, Save As, Close, their prompts, the
// backup of a replaced file and the window title.
#include <QTest>

#include "app_test_support.hpp"
#include "config/file_io.hpp"

using namespace vertanum;
using namespace vertanum::app;
using namespace vertanum::app::testing;

namespace {

const MessageBox* LastBox(const RecordingMessages& m) {
    return m.shown.empty() ? nullptr : &m.shown.back();
}

}  // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void newWithCancelChangesNothing() {
        WindowUnderTest w;
        w->OnClickMainMenuEvent(w->Action("mnuNew"));
        QCOMPARE(w.dialogs.pick_calls, 1);
        QCOMPARE(w->IsOpened(), -1);
        QCOMPARE(w->windowTitle(), QString("Вертанум"));
        QVERIFY(!w->insMain());

        // With a document open, a cancelled picker neither asks nor closes it.
        w.dialogs.saves.push_back(w.Path("k.qcf"));
        w.NewKrv();
        w->OnClickMainMenuEvent(w->Action("mnuSaveAs"));
        const QString title = w->windowTitle();
        const std::size_t boxes = w.messages.shown.size();
        w->OnClickMainMenuEvent(w->Action("btnNew"));
        QCOMPARE(w->IsOpened(), kKrv);
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(w.messages.shown.size(), boxes);
    }

    void windowTitleForms() {
        WindowUnderTest w;
        QCOMPARE(w->windowTitle(), QString("Вертанум"));
        w.NewKrv();
        QCOMPARE(w->windowTitle(), QString("Вертанум. КРВ. "));
        QVERIFY(w->insMain());
        const std::string path = w.Path("title.qcf");
        w.dialogs.saves.push_back(path);
        w->OnClickMainMenuEvent(w->Action("mnuSave"));
        QCOMPARE(w->windowTitle(), QString::fromStdString("Вертанум. КРВ. " + path));
        w->OnClickMainMenuEvent(w->Action("mnuClose"));
        QCOMPARE(w->windowTitle(), QString("Вертанум"));
        QVERIFY(!w->insMain());
    }

    void closePrompt_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("save_chosen");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("still_open");
        QTest::addColumn<bool>("file_written");
        QTest::newRow("Cancel") << int(MessageAnswer::Cancel) << false << -1 << true << false;
        QTest::newRow("No") << int(MessageAnswer::No) << false << 1 << false << false;
        QTest::newRow("Yes, saved") << int(MessageAnswer::Yes) << true << 2 << false << true;
        QTest::newRow("Yes, save dialog cancelled")
            << int(MessageAnswer::Yes) << false << -1 << true << false;
    }
    void closePrompt() {
        QFETCH(int, answer);
        QFETCH(bool, save_chosen);
        QFETCH(int, result);
        QFETCH(bool, still_open);
        QFETCH(bool, file_written);
        WindowUnderTest w;
        // A new document that was never edited still asks.
        w.NewKrv();
        const std::string path = w.Path("closed.qcf");
        if (save_chosen) w.dialogs.saves.push_back(path);
        w.messages.answers.push_back(static_cast<MessageAnswer>(answer));
        QCOMPARE(w->devClose(), result);
        const MessageBox* box = LastBox(w.messages);
        QVERIFY(box);
        QCOMPARE(box->text, std::string("Сохранить данные из КРВ"));
        QCOMPARE(box->buttons, MessageButtons::YesNoCancel);
        QCOMPARE(box->icon, MessageIcon::Information);
        QCOMPARE(w->IsOpened() >= 0, still_open);
        QCOMPARE(w->insMain() != nullptr, still_open);
        QCOMPARE(config::FileExists(path), file_written);
        QCOMPARE(w.dialogs.save_calls, answer == int(MessageAnswer::Yes) ? 1 : 0);
    }

    void yesForADocumentWithAFileStillAsksForAName() {
        WindowUnderTest w;
        w.NewKrv();
        w.dialogs.saves.push_back(w.Path("has_file.qcf"));
        w->OnClickMainMenuEvent(w->Action("mnuSave"));
        QVERIFY(w->insMain()->EditRow("MasterCode"));
        QTest::keyClick(w->insMain()->InPlaceEditor(), Qt::Key_7);  // an edit: modified again
        w->insMain()->CancelEdit();
        w.messages.answers.push_back(MessageAnswer::Yes);
        QCOMPARE(w->devClose(), -1);  // the save dialog is shown and cancelled
        QCOMPARE(w.dialogs.save_calls, 2);
        QCOMPARE(w->IsOpened(), kKrv);
    }

    void saveAsOverAnExistingFileKeepsItAsBak() {
        WindowUnderTest w;
        const std::string path = w.Path("panel.qcf");
        const std::string backup = w.Path("panel.BAK");
        WriteFile(path, "[DEVICES]\r\nName=old\r\n");
        WriteFile(backup, "an older backup");
        w.NewKrv();
        w.dialogs.saves.push_back(path);
        w.messages.answers.push_back(MessageAnswer::Ok);
        w->OnClickMainMenuEvent(w->Action("mnuSaveAs"));
        const MessageBox* box = LastBox(w.messages);
        QVERIFY(box);
        QCOMPARE(box->text, std::string("Файл с именем \"panel.qcf\" уже существует.\rЗаменить?"));
        QCOMPARE(box->buttons, MessageButtons::OkCancel);
        QCOMPARE(ReadFile(backup), std::string("[DEVICES]\r\nName=old\r\n"));
        const std::string saved = ReadFile(path);
        QVERIFY(saved.find("Type=TKRV") != std::string::npos);
        QVERIFY(saved.find("Name=old") == std::string::npos);
        QVERIFY(!w->Registry().At(kKrv)->Modified);
    }

    void refusingToReplaceWritesNothing() {
        WindowUnderTest w;
        const std::string path = w.Path("keep.qcf");
        WriteFile(path, "mine");
        w.NewKrv();
        w.dialogs.saves.push_back(path);
        w.messages.answers.push_back(MessageAnswer::Cancel);
        QCOMPARE(w->devSave(2, kKrv), -1);
        QCOMPARE(ReadFile(path), std::string("mine"));
        QVERIFY(!config::FileExists(w.Path("keep.BAK")));
        QVERIFY(!w->Registry().At(kKrv)->HasFile());
        QVERIFY(w->Registry().At(kKrv)->Modified);
    }

    void onlyFileNameResults() {
        WindowUnderTest w;
        QCOMPARE(w->OnlyFileName(w.Path("absent.qcf")), 2);
        QVERIFY(w.messages.shown.empty());
        const std::string path = w.Path("noext");
        WriteFile(path, "x");
        w.messages.answers.push_back(MessageAnswer::Ok);
        QCOMPARE(w->OnlyFileName(path), 1);
        QCOMPARE(ReadFile(w.Path("noext.BAK")), std::string("x"));
        WriteFile(path, "y");
        w.messages.answers.push_back(MessageAnswer::Cancel);
        QCOMPARE(w->OnlyFileName(path), -1);
        QCOMPARE(ReadFile(path), std::string("y"));
    }

    void openASavedDocument() {
        WindowUnderTest w;
        const std::string path = w.Path("reopen.qcf");
        w.NewKrv();
        QVERIFY(w->insMain()->EditRow("MasterCode"));
        QTest::keyClicks(w->insMain()->InPlaceEditor(), "4321");
        QVERIFY(w->insMain()->CommitEdit());
        w.dialogs.saves.push_back(path);
        w->OnClickMainMenuEvent(w->Action("mnuSave"));
        w->OnClickMainMenuEvent(w->Action("mnuClose"));
        QCOMPARE(w->IsOpened(), -1);

        w.dialogs.opens.push_back(path);
        w->OnClickMainMenuEvent(w->Action("btnOpen"));
        QCOMPARE(w->IsOpened(), kKrv);
        QCOMPARE(w->windowTitle(), QString::fromStdString("Вертанум. КРВ. " + path));
        QCOMPARE(w->insMain()->ValueIndex("MasterCode").data().toString(), QString("4321"));
        // Nothing to save yet: closing asks nothing.
        QVERIFY(!w->Action("mnuSave")->isEnabled());
        const std::size_t boxes = w.messages.shown.size();
        QCOMPARE(w->devClose(), 1);
        QCOMPARE(w.messages.shown.size(), boxes);
    }

    void openingAFileOfNoRegisteredModelClosesSilently() {
        WindowUnderTest w;
        const std::string path = w.Path("family.qcf");
        WriteFile(path, "[DEVICES]\r\nName=QV710\r\nType=TQV710\r\n");
        w.NewKrv();
        w.dialogs.opens.push_back(path);
        w.messages.answers.push_back(MessageAnswer::No);
        QCOMPARE(w->devOpen(8, 0), -2);
        QCOMPARE(w.messages.shown.size(), std::size_t{1});  // only the save prompt
        QCOMPARE(w->IsOpened(), -1);
        QCOMPARE(w->windowTitle(), QString("Вертанум"));
        QVERIFY(!w->insMain());
    }

    void cancelledOpenKeepsTheDocument() {
        WindowUnderTest w;
        w.NewKrv();
        QCOMPARE(w->devOpen(8, 0), -1);
        QCOMPARE(w->IsOpened(), kKrv);
        QVERIFY(w.messages.shown.empty());
    }

    void loadingFailureSaysDamagedAndLeavesNothingOpen() {
        QTemporaryDir firmware;
        WriteFile(firmware.filePath("KRVROM.hex").toStdString(), "this is no Intel HEX\n");
        WindowUnderTest w(firmware.path().toStdString());
        w.dialogs.picks.push_back(kKrv);
        w->OnClickMainMenuEvent(w->Action("mnuNew"));
        QCOMPARE(w->IsOpened(), -1);
        QVERIFY(!w->insMain());
        QVERIFY(w->isEnabled());
        const MessageBox* box = LastBox(w.messages);
        QVERIFY(box);
        QCOMPARE(box->text, std::string("Файл default.xxx поврежден.\rЗагрузка невозможна."));
        QCOMPARE(box->icon, MessageIcon::Error);
        QCOMPARE(w->windowTitle(), QString("Вертанум"));
    }

    void eachDocumentStartsFromFreshModels() {
        WindowUnderTest w;
        w.NewKrv();
        TDevices* first = w->Registry().At(kKrv);
        first->Caption = "changed";
        w.messages.answers.push_back(MessageAnswer::No);
        w.NewKrv();
        QCOMPARE(w->Registry().At(kKrv)->Caption, std::string("КРВ"));
        QCOMPARE(w->windowTitle(), QString("Вертанум. КРВ. "));
    }
};

QTEST_MAIN(DocumentsTest)
#include "documents_test.moc"
