// The property grid: how it shows the rows, its in-place editors, its keyboard, and the
// validation of a posted value, alone and in the real window.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app_test_support.hpp"
#include "framework/editor/item_lists.hpp"
#include "property_grid.hpp"

using namespace vertanum;
using namespace vertanum::app;
using namespace vertanum::app::testing;

namespace {

// Records what the grid reports, in order; refuses the values listed in `refuse`.
class RecordingEvents : public PropertyGridEvents {
  public:
    EditOutcome insMainEditValidate(const Row& row, const std::string& text) override {
        log.push_back("validate " + row.Name() + "=" + text);
        if (text == refuse) return {false, "Проверьте правильность ввода поля."};
        const_cast<Row&>(row).SetValue(text);
        return {true, {}};
    }
    void insMainToggleClick(const Row& row, const std::string& text) override {
        log.push_back("toggle " + row.Name() + "=" + text);
        const_cast<Row&>(row).SetValue(text);
    }
    void insMainEditChange() override { log.push_back("change"); }

    std::vector<std::string> log;
    std::string refuse = "bad";
};

struct Fixture {
    Fixture() : grid(events, messages) {
        Row& general = rows.AddCategory("General", "Общие");
        rows.AddText("Text", "Текст", "abc", &general, 8);
        rows.AddPick("Pick", "Выбор", NumberItems(1, 60), "5", &general).SetDropDownLines(8);
        Row& free = rows.AddPick("Free", "Свободный выбор", MakeItems({"a", "b"}), "a", &general);
        free.SetListOnly(false);
        rows.AddCheck("Check", "Флажок", false, &general);
        rows.AddMask("Mask", "Код", "0000;1;#", "1234", &general);
        rows.AddText("Locked", "Только чтение", "42", &general).SetReadOnly(true);
        Row& off = rows.AddText("Off", "Не действует", "7", &general);
        off.SetCategory(true);
        rows.AddText("Hidden", "Скрытый", "0", &general).SetVisible(false);
        rows.AddText("Last", "Последний", "z", &general);
        grid.resize(600, 400);
        grid.SetRows(&rows);
        grid.show();
        QApplication::setActiveWindow(&grid);
        (void)QTest::qWaitForWindowExposed(&grid);
    }
    QModelIndex Value(const char* name) const { return grid.ValueIndex(name); }

    RowModel rows;
    RecordingEvents events;
    RecordingMessages messages;
    PropertyGrid grid;
};

}  // namespace

class GridTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void showsRowsAsAPropertyGrid() {
        Fixture f;
        QCOMPARE(f.grid.columnWidth(0), f.grid.width() / 2);
        QCOMPARE(f.grid.objectName(), QString("insMain"));
        // The heading is a band across both columns, expanded.
        const QModelIndex general = f.grid.model()->index(0, 0);
        QVERIFY(f.grid.isFirstColumnSpanned(0, QModelIndex()));
        QVERIFY(f.grid.isExpanded(general));
        // Hidden rows are absent: 8 of the 9 children are shown.
        QCOMPARE(f.grid.model()->rowCount(general), 8);
        QVERIFY(!f.Value("Hidden").isValid());
        QCOMPARE(f.Value("Text").data().toString(), QString("abc"));
        // A switched-off row shows its caption and no value, as a band.
        const QModelIndex off = f.Value("Off");
        QCOMPARE(off.siblingAtColumn(0).data().toString(), QString("Не действует"));
        QVERIFY(off.data().toString().isEmpty());
        QVERIFY(f.grid.isFirstColumnSpanned(off.row(), general));
        // A read-only row shows its value and cannot be edited.
        QCOMPARE(f.Value("Locked").data().toString(), QString("42"));
        QVERIFY(!f.grid.EditRow("Locked"));
        QVERIFY(!f.grid.EditRow("Off"));
        QVERIFY(!f.grid.EditRow("General"));
        QVERIFY(!f.grid.Editing());
        // A check row shows a check box.
        QCOMPARE(f.Value("Check").data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    }

    void followsChangesOfTheRows() {
        Fixture f;
        const QModelIndex general = f.grid.model()->index(0, 0);
        f.rows.Find("Hidden")->SetVisible(true);
        QCOMPARE(f.grid.model()->rowCount(general), 9);
        QCOMPARE(f.Value("Hidden").row(), 7);  // in its place, before "Last"
        f.rows.Find("Text")->SetVisible(false);
        QCOMPARE(f.Value("Last").row(), 7);
        f.rows.Find("Off")->SetCategory(false);
        QCOMPARE(f.Value("Off").data().toString(), QString("7"));
        QVERIFY(!f.grid.isFirstColumnSpanned(f.Value("Off").row(), general));
        f.rows.Find("Pick")->SetValue("9");
        QCOMPARE(f.Value("Pick").data().toString(), QString("9"));
    }

    void inPlaceEditorsMadeOnlyWhenEditing() {
        Fixture f;
        QVERIFY(!f.grid.InPlaceEditor());
        QVERIFY(f.grid.EditRow("Pick"));
        auto* pick = qobject_cast<QComboBox*>(f.grid.InPlaceEditor());
        QVERIFY(pick);
        QCOMPARE(pick->count(), 60);
        QCOMPARE(pick->maxVisibleItems(), 8);
        QVERIFY(!pick->isEditable());
        QCOMPARE(pick->currentText(), QString("5"));
        f.grid.CancelEdit();

        QVERIFY(f.grid.EditRow("Free"));
        QVERIFY(qobject_cast<QComboBox*>(f.grid.InPlaceEditor())->isEditable());
        f.grid.CancelEdit();

        QVERIFY(f.grid.EditRow("Mask"));
        auto* mask = qobject_cast<QLineEdit*>(f.grid.InPlaceEditor());
        QVERIFY(mask);
        QCOMPARE(mask->inputMask(), QString("9999;#"));
        f.grid.CancelEdit();

        QVERIFY(f.grid.EditRow("Text"));
        auto* text = qobject_cast<QLineEdit*>(f.grid.InPlaceEditor());
        QVERIFY(text);
        QCOMPARE(text->maxLength(), 8);
        f.grid.CancelEdit();

        QVERIFY(!f.grid.EditRow("Check"));
        QVERIFY(!f.grid.InPlaceEditor());
    }

    void keyboard() {
        Fixture f;
        // Enter edits, typing reports each change, Enter posts.
        f.grid.setCurrentIndex(f.Value("Text"));
        QTest::keyClick(&f.grid, Qt::Key_Return);
        QVERIFY(f.grid.Editing());
        QTest::keyClicks(f.grid.InPlaceEditor(), "xy");
        QTest::keyClick(f.grid.InPlaceEditor(), Qt::Key_Return);
        QVERIFY(!f.grid.Editing());
        QCOMPARE(f.rows.Find("Text")->Value(), std::string("xy"));
        QCOMPARE(f.events.log, (std::vector<std::string>{"change", "change", "validate Text=xy"}));

        // F2 edits, Escape cancels and nothing is posted.
        f.events.log.clear();
        QTest::keyClick(&f.grid, Qt::Key_F2);
        QVERIFY(f.grid.Editing());
        QTest::keyClicks(f.grid.InPlaceEditor(), "zz");
        QTest::keyClick(f.grid.InPlaceEditor(), Qt::Key_Escape);
        QVERIFY(!f.grid.Editing());
        QCOMPARE(f.rows.Find("Text")->Value(), std::string("xy"));
        QCOMPARE(f.events.log, (std::vector<std::string>{"change", "change"}));

        // Down moves to the next row; Space toggles a check row, the change reported first.
        f.events.log.clear();
        f.grid.setCurrentIndex(f.Value("Free"));
        QTest::keyClick(&f.grid, Qt::Key_Down);
        QCOMPARE(RowItemModel::RowOf(f.grid.currentIndex())->Name(), std::string("Check"));
        QTest::keyClick(&f.grid, Qt::Key_Space);
        QCOMPARE(f.events.log, (std::vector<std::string>{"change", "toggle Check=1"}));
        QCOMPARE(f.Value("Check").data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QTest::keyClick(&f.grid, Qt::Key_Space);
        QCOMPARE(f.events.log.back(), std::string("toggle Check=0"));
    }

    void aClickOnTheCheckBoxToggles() {
        Fixture f;
        const QRect cell = f.grid.visualRect(f.Value("Check"));
        // The box sits at the left of the value cell.
        QTest::mouseClick(f.grid.viewport(), Qt::LeftButton, {},
                          QPoint(cell.left() + 10, cell.center().y()));
        QCOMPARE(f.events.log.back(), std::string("toggle Check=1"));
    }

    void refusedValueKeepsTheEditOpen() {
        Fixture f;
        QVERIFY(f.grid.EditRow("Text"));
        auto* editor = qobject_cast<QLineEdit*>(f.grid.InPlaceEditor());
        editor->setText("bad");
        QVERIFY(!f.grid.CommitEdit());
        QCOMPARE(f.messages.shown.size(), std::size_t{1});
        QCOMPARE(f.messages.shown[0].icon, MessageIcon::Error);
        QCOMPARE(f.messages.shown[0].text, std::string("Проверьте правильность ввода поля."));
        QVERIFY(f.grid.Editing());
        QCOMPARE(f.grid.InPlaceEditor(), editor);
        QCOMPARE(editor->text(), QString("bad"));
        QVERIFY(editor->hasFocus());
        QCOMPARE(f.rows.Find("Text")->Value(), std::string("abc"));

        // Choosing another row does not leave it either.
        f.grid.setCurrentIndex(f.Value("Last"));
        QCOMPARE(f.messages.shown.size(), std::size_t{2});
        QVERIFY(f.grid.Editing());
        QTRY_COMPARE(RowItemModel::RowOf(f.grid.currentIndex())->Name(), std::string("Text"));

        // Once corrected, it posts.
        editor->setText("good");
        QVERIFY(f.grid.CommitEdit());
        QVERIFY(!f.grid.Editing());
        QCOMPARE(f.rows.Find("Text")->Value(), std::string("good"));
    }

    void anUnchangedValuePostsNothing() {
        Fixture f;
        QVERIFY(f.grid.EditRow("Pick"));
        QVERIFY(f.grid.CommitEdit());
        QVERIFY(f.events.log.empty());
    }

    void ctrlSAppliesAValidPendingValueBeforeSaving() {
        WindowUnderTest w;
        const std::string path = w.Path("ctrl_s.qcf");
        w.NewKrv();
        w.dialogs.saves.push_back(path);
        w->OnClickMainMenuEvent(w->Action("mnuSaveAs"));
        QVERIFY(w->insMain()->EditRow("MasterCode"));
        QTest::keyClicks(w->insMain()->InPlaceEditor(), "2468");
        QTest::keyClick(w->insMain()->InPlaceEditor(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!w->insMain()->Editing());
        QCOMPARE(w->insMain()->ValueIndex("MasterCode").data().toString(), QString("2468"));
        // The master code is stored as BCD: 0x24 and 0x68.
        const std::string saved = ReadFile(path);
        QVERIFY2(saved.find("$00FE=36") != std::string::npos, saved.c_str());
        QVERIFY(saved.find("$00FF=104") != std::string::npos);
        QVERIFY(!w->Action("mnuSave")->isEnabled());
        QVERIFY(w.messages.shown.empty());
    }

    void ctrlSRefusesAnInvalidPendingValueAndSavesNothing() {
        WindowUnderTest w;
        const std::string path = w.Path("refused.qcf");
        w.NewKrv();
        w.dialogs.saves.push_back(path);
        w->OnClickMainMenuEvent(w->Action("mnuSaveAs"));
        const std::string before = ReadFile(path);
        QVERIFY(w->insMain()->EditRow("AccessCode1"));
        QTest::keyClicks(w->insMain()->InPlaceEditor(), "1111");  // codes must be even
        QTest::keyClick(w->insMain()->InPlaceEditor(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.messages.shown.size(), std::size_t{1});
        QCOMPARE(w.messages.shown[0].text,
                 std::string("Проверьте правильность ввода поля.\rДанные должны быть четными."));
        QVERIFY(w->insMain()->Editing());
        QVERIFY(w->insMain()->InPlaceEditor()->hasFocus());
        QCOMPARE(ReadFile(path), before);
        QVERIFY(!w->CommandRunning());
        QCOMPARE(w->insMain()->ValueIndex("AccessCode1").data().toString(), QString("0000"));
    }

    void windowCloseWaitsForAValidValue() {
        WindowUnderTest w;
        w.NewKrv();
        QVERIFY(w->insMain()->EditRow("AccessCode2"));
        QTest::keyClicks(w->insMain()->InPlaceEditor(), "0003");
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QCOMPARE(w->IsOpened(), kKrv);
        QCOMPARE(w.messages.shown.size(), std::size_t{1});  // the refusal, no save prompt
    }

    void toggleInTheWindowMarksTheDocumentModified() {
        WindowUnderTest w;
        const std::string path = w.Path("toggle.qcf");
        w.NewKrv();
        w.dialogs.saves.push_back(path);
        w->OnClickMainMenuEvent(w->Action("mnuSaveAs"));
        QVERIFY(!w->Action("btnSave")->isEnabled());
        PropertyGrid* grid = w->insMain();
        grid->setCurrentIndex(grid->ValueIndex("Partition1_1"));
        const bool was =
            grid->ValueIndex("Partition1_1").data(Qt::CheckStateRole).toInt() == Qt::Checked;
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(grid->ValueIndex("Partition1_1").data(Qt::CheckStateRole).toInt() == Qt::Checked,
                 !was);
        QVERIFY(w->Registry().At(kKrv)->Modified);
        QVERIFY(w->Action("btnSave")->isEnabled());
    }

    void incompleteMaskIsRefused() {
        WindowUnderTest w;
        w.NewKrv();
        QVERIFY(w->insMain()->EditRow("MasterCode"));
        QTest::keyClicks(w->insMain()->InPlaceEditor(), "12");
        QVERIFY(!w->insMain()->CommitEdit());
        QCOMPARE(w.messages.shown.size(), std::size_t{1});
        QVERIFY(w->insMain()->Editing());
    }
};

QTEST_MAIN(GridTest)
#include "grid_test.moc"
