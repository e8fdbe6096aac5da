#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "devices/frastoven/frastoven.hpp"
#include "framework/device_registry.hpp"
#include "framework/messages.hpp"
#include "resources/resource_store.hpp"

using namespace vertanum;

namespace {

constexpr int kFrastovenA = 18;
constexpr int kFrastovenN = 19;
constexpr int kFrastovenPT = 20;

using Bytes = std::vector<std::uint8_t>;

// A new document of one Frastoven model, from the built-in factory data.
struct NewDocument {
    explicit NewDocument(int position) : registry(DeviceContext{&messages, nullptr}) {
        registry.BuildDeviceRegistry();
        model = registry.At(position);
        result = model ? model->LoadFactoryImage() : -1;
    }
    Bytes Firmware(unsigned from, std::size_t count) const {
        return Bytes(model->FirmwareImage.begin() + from,
                     model->FirmwareImage.begin() + from + count);
    }

    RecordingMessages messages;
    DeviceRegistry registry;
    TDevices* model = nullptr;
    std::int32_t result = 0;
};

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Times(std::size_t count, const Bytes& field) {
    Bytes out;
    for (std::size_t i = 0; i < count; ++i) out.insert(out.end(), field.begin(), field.end());
    return out;
}

// Display-set bytes of the factory texts, each with its padding and terminator.
const Bytes kFire = {0xA8, 0x6F, 0xB6, 0x61, 0x70, 0x00};       // "Пожар"
const Bytes kAttention = {0x42, 0xBD, 0xB8, 0xBC, 0x2E, 0x00};  // "Вним."
const Bytes kAlarm = {0x54, 0x70, 0x65, 0xB3, 0x2E, 0x00};      // "Трев."
const Bytes kTamper = {0x42, 0xBC, 0x65, 0xC1, 0x2E, 0x00};     // "Вмеш."
const Bytes kBlankName = {0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
Bytes Message(std::uint8_t digit) {  // "Сообщение " + digit, space padded to 16
    return {0x43, 0x6F,  0x6F, 0xB2, 0xE6, 0x65, 0xBD, 0xB8, 0x65,
            0x20, digit, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00};
}

struct StatedBytes {
    const char* what;
    int position;
    unsigned address;
    Bytes bytes;
};

std::vector<StatedBytes> StatedFactoryBytes() {
    return {
        {"A relays, address, relay events, delays, buzzers",
         kFrastovenA,
         0x0054,
         {0x00, 0x01, 0x80, 0x20, 0x0F, 0x0A, 0x80, 0xFF}},
        {"A loop types and blocks", kFrastovenA, 0x005C, Bytes(124, 0x00)},
        {"A partition places and partition 90", kFrastovenA, 0x00D8, Bytes(380, 0x00)},
        {"A alarm words", kFrastovenA, 0x0254, Concat({kFire, kAttention, kAlarm, kTamper})},
        {"A loop names", kFrastovenA, 0x026C, Times(124, kBlankName)},
        {"A byte before the subscribers", kFrastovenA, 0x083C, {0x02}},
        {"A subscribers", kFrastovenA, 0x083D, Concat({Bytes(62, 0x00), {0x06}})},
        {"A main-screen line terminator and last key", kFrastovenA, 0x088C, {0x00, 0x00}},
        {"A programmable message 1", kFrastovenA, 0x0942, Message('1')},
        {"A programmable message 2", kFrastovenA, 0x0954, Message('2')},
        {"A programmable message 3", kFrastovenA, 0x0966, Message('3')},
        {"A programmable message 4", kFrastovenA, 0x0978, Message('4')},

        {"N panels, address, output masks", kFrastovenN, 0x3F8A, {9, 1, 0xE0, 0xE0}},
        {"N on-times", kFrastovenN, 0x3F8E, {20, 2, 4, 20, 2, 4}},
        {"N pauses", kFrastovenN, 0x3F94, {0, 8, 16, 0, 8, 16}},
        {"N switch-on delays", kFrastovenN, 0x3F9A, {6, 6, 6, 6, 6, 6}},
        {"N mode durations", kFrastovenN, 0x3FA0, {0, 60, 60, 0, 120, 120}},

        {"PT relays, address, relay events, delays, buzzers",
         kFrastovenPT,
         0x0054,
         {0x00, 0x01, 0x80, 0x1C, 0x01, 0x01, 0x00, 0xFF}},
        {"PT alarm words", kFrastovenPT, 0x005C, Concat({kFire, kAttention})},
        {"PT direction names", kFrastovenPT, 0x0068, Times(62, kBlankName)},
        {"PT byte before the subscribers", kFrastovenPT, 0x0350, {0x02}},
        {"PT subscribers", kFrastovenPT, 0x0351, Concat({Bytes(62, 0x00), {0x06}})},
        {"PT main-screen line terminator", kFrastovenPT, 0x03A0, {0x00}},
    };
}

struct Resources {
    int position;
    const char* eeprom;
    const char* program;
    std::size_t program_size;
};

const Resources kResources[] = {
    {kFrastovenA, "FRASTOVENAEEP", "FRASTOVENAROM", 16378},
    {kFrastovenN, "FRASTOVENNEEP", "FRASTOVENNROM", 16294},
    {kFrastovenPT, "FRASTOVENPTEEP", "FRASTOVENPTROM", 12478},
};

}  // namespace

TEST(FrastovenFactory, NewDocumentsHoldTheStatedFactoryBytes) {
    for (const auto& stated : StatedFactoryBytes()) {
        NewDocument doc(stated.position);
        ASSERT_EQ(doc.result, 0) << stated.what;
        EXPECT_EQ(doc.Firmware(stated.address, stated.bytes.size()), stated.bytes) << stated.what;
    }
}

TEST(FrastovenFactory, ResourcesHaveTheirSizesAndFillTheImagesFromTheStart) {
    const Bytes stand_in_code = {0xF8, 0x94, 0xFF, 0xCF};  // CLI; RJMP .
    for (const auto& r : kResources) {
        SCOPED_TRACE(r.program);
        auto eeprom = resources::ResourceStore::FindEmbedded(r.eeprom);
        auto program = resources::ResourceStore::FindEmbedded(r.program);
        ASSERT_TRUE(eeprom && program);
        EXPECT_EQ(eeprom->bytes.size(), TFrastoven::kEepromSize);
        EXPECT_EQ(program->bytes.size(), r.program_size);

        NewDocument doc(r.position);
        ASSERT_EQ(doc.result, 0);
        EXPECT_TRUE(doc.messages.shown.empty());
        EXPECT_EQ(doc.model->EepromImage, eeprom->bytes);
        EXPECT_EQ(doc.Firmware(0, stand_in_code.size()), stand_in_code);
        EXPECT_EQ(doc.Firmware(0, r.program_size), program->bytes);
        const auto past_end = doc.Firmware(static_cast<unsigned>(r.program_size),
                                           TFrastoven::kFirmwareSize - r.program_size);
        EXPECT_TRUE(std::all_of(past_end.begin(), past_end.end(), [](auto b) { return b == 0; }));
    }
}

TEST(FrastovenFactory, FrastovenNResourceEndsWithItsConfigurationBlock) {
    NewDocument doc(kFrastovenN);
    const auto& keys = static_cast<TFrastoven*>(doc.model)->KeyAddresses();
    EXPECT_EQ(keys.back() + 1, 16294u);
}

// The main-screen line is a full line of display characters, closed by its terminator.
TEST(FrastovenFactory, MainScreenLinesAreTextsOfTheDisplay) {
    const struct {
        int position;
        unsigned address;
    } lines[] = {{kFrastovenA, 0x087C}, {kFrastovenPT, 0x0390}};
    for (const auto& line : lines) {
        NewDocument doc(line.position);
        const auto field = doc.Firmware(line.address, 17);
        SCOPED_TRACE(line.address);
        EXPECT_EQ(field[16], 0x00);
        for (std::size_t i = 0; i < 16; ++i) {
            const auto b = field[i];
            const bool shown =
                (b >= 0x20 && b <= 0x7D) || (b >= 0xA0 && b <= 0xC7) || (b >= 0xE0 && b <= 0xE6);
            EXPECT_TRUE(shown) << "byte " << i << " is " << int(b);
        }
        EXPECT_GT(
            std::count_if(field.begin(), field.begin() + 16, [](auto b) { return b != 0x20; }), 0);
    }
}

// Program bytes that no editor row sets are the firmware's, here the stand-in fill: varied bytes,
// so an address mix-up cannot hide behind a uniform block. FrastovenPT's files carry such bytes
// past its own block.
TEST(FrastovenFactory, FirmwareOutsideTheBlocksKeepsTheStandInFill) {
    const struct {
        int position;
        unsigned from;
        unsigned to;  // inclusive
    } ranges[] = {
        {kFrastovenA, 0x0004, 0x0053},  {kFrastovenA, 0x088E, 0x0941},
        {kFrastovenN, 0x0004, 0x3F89},  {kFrastovenPT, 0x03A1, 0x088D},
        {kFrastovenPT, 0x0942, 0x0989},
    };
    for (const auto& r : ranges) {
        NewDocument doc(r.position);
        const auto bytes = doc.Firmware(r.from, r.to - r.from + 1);
        const std::set<std::uint8_t> distinct(bytes.begin(), bytes.end());
        EXPECT_GT(distinct.size(), std::min<std::size_t>(bytes.size() / 2, 40))
            << r.position << " " << r.from;
    }
}
