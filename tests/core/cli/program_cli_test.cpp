#include <gtest/gtest.h>

#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

using vertanum::testing::RunCli;
using vertanum::testing::TempFolder;

TEST(CliProgram, ProgramsANewDocumentOnTheSimulatorWithAProgressBar) {
    auto r = RunCli({"program", "--new", "QIREL", "--port", "sim"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("Программирование завершено успешно\nВремя: 00:"));
    // Writing is the first half of the steps, verifying the second.
    EXPECT_NE(r.err.find("\rПрограммирование [###############...............] 50%"),
              std::string::npos);
    EXPECT_NE(r.err.find("\rПроверка [##############################] 100%"), std::string::npos);
}

TEST(CliProgram, ProgramsASavedFile) {
    TempFolder dir;
    const auto path = dir.Path("d.qcf");
    ASSERT_EQ(RunCli({"new", "DORIMEN", "-o", path}).exit_code, 0);
    auto r = RunCli({"program", path, "--port", "sim"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
}

// Each injected fault ends with the run's own message and exit code 1.
TEST(CliProgram, InjectedFaultsGiveTheirMessageAndExitOne) {
    struct Row {
        const char* model;
        const char* port;
        const char* message;
    };
    const Row rows[] = {
        {"KRV", "sim:no-cable", "Проверьте подключение кабеля программирования."},
        {"KRV", "sim:chip=none", "Не удается начать программирование."},
        {"QV710P001", "sim:no-echo", "Не удается начать программирование."},
        {"KRV", "sim:chip=ATmega8", "Не соответствует тип микросхемы."},
        {"FrastovenA", "sim:signature=1E9307", "Не соответствует тип микросхемы."},
        {"DORIMEN", "sim:stuck-eeprom=5@3", "Ошибка записи."},
        {"FrastovenN", "sim:stuck-flash=last", "Ошибка записи."},
        {"Velkar", "sim:stuck-flash=0x100", "Ошибка записи."},
        {"QIREL", "sim:wrong-lock", "Ошибка записи."},
        {"QV710U001", "sim:wrong-fuse-high", "Ошибка записи."},
        {"KRV", "sim:pull=3000", "Ошибка записи."},
        {"KRV", "sim:ports=2,cable-port=2", "Проверьте подключение кабеля программирования."},
    };
    for (const Row& row : rows) {
        auto r = RunCli({"program", "--new", row.model, "--port", row.port});
        EXPECT_EQ(r.exit_code, 1) << row.port;
        EXPECT_NE(r.err.find(std::string("ошибка: ") + row.message), std::string::npos)
            << row.port << "\n"
            << r.err;
        EXPECT_EQ(r.out, "") << row.port;
    }
}

TEST(CliProgram, TraceWritesEverySpiEventWithItsTime) {
    TempFolder dir;
    const auto path = dir.Path("trace.txt");
    auto r = RunCli({"program", "--new", "QIREL", "--port", "sim", "--trace", path});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const std::string trace = dir.Read("trace.txt");
    EXPECT_NE(trace.find(" AC\n"), std::string::npos);
    EXPECT_NE(trace.find(" <53\n"), std::string::npos);
    EXPECT_NE(trace.find(" w200000\n"), std::string::npos);
}

TEST(CliProgram, HelpListsTheSimulatorOptions) {
    auto r = RunCli({"program", "--help"});
    ASSERT_EQ(r.exit_code, 0);
    for (const char* option : {"chip=", "no-cable", "no-echo", "signature=", "stuck-flash=",
                               "stuck-eeprom=", "wrong-fuse", "wrong-lock", "pull=", "--trace"}) {
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }
    EXPECT_NE(RunCli({"--help"}).out.find("program (FILE | --new MODEL)"), std::string::npos);
}

TEST(CliProgram, WrongCallsAreUsageErrors) {
    const std::vector<std::vector<std::string>> calls = {
        {"program", "--new", "KRV"},
        {"program", "--new", "KRV", "--port", "0"},
        {"program", "--new", "KRV", "--port", "x"},
        {"program", "--new", "KRV", "--port", "sim:bogus"},
        {"program", "--new", "KRV", "--port", "sim:chip=Z80"},
        {"program", "--new", "KRV", "--port", "sim:stuck-flash=99999"},
        {"program", "--new", "Velkar", "--port", "sim:stuck-eeprom=0"},
    };
    for (const auto& call : calls) {
        auto r = RunCli(call);
        EXPECT_EQ(r.exit_code, 2) << call.back() << "\n" << r.err;
    }
}

// A real port that the machine does not have is refused without touching anything.
TEST(CliProgram, ARealPortThatIsNotThereFails) {
    auto r = RunCli({"program", "--new", "KRV", "--port", "9"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.err.find("9"), std::string::npos) << r.err;
}
