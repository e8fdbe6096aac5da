#include <gtest/gtest.h>

#include <chrono>

#include "report/report_rtf.hpp"
#include "report/report_text.hpp"
#include "text/cp1251.hpp"

using namespace vertanum;

namespace {

ReportDocument Sample() {
    ReportDocument d;
    d.device_caption = "КРВ";
    d.records = {{"MasterCode", "Код мастера", "1234"},
                 {"Partition", "-Разделы", ""},
                 {"AccessCode1", "     Код {доступа} \\1", "0000"}};
    d.date = "05.03.2024";
    d.time = "14:07:09";
    return d;
}

}  // namespace

TEST(ReportText, HoldsTheHeadingTheColumnsTheRowsAndTheTime) {
    const std::string text = WriteReportText(Sample());
    EXPECT_TRUE(text.starts_with("Вертанум. КРВ\n\nНазвание параметра"));
    EXPECT_NE(text.find("Значение\n"), std::string::npos);
    // The values stand in one column after the longest caption.
    EXPECT_NE(text.find("\nКод мастера" + std::string(12, ' ') + "1234\n"), std::string::npos);
    EXPECT_NE(text.find("\n-Разделы\n"), std::string::npos);
    EXPECT_NE(text.find("\n     Код {доступа} \\1  0000\n"), std::string::npos);
    EXPECT_NE(text.find("\nВремя создания отчета: 05.03.2024 14:07:09\n"), std::string::npos);
}

TEST(ReportRtf, IsWindows1251WithEveryCharacterEscaped) {
    const std::string rtf = WriteReportRtf(Sample());
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1251"));
    // Nothing above 0x7F is left raw, and the braces balance.
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const auto c = static_cast<unsigned char>(rtf[i]);
        ASSERT_LT(c, 0x80) << "raw byte at " << i;
        if (c == '\\') {
            ++i;  // an escaped character or the start of a control word
            continue;
        }
        if (c == '{') ++depth;
        if (c == '}') --depth;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    // "КРВ" in Windows-1251 is CA D0 C2.
    EXPECT_NE(rtf.find("\\'ca\\'d0\\'c2"), std::string::npos);
    EXPECT_NE(rtf.find(RtfText("Время создания отчета:") + " 05.03.2024 14:07:09"),
              std::string::npos);
    EXPECT_NE(rtf.find("\\fldinst PAGE"), std::string::npos);
    EXPECT_NE(rtf.find("\\fldinst NUMPAGES"), std::string::npos);
    EXPECT_NE(rtf.find("\\trhdr"), std::string::npos);
}

TEST(ReportRtf, EscapesWhatRtfReserves) {
    struct Case {
        const char* text;
        const char* rtf;
    } cases[] = {
        {"a{b}c\\d", "a\\{b\\}c\\\\d"},
        {"Ж", "\\'c6"},
        {"№", "\\'b9"},
        {"€", "\\'88"},
        {"a\tb", "a\\tab b"},
        // Outside Windows-1251: a Unicode escape with a stand-in.
        {"✓", "\\u10003?"},
        {"😀", "\\u-10179?\\u-8704?"},
    };
    for (const auto& c : cases) EXPECT_EQ(RtfText(c.text), c.rtf) << c.text;
}

TEST(ReportDocument, TakesTheRecordsCaptionAndLocalTime) {
    ReportTable table;
    table.Append({"A", "Б", "В"});
    const auto when = std::chrono::system_clock::now();
    const ReportDocument d = MakeReportDocument(table, "Кирел", when);
    EXPECT_EQ(d.device_caption, "Кирел");
    ASSERT_EQ(d.records.size(), 1u);
    ASSERT_EQ(d.date.size(), 10u);
    EXPECT_EQ(d.date[2], '.');
    EXPECT_EQ(d.date[5], '.');
    ASSERT_EQ(d.time.size(), 8u);
    EXPECT_EQ(d.time[2], ':');
}
