#include "image/ByteTexts.h"
#include "image/HexByte.h"

#include <QStringList>
#include <array>
#include <random>
#include <utility>
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

// The compact byte texts against a plain array of texts, written at random
// with usual, lower-case, damaged and empty texts: every read, every copy and
// every comparison must agree, and no text read may dangle when others grow.
TEST(ByteTexts, HoldEveryTextAsAnArrayOfTextsWould)
{
    constexpr std::size_t N = 64;
    const QStringList pool{QStringLiteral("00"), QStringLiteral("FF"), QStringLiteral("3F"), QStringLiteral("a5"),
                           QStringLiteral("G1"), QString(), QStringLiteral("7"), QStringLiteral("1d2"),
                           QStringLiteral("A5")};
    std::mt19937 random(7);
    ByteTexts<N> bytes;
    std::array<QString, N> plain;
    for (std::size_t i = 0; i < N; ++i)
        ASSERT_TRUE(bytes[i] == QString()) << "a new array holds empty texts";
    ByteTexts<N> copy;
    std::array<QString, N> plainCopy;
    for (int step = 0; step < 20000; ++step) {
        const std::size_t i = random() % N;
        const QString &text = pool[static_cast<qsizetype>(random() % pool.size())];
        const QString &kept = std::as_const(bytes)[(i + 1) % N];
        const QString keptText = kept;
        bytes[i] = text;
        plain[i] = text;
        ASSERT_EQ(kept, keptText) << "a text read survives writes to other bytes";
        if (step % 997 == 0) {
            copy = bytes;
            plainCopy = plain;
        }
        if (step % 101 == 0) {
            for (std::size_t k = 0; k < N; ++k)
                ASSERT_EQ(std::as_const(bytes)[k], plain[k]) << "step " << step << " byte " << k;
            ASSERT_EQ(bytes == copy, plain == plainCopy) << "step " << step;
        }
    }
    bytes.fill(QStringLiteral("x"));
    for (const QString &text : std::as_const(bytes))
        EXPECT_EQ(text, QStringLiteral("x"));
    bytes.setValue(3, 0xA5);
    EXPECT_EQ(bytes.at(3), QStringLiteral("A5"));
}
