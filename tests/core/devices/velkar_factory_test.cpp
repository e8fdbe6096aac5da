// The factory data of the Velkar family as new documents see it: each model's resource, its
// length, the stand-in code in front, and the parameter values the panels leave the factory with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "devices/velkar/velkar.hpp"
#include "framework/device_registry.hpp"
#include "framework/messages.hpp"
#include "resources/resource_store.hpp"

using namespace vertanum;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Expected = std::map<unsigned, std::uint8_t>;  // image address -> factory byte

constexpr int kVelkar = 8;
constexpr int kVelkarPT = 9;
constexpr int kVelkar8A = 10;
constexpr int kVelkar8B = 11;
constexpr int kVelkar8C = 12;
constexpr int kVelkar9 = 13;
constexpr int kVelkarIMP = 14;
constexpr int kBUKVelkar = 22;

void Put(Expected& e, unsigned address, const Bytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) e[address + static_cast<unsigned>(i)] = bytes[i];
}

Bytes Times(std::size_t count, std::uint8_t value) {
    return Bytes(count, value);
}

// The base panel's whole parameter block 0x2E80..0x2F73.
Expected VelkarValues() {
    Expected e;
    // Partitions 0..39 (own loops, additional loops), then 40..63 empty.
    Put(e, 0x2E80,
        {0x10, 0x00, 0xC0, 0x00, 0x80, 0x00, 0x08, 0x00, 0x10, 0x00, 0x20, 0x00, 0x40, 0x00,
         0x80, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x04, 0x00, 0x08, 0x00, 0x10, 0x00, 0x20,
         0x00, 0x40, 0x00, 0x80, 0xC0, 0x00, 0x30, 0x00, 0x0C, 0x00, 0x03, 0x00, 0x00, 0xC0,
         0x00, 0x30, 0x00, 0x0C, 0x00, 0x03, 0x00, 0xA0, 0x00, 0x0A, 0x00, 0xAA, 0xC0, 0xAA,
         0xF0, 0xAA, 0xE0, 0xAA, 0xFF, 0xAA, 0xFF, 0xFF, 0x80, 0x00, 0x40, 0x00, 0x20, 0x00,
         0x10, 0x00, 0x08, 0x00, 0xF0, 0x00, 0xFF, 0x00, 0x00, 0xFF});
    Put(e, 0x2ED0, Times(48, 0x00));
    Put(e, 0x2F00, Times(32, 0x00));  // no device on channel 2
    // Address, siren, loop purposes and detector types, power-off and readiness times.
    Put(e, 0x2F20, {0x01, 0x01, 0x04, 0x06, 0x00, 0x01, 0xFF, 0xFE, 0x04});
    Put(e, 0x2F29, Times(8, 0x0D));
    // Outputs.
    Put(e, 0x2F31, {0x01, 0x00});
    Put(e, 0x2F33, {0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x30, 0x0C, 0x03});  // К1
    Put(e, 0x2F3E, {0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00});                          // К2
    Put(e, 0x2F45, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0xDC});                          // К3
    Put(e, 0x2F4C, {0x00, 0xFF, 0x00, 0x00, 0x00, 0x00});                                // К4
    Put(e, 0x2F52, {0x02, 0x06, 0x01, 0x05, 0x37, 0x00, 0x28, 0x2B, 0x00, 0x00, 0x00, 0x00});
    // Arming and entry delays of loops 1..8.
    Put(e, 0x2F5E,
        {0x23, 0x23, 0x23, 0x23, 0x01, 0x1E, 0x01, 0x1E, 0x23, 0x23, 0x14, 0x1E, 0x01, 0x01, 0x05,
         0x01});
    // Disarming reactions, special mode, network mode and role, the unused last byte.
    Put(e, 0x2F6E, {0x00, 0x00, 0x00, 0x01, 0x02, 0x00});
    return e;
}

// The base panel's values up to the end of VEL_IMP, with its own differences.
Expected VelkarImpValues() {
    Expected e = VelkarValues();
    e.erase(e.lower_bound(0x2F6E), e.end());
    Put(e, 0x2E80, Times(128, 0x00));
    const std::pair<unsigned, std::uint8_t> partitions[] = {
        {0x2E80, 0x80}, {0x2E82, 0x40}, {0x2E84, 0x20}, {0x2E86, 0x10},
        {0x2E88, 0x30}, {0x2E8A, 0xC0}, {0x2E8C, 0xF0}, {0x2EC0, 0x40},
        {0x2EC2, 0x40}, {0x2EC4, 0x20}, {0x2EC8, 0x10}, {0x2ECA, 0xF0}};
    for (const auto& [address, value] : partitions) e[address] = value;
    Put(e, 0x2F08, {0x08, 0x09, 0x0A, 0x0B});
    Put(e, 0x2F28, Times(9, 0x05));
    e[0x2F38] = 0xFF;
    e[0x2F43] = 0xFF;
    e[0x2F49] = 0xFF;
    return e;
}

Expected VelkarPtValues() {
    Expected e;
    Put(e, 0x2F20, {0x02});
    Put(e, 0x2F27, {0x07, 0x05, 0x0C, 0x0C, 0x0C});
    Put(e, 0x2F34, {0x11});
    Put(e, 0x2F3A, {0x06, 0x00, 0x00, 0x00});
    Put(e, 0x2F3F, {0x00});
    Put(e, 0x2F52, {0x1E, 0x00});
    Put(e, 0x2F56, {0x02, 0x00});
    Put(e, 0x2F6E, {0x07});
    return e;
}

// Mods 8A, 8Б, 8C, 9: address 1, initial states 0x01, the output times; the devices are checked
// apart.
Expected Mod8or9Values(const Bytes& delays, const Bytes& durations) {
    Expected e;
    Put(e, 0x2F20, {0x01});
    Put(e, 0x2F31, {0x01});
    Put(e, 0x2F52, delays);
    Put(e, 0x2F56, durations);
    Put(e, 0x2F5A, Times(4, 0x00));
    return e;
}

Expected BukVelkarValues() {
    Expected e;
    Put(e, 0x2E80, {0x05, 0x0A, 0x0F, 0x14});
    Put(e, 0x2F20, {0x01});
    Put(e, 0x2F31, {0x01});
    Put(e, 0x2F52, {0x01, 0x01, 0x01, 0x01});
    Put(e, 0x2F56, Times(8, 0x00));
    return e;
}

struct ModelCase {
    int position;
    const char* class_name;
    const char* resource;
    std::size_t resource_size;
    Expected (*values)();
};

const ModelCase kModels[] = {
    {kVelkar, "TVelkar", "VELKAR", 12283, VelkarValues},
    {kVelkarPT, "TVelkarPT", "VELKARPT", 12143, VelkarPtValues},
    {kVelkar8A, "TVelkar8A", "VELKAR8A", 12147,
     [] {
         return Mod8or9Values({0x01, 0x01, 0x1E, 0x01}, {0x00, 0x00, 0x00, 0x00});
     }},
    {kVelkar8B, "TVelkar8B", "VELKAR8B", 12147,
     [] {
         return Mod8or9Values({0x01, 0x01, 0x01, 0x01}, {0x37, 0x00, 0x28, 0x2B});
     }},
    {kVelkar8C, "TVelkar8C", "VELKAR8C", 12147,
     [] {
         return Mod8or9Values({0x02, 0x06, 0x01, 0x05}, {0x37, 0x00, 0x28, 0x2B});
     }},
    {kVelkar9, "TVelkar9", "VELKAR9", 12147,
     [] {
         return Mod8or9Values({0x02, 0x06, 0x01, 0x05}, {0x37, 0x00, 0x28, 0x2B});
     }},
    {kVelkarIMP, "TVelkarIMP", "VEL_IMP", 12142, VelkarImpValues},
    {kBUKVelkar, "TBUKVelkar", "VELKAR12", 12147, BukVelkarValues},
};

std::string Hex(unsigned address) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", address);
    return text;
}

class VelkarFactory : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(registry_.BuildDeviceRegistry(), 23); }

    // A new document of the model at `position`: its image as the factory data leaves it.
    const Bytes& NewDocument(int position) {
        TDevices* model = registry_.At(position);
        EXPECT_NE(model, nullptr);
        EXPECT_EQ(model->LoadFactoryImage(), 0);
        EXPECT_TRUE(messages_.shown.empty()) << messages_.shown.front().text;
        return model->FirmwareImage;
    }
    TDevices& Model(int position) { return *registry_.At(position); }

  private:
    RecordingMessages messages_;
    DeviceRegistry registry_{DeviceContext{&messages_, nullptr}};
};

}  // namespace

TEST_F(VelkarFactory, EachModelLoadsItsWholeResourceAndNothingPastIt) {
    // LJMP 0003; CLR EA; SJMP $
    const Bytes stand_in = {0x02, 0x00, 0x03, 0xC2, 0xAF, 0x80, 0xFE};
    for (const auto& c : kModels) {
        SCOPED_TRACE(c.class_name);
        ASSERT_EQ(Model(c.position).ClassName(), c.class_name);
        const auto resource = resources::ResourceStore::FindEmbedded(c.resource);
        ASSERT_TRUE(resource.has_value());
        ASSERT_EQ(resource->bytes.size(), c.resource_size);

        const Bytes& image = NewDocument(c.position);
        ASSERT_EQ(image.size(), TVelkar::kFirmwareSize);
        EXPECT_EQ(Model(c.position).FirmwareOrigin, resources::ResourceOrigin::Embedded);
        EXPECT_TRUE(std::equal(stand_in.begin(), stand_in.end(), image.begin()));
        EXPECT_TRUE(std::equal(resource->bytes.begin(), resource->bytes.end(), image.begin()));
        for (std::size_t a = c.resource_size; a < image.size(); ++a) {
            ASSERT_EQ(image[a], 0) << "past the resource at " << Hex(static_cast<unsigned>(a));
        }
        // The code area is fill, not a uniform run that could hide an address mix-up.
        const std::set<std::uint8_t> distinct(image.begin() + 0x100, image.begin() + 0x2E80);
        EXPECT_GT(distinct.size(), 200u);
    }
}

TEST_F(VelkarFactory, ParameterBlocksHoldTheFactoryValues) {
    for (const auto& c : kModels) {
        SCOPED_TRACE(c.class_name);
        const Bytes& image = NewDocument(c.position);
        for (const auto& [address, value] : c.values()) {
            EXPECT_LT(address, c.resource_size) << Hex(address) << " lies past the resource";
            EXPECT_EQ(image[address], value) << "at " << Hex(address);
        }
    }
}

TEST_F(VelkarFactory, ChannelTwoShowsTheFactoryDevices) {
    struct Case {
        int position;
        std::set<unsigned> present;  // device numbers; the others are absent
        unsigned devices;            // how many rows the model's editor has
    };
    const auto range = [](unsigned first, unsigned last) {
        std::set<unsigned> s;
        for (unsigned n = first; n <= last; ++n) s.insert(n);
        return s;
    };
    auto mod8a = range(1, 15);
    mod8a.insert({25, 26, 27});
    const Case cases[] = {
        {kVelkar, {}, 11},
        {kVelkarIMP, range(8, 11), 11},
        {kVelkar8A, mod8a, 31},
        {kVelkar8B, range(1, 8), 31},
        {kVelkar8C, range(1, 29), 31},
        {kVelkar9, range(5, 16), 31},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Model(c.position).ClassName());
        const Bytes& image = NewDocument(c.position);
        for (unsigned n = 1; n <= c.devices; ++n) {
            const std::uint8_t expected = c.present.count(n) ? static_cast<std::uint8_t>(n) : 0;
            EXPECT_EQ(image[0x2F00 + n], expected) << "device " << n;
        }
    }
}

TEST_F(VelkarFactory, NewDocumentsShowTheFactoryRows) {
    // The re-intrusion time: the base panel stores siren + reaction and shows the difference
    // when the sum lies within 1..30; VEL_IMP stores the minutes themselves (1..10).
    const Bytes& velkar = NewDocument(kVelkar);
    ASSERT_GE(velkar[0x2F23], 1);
    ASSERT_LE(velkar[0x2F23], 30);
    EXPECT_EQ(velkar[0x2F23] - velkar[0x2F22], 2);
    const Bytes& imp = NewDocument(kVelkarIMP);
    EXPECT_EQ(imp[0x2F23], 6);
    EXPECT_EQ(imp[0x2F22], 4);

    struct Flag {
        int position;
        unsigned address;
        int bit;
        bool set;
        const char* row;
    };
    const Flag flags[] = {
        {kVelkar, 0x2F71, 1, false, "ModeJob Автономный"},
        {kVelkar, 0x2F71, 0, true, "TypeSegment Ведущий в сегменте"},
        {kVelkar, 0x2F27, 0, false, "Typ_iz1 Пассивный"},
        {kVelkarPT, 0x2F34, 0, true, "Rel1_p1 / Rel2_p1 checked"},
        {kVelkarPT, 0x2F34, 1, false, "Rel1_p2 unchecked"},
        {kVelkarPT, 0x2F34, 2, false, "Rel1_p3 unchecked"},
        {kVelkarPT, 0x2F6E, 1, true, "OnOffAutom checked"},
        {kVelkarPT, 0x2F6E, 0, true, "IncludeLight checked"},
        {kBUKVelkar, 0x2F31, 0, true, "Nachrel1 Пассивен"},
        {kBUKVelkar, 0x2F31, 1, false, "Nachrel2 Пассивен"},
        {kBUKVelkar, 0x2F31, 3, false, "Nachrel4 Пассивен"},
    };
    for (const auto& f : flags) {
        const Bytes& image = NewDocument(f.position);
        EXPECT_EQ(((image[f.address] >> f.bit) & 1) != 0, f.set) << f.row;
    }
    // Every loop of the base panel and of VEL_IMP is a fire loop.
    EXPECT_EQ(NewDocument(kVelkar)[0x2F26], 0xFF);
    EXPECT_EQ(NewDocument(kVelkarIMP)[0x2F26], 0xFF);
}
