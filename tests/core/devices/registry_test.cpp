#include "framework/device_registry.hpp"

#include <gtest/gtest.h>

#include "support/model_fixture.hpp"
#include "support/temp_folder.hpp"

using namespace vertanum;
using vertanum::testing::Models;
using vertanum::testing::TempFolder;

namespace {

struct Entry {
    const char* class_name;
    const char* name;
    const char* caption;
    int image_index;
    std::size_t firmware_size;
    std::size_t eeprom_size;
};

const Entry kRegistry[] = {
    {"TQV710P001", "QV710P001", "QV710P001", 0, 8192, 512},
    {"TQV710P002", "QV710P002", "QV710P002", 0, 8192, 512},
    {"TQV710P003", "QV710P003", "QV710P003", 0, 8192, 512},
    {"TQV710U001", "QV710U001", "QV710U001", 0, 8192, 512},
    {"TQV710U002", "QV710U002", "QV710U002", 0, 8192, 512},
    {"TQV710U003", "QV710U003", "QV710U003", 0, 8192, 512},
    {"TQV710U004", "QV710U004", "QV710U004", 0, 8192, 512},
    {"TKRV", "KRV", "\xD0\x9A\xD0\xA0\xD0\x92", 6, 4096, 256},  // КРВ
    {"TVelkar", "Velkar", "Велкар", 4, 12288, 0},
    {"TVelkarPT", "VelkarPT", "Велкар с МЗАСП мод.7 (для систем пожаротушения)", 4, 12288, 0},
    // Latin A and C in "8A" and "8C", Cyrillic Б in "8Б"; the caption of 8A ends with an
    // unmatched ")".
    {"TVelkar8A", "Velkar8A", "Велкар мод.8\x41 для систем дымоудаления \"Доримен на один этаж\")",
     5, 12288, 0},
    {"TVelkar8B", "Velkar8B",
     "Велкар мод.8\xD0\x91 для систем дымоудаления \"Доримен на два этажа\"", 5, 12288, 0},
    {"TVelkar8C", "Velkar8C", "Велкар мод.8\x43", 5, 12288, 0},
    {"TVelkar9", "Velkar9", "Велкар мод.9", 5, 12288, 0},
    {"TVelkarIMP", "VelkarIMP", "Велкар для системы \"Пейлон\"", 4, 12288, 0},
    {"TDorimen", "DORIMEN", "Доримен", 3, 8192, 512},
    {"TDorimen34", "DORIMEN34", "Доримен мод.3 и 4 (для систем дымоудаления)", 3, 8192, 512},
    {"TDorimenTech", "DORIMENTECH", "Доримен мод.5 (для управления технологическим оборудованием)",
     3, 8192, 512},
    // Cyrillic А, Н, П and Т after the hyphen.
    {"TFrastovenA", "FrastovenA", "Фрастовен-\xD0\x90", 1, 16384, 512},
    {"TFrastovenN", "FrastovenN", "Фрастовен-\xD0\x9D", 1, 16384, 512},
    {"TFrastovenPT", "FrastovenPT", "Фрастовен-\xD0\x9F\xD0\xA2", 1, 16384, 512},
    {"TQirel", "QIREL", "Кирел", 2, 2048, 128},
    {"TBUKVelkar", "ZOZVelkar", "БУИК \"Велкар\" комплек 12 (Блок управления и контроля клапанов)",
     4, 12288, 0},
};

}  // namespace

TEST(Registry, HoldsTheModelsInTheirFixedOrder) {
    Models models;
    ASSERT_EQ(models.registry.Count(), 23);
    for (int i = 0; i < 23; ++i) {
        const Entry& e = kRegistry[i];
        const TDevices& m = models.At(i);
        EXPECT_EQ(m.ClassName(), e.class_name) << i;
        EXPECT_EQ(m.Name, e.name) << i;
        EXPECT_EQ(m.Caption, e.caption) << i;
        EXPECT_EQ(m.ImageIndex, e.image_index) << i;
        EXPECT_EQ(m.FirmwareImage.size(), e.firmware_size) << i;
        EXPECT_EQ(m.EepromImage.size(), e.eeprom_size) << i;
    }
    EXPECT_EQ(models.registry.At(23), nullptr);
    EXPECT_EQ(models.registry.At(-1), nullptr);
}

TEST(Registry, AFreshModelIsANewModifiedDocumentWithZeroImages) {
    Models models;
    for (int i = 0; i < models.registry.Count(); ++i) {
        const TDevices& m = models.At(i);
        EXPECT_EQ(m.FileName, "default.xxx");
        EXPECT_TRUE(m.Modified);
        EXPECT_FALSE(m.Opened);
        for (auto b : m.FirmwareImage) ASSERT_EQ(b, 0) << m.Name;
        for (auto b : m.EepromImage) ASSERT_EQ(b, 0) << m.Name;
    }
}

TEST(Registry, RebuildingMakesFreshObjects) {
    Models models;
    models.At(7).Opened = true;
    models.At(7).FileName = "x.qcf";
    EXPECT_EQ(models.registry.IsOpened(), 7);
    models.registry.FreeDeviceRegistry();
    EXPECT_EQ(models.registry.Count(), 0);
    EXPECT_EQ(models.registry.IsOpened(), -1);
    models.registry.BuildDeviceRegistry();
    EXPECT_EQ(models.registry.IsOpened(), -1);
    EXPECT_EQ(models.At(7).FileName, "default.xxx");
}

TEST(Registry, IsOpenedGivesTheLastOpenedPosition) {
    Models models;
    models.At(3).Opened = true;
    models.At(20).Opened = true;
    EXPECT_EQ(models.registry.IsOpened(), 20);
}

TEST(Registry, DetectsAFilesModelByItsExactClassName) {
    TempFolder dir;
    Models models;
    struct Case {
        std::string content;
        int position;
    } cases[] = {
        {"[DEVICES]\r\nType=TKRV\r\n", 7},
        {"[devices]\ntype = TVelkar8A\n", 10},
        {"[DEVICES]\r\nType=TBUKVelkar\r\n", 22},
        {"[DEVICES]\r\nType=tkrv\r\n", -1},    // the class name's case matters
        {"[DEVICES]\r\nName=KRV\r\n", -1},     // no Type
        {"[DEVICES]\r\nType=TQV710\r\n", -1},  // a family base is not registered
        {"[DEVICES]\r\nType=TFrastoven\r\n", -1},
        {"[DEVICES]\r\nType=TDevices\r\n", -1},
        {std::string("\0\x01\xFF[DEVICES\n\n", 12), -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(models.registry.GetTypeDevicesOfFile(dir.Write("f.qcf", c.content)), c.position)
            << c.content;
    }
    EXPECT_EQ(models.registry.GetTypeDevicesOfFile(dir.Path("missing.qcf")), -1);
    EXPECT_EQ(models.registry.GetTypeDevicesOfFile(dir.Path("")), -1);  // a folder
}

TEST(Registry, FindsAModelByClassNameNameOrPosition) {
    Models models;
    EXPECT_EQ(models.registry.Find("TKRV"), 7);
    EXPECT_EQ(models.registry.Find("KRV"), 7);
    EXPECT_EQ(models.registry.Find("7"), 7);
    EXPECT_EQ(models.registry.Find("ZOZVelkar"), 22);
    EXPECT_EQ(models.registry.Find("23"), -1);
    EXPECT_EQ(models.registry.Find("krv"), -1);
    EXPECT_EQ(models.registry.Find(""), -1);
}
