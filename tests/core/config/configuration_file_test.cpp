#include "config/configuration_file.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>
#include <csignal>

#include "support/temp_folder.hpp"

using namespace vertanum::config;

TEST(ProfileInteger, ReadsNumbersAsTheProgramAlwaysHas) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"31", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"-1", -1},
        {"+7", 7},
        {"300", 300},
        {"0xFFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", INT32_MIN},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"0x100000000", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseProfileInteger(c.text), c.value) << c.text;
}

TEST(ConfigurationFile, BytesKeepTheLowEightBitsOrTakeTheDefault) {
    vertanum::testing::TempFolder dir;
    const auto path = dir.Write("a.qcf",
                                "[MEMORY]\r\n$0000=0x1F\r\n$0001=$1F\r\n$0002=abc\r\n$0003=300\r\n"
                                "$0004=-1\r\n$0005=\r\n");
    FileError error;
    auto file = ConfigurationFile::Open(path, &error);
    ASSERT_TRUE(file) << error.message;
    struct Case {
        const char* key;
        std::uint8_t value;
    } cases[] = {{"$0000", 31},  {"$0001", 31}, {"$0002", 7}, {"$0003", 44},
                 {"$0004", 255}, {"$0005", 7},  {"$0006", 7}};
    for (const auto& c : cases) EXPECT_EQ(file->ReadByte("MEMORY", c.key, 7), c.value) << c.key;
}

TEST(ConfigurationFile, KeysAreSpelledAsTheFilesHaveThem) {
    EXPECT_EQ(ByteKey(0xFE), "$00FE");
    EXPECT_EQ(ByteKey(0x2F6E), "$2F6E");
    EXPECT_EQ(WordKey(0x43), "$0043*2");
}

TEST(ConfigurationFile, TextsCrossTheFileBoundaryInWindows1251) {
    vertanum::testing::TempFolder dir;
    ConfigurationFile file(dir.Path("b.qcf"));
    file.WriteString("DEVICES", "Name", "Кирел");
    file.WriteInteger("MEMORY", "Нет изменяемых параметров", 0);
    FileError error;
    ASSERT_TRUE(file.Save(&error)) << error.message;
    EXPECT_EQ(dir.Read("b.qcf"),
              "[DEVICES]\r\nName=\xCA\xE8\xF0\xE5\xEB\r\n\r\n[MEMORY]\r\n"
              "\xCD\xE5\xF2 \xE8\xE7\xEC\xE5\xED\xFF\xE5\xEC\xFB\xF5 "
              "\xEF\xE0\xF0\xE0\xEC\xE5\xF2\xF0\xEE\xE2=0\r\n");
    auto back = ConfigurationFile::Open(dir.Path("b.qcf"), &error);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->ReadString("devices", "NAME", "-1"), "Кирел");
    EXPECT_THROW(file.WriteString("DEVICES", "Name", "日本"), std::invalid_argument);
}

TEST(ConfigurationFile, AFileThatCannotBeReadIsRefusedWithAReason) {
    vertanum::testing::TempFolder dir;
    FileError error;
    EXPECT_FALSE(ConfigurationFile::Open(dir.Path(""), &error));  // a folder
    EXPECT_NE(error.message.find("папка"), std::string::npos) << error.message;

    const auto big = dir.Write("big.qcf", std::string(kMaxConfigFileSize + 1, 'x'));
    EXPECT_FALSE(ConfigurationFile::Open(big, &error));
    EXPECT_NE(error.message.find("слишком велик"), std::string::npos) << error.message;

    // A missing file opens empty: it is a new file to be written.
    auto missing = ConfigurationFile::Open(dir.Path("new.qcf"), &error);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->ReadString("DEVICES", "Type", "NonType"), "NonType");
}

namespace {

// Makes every write past `bytes` fail, as a full disk does, for the life of the object.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }

  private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

}  // namespace

TEST(ConfigurationFile, ASaveThatRunsOutOfSpaceLeavesTheOldFileWhole) {
    vertanum::testing::TempFolder dir;
    const std::string old = "[DEVICES]\r\nName=old\r\nMine=keep\r\n";
    const auto path = dir.Write("f.qcf", old);
    FileError error;
    auto file = ConfigurationFile::Open(path, &error);
    ASSERT_TRUE(file);
    for (unsigned a = 0; a < 2000; ++a) file->WriteInteger("MEMORY", ByteKey(a), 255);
    {
        FileSizeLimit limit(512);
        EXPECT_FALSE(file->Save(&error));
    }
    EXPECT_NE(error.message.find("Невозможно сохранить файл"), std::string::npos);
    EXPECT_EQ(dir.Read("f.qcf"), old);
    EXPECT_EQ(dir.Listing(), "f.qcf");  // no temporary file left behind
    EXPECT_TRUE(file->Save(&error)) << error.message;
    EXPECT_GT(dir.Read("f.qcf").size(), 2000u * 10);
}

TEST(ConfigurationFile, ASaveIntoAFolderThatCannotBeWrittenChangesNothing) {
    vertanum::testing::TempFolder dir;
    const auto path = dir.Write("f.qcf", "[DEVICES]\r\nName=old\r\n");
    FileError error;
    auto file = ConfigurationFile::Open(path, &error);
    ASSERT_TRUE(file);
    file->WriteString("DEVICES", "Name", "new");
    if (geteuid() == 0) {
        // root may write into a read-only folder; a folder that does not exist shows the same.
        ConfigurationFile elsewhere(dir.Path("missing/f.qcf"));
        EXPECT_FALSE(elsewhere.Save(&error));
    } else {
        ASSERT_EQ(chmod(dir.Path("").c_str(), 0500), 0);
        EXPECT_FALSE(file->Save(&error));
        chmod(dir.Path("").c_str(), 0700);
    }
    EXPECT_NE(error.message.find("Невозможно сохранить файл"), std::string::npos);
    EXPECT_EQ(dir.Read("f.qcf"), "[DEVICES]\r\nName=old\r\n");
}

TEST(ConfigurationFile, ASaveThroughASymbolicLinkKeepsTheLinkAndThePermissions) {
    vertanum::testing::TempFolder dir;
    const auto target = dir.Write("real.qcf", "[DEVICES]\r\nName=old\r\n");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    ASSERT_EQ(symlink("real.qcf", dir.Path("link.qcf").c_str()), 0);
    FileError error;
    auto file = ConfigurationFile::Open(dir.Path("link.qcf"), &error);
    ASSERT_TRUE(file);
    file->WriteString("DEVICES", "Name", "new");
    ASSERT_TRUE(file->Save(&error)) << error.message;
    struct stat st {};
    ASSERT_EQ(lstat(dir.Path("link.qcf").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.Read("real.qcf"), "[DEVICES]\r\nName=new\r\n");
}
