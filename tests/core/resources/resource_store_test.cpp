#include "resources/resource_store.hpp"

#include <gtest/gtest.h>

#include "resources/intel_hex.hpp"
#include "support/model_fixture.hpp"
#include "support/temp_folder.hpp"

using namespace vertanum;
using namespace vertanum::resources;
using vertanum::testing::Models;
using vertanum::testing::TempFolder;

TEST(IntelHex, RoundTripsAnImageAcrossA64KBoundary) {
    std::vector<std::uint8_t> image(70000);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const std::string hex = WriteIntelHex(image);
    EXPECT_TRUE(hex.starts_with(":10000000"));
    EXPECT_NE(hex.find(":020000040001F9\r\n"), std::string::npos);
    EXPECT_TRUE(hex.ends_with(":00000001FF\r\n"));
    std::string error;
    auto back = ReadIntelHex(hex, &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, image);
}

TEST(IntelHex, KnownRecordAndGapsReadErased) {
    std::string error;
    auto image = ReadIntelHex(":0300030002000CEC\n:00000001FF\n", &error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ(*image, (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x0C}));
}

TEST(IntelHex, RefusesMalformedTexts) {
    const char* bad[] = {
        ":0300030002000CEF\n:00000001FF\n",               // checksum
        ":03000300020C\n:00000001FF\n",                   // length
        ":0300030002000CEC\n",                            // no end record
        "0300030002000CEE\n:00000001FF\n",                // no colon
        ":03000300G2000CEE\n:00000001FF\n",               // not hexadecimal
        ":02000004FFFFFC\n:0100000000FF\n:00000001FF\n",  // far beyond any memory
    };
    for (const char* text : bad) {
        std::string error;
        EXPECT_FALSE(ReadIntelHex(text, &error)) << text;
        EXPECT_FALSE(error.empty());
    }
}

TEST(ResourceStore, TheUsersOwnImageComesFirstAndIsKnownAsSuch) {
    TempFolder dir;
    dir.Write("KRVROM.bin", std::string("\x01\x02\x03", 3));
    dir.Write("QIRELROM.hex", ":020000000A0BE9\r\n:00000001FF\r\n");
    ResourceStore store(dir.Path(""));
    auto krv = store.Find("KRVROM");
    ASSERT_TRUE(krv.resource);
    EXPECT_EQ(krv.resource->origin, ResourceOrigin::UserFolder);
    EXPECT_EQ(krv.resource->bytes, (std::vector<std::uint8_t>{1, 2, 3}));
    auto qirel = store.Find("QIRELROM");
    ASSERT_TRUE(qirel.resource);
    EXPECT_EQ(qirel.resource->bytes, (std::vector<std::uint8_t>{0x0A, 0x0B}));
    auto builtin = store.Find("KRVEEP");
    ASSERT_TRUE(builtin.resource);
    EXPECT_EQ(builtin.resource->origin, ResourceOrigin::Embedded);
    EXPECT_EQ(builtin.resource->bytes.size(), 256u);
    EXPECT_FALSE(store.Find("NOSUCHROM").resource);

    // A model loaded with the user's image says so, and the rest of its image stays zero.
    Models models(dir.Path(""));
    TDevices& m = models.New(7);
    EXPECT_EQ(m.FirmwareOrigin, ResourceOrigin::UserFolder);
    EXPECT_EQ(m.FirmwareImage[2], 3);
    EXPECT_EQ(m.FirmwareImage[3], 0);
    Models plain;
    EXPECT_EQ(plain.New(7).FirmwareOrigin, ResourceOrigin::Embedded);
}

TEST(ResourceStore, AnUnusableUserImageFailsLoudlyWithTheFactoryMessage) {
    TempFolder dir;
    dir.Write("KRVROM.hex", ":0300030002000CEF\r\n:00000001FF\r\n");  // bad checksum
    dir.Write("DORIMENEEP.hex", "garbage");
    dir.Write("VELKAR.hex", "garbage");
    dir.Write("VELKAR12.hex", "garbage");
    struct Case {
        int position;
        int result;
        std::string message;
    } cases[] = {
        {7, kFactoryImageMissing, "Невозможно загрузить заводскую прошивку, ROM"},
        {15, 0, "Невозможно загрузить заводскую прошивку, EEP"},  // goes on without it
        {8, kFactoryImageMissing, "Невозможно загрузить заводскую прошивку, VELKAR"},
        {22, kFactoryImageMissing, "Невозможно загрузить заводскую прошивку, Velkar12"},
    };
    for (const auto& c : cases) {
        Models models(dir.Path(""));
        EXPECT_EQ(models.At(c.position).LoadFactoryImage(), c.result) << c.position;
        ASSERT_EQ(models.messages.shown.size(), 1u) << c.position;
        EXPECT_TRUE(models.messages.shown[0].text.starts_with(c.message))
            << models.messages.shown[0].text;
        EXPECT_EQ(models.messages.shown[0].icon, MessageIcon::Error);
    }
}

TEST(ResourceStore, EveryModelFindsItsBuiltInResources) {
    Models models;
    for (int position = 0; position < models.registry.Count(); ++position) {
        EXPECT_EQ(models.At(position).LoadFactoryImage(), 0) << position;
    }
    EXPECT_TRUE(models.messages.shown.empty());
}
