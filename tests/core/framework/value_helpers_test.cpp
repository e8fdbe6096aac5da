#include "framework/value_helpers.hpp"

#include <gtest/gtest.h>

#include "framework/conversion_error.hpp"

using namespace vertanum;

TEST(ValueHelpers, BitOperations) {
    EXPECT_TRUE(BitTest(0x80, 7));
    EXPECT_FALSE(BitTest(0x7F, 7));
    EXPECT_EQ(BitClear(0x80, 7), 0);
    EXPECT_EQ(BitClear(0, 7), 0);
    EXPECT_EQ(BitClear(0xFF, 0), 0xFE);
    EXPECT_EQ(BitSet(0, 0), 1);
    EXPECT_EQ(BitSet(0x01, 31), static_cast<std::int32_t>(0x80000001u));
}

TEST(ValueHelpers, BcdConversions) {
    struct Case {
        std::uint16_t bcd;
        std::int32_t binary;
    } cases[] = {{0x0099, 99}, {0x1234, 1234}, {0x0000, 0}, {0x9999, 9999}, {0x0100, 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(BcdToBinary(c.bcd), c.binary);
        EXPECT_EQ(BinaryToBcd(static_cast<std::uint16_t>(c.binary)), c.bcd);
    }
    EXPECT_EQ(BinaryToBcd(65535), 0x65535);
}

TEST(ValueHelpers, BcdOfANonDecimalWordIsAConversionError) {
    try {
        BcdToBinary(0xFFFF);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'FFFF' - неверное целое значение");
    }
    EXPECT_THROW(BcdToBinary(0x123A), ConversionError);
}

TEST(ValueHelpers, StrToIntReadsWhatTheMapsStore) {
    EXPECT_EQ(StrToInt("60"), 60);
    EXPECT_EQ(StrToInt("  7"), 7);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("-1"), -1);
    for (const char* bad : {"", "abc", "1 2", "7 ", "0x"}) {
        EXPECT_THROW(StrToInt(bad), ConversionError) << bad;
    }
}
