// The window's pure rules: titles, prompts, the file filter, the edit masks and the command
// table.
#include <QTest>

#include "app_test_support.hpp"
#include "command_table.hpp"
#include "document_texts.hpp"
#include "edit_mask.hpp"
#include "qt_messages.hpp"

using namespace vertanum;
using namespace vertanum::app;

class TextsTest : public QObject {
    Q_OBJECT

  private slots:
    void windowTitles() {
        QCOMPARE(WindowTitle(false, "КРВ", true, "/a/b.qcf"), std::string("Вертанум"));
        QCOMPARE(WindowTitle(true, "КРВ", false, "default.xxx"), std::string("Вертанум. КРВ. "));
        QCOMPARE(WindowTitle(true, "Доримен", true, "/home/u/d.qcf"),
                 std::string("Вертанум. Доримен. /home/u/d.qcf"));
    }

    void prompts() {
        QCOMPARE(OverwritePrompt("/home/u/old files/panel.qcf"),
                 std::string("Файл с именем \"panel.qcf\" уже существует.\rЗаменить?"));
        QCOMPARE(OverwritePrompt("plain"),
                 std::string("Файл с именем \"plain\" уже существует.\rЗаменить?"));
        QCOMPARE(SavePrompt("Фрастовен-А"), std::string("Сохранить данные из Фрастовен-А"));
        QCOMPARE(DamagedFileMessage("/x/y.qcf"),
                 std::string("Файл /x/y.qcf поврежден.\rЗагрузка невозможна."));
        QCOMPARE(QtMessages::ScreenText("a\rb\rc"), QString("a\nb\nc"));
    }

    void fileFilter() {
        QCOMPARE(QtFileFilter(kDocumentFilter),
                 std::string("Файлы вертанума qcf (*.qcf);;Все файлы *.* (*)"));
        QCOMPARE(QtFileFilter("Тексты|*.txt;*.log"), std::string("Тексты (*.txt *.log)"));
    }

    void editMasks_data() {
        QTest::addColumn<QString>("edit_mask");
        QTest::addColumn<QString>("qt_mask");
        QTest::newRow("four required digits") << "0000;1;#"
                                              << "9999;#";
        QTest::newRow("optional digits") << "99;0;_"
                                         << "00;_";
        QTest::newRow("letters and any") << "LlAaCc;1;*"
                                         << "AaNnXx;*";
        QTest::newRow("literals that are mask characters in Qt") << "00-H\\0;1;_"
                                                                 << "99-\\H\\0;_";
        QTest::newRow("case") << ">LL<ll;1;_"
                              << ">AA<aa;_";
        QTest::newRow("no fields") << "000"
                                   << "999;_";
    }
    void editMasks() {
        QFETCH(QString, edit_mask);
        QFETCH(QString, qt_mask);
        QCOMPARE(QString::fromStdString(QtInputMask(edit_mask.toStdString())), qt_mask);
    }

    void commandNames() {
        Command c{};
        QVERIFY(CommandOfName("btnLPT", c));
        QCOMPARE(int(c), int(Command::Lpt));
        QVERIFY(CommandOfName("mnuSaveAs", c));
        QCOMPARE(int(c), int(Command::SaveAs));
        QVERIFY(!CommandOfName("mnuFile", c));
        QVERIFY(!CommandOfName("btnSaveAs", c));
        QVERIFY(!CommandOfName("", c));
    }
};

QTEST_MAIN(TextsTest)
#include "texts_test.moc"
