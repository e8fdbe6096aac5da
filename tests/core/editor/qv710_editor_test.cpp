#include <gtest/gtest.h>

#include "editor_fixture.hpp"
#include "support/temp_folder.hpp"

using namespace vertanum;
using namespace vertanum::testing;

TEST(QV710P001Editor, ShowsTheThreeTimesOfANewDocument) {
    OpenEditor open(kQv710P001Position);
    ASSERT_EQ(open.result, 0);
    std::vector<std::string> listing;
    open.Rows().ForEach([&](const Row& row, int depth) {
        listing.push_back(std::to_string(depth) + " " + row.Name() + " " + row.Caption() + " " +
                          row.Value());
    });
    EXPECT_EQ(listing, (std::vector<std::string>{
                           "0 Parsl Параметры шлейфов ",
                           "1 TimeReadyFire_sl Время готовности пожарных извещателей (сек.) ",
                           "2 TimeReadyFire_sl1 Шлейф №1 11",
                           "2 TimeReadyFire_sl2 Шлейф №2 11",
                           "1 TimeResetFire Длительность сброса пожарных извещателей (сек.) 3",
                       }));
    const Row& loop = open.RowNamed("TimeReadyFire_sl1");
    EXPECT_EQ(loop.Kind(), RowKind::Pick);
    EXPECT_TRUE(loop.ListOnly());
    EXPECT_EQ(loop.DropDownLines(), 5);
    EXPECT_EQ(loop.Items().size(), 60u);
    EXPECT_EQ(open.RowNamed("TimeResetFire").Items().back(), "30");
    // Both loops share one list.
    EXPECT_EQ(&loop.Items(), &open.RowNamed("TimeReadyFire_sl2").Items());
    EXPECT_EQ(open.host.positions, (std::vector<int>{0, 10, 20, 30, 40, 100, 0}));
}

TEST(QV710P001Editor, StoresEachTimeInTheLowByteOfItsWord) {
    struct Case {
        const char* row;
        const char* text;
        std::size_t address;
    } cases[] = {{"TimeReadyFire_sl2", "60", 0x88},
                 {"TimeReadyFire_sl1", "1", 0x86},
                 {"TimeResetFire", "30", 0x8A}};
    for (const auto& c : cases) {
        OpenEditor open(kQv710P001Position);
        auto before = open.Model().FirmwareImage;
        ASSERT_TRUE(open.Post(c.row, c.text).accepted) << c.row;
        before[c.address] = static_cast<std::uint8_t>(std::stoi(c.text));
        // Only that byte changes; the high byte of the word stays.
        EXPECT_EQ(open.Model().FirmwareImage, before) << c.row;
    }
}

TEST(QV710P001Editor, NeverRefusesButAPostedValueMustBeAnItem) {
    OpenEditor open(kQv710P001Position);
    EXPECT_EQ(open.Apply("TimeReadyFire_sl1", "61"), "");
    EXPECT_EQ(open.Model().FirmwareImage[0x86], 61);
    EXPECT_EQ(open.Apply("TimeReadyFire_sl2", "x"), "'x' - неверное целое значение");
    EXPECT_EQ(open.Model().FirmwareImage[0x88], 11);
    EXPECT_FALSE(open.Post("TimeResetFire", "31").accepted);
    EXPECT_EQ(open.Model().FirmwareImage[0x8A], 3);
}

TEST(QV710P001Editor, AStoredByteOutsideTheListShowsAsItsNumber) {
    TempFolder dir;
    const auto path = dir.Write("p.qcf", "[DEVICES]\r\nType=TQV710P001\r\n[MEMORY]\r\n");
    OpenEditor open(kQv710P001Position, path);
    ASSERT_EQ(open.result, 0);
    EXPECT_EQ(open.RowNamed("TimeReadyFire_sl1").Value(), "255");
    EXPECT_EQ(open.RowNamed("TimeResetFire").Value(), "255");
}
