// New documents of the three Dorimen models, loaded through the models from the built-in factory
// data: the resources' sizes and framing, and the parameter bytes the panels leave the factory
// with, read the way the parameter editor decodes them.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "devices/dorimen/dorimen.hpp"
#include "framework/device_registry.hpp"
#include "framework/messages.hpp"
#include "resources/resource_store.hpp"

using namespace vertanum;

namespace {

constexpr int kDorimen = 15;
constexpr int kDorimen34 = 16;
constexpr int kDorimenTech = 17;

using Image = std::vector<std::uint8_t>;

// A registry over the built-in resources only, so that a user's firmware folder cannot change
// what these tests see.
struct NewDocuments {
    NewDocuments() : registry(DeviceContext{&messages, nullptr}) { registry.BuildDeviceRegistry(); }
    TDevices& New(int position) {
        TDevices& model = *registry.At(position);
        EXPECT_EQ(model.LoadFactoryImage(), 0) << model.ClassName();
        EXPECT_TRUE(messages.shown.empty()) << model.ClassName();
        return model;
    }
    RecordingMessages messages;
    DeviceRegistry registry;
};

// A folder of its own for one test, removed afterwards.
struct ScratchFolder {
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vertanum-dorimen-XXXXXX").string();
        path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    std::string Write(const std::string& name, const std::string& text) const {
        const std::string file = path + "/" + name;
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }
    std::string path;
};

// The decodings of the parameter editor.
int ShownAddress(const Image& f) {
    const int address = f[0x30] & 0x1F;
    return address == 0 ? 1 : address;
}
// Loop g's type code: its four bits of byte 0x56 (0, 2, 4, 6 for loop 1; 1, 3, 5, 7 for loop 2).
int LoopType(const Image& f, int g) {
    return ((0x55 << (g - 1)) & f[0x56]) >> (g - 1);
}

struct ModelCase {
    int position;
    const char* class_name;
    const char* eeprom_resource;
    const char* program_resource;
    std::size_t program_size;
};

const ModelCase kModels[] = {
    {kDorimen, "TDorimen", "DORIMENEEP", "DORIMENROM", 7874},
    {kDorimen34, "TDorimen34", "DORIMEN34EEP", "DORIMEN34ROM", 4268},
    {kDorimenTech, "TDorimenTech", "DORIMENTECHEEP", "DORIMENTECHROM", 7406},
};

}  // namespace

TEST(DorimenFactory, ResourcesHaveTheirSizesAndTheEepromIsAllZero) {
    for (const auto& c : kModels) {
        const auto eeprom = resources::ResourceStore::FindEmbedded(c.eeprom_resource);
        const auto program = resources::ResourceStore::FindEmbedded(c.program_resource);
        ASSERT_TRUE(eeprom && program) << c.class_name;
        EXPECT_EQ(eeprom->bytes, Image(512, 0x00)) << c.eeprom_resource;
        EXPECT_EQ(program->bytes.size(), c.program_size) << c.program_resource;
    }
}

TEST(DorimenFactory, ANewDocumentIsStandInCodeThenTheResourceThenZeroWords) {
    NewDocuments documents;
    const Image stand_in = {0xF8, 0x94, 0xFF, 0xCF};  // CLI; RJMP .
    for (const auto& c : kModels) {
        const TDevices& m = documents.New(c.position);
        ASSERT_EQ(m.ClassName(), c.class_name);
        EXPECT_EQ(m.FirmwareOrigin, resources::ResourceOrigin::Embedded) << c.class_name;
        EXPECT_EQ(Image(m.FirmwareImage.begin(), m.FirmwareImage.begin() + 4), stand_in)
            << c.class_name;
        const auto program = resources::ResourceStore::FindEmbedded(c.program_resource);
        ASSERT_TRUE(program);
        EXPECT_TRUE(
            std::equal(program->bytes.begin(), program->bytes.end(), m.FirmwareImage.begin()))
            << c.class_name;
        EXPECT_EQ(Image(m.FirmwareImage.begin() + static_cast<std::ptrdiff_t>(c.program_size),
                        m.FirmwareImage.end()),
                  Image(TDorimen::kFirmwareSize - c.program_size, 0x00))
            << c.class_name;
        EXPECT_EQ(m.EepromImage, Image(512, 0x00)) << c.class_name;
    }
}

TEST(DorimenFactory, EveryParameterWordHasAZeroHighByte) {
    NewDocuments documents;
    for (const auto& c : kModels) {
        const Image& f = documents.New(c.position).FirmwareImage;
        for (unsigned word = 0x18; word <= 0x4D; ++word) {
            EXPECT_EQ(f[2 * word + 1], 0x00) << c.class_name << " word " << std::hex << word;
        }
    }
}

TEST(DorimenFactory, NewDocumentsShowTheFactorySettings) {
    struct Stated {
        int position;
        const char* what;
        int (*decode)(const Image&);
        int expected;
    };
    const Stated stated[] = {
        {kDorimen, "Addr shows 10", ShownAddress, 10},
        {kDorimen, "loop 1 is a security loop", [](const Image& f) { return LoopType(f, 1); }, 0},
        {kDorimen, "loop 2 is a security loop", [](const Image& f) { return LoopType(f, 2); }, 0},
        {kDorimen, "output 1 drives the external siren", [](const Image& f) { return f[0x78] & 1; },
         1},
        {kDorimen, "output 2 drives the lock", [](const Image& f) { return f[0x76] & 1; }, 1},
        {kDorimen, "Apollo backup byte 0x32", [](const Image& f) { return int{f[0x32]}; }, 244},
        {kDorimen, "Apollo backup byte 0x34", [](const Image& f) { return int{f[0x34]}; }, 53},
        {kDorimen, "Apollo backup byte 0x36", [](const Image& f) { return int{f[0x36]}; }, 32},
        {kDorimen, "Apollo backup byte 0x38", [](const Image& f) { return int{f[0x38]}; }, 12},
        {kDorimen, "option bit 0 of $004C*2 is set", [](const Image& f) { return f[0x98] & 1; }, 1},
        {kDorimenTech, "byte 0x56", [](const Image& f) { return int{f[0x56]}; }, 0x0C},
        {kDorimenTech, "loop 1 is a passive fire loop",
         [](const Image& f) { return LoopType(f, 1); }, 4},
    };
    NewDocuments documents;
    for (const auto& s : stated) {
        const Image& f = documents.New(s.position).FirmwareImage;
        EXPECT_EQ(s.decode(f), s.expected) << s.what;
    }
}

// The fire-detector reset row is shown only when a loop has an active fire type; the general
// panel leaves the factory with two security loops, so it is hidden.
TEST(DorimenFactory, TheGeneralPanelHasNoActiveFireLoop) {
    NewDocuments documents;
    const Image& f = documents.New(kDorimen).FirmwareImage;
    for (int g = 1; g <= 2; ++g) {
        const int type = LoopType(f, g);
        EXPECT_TRUE(type != 1 && type != 5 && type != 17 && type != 69) << "loop " << g;
    }
}

// A file carries only bit 0 of the option byte: a cleared bit in the file clears it although
// the factory byte has it set, and bits 1..7 always keep their factory values.
TEST(DorimenFactory, TheOptionByteTakesOnlyBitZeroFromAFile) {
    NewDocuments factory;
    const std::uint8_t factory_byte = factory.New(kDorimen).FirmwareImage[0x98];
    ASSERT_EQ(factory_byte & 0x01, 0x01);
    ASSERT_NE(factory_byte & 0xFE, 0x00) << "bits 1..7 must show whether they are kept";

    ScratchFolder folder;
    ASSERT_FALSE(folder.path.empty());
    for (const int value : {0, 1, 254, 255}) {
        const std::string path = folder.Write(
            "options.qcf", "[DEVICES]\r\nName=DORIMEN\r\nType=TDorimen\r\n[MEMORY]\r\n$004C*2=" +
                               std::to_string(value) + "\r\n");
        NewDocuments documents;
        TDevices& m = documents.New(kDorimen);
        m.FileName = path;
        ASSERT_EQ(m.LoadConfig(), 0);
        EXPECT_EQ(m.FirmwareImage[0x98], (factory_byte & 0xFE) | (value & 0x01))
            << "file value " << value;
        EXPECT_EQ(m.FirmwareImage[0x32], 244) << "a file without the Apollo keys keeps them";
    }
}
