#include <gtest/gtest.h>

#include <algorithm>

#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

using vertanum::testing::RunCli;
using vertanum::testing::TempFolder;

namespace {

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(CliEditor, ShowListsTheRowsIndentedWithTheirNames) {
    auto r = RunCli({"show", "--new", "KRV"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(
        r.out.starts_with("Код мастера: 1234  [MasterCode]\nРазделы  [Partition]\n"
                          "    Код доступа к разделу №1: 0000  [AccessCode1]\n"));
    EXPECT_NE(r.out.find("\n        Раздел32: [ ]  [Partition45_32]\nАдрес пульта:   [Addr]\n"),
              std::string::npos);
    EXPECT_EQ(Count(r.out, "\n"), 1521u);
}

TEST(CliEditor, ShowJsonHasOneObjectPerRowWithEveryField) {
    auto r = RunCli({"show", "--new", "QV710P001", "--json"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(
        r.out.starts_with("[\n  {\"name\": \"Parsl\", \"caption\": \"Параметры шлейфов\", "
                          "\"kind\": \"text\", \"value\": \"\", \"depth\": 0, "
                          "\"category\": true, \"readOnly\": true, \"visible\": true}"));
    EXPECT_NE(r.out.find("{\"name\": \"TimeReadyFire_sl2\", \"caption\": \"Шлейф №2\", "
                         "\"kind\": \"pick\", \"value\": \"11\", \"depth\": 2, "
                         "\"category\": false, \"readOnly\": false, \"visible\": true, "
                         "\"items\": [\"1\", \"2\", \"3\""),
              std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\"30\"]}\n]\n"));
    EXPECT_EQ(Count(r.out, "{\"name\""), 5u);
}

TEST(CliEditor, SetAppliesTheEditsInOrderAndSavesOverTheFileWithItsBackup) {
    TempFolder dir;
    const auto path = dir.Path("k.qcf");
    ASSERT_EQ(RunCli({"new", "KRV", "-o", path}).exit_code, 0);
    const std::string original = dir.Read("k.qcf");

    auto r =
        RunCli({"set", path, "MasterCode=77", "AccessCode2=0010", "Partition2_32=1", "Addr=3"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(dir.Read("k.BAK"), original);
    const std::string saved = dir.Read("k.qcf");
    EXPECT_NE(saved.find("$00FE=0\r\n$00FF=119\r\n"), std::string::npos);
    EXPECT_NE(saved.find("$0002=0\r\n$0003=16\r\n"), std::string::npos);
    EXPECT_NE(saved.find("$0047=128\r\n"), std::string::npos);
    EXPECT_NE(saved.find("$00F7=98\r\n$00F6=6\r\n"), std::string::npos);

    auto shown = RunCli({"show", path});
    EXPECT_NE(shown.out.find("Код мастера: 77  [MasterCode]"), std::string::npos);
    EXPECT_NE(shown.out.find("Раздел32: [X]  [Partition2_32]"), std::string::npos);
}

TEST(CliEditor, TheFirstRefusalSavesNothing) {
    TempFolder dir;
    const auto path = dir.Path("k.qcf");
    ASSERT_EQ(RunCli({"new", "KRV", "-o", path}).exit_code, 0);
    const std::string original = dir.Read("k.qcf");
    struct Case {
        std::vector<std::string> edits;
        const char* message;
    } cases[] = {
        {{"AccessCode1=12", "AccessCode2=12", "Addr=1"}, "Коды не должны повторяться."},
        {{"AccessCode1=13"}, "Проверьте правильность ввода поля.\nДанные должны быть четными."},
        {{"Addr=5"}, "не входит в список"},
        {{"Partition1_1=yes"}, "только «1» или «0»"},
        {{"Users1=1"}, "не изменяется"},
        {{"NoSuchRow=1"}, "Нет параметра с именем «NoSuchRow»"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"set", path};
        args.insert(args.end(), c.edits.begin(), c.edits.end());
        auto r = RunCli(args);
        EXPECT_EQ(r.exit_code, 1) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(dir.Read("k.qcf"), original);
        EXPECT_FALSE(dir.Exists("k.BAK"));
    }
}

TEST(CliEditor, SetOnANewDocumentWritesOut) {
    TempFolder dir;
    const auto out = dir.Path("p.qcf");
    auto r = RunCli({"set", "--new", "QV710P001", "-o", out, "TimeReadyFire_sl2=60"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_NE(dir.Read("p.qcf").find("$0043*2=11\r\n$0044*2=60\r\n$0045*2=3\r\n"),
              std::string::npos);

    EXPECT_EQ(RunCli({"set", "--new", "QV710P001", "TimeResetFire=2"}).exit_code, 2);
    EXPECT_EQ(RunCli({"set", "--new", "KRV", "-o", out}).exit_code, 2);
    EXPECT_EQ(RunCli({"set", "--new", "KRV", "-o", out, "novalue"}).exit_code, 2);
}

TEST(CliEditor, ReportWritesTextOrRtf) {
    TempFolder dir;
    auto text = RunCli({"report", "--new", "KRV", "--format", "text"});
    ASSERT_EQ(text.exit_code, 0) << text.err;
    EXPECT_TRUE(text.out.starts_with("Вертанум. КРВ\n"));
    EXPECT_NE(text.out.find("\n     -Пользователь1\n"), std::string::npos);
    EXPECT_NE(text.out.find("Время создания отчета: "), std::string::npos);

    const auto out = dir.Path("r.rtf");
    auto rtf = RunCli({"report", "--new", "QIREL", "--format", "rtf", "-o", out});
    ASSERT_EQ(rtf.exit_code, 0) << rtf.err;
    const std::string bytes = dir.Read("r.rtf");
    EXPECT_TRUE(bytes.starts_with("{\\rtf1\\ansi\\ansicpg1251"));
    // "Кирел" in Windows-1251.
    EXPECT_NE(bytes.find("\\'ca\\'e8\\'f0\\'e5\\'eb"), std::string::npos);

    EXPECT_EQ(RunCli({"report", "--new", "KRV", "--format", "pdf"}).exit_code, 2);
    EXPECT_EQ(RunCli({"report", "--new", "KRV"}).exit_code, 2);
}

TEST(CliEditor, ADamagedDocumentIsRefusedWithTheLoadingMessage) {
    TempFolder dir;
    const auto path = dir.Write("bad.qcf", "[DEVICES]\r\nType=TNothing\r\n");
    auto r = RunCli({"show", path});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(RunCli({"show", dir.Path("missing.qcf")}).exit_code, 1);
}
