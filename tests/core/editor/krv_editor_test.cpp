#include <gtest/gtest.h>

#include "editor_fixture.hpp"
#include "support/temp_folder.hpp"

using namespace vertanum;
using namespace vertanum::testing;

namespace {

const char* const kCheck = "Проверьте правильность ввода поля.";
const char* const kEven = "Проверьте правильность ввода поля.\rДанные должны быть четными.";
const char* const kRepeated = "Коды не должны повторяться.";

std::string KrvFile(const std::string& memory) {
    return "[DEVICES]\r\nName=KRV\r\nType=TKRV\r\n[MEMORY]\r\n" + memory;
}

}  // namespace

TEST(KrvEditor, ANewDocumentShowsEveryRowOfTheMap) {
    OpenEditor open(kKrvPosition);
    ASSERT_EQ(open.result, 0);
    EXPECT_EQ(open.Rows().Count(), 1u + 1 + 32 + 1 + 45 * 33 + 1);

    const auto top = open.Rows().TopLevel();
    ASSERT_EQ(top.size(), 4u);
    EXPECT_EQ(top[0]->Name(), "MasterCode");
    EXPECT_EQ(top[1]->Name(), "Partition");
    EXPECT_EQ(top[2]->Name(), "Users");
    EXPECT_EQ(top[3]->Name(), "Addr");

    const Row& master = open.RowNamed("MasterCode");
    EXPECT_EQ(master.Kind(), RowKind::Mask);
    EXPECT_EQ(master.Caption(), "Код мастера");
    EXPECT_EQ(master.EditMask(), "0000;1;#");
    EXPECT_EQ(master.Value(), "1234");

    const Row& partitions = open.RowNamed("Partition");
    EXPECT_EQ(partitions.Caption(), "Разделы");
    EXPECT_TRUE(partitions.Category());
    ASSERT_EQ(partitions.Children().size(), 32u);
    const Row& code32 = *partitions.Children()[31];
    EXPECT_EQ(code32.Name(), "AccessCode32");
    EXPECT_EQ(code32.Caption(), "Код доступа к разделу №32");
    EXPECT_EQ(code32.EditMask(), "0000;1;#");
    EXPECT_EQ(code32.Value(), "0000");

    const Row& users = open.RowNamed("Users");
    EXPECT_EQ(users.Caption(), "Пользователи");
    ASSERT_EQ(users.Children().size(), 45u);
    const Row& user45 = open.RowNamed("Users45");
    EXPECT_EQ(user45.Caption(), "Пользователь45");
    EXPECT_TRUE(user45.Category());
    EXPECT_TRUE(user45.ReadOnly());
    ASSERT_EQ(user45.Children().size(), 32u);
    const Row& flag = open.RowNamed("Partition45_7");
    EXPECT_EQ(flag.Kind(), RowKind::Check);
    EXPECT_EQ(flag.Caption(), "Раздел7");
    EXPECT_EQ(flag.Value(), "0");
    EXPECT_EQ(flag.Parent(), &user45);

    // A new module has no console address.
    const Row& address = open.RowNamed("Addr");
    EXPECT_EQ(address.Kind(), RowKind::Pick);
    EXPECT_EQ(address.Caption(), "Адрес пульта");
    EXPECT_EQ(address.Items(), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_TRUE(address.ListOnly());
    EXPECT_EQ(address.DropDownLines(), 5);
    EXPECT_EQ(address.Value(), "");

    // Progress: +10, +10, +1 per code, +1, +1 per user, +1, then 100 and back to 0.
    const auto& p = open.host.positions;
    ASSERT_EQ(p.size(), 1u + 2 + 32 + 1 + 45 + 1 + 2);
    EXPECT_EQ(p[1], 10);
    EXPECT_EQ(p[2], 20);
    EXPECT_EQ(p[p.size() - 3], 99);
    EXPECT_EQ(p[p.size() - 2], 100);
    EXPECT_EQ(p.back(), 0);
}

TEST(KrvEditor, RefusesWhatTheModuleCannotTake) {
    struct Case {
        const char* row;
        const char* text;
        const char* error;
    } cases[] = {
        {"MasterCode", "12a", kCheck}, {"MasterCode", "12345", kCheck},
        {"MasterCode", "", kCheck},    {"AccessCode1", "x", kCheck},
        {"AccessCode1", "13", kEven},  {"AccessCode32", "9999", kEven},
        {"Addr", "5", kCheck},         {"Addr", "0", kCheck},
        {"Addr", "12", kCheck},        {"AccessCode3", "10000", kCheck},
    };
    for (const auto& c : cases) {
        OpenEditor open(kKrvPosition);
        const auto before = open.Model().EepromImage;
        EXPECT_EQ(open.Apply(c.row, c.text), c.error) << c.row << "=" << c.text;
        EXPECT_EQ(open.Model().EepromImage, before) << c.row << "=" << c.text;
    }
}

TEST(KrvEditor, AccessCodesMustNotRepeatExceptZero) {
    OpenEditor open(kKrvPosition);
    ASSERT_TRUE(open.Post("AccessCode1", "0012").accepted);
    const auto before = open.Model().EepromImage;
    EXPECT_EQ(open.Apply("AccessCode2", " 12 "), kRepeated);
    EXPECT_EQ(open.Model().EepromImage, before);
    // The row's own value is no repetition.
    EXPECT_EQ(open.Apply("AccessCode1", "12"), "");
    EXPECT_EQ(open.Apply("AccessCode2", "0"), "");
    EXPECT_EQ(open.Apply("AccessCode3", "0000"), "");
    EXPECT_EQ(open.Apply("AccessCode2", "14"), "");
}

TEST(KrvEditor, EncodesEachRowIntoItsBytes) {
    struct Case {
        const char* row;
        const char* text;
        std::vector<std::pair<std::size_t, std::uint8_t>> bytes;
    } cases[] = {
        {"MasterCode", "987", {{0xFE, 0x09}, {0xFF, 0x87}}},
        {"MasterCode", " 5 ", {{0xFE, 0x00}, {0xFF, 0x05}}},
        {"AccessCode1", "1234", {{0x00, 0x12}, {0x01, 0x34}}},
        {"AccessCode32", "0998", {{0x3E, 0x09}, {0x3F, 0x98}}},
        {"Addr", "1", {{0xF7, 0x60}, {0xF6, 0xC4}}},
        // Address 3 on a device whose 0xF6 was 0xC0.
        {"Addr", "3", {{0xF7, 0x62}, {0xF6, 0xC6}}},
        // User 2, partition 32: only the highest bit of 0x47.
        {"Partition2_32", "1", {{0x47, 0x80}}},
        {"Partition1_1", "1", {{0x40, 0x01}}},
        {"Partition45_17", "1", {{0xF2, 0x01}}},
    };
    for (const auto& c : cases) {
        OpenEditor open(kKrvPosition);
        open.Model().EepromImage[0xF6] = 0xC0;
        auto expected = open.Model().EepromImage;
        for (auto [address, value] : c.bytes) expected[address] = value;
        EXPECT_EQ(open.Apply(c.row, c.text), "") << c.row;
        EXPECT_EQ(open.Model().EepromImage, expected) << c.row << "=" << c.text;
    }
}

TEST(KrvEditor, AToggleOffClearsOnlyItsBit) {
    OpenEditor open(kKrvPosition);
    open.Model().EepromImage[0x47] = 0xFF;
    EXPECT_EQ(open.Apply("Partition2_32", "0"), "");
    EXPECT_EQ(open.Model().EepromImage[0x47], 0x7F);
    EXPECT_TRUE(open.Post("Partition2_31", "0").accepted);
    EXPECT_EQ(open.Model().EepromImage[0x47], 0x3F);
    EXPECT_EQ(open.RowNamed("Partition2_31").Value(), "0");
    EXPECT_TRUE(open.Model().Modified);
}

TEST(KrvEditor, NamesOutsideTheMapChangeNothing) {
    OpenEditor open(kKrvPosition);
    const auto before = open.Model().EepromImage;
    for (auto [row, text] : {std::pair{"AccessCode0", "2"},
                             {"AccessCode33", "2"},
                             {"AccessCode99", "2"},
                             {"Partition46_1", "1"},
                             {"Partition1_33", "1"},
                             {"Partition0_0", "1"},
                             {"Users", "x"},
                             {"Whatever", "x"}}) {
        EXPECT_EQ(open.Apply(row, text), "") << row;
        EXPECT_EQ(open.Model().EepromImage, before) << row;
    }
}

TEST(KrvEditor, ValuesSurviveSaveAndReload) {
    TempFolder dir;
    const auto path = dir.Path("k.qcf");
    {
        OpenEditor open(kKrvPosition);
        for (auto [row, text] : {std::pair{"MasterCode", "42"},
                                 {"AccessCode5", "0008"},
                                 {"AccessCode6", "1000"},
                                 {"Partition3_4", "1"},
                                 {"Addr", "4"}}) {
            ASSERT_TRUE(open.Post(row, text).accepted) << row;
        }
        open.Model().FileName = path;
        ASSERT_EQ(open.Model().SaveConfig(), 0);
    }
    OpenEditor reopened(kKrvPosition, path);
    ASSERT_EQ(reopened.result, 0);
    // A master code below 1000 loses its leading zeros; an access code keeps them.
    EXPECT_EQ(reopened.RowNamed("MasterCode").Value(), "42");
    EXPECT_EQ(reopened.RowNamed("AccessCode5").Value(), "0008");
    EXPECT_EQ(reopened.RowNamed("AccessCode6").Value(), "1000");
    EXPECT_EQ(reopened.RowNamed("Partition3_4").Value(), "1");
    EXPECT_EQ(reopened.RowNamed("Partition3_5").Value(), "0");
    EXPECT_EQ(reopened.RowNamed("Addr").Value(), "4");
}

TEST(KrvEditor, UndecodableStoredValuesShowEmptyAndTheDocumentOpens) {
    TempFolder dir;
    // A file without the code keys gives 0xFF bytes, which are no decimal digits; an address
    // byte 0x65 names no item.
    const auto path = dir.Write("k.qcf", KrvFile("$00F7=0x65\r\n$0002=0x12\r\n$0003=0x3A\r\n"));
    OpenEditor open(kKrvPosition, path);
    ASSERT_EQ(open.result, 0);
    EXPECT_TRUE(open.host.enabled);
    EXPECT_EQ(open.RowNamed("MasterCode").Value(), "");
    EXPECT_EQ(open.RowNamed("AccessCode1").Value(), "");
    EXPECT_EQ(open.RowNamed("AccessCode2").Value(), "");
    EXPECT_EQ(open.RowNamed("Addr").Value(), "");
    // Each can be entered anew, and an empty row does not count as a repeated code.
    EXPECT_TRUE(open.Post("AccessCode1", "0002").accepted);
    EXPECT_TRUE(open.Post("MasterCode", "1").accepted);
    EXPECT_TRUE(open.Post("Addr", "2").accepted);
    EXPECT_EQ(open.Model().EepromImage[0xF7], 0x61);
}

TEST(KrvEditor, AnAddressByteWithTheMarkShowsItsItem) {
    TempFolder dir;
    for (auto [stored, shown] :
         {std::pair{"0x60", "1"}, {"0x63", "4"}, {"0x50", ""}, {"0x6F", ""}}) {
        const auto path = dir.Write("a.qcf", KrvFile(std::string("$00F7=") + stored + "\r\n"));
        OpenEditor open(kKrvPosition, path);
        ASSERT_EQ(open.result, 0);
        EXPECT_EQ(open.RowNamed("Addr").Value(), shown) << stored;
    }
}
