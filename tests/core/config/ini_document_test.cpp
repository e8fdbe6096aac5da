#include "config/ini_document.hpp"

#include <gtest/gtest.h>

using vertanum::config::IniDocument;

TEST(IniDocument, ReadsWhatTheWindowsProfileFunctionsAndPeopleWrite) {
    const std::string text =
        "; written by hand\n"
        "  [ Memory ]  \r\n"
        "\n"
        "  $00fe =  0x1F  \r\n"
        "$00FF=\"42\"\n"
        ";$0001=9\n"
        "stray line without equals\n"
        "$0000=1\n"
        "$0000=2\n"
        "[devices]\n"
        "TYPE=TKRV";
    auto doc = IniDocument::Parse(text);
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"MEMORY", "$00FE", "0x1F"},        // blanks around names, '=' and values
        {"memory", "$00fe", "0x1F"},        // names without regard to case
        {"MEMORY", "$00FF", "42"},          // quotes around a value
        {"MEMORY", "$0001", std::nullopt},  // a comment is no key
        {"MEMORY", "$0000", "1"},           // the first of two equal keys wins
        {"DEVICES", "Type", "TKRV"},        // last line without a line end
        {"DEVICES", "Name", std::nullopt}, {"NOSUCH", "Type", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(doc.Get(c.section, c.key), c.value) << c.key;
}

TEST(IniDocument, MatchesCyrillicNamesWithoutRegardToCase) {
    // "Нет" and "НЕТ" in Windows-1251.
    auto doc = IniDocument::Parse("[MEMORY]\r\n\xCD\xE5\xF2=0\r\n");
    EXPECT_EQ(doc.Get("MEMORY", "\xCD\xC5\xD2"), "0");
}

TEST(IniDocument, FirstOfTwoEqualSectionsWins) {
    auto doc = IniDocument::Parse("[A]\nk=1\n[a]\nk=2\nj=3\n");
    EXPECT_EQ(doc.Get("A", "k"), "1");
    EXPECT_EQ(doc.Get("A", "j"), std::nullopt);
}

TEST(IniDocument, AnUntouchedDocumentWritesBackItsExactBytes) {
    for (std::string text : {std::string("[DEVICES]\r\nName=KRV\r\n"), std::string("x\n\n[A]\rk=v"),
                             std::string("\xEF\xBB\xBF[A]\nk=1\n"), std::string(""),
                             std::string("[A]\n\0\xFF=\n", 9)}) {
        EXPECT_EQ(IniDocument::Parse(text).Serialize(), text);
    }
}

TEST(IniDocument, UpdatesInPlaceAndKeepsEverythingElse) {
    const std::string text =
        "; my notes\r\n"
        "[DEVICES]\r\n"
        "Name = KRV   \r\n"
        "Comment=keep me\r\n"
        "\r\n"
        "[Other]\r\n"
        "x=1\r\n";
    auto doc = IniDocument::Parse(text);
    doc.Set("DEVICES", "Name", "-1");
    doc.Set("DEVICES", "Type", "TKRV");
    doc.Set("MEMORY", "$00FE", "18");
    doc.Set("MEMORY", "$00FF", "52");
    EXPECT_EQ(doc.Serialize(),
              "; my notes\r\n"
              "[DEVICES]\r\n"
              "Name=-1\r\n"
              "Comment=keep me\r\n"
              "Type=TKRV\r\n"
              "\r\n"
              "[Other]\r\n"
              "x=1\r\n"
              "\r\n"
              "[MEMORY]\r\n"
              "$00FE=18\r\n"
              "$00FF=52\r\n");
}

TEST(IniDocument, ANewDocumentIsWrittenTheWindowsWay) {
    IniDocument doc;
    doc.Set("DEVICES", "Name", "KRV");
    doc.Set("DEVICES", "Type", "TKRV");
    doc.Set("MEMORY", "$00FE", "18");
    EXPECT_EQ(doc.Serialize(),
              "[DEVICES]\r\nName=KRV\r\nType=TKRV\r\n\r\n[MEMORY]\r\n$00FE=18\r\n");
}

TEST(IniDocument, KeepsTheFilesOwnLineEndsAndEndsAnUnfinishedLastLine) {
    auto doc = IniDocument::Parse("[A]\nk=1");
    doc.Set("A", "j", "2");
    EXPECT_EQ(doc.Serialize(), "[A]\nk=1\nj=2\n");
}
