#include "framework/editor/row_model.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace vertanum;

namespace {

// Writes down every notification.
struct Recorder : RowModelObserver {
    void RowChanged(const Row& row, RowField field) override {
        changes.push_back(row.Name() + ":" + std::to_string(static_cast<int>(field)));
    }
    void RowsAboutToBeReset() override { ++about_to_reset; }
    void RowsReset() override { ++resets; }
    void CommitInPlaceEditor() override { ++commits; }
    std::vector<std::string> changes;
    int about_to_reset = 0;
    int resets = 0;
    int commits = 0;
};

std::string Order(const RowModel& rows) {
    std::string out;
    rows.ForEach(
        [&](const Row& row, int depth) { out += std::to_string(depth) + row.Name() + " "; });
    return out;
}

}  // namespace

TEST(RowModel, WalksDepthFirstInCreationOrderUnderEachParent) {
    RowModel rows;
    Row& a = rows.AddCategory("A", "Первый");
    rows.AddMask("M", "Код", "0000;1;#", "12");
    Row& a1 = rows.AddCategory("A1", "Вложенный", &a);
    rows.AddCheck("C", "Флажок", true, &a1);
    rows.AddText("T", "Текст", "x", &a);
    // Created at the top level, then moved under a parent as its last child.
    Row& late = rows.Add(RowKind::Pick, "P");
    rows.MoveTo(late, &a1);

    EXPECT_EQ(Order(rows), "0A 1A1 2C 2P 1T 0M ");
    EXPECT_EQ(rows.Count(), 6u);
    EXPECT_EQ(rows.Find("P")->Parent(), &a1);
    EXPECT_EQ(rows.Find("P")->Depth(), 2);
    // Positions among siblings follow every move.
    EXPECT_EQ(rows.Find("P")->IndexInParent(), 1);
    EXPECT_EQ(rows.Find("M")->IndexInParent(), 1);
    EXPECT_EQ(rows.Find("T")->IndexInParent(), 1);
    EXPECT_EQ(&rows.ChildrenOf(nullptr), &rows.TopLevel());
    EXPECT_EQ(rows.ChildrenOf(&a).size(), 2u);
    rows.MoveTo(a1, nullptr);
    EXPECT_EQ(Order(rows), "0A 1T 0M 0A1 1C 1P ");
    EXPECT_EQ(rows.Find("T")->IndexInParent(), 0);
    EXPECT_EQ(a1.IndexInParent(), 2);
    EXPECT_EQ(rows.Find("nothing"), nullptr);
    ASSERT_EQ(rows.DisplayOrder().size(), 6u);
    EXPECT_EQ(rows.DisplayOrder()[3]->Name(), "A1");
}

TEST(RowModel, ShapesCarryTheirDefaults) {
    RowModel rows;
    const Row& heading = rows.AddCategory("H", "Заголовок");
    EXPECT_TRUE(heading.Category());
    EXPECT_TRUE(heading.ReadOnly());
    EXPECT_FALSE(heading.Editable());

    const Row& check = rows.AddCheck("C", "Раздел1", false);
    EXPECT_EQ(check.Value(), "0");
    EXPECT_EQ(check.CheckedValue(), "1");
    EXPECT_EQ(check.UncheckedValue(), "0");
    EXPECT_FALSE(check.Checked());

    Row& pick = rows.AddPick("P", "Адрес", NumberItems(1, 4), "2");
    EXPECT_TRUE(pick.ListOnly());
    EXPECT_EQ(pick.DropDownLines(), 5);
    EXPECT_TRUE(pick.AdmitsItem("4"));
    EXPECT_FALSE(pick.AdmitsItem("5"));
    pick.SetListOnly(false);
    EXPECT_TRUE(pick.AdmitsItem("5"));
    EXPECT_TRUE(pick.Editable());
}

TEST(RowModel, ARepeatedNameOrAMoveUnderItselfIsAProgrammingError) {
    RowModel rows;
    Row& a = rows.AddCategory("A", "Первый");
    Row& b = rows.AddCategory("B", "Второй", &a);
    EXPECT_THROW(rows.AddText("A", "Снова", ""), std::logic_error);
    EXPECT_THROW(rows.MoveTo(a, &b), std::logic_error);
    EXPECT_EQ(Order(rows), "0A 1B ");
}

TEST(RowModel, EveryRealChangeIsAnnouncedOnce) {
    RowModel rows;
    Row& row = rows.AddPick("P", "Адрес", NumberItems(1, 4), "1");
    Recorder seen;
    rows.AddObserver(&seen);

    row.SetValue("2");
    row.SetValue("2");  // no change, no notification
    row.SetCategory(true);
    row.SetReadOnly(true);
    row.SetVisible(false);
    row.SetCaption("Другое");
    row.SetItems(NumberItems(1, 60));
    row.SetDropDownLines(8);
    row.SetMaxLength(4);
    row.SetEditMask("00;1;#");
    row.SetCheckTexts("Да", "Нет");
    row.SetListOnly(false);
    EXPECT_EQ(seen.changes, (std::vector<std::string>{"P:1", "P:2", "P:3", "P:4", "P:0", "P:5",
                                                      "P:7", "P:9", "P:8", "P:10", "P:6"}));
    EXPECT_EQ(seen.resets, 0);

    rows.CommitInPlaceEditor();
    EXPECT_EQ(seen.commits, 1);

    rows.RemoveObserver(&seen);
    row.SetValue("3");
    EXPECT_EQ(seen.changes.size(), 11u);
}

TEST(RowModel, ABatchIsAnnouncedAsOneReset) {
    RowModel rows;
    Recorder seen;
    rows.AddObserver(&seen);
    {
        RowUpdateBatch batch(rows);
        Row& a = rows.AddCategory("A", "Первый");
        RowUpdateBatch inner(rows);
        rows.AddCheck("C", "Флажок", false, &a).SetValue("1");
    }
    EXPECT_EQ(seen.about_to_reset, 1);
    EXPECT_EQ(seen.resets, 1);
    EXPECT_TRUE(seen.changes.empty());

    // Outside a batch a change of the tree is a reset of its own.
    rows.AddText("T", "Текст", "");
    EXPECT_EQ(seen.about_to_reset, 2);
    EXPECT_EQ(seen.resets, 2);
    rows.Clear();
    EXPECT_TRUE(rows.Empty());
    EXPECT_EQ(rows.Find("A"), nullptr);
    EXPECT_EQ(seen.resets, 3);
}

TEST(ItemLists, ARangeIsMadeOnceAndSharedByEveryRow) {
    const ItemList a = NumberItems(0, 255);
    const ItemList b = NumberItems(0, 255);
    EXPECT_EQ(a.get(), b.get());
    ASSERT_EQ(a->size(), 256u);
    EXPECT_EQ(a->front(), "0");
    EXPECT_EQ(a->back(), "255");
    EXPECT_NE(NumberItems(1, 60).get(), a.get());
    EXPECT_EQ(NumberItems(1, 60)->size(), 60u);

    int made = 0;
    auto make = [&] {
        ++made;
        return std::vector<std::string>{"нет", "1"};
    };
    const ItemList loops = SharedItems("test:loops", make);
    EXPECT_EQ(SharedItems("test:loops", make).get(), loops.get());
    EXPECT_EQ(made, 1);

    RowModel rows;
    rows.AddPick("P1", "1", a, "0");
    rows.AddPick("P2", "2", a, "0");
    EXPECT_EQ(&rows.Find("P1")->Items(), &rows.Find("P2")->Items());
}
