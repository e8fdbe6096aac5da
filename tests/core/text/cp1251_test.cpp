#include "text/cp1251.hpp"

#include <gtest/gtest.h>

using namespace vertanum::text;

TEST(Cp1251, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1251ToUtf8(all);
    auto back = Utf8ToCp1251(utf8);
    ASSERT_TRUE(back.bytes.has_value()) << back.error;
    EXPECT_EQ(*back.bytes, all);
}

TEST(Cp1251, DecodesTheLettersOfTheAlphabet) {
    struct Case {
        std::string bytes;
        std::string utf8;
    } cases[] = {
        {"\xCA\xD0\xC2", "КРВ"}, {"\xA8\xB8", "Ёё"}, {"\xB9", "№"},
        {"\x88", "€"},           {"\xE0\xFF", "ая"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1251ToUtf8(c.bytes), c.utf8);
        EXPECT_EQ(Utf8ToCp1251(c.utf8).bytes.value_or("?"), c.bytes);
    }
}

TEST(Cp1251, RefusesACharacterItCannotHoldInsteadOfReplacingIt) {
    for (std::string text : {"日本", "Ω", "x\xF0\x9F\x98\x80"}) {
        auto r = Utf8ToCp1251(text);
        EXPECT_FALSE(r.bytes.has_value()) << text;
        EXPECT_NE(r.error.find("Windows-1251"), std::string::npos) << r.error;
    }
}

TEST(Cp1251, RefusesMalformedUtf8) {
    auto r = Utf8ToCp1251("abc\xC3");
    EXPECT_FALSE(r.bytes.has_value());
    EXPECT_FALSE(r.error.empty());
    EXPECT_THROW(Utf8ToCp1251OrThrow("\xFF"), std::invalid_argument);
}
