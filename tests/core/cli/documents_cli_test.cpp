#include <gtest/gtest.h>

#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

using vertanum::testing::RunCli;
using vertanum::testing::TempFolder;

TEST(CliDocuments, ModelsListsEveryPositionTabSeparated) {
    auto r = RunCli({"models"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_NE(r.out.find("0\tTQV710P001\tQV710P001\tQV710P001\n"), std::string::npos);
    EXPECT_NE(r.out.find("7\tTKRV\tKRV\tКРВ\n"), std::string::npos);
    EXPECT_NE(r.out.find("22\tTBUKVelkar\tZOZVelkar\tБУИК \"Велкар\""), std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 23);
}

TEST(CliDocuments, NewWritesAFileThatOpensAsTheSameModel) {
    TempFolder dir;
    for (const std::string model : {"TKRV", "KRV", "7"}) {
        const auto path = dir.Path(model + ".qcf");
        auto r = RunCli({"new", model, "-o", path});
        ASSERT_EQ(r.exit_code, 0) << r.err;
        EXPECT_TRUE(dir.Read(model + ".qcf").starts_with("[DEVICES]\r\nName=KRV\r\nType=TKRV\r\n"));
    }
    // An existing file is never overwritten by new.
    auto again = RunCli({"new", "KRV", "-o", dir.Path("KRV.qcf")});
    EXPECT_EQ(again.exit_code, 1);
    EXPECT_NE(again.err.find("уже существует"), std::string::npos);
}

TEST(CliDocuments, DumpShowsTheImageAfterLoading) {
    TempFolder dir;
    auto r = RunCli({"dump", "--new", "KRV", "--memory", "eeprom", "--from", "0xF0"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "00F0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 12 34\n");

    const auto path = dir.Write(
        "k.qcf", "[DEVICES]\r\nType=TKRV\r\n[MEMORY]\r\n$00FE=0x1F\r\n$0001=$0A\r\n$0002=300\r\n");
    r = RunCli({"dump", path, "--memory", "eeprom", "--from", "1", "--to", "3"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "0000:    0A 2C FF\n");
    r = RunCli({"dump", path, "--memory", "eeprom", "--from", "0xFE"});
    EXPECT_EQ(r.out, "00F0:                                           1F FF\n");
}

TEST(CliDocuments, RefusalsAndUsageErrorsHaveTheirExitCodes) {
    TempFolder dir;
    const auto foreign = dir.Write("f.qcf", "[DEVICES]\r\nType=TQV710\r\n");
    struct Case {
        std::vector<std::string> args;
        int exit_code;
        std::string says;
    } cases[] = {
        {{}, 2, "Использование"},
        {{"frobnicate"}, 2, "неизвестная команда"},
        {{"dump", "--new", "KRV"}, 2, "--memory"},
        {{"dump", "--new", "KRV", "--memory", "eeprom", "--from", "zz"}, 2, "--from"},
        {{"dump", "--new", "NOSUCH", "--memory", "flash"}, 1, "нет такой модели"},
        {{"dump", "--new", "Velkar", "--memory", "eeprom"}, 1, "нет памяти eeprom"},
        {{"dump", "--new", "KRV", "--memory", "eeprom", "--from", "0x100"}, 1, "вне памяти"},
        {{"dump", foreign, "--memory", "flash"}, 1, "не относится ни к одной модели"},
        {{"dump", dir.Path("missing.qcf"), "--memory", "flash"}, 1, "не найден"},
        {{"resave"}, 2, "resave"},
        {{"export-hex", "--new", "KRV"}, 2, "--flash"},
        {{"new", "KRV", "--bogus", "x"}, 2, "неизвестный параметр"},
    };
    for (const auto& c : cases) {
        auto r = RunCli(c.args);
        EXPECT_EQ(r.exit_code, c.exit_code) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
}

TEST(CliDocuments, ResaveUpdatesInPlaceAndKeepsABackup) {
    TempFolder dir;
    const std::string original = "[DEVICES]\nType=TKRV\nMine=yes\n[MEMORY]\n$00FE=0x1F\n";
    const auto path = dir.Write("k.qcf", original);
    auto r = RunCli({"resave", path});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(dir.Read("k.BAK"), original);
    const auto text = dir.Read("k.qcf");
    EXPECT_TRUE(text.starts_with("[DEVICES]\nType=TKRV\nMine=yes\nName=-1\n[MEMORY]\n$00FE=31\n"))
        << text;

    // Saved elsewhere over an existing file: that file becomes the backup of the new one.
    const auto other = dir.Write("o.qcf", "old content\n");
    r = RunCli({"resave", path, "-o", other});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(dir.Read("o.BAK"), "old content\n");
    EXPECT_TRUE(dir.Read("o.qcf").starts_with("[DEVICES]\r\nName=-1\r\nType=TKRV\r\n"));
}

TEST(CliDocuments, ExportHexWritesExactlyTheImagesThatProgrammingWrites) {
    TempFolder dir;
    auto r = RunCli({"export-hex", "--new", "KRV", "--flash", dir.Path("f.hex"), "--eeprom",
                     dir.Path("e.hex")});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto flash = dir.Read("f.hex");
    const auto eeprom = dir.Read("e.hex");
    // 4096 flash bytes and 256 EEPROM bytes, 16 a record, then the end record.
    EXPECT_EQ(std::count(flash.begin(), flash.end(), '\n'), 4096 / 16 + 1);
    EXPECT_EQ(std::count(eeprom.begin(), eeprom.end(), '\n'), 256 / 16 + 1);
    EXPECT_NE(eeprom.find(":1000F00000000000000000000000000000001234BA"), std::string::npos)
        << eeprom;
    r = RunCli({"export-hex", "--new", "Velkar", "--flash", dir.Path("v.hex"), "--eeprom",
                dir.Path("ve.hex")});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_FALSE(dir.Exists("v.hex"));
}
