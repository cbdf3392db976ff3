#include "image/HexByte.h"

#include <gtest/gtest.h>

struct HexByteCase {
    const char *text;
    int value;
};

class HexByteValueTest : public ::testing::TestWithParam<HexByteCase> {};

TEST_P(HexByteValueTest, ConvertsWithoutValidation)
{
    EXPECT_EQ(HexByteValue(QString::fromLatin1(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, HexByteValueTest,
                         ::testing::Values(HexByteCase{"00", 0}, HexByteCase{"1F", 31}, HexByteCase{"ff", 255},
                                           HexByteCase{"FF", 255}, HexByteCase{"aB", 171},
                                           HexByteCase{"G0", 112},   // 'G' keeps the low bits of its code
                                           HexByteCase{"3F77", 63},  // only the first two characters count
                                           HexByteCase{"7", 112},    // a missing character counts 0
                                           HexByteCase{"", 0}, HexByteCase{" 1", 1}));

TEST(HexByteTable, EveryValueRoundTripsThroughItsText)
{
    for (int v = 0; v < 256; ++v) {
        const QString &text = hexByte(v);
        ASSERT_EQ(text.size(), 2);
        EXPECT_EQ(text, text.toUpper());
        EXPECT_EQ(HexByteValue(text), v);
    }
    EXPECT_EQ(hexByte(0x0A), QStringLiteral("0A"));
    EXPECT_EQ(hexByte(0xC3), QStringLiteral("C3"));
}

TEST(IsHexText, AcceptsDigitsOfBothCasesOnly)
{
    EXPECT_TRUE(isHexText(u"09afAF"));
    EXPECT_FALSE(isHexText(u"0G"));
    EXPECT_FALSE(isHexText(u"1 2"));
    EXPECT_TRUE(isHexText(u""));
}
