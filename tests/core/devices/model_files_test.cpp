#include <gtest/gtest.h>

#include <regex>

#include "devices/dorimen/dorimen.hpp"
#include "resources/resource_store.hpp"
#include "support/model_fixture.hpp"
#include "support/temp_folder.hpp"

using namespace vertanum;
using vertanum::testing::Models;
using vertanum::testing::TempFolder;

namespace {

// The "MEMORY" keys of a saved file, in the order they stand.
std::vector<std::string> MemoryKeys(const std::string& text) {
    std::vector<std::string> keys;
    auto at = text.find("[MEMORY]");
    if (at == std::string::npos) return keys;
    std::regex line(R"(([^\r\n=]+)=)");
    auto rest = text.substr(at);
    for (std::sregex_iterator it(rest.begin(), rest.end(), line), end; it != end; ++it) {
        keys.push_back((*it)[1]);
    }
    return keys;
}

std::string Hex4(unsigned a) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "$%04X", a);
    return buf;
}

// Changes every byte the file stores, so a round trip shows each one.
void Scramble(TDevices& m) {
    unsigned x = 7;
    for (auto& b : m.FirmwareImage) b = static_cast<std::uint8_t>(x = x * 1103515245u + 12345u);
    for (auto& b : m.EepromImage) b = static_cast<std::uint8_t>(x = x * 1103515245u + 12345u);
}

}  // namespace

TEST(ModelFiles, EveryModelRoundTripsThroughItsFile) {
    TempFolder dir;
    Models models;
    for (int position = 0; position < models.registry.Count(); ++position) {
        TDevices& m = models.New(position);
        ASSERT_TRUE(models.messages.shown.empty()) << m.Name;
        Scramble(m);
        if (auto* d = dynamic_cast<TDorimen*>(&m)) d->DetectorsApollo = 1;
        m.FileName = dir.Path(m.Name + ".qcf");
        ASSERT_EQ(m.SaveConfig(), 0) << m.Name;

        Models again;
        TDevices* back = again.Open(m.FileName);
        ASSERT_NE(back, nullptr) << m.Name;
        EXPECT_EQ(again.registry.GetTypeDevicesOfFile(m.FileName), position);
        EXPECT_EQ(back->ClassName(), m.ClassName());
        EXPECT_EQ(back->Name, m.Name);

        // The reloaded images equal the saved ones exactly in the stored bytes and equal the
        // factory image elsewhere.
        Models factory;
        const TDevices& fresh = factory.New(position);
        const std::string text = dir.Read(m.Name + ".qcf");
        std::set<std::size_t> stored;
        for (const auto& key : MemoryKeys(text)) {
            if (key[0] != '$') continue;
            auto a = std::stoul(key.substr(1, 4), nullptr, 16);
            stored.insert(key.ends_with("*2") ? 2 * a : a);
        }
        const bool in_eeprom = m.ClassName() == "TKRV";
        const auto& saved = in_eeprom ? m.EepromImage : m.FirmwareImage;
        const auto& loaded = in_eeprom ? back->EepromImage : back->FirmwareImage;
        const auto& original = in_eeprom ? fresh.EepromImage : fresh.FirmwareImage;
        for (std::size_t i = 0; i < loaded.size(); ++i) {
            const bool is_option_byte = m.ClassName().starts_with("TDorimen") && i == 0x98;
            if (is_option_byte) continue;  // carries single bits only; checked on its own
            ASSERT_EQ(loaded[i], stored.count(i) ? saved[i] : original[i])
                << m.Name << " byte " << i;
        }
        if (in_eeprom) {
            EXPECT_EQ(back->FirmwareImage, fresh.FirmwareImage);
        } else {
            EXPECT_EQ(back->EepromImage, fresh.EepromImage) << m.Name;
        }
        // Saving what was loaded writes the same file again.
        ASSERT_EQ(back->SaveConfig(), 0);
        EXPECT_EQ(dir.Read(m.Name + ".qcf"), text) << m.Name;
    }
}

TEST(ModelFiles, FilesStartWithNameAndTypeAndKeepTheirKeysInOrder) {
    TempFolder dir;
    Models models;
    auto save = [&](int position) {
        TDevices& m = models.New(position);
        m.FileName = dir.Path(m.ClassName() + ".qcf");
        EXPECT_EQ(m.SaveConfig(), 0);
        return dir.Read(m.ClassName() + ".qcf");
    };
    // KRV: the master code, the codes and users upward, then the address bytes.
    {
        const auto text = save(7);
        EXPECT_TRUE(text.starts_with("[DEVICES]\r\nName=KRV\r\nType=TKRV\r\n\r\n[MEMORY]\r\n"));
        std::vector<std::string> expected = {"$00FE", "$00FF"};
        for (unsigned a = 0; a <= 0xF3; ++a) expected.push_back(Hex4(a));
        expected.push_back("$00F7");
        expected.push_back("$00F6");
        EXPECT_EQ(MemoryKeys(text), expected);
    }
    struct Case {
        int position;
        std::size_t count;
        std::string first;
        std::string last;
    } cases[] = {
        {0, 3, "$0043*2", "$0045*2"},   {1, 3, "$0043*2", "$0045*2"},
        {8, 244, "$2E80", "$2F73"},     {9, 16, "$2F20", "$2F6E"},
        {10, 45, "$2F01", "$2F5D"},     {13, 45, "$2F01", "$2F5D"},
        {14, 238, "$2E80", "$2F6D"},    {22, 18, "$2F20", "$2E83"},
        {15, 46, "$0018*2", "$004C*2"}, {16, 24, "$0018*2", "$004C*2"},
        {17, 20, "$0018*2", "$0045*2"}, {18, 2178, "$0054", "$0989"},
        {19, 28, "$3F8A", "$3FA5"},     {20, 2178, "$0054", "$0989"},
    };
    for (const auto& c : cases) {
        const auto keys = MemoryKeys(save(c.position));
        ASSERT_EQ(keys.size(), c.count) << c.position;
        EXPECT_EQ(keys.front(), c.first) << c.position;
        EXPECT_EQ(keys.back(), c.last) << c.position;
    }
    // FrastovenA: 2106 keys of the first range, then 72 of the second.
    const auto frastoven = MemoryKeys(save(18));
    EXPECT_EQ(frastoven[2105], "$088D");
    EXPECT_EQ(frastoven[2106], "$0942");
    // The Dorimen panel keeps its detector choice under DEVICES.
    EXPECT_NE(save(15).find("Type=TDorimen\r\nDetectorsApollo=0\r\n"), std::string::npos);
}

TEST(ModelFiles, ModelsWithoutParametersWriteTheirOneKeyOrNoMemoryAtAll) {
    TempFolder dir;
    Models models;
    for (int position : {2, 3, 4, 5, 6}) {
        TDevices& m = models.New(position);
        m.FileName = dir.Path(m.Name + ".qcf");
        ASSERT_EQ(m.SaveConfig(), 0);
        EXPECT_EQ(dir.Read(m.Name + ".qcf"),
                  "[DEVICES]\r\nName=" + m.Name + "\r\nType=" + m.ClassName() +
                      "\r\n\r\n[MEMORY]\r\n"
                      "\xCD\xE5\xF2 \xE8\xE7\xEC\xE5\xED\xFF\xE5\xEC\xFB\xF5 "
                      "\xEF\xE0\xF0\xE0\xEC\xE5\xF2\xF0\xEE\xE2=0\r\n");
    }
    TDevices& qirel = models.New(21);
    qirel.FileName = dir.Path("qirel.qcf");
    ASSERT_EQ(qirel.SaveConfig(), 0);
    EXPECT_EQ(dir.Read("qirel.qcf"), "[DEVICES]\r\nName=QIREL\r\nType=TQirel\r\n");
}

TEST(ModelFiles, MissingKeysTakeEachModelsDefault) {
    TempFolder dir;
    struct Case {
        int position;
        std::size_t offset;  // in the image the model stores
        bool eeprom;
        int expected;  // -1: the factory value
    } cases[] = {
        {7, 0x00, true, 255},                               // KRV
        {0, 0x86, false, 255},                              // QV710P001
        {8, 0x2E80, false, 0},                              // Velkar: the whole block
        {8, 0x2F73, false, 0},      {9, 0x2F20, false, 0},  // VelkarPT: only its 16 keys
        {9, 0x2E80, false, -1},     {15, 0x30, false, -1},  // Dorimen: the present value
        {17, 2 * 0x41, false, 255},                         // DorimenTech
        {18, 0x0054, false, 255},                           // Frastoven
        {19, 0x3F8A, false, 255},
    };
    for (const auto& c : cases) {
        Models models;
        const std::string type = models.At(c.position).ClassName();
        const auto path = dir.Write("empty.qcf", "[DEVICES]\r\nType=" + type + "\r\n[MEMORY]\r\n");
        TDevices* m = models.Open(path);
        ASSERT_NE(m, nullptr) << type;
        Models factory;
        const TDevices& fresh = factory.New(c.position);
        const auto& image = c.eeprom ? m->EepromImage : m->FirmwareImage;
        const auto& original = c.eeprom ? fresh.EepromImage : fresh.FirmwareImage;
        EXPECT_EQ(image[c.offset], c.expected < 0 ? original[c.offset] : c.expected)
            << type << " " << c.offset;
    }
}

TEST(ModelFiles, TheNameRuleOfEachFamily) {
    TempFolder dir;
    struct Case {
        int position;
        std::string saved_name;
    } cases[] = {{7, "-1"},     {0, "-1"},        {2, "-1"},        {21, "-1"},
                 {15, "-1"},    {17, "-1"},       {18, "-1"},       {19, "-1"},
                 {8, "Velkar"}, {10, "Velkar8A"}, {22, "ZOZVelkar"}};
    for (const auto& c : cases) {
        Models models;
        const std::string type = models.At(c.position).ClassName();
        const auto path = dir.Write("noname.qcf", "[DEVICES]\r\nType=" + type + "\r\n");
        TDevices* m = models.Open(path);
        ASSERT_NE(m, nullptr);
        ASSERT_EQ(m->SaveConfig(), 0);
        EXPECT_TRUE(
            dir.Read("noname.qcf")
                .starts_with("[DEVICES]\r\nType=" + type + "\r\nName=" + c.saved_name + "\r\n"))
            << type << "\n"
            << dir.Read("noname.qcf");
    }
}

TEST(ModelFiles, SavingKeepsWhatTheProgramDoesNotOwn) {
    TempFolder dir;
    const std::string foreign =
        "; notes of the service engineer\r\n"
        "[DEVICES]\r\nType=TKRV\r\nName=KRV\r\nSite=Склад 3\r\n\r\n"
        "[MEMORY]\r\n$00FE=0x12\r\n$0100=99\r\n\r\n[Extra]\r\nkeep=1\r\n";
    const auto path = dir.Write("k.qcf", foreign);
    Models models;
    TDevices* m = models.Open(path);
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->SaveConfig(), 0);
    const auto text = dir.Read("k.qcf");
    EXPECT_TRUE(
        text.starts_with("; notes of the service engineer\r\n[DEVICES]\r\n"
                         "Type=TKRV\r\nName=KRV\r\nSite=Склад 3\r\n"));
    EXPECT_NE(text.find("$00FE=18\r\n$0100=99\r\n$00FF="), std::string::npos);
    EXPECT_NE(text.find("[Extra]\r\nkeep=1\r\n"), std::string::npos);
}

TEST(ModelFiles, DorimenOptionBitsTravelAloneThroughTheFile) {
    TempFolder dir;
    Models models;
    TDevices& m = models.New(15);
    const std::uint8_t factory = m.FirmwareImage[0x98];
    ASSERT_TRUE(factory & 0x01) << "the factory byte has the option bit set";
    // Stored with bit 0 clear and every other bit set: only bit 0 is taken.
    const auto path =
        dir.Write("d.qcf", "[DEVICES]\r\nType=TDorimen\r\n[MEMORY]\r\n$004C*2=254\r\n");
    Models again;
    TDevices* d = again.Open(path);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->FirmwareImage[0x98], factory & 0xFE);
    ASSERT_EQ(d->SaveConfig(), 0);
    EXPECT_NE(dir.Read("d.qcf").find("$004C*2=0\r\n"), std::string::npos);

    // Mod. 3 and 4 carry bits 0 and 2.
    const auto path34 =
        dir.Write("d34.qcf", "[DEVICES]\r\nType=TDorimen34\r\n[MEMORY]\r\n$004C*2=4\r\n");
    Models third;
    TDevices* d34 = third.Open(path34);
    ASSERT_NE(d34, nullptr);
    Models factory34;
    const std::uint8_t f34 = factory34.New(16).FirmwareImage[0x98];
    EXPECT_EQ(d34->FirmwareImage[0x98], (f34 & ~0x05) | 0x04);
}

TEST(ModelFiles, DorimenReadsTheApolloBytesButNeverWritesThem) {
    TempFolder dir;
    const auto path = dir.Write("a.qcf",
                                "[DEVICES]\r\nType=TDorimen\r\nDetectorsApollo=257\r\n[MEMORY]\r\n"
                                "$0019*2=240\r\n$001C*2=12\r\n");
    Models models;
    auto* d = dynamic_cast<TDorimen*>(models.Open(path));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->DetectorsApollo, 1);  // low 8 bits of 257
    EXPECT_EQ(d->FirmwareImage[0x32], 240);
    EXPECT_EQ(d->FirmwareImage[0x38], 12);
    ASSERT_EQ(d->SaveConfig(), 0);
    const auto text = dir.Read("a.qcf");
    // The keys that were in the file stay (they are not the program's to remove), but no new
    // Apollo key is written.
    EXPECT_EQ(text.find("$001A*2"), std::string::npos);
    EXPECT_EQ(text.find("$001B*2"), std::string::npos);
}

TEST(ModelFiles, ADamagedFileLoadsWhatItCanAndNeverCrashes) {
    TempFolder dir;
    std::string junk = "[DEVICES]\r\nType=TFrastovenA\r\n[MEMORY]\r\n";
    for (int i = 0; i < 5000; ++i) junk += std::string(1, static_cast<char>(i * 37)) + "=\xFF\r";
    junk += "$0054=17\r\n$0055=zz\r\n$0056";
    const auto path = dir.Write("junk.qcf", junk);
    Models models;
    TDevices* m = models.Open(path);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->FirmwareImage[0x54], 17);
    EXPECT_EQ(m->FirmwareImage[0x55], 255);
    EXPECT_EQ(m->FirmwareImage[0x56], 255);
}

TEST(ModelFiles, AnUnreadableFileIsRefusedWithAMessage) {
    TempFolder dir;
    Models models;
    TDevices& m = models.At(7);
    m.FileName = dir.Path("");  // a folder
    EXPECT_EQ(m.LoadConfig(), kConfigUnreadable);
    ASSERT_EQ(models.messages.shown.size(), 1u);
    EXPECT_NE(models.messages.shown[0].text.find("папка"), std::string::npos);
}

TEST(ModelFiles, AFailedSaveIsReportedAndChangesNothing) {
    TempFolder dir;
    Models models;
    TDevices& m = models.New(7);
    m.FileName = dir.Path("no/such/folder/k.qcf");
    EXPECT_EQ(m.SaveConfig(), kConfigNotSaved);
    ASSERT_EQ(models.messages.shown.size(), 1u);
    EXPECT_NE(models.messages.shown[0].text.find("Невозможно сохранить файл"), std::string::npos);
    EXPECT_NE(models.messages.shown[0].text.find("не изменён"), std::string::npos);
}
