#include "report/report_table.hpp"

#include <gtest/gtest.h>

#include "core/editor/editor_fixture.hpp"
#include "framework/editor/row_model.hpp"

using namespace vertanum;
using namespace vertanum::testing;

TEST(ReportTable, AKrvDocumentPrintsItsRowsIndentedWithMarks) {
    OpenEditor open(kKrvPosition);
    ASSERT_TRUE(open.Post("Partition1_2", "1").accepted);
    ASSERT_TRUE(open.Post("Addr", "2").accepted);
    ReportTable table;
    FillReportTable(open.Rows(), table);
    const auto& r = table.Records();
    ASSERT_EQ(r.size(), open.Rows().Count());

    auto expect = [&](std::size_t i, const char* name, const std::string& caption,
                      const char* result) {
        EXPECT_EQ(r[i].Name, name) << i;
        EXPECT_EQ(r[i].Caption, caption) << i;
        EXPECT_EQ(r[i].Result, result) << i;
    };
    expect(0, "MasterCode", "Код мастера", "1234");
    expect(1, "Partition", "-Разделы", "");
    expect(2, "AccessCode1", "     Код доступа к разделу №1", "0000");
    expect(33, "AccessCode32", "     Код доступа к разделу №32", "0000");
    expect(34, "Users", "-Пользователи", "");
    expect(35, "Users1", "     -Пользователь1", "");
    expect(36, "Partition1_1", "          Раздел1", "[  ]");
    expect(37, "Partition1_2", "          Раздел2", "[X]");
    expect(r.size() - 34, "Users45", "     -Пользователь45", "");
    expect(r.size() - 1, "Addr", "Адрес пульта", "2");

    // Filled again, the table holds the same records and nothing of before.
    ReportTable again = table;
    FillReportTable(open.Rows(), again);
    ASSERT_EQ(again.Count(), table.Count());
    for (std::size_t i = 0; i < table.Count(); ++i) {
        EXPECT_EQ(again.Records()[i].Caption, table.Records()[i].Caption);
    }
}

TEST(ReportTable, SwitchedOffRowsPrintNoValueAndHiddenRowsNothing) {
    RowModel rows;
    Row& head = rows.AddCategory("Head", "Шлейфы");
    rows.AddPick("Off", "Тип извещателя", NumberItems(1, 2), "1", &head).SetCategory(true);
    rows.AddText("Hidden", "Зуммер", "1", &head).SetVisible(false);
    Row& hidden_head = rows.AddCategory("HiddenHead", "Скрытая группа");
    hidden_head.SetVisible(false);
    rows.AddText("UnderHidden", "Под скрытой", "1", &hidden_head);
    rows.AddCheck("Flag", "Флажок", false, &head).SetValue("2");

    ReportTable table;
    FillReportTable(rows, table);
    ASSERT_EQ(table.Count(), 3u);
    EXPECT_EQ(table.Records()[1].Caption, "     -Тип извещателя");
    EXPECT_EQ(table.Records()[1].Result, "");
    // A check row prints by the number in its value text.
    EXPECT_EQ(table.Records()[2].Result, "[X]");
}

TEST(ReportTable, FieldsAreCutToTheirSizesInCharacters) {
    RowModel rows;
    const std::string long_name(40, 'N');
    std::string long_caption;
    for (int i = 0; i < 120; ++i) long_caption += "ж";
    rows.AddText(long_name, long_caption, std::string(70, '7'));
    ReportTable table;
    FillReportTable(rows, table);
    ASSERT_EQ(table.Count(), 1u);
    EXPECT_EQ(table.Records()[0].Name, std::string(30, 'N'));
    EXPECT_EQ(table.Records()[0].Caption.size(), 200u);  // 100 two-byte letters
    EXPECT_EQ(table.Records()[0].Result, std::string(60, '7'));
    EXPECT_EQ(CutToCharacters("абв", 2), "аб");
    EXPECT_EQ(CutToCharacters("аб", 5), "аб");
}
