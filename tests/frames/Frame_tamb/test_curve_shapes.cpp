// Curve generators, mirrors, scaling and shifting, and the scale/shift inputs.
#include "frames/Frame_tamb/CurveShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace CurveShapes;
using Record = CurveRecords::Record;

namespace {

// A record with count c, the given positions and relay bits on every third
// point; the entries beyond the points carry markers that must survive.
Record curve(int count, const std::vector<int> &positions = {})
{
    Record r{};
    for (int j = 0; j < CurveRecords::Size; ++j)
        r[static_cast<std::size_t>(j)] = (j * 37 + 11) % 256;
    for (int i = 0; i < count; ++i) {
        const int pos = i < static_cast<int>(positions.size()) ? positions[static_cast<std::size_t>(i)] : (i * 13) % 128;
        r[static_cast<std::size_t>(i)] = pos | (i % 3 == 0 ? CurveRecords::RelayBit : 0);
    }
    r[CurveRecords::CountEntry] = count;
    return r;
}

std::vector<int> positions(const Record &r)
{
    std::vector<int> out;
    for (int i = 0; i < CurveRecords::pointCount(r); ++i)
        out.push_back(r[static_cast<std::size_t>(i)] & CurveRecords::PositionMask);
    return out;
}

// Everything except the position bits of points 0..c-1 is as before.
void expectOnlyPositionsChanged(const Record &before, const Record &after)
{
    const int count = CurveRecords::pointCount(before);
    for (int j = 0; j < CurveRecords::Size; ++j) {
        const int mask = j < count ? CurveRecords::RelayBit : 0xFF;
        EXPECT_EQ(after[static_cast<std::size_t>(j)] & mask, before[static_cast<std::size_t>(j)] & mask) << "entry " << j;
    }
}

struct ShapeCase {
    Generator generator;
    int count;
    std::vector<int> expected;
};

class Generate : public ::testing::TestWithParam<ShapeCase> {};

} // namespace

TEST_P(Generate, PointsFollowTheFloatRoundings)
{
    const ShapeCase &c = GetParam();
    const Record before = curve(c.count);
    Record r = before;
    ASSERT_TRUE(generate(r, c.generator));
    EXPECT_EQ(positions(r), c.expected);
    expectOnlyPositionsChanged(before, r);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, Generate,
    ::testing::Values(ShapeCase{Generator::Lin, 10, {0, 14, 28, 42, 56, 70, 84, 98, 112, 127}},
                      ShapeCase{Generator::Lin, 16, {0, 8, 16, 25, 33, 42, 50, 59, 67, 76, 84, 93, 101, 110, 118, 126}},
                      ShapeCase{Generator::Lin, 2, {0, 127}},
                      ShapeCase{Generator::Log, 10, {0, 38, 60, 76, 88, 98, 107, 114, 121, 127}},
                      ShapeCase{Generator::Log, 12, {0, 35, 56, 70, 82, 91, 99, 106, 112, 117, 122, 126}},
                      ShapeCase{Generator::QuarterSine, 10, {0, 3, 14, 31, 52, 73, 94, 111, 122, 126}},
                      ShapeCase{Generator::QuarterSine, 2, {0, 126}},
                      ShapeCase{Generator::HalfSine, 11, {0, 12, 43, 82, 113, 126, 113, 82, 43, 12, 0}},
                      ShapeCase{Generator::HalfSine, 7, {0, 31, 94, 126, 94, 31, 0}}));

// The last point of Lin and Log is 127 except for the counts where the 32-bit
// rounding leaves it at 126.
TEST(Generate, LastPointOverAllCounts)
{
    const std::vector<int> lin126{16, 20, 30, 31, 39, 52, 59, 61, 62, 77, 96};
    const std::vector<int> log126{12, 28, 34, 38, 40, 47, 52, 53, 56, 57, 59, 65, 66, 75, 77, 78, 87, 91, 92, 94};
    for (int c = 2; c <= 100; ++c) {
        for (const auto &[generator, low] : {std::pair{Generator::Lin, &lin126}, std::pair{Generator::Log, &log126}}) {
            Record r = curve(c);
            generate(r, generator);
            const bool is126 = std::find(low->begin(), low->end(), c) != low->end();
            EXPECT_EQ(positions(r).back(), is126 ? 126 : 127) << "count " << c;
            EXPECT_EQ(positions(r).front(), 0);
        }
    }
}

TEST(Generate, OnePointLeavesTheCurveAlone)
{
    for (Generator g : {Generator::Lin, Generator::Log, Generator::QuarterSine, Generator::HalfSine}) {
        for (int stored : {1, 0, -3}) { // 0 and below count as one point
            Record r = curve(1);
            r[CurveRecords::CountEntry] = stored;
            const Record before = r;
            EXPECT_FALSE(generate(r, g));
            EXPECT_EQ(r, before);
        }
    }
}

TEST(Mirror, VerticalTwiceRestoresAndKeepsRelays)
{
    for (int count : {1, 5, 10, 100}) {
        const Record before = curve(count);
        Record r = before;
        mirrorVertical(r);
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(r[static_cast<std::size_t>(i)] & CurveRecords::PositionMask,
                      127 - (before[static_cast<std::size_t>(i)] & CurveRecords::PositionMask));
        expectOnlyPositionsChanged(before, r);
        mirrorVertical(r);
        EXPECT_EQ(r, before);
    }
}

TEST(Mirror, HorizontalReversesPositionsNotRelays)
{
    const Record before = curve(5, {10, 20, 30, 40, 50});
    Record r = before;
    mirrorHorizontal(r);
    EXPECT_EQ(positions(r), (std::vector<int>{50, 40, 30, 20, 10}));
    expectOnlyPositionsChanged(before, r);

    Record even = curve(4, {1, 2, 3, 4});
    mirrorHorizontal(even);
    EXPECT_EQ(positions(even), (std::vector<int>{4, 3, 2, 1}));
    mirrorHorizontal(even);
    EXPECT_EQ(even, curve(4, {1, 2, 3, 4}));
}

namespace {

struct TransformCase {
    bool isScale;
    float amount;
    std::vector<int> in;
    std::vector<int> out;
};

class Transform : public ::testing::TestWithParam<TransformCase> {};

} // namespace

TEST_P(Transform, PositionsStayWithin0To127)
{
    const TransformCase &c = GetParam();
    const Record before = curve(static_cast<int>(c.in.size()), c.in);
    Record r = before;
    if (c.isScale)
        scale(r, c.amount);
    else
        shift(r, c.amount);
    EXPECT_EQ(positions(r), c.out);
    expectOnlyPositionsChanged(before, r);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, Transform,
    ::testing::Values(TransformCase{true, 0.5F, {127, 64, 1, 0}, {63, 32, 0, 0}},
                      // Results above 127 are limited, like the shift's.
                      TransformCase{true, 2.0F, {10, 63, 64, 127}, {20, 126, 127, 127}},
                      TransformCase{true, 10.0F, {1, 12, 13}, {10, 120, 127}},
                      // The product is not rounded to float: 10 * 0.7f is just below 7.
                      TransformCase{true, 0.7F, {10, 100}, {6, 69}},
                      TransformCase{false, -100.0F, {127, 100, 50, 0}, {27, 0, 0, 0}},
                      TransformCase{false, 64.0F, {0, 63, 64, 127}, {64, 127, 127, 127}},
                      TransformCase{false, -0.5F, {0, 1, 10}, {0, 0, 9}},
                      TransformCase{false, 2.9F, {0, 126}, {2, 127}}));

namespace {

struct InputCase {
    bool isScale;
    const char *text;
    const char *locale;
    TypedEntry<float>::Kind kind;
    float value;
};

class ParseInput : public ::testing::TestWithParam<InputCase> {};

const QString ScaleWarning = QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 0.1 .. 10");
const QString ShiftWarning = QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich -100 .. 100");

} // namespace

TEST_P(ParseInput, UsesTheLocaleAndTheRange)
{
    const InputCase &c = GetParam();
    const QLocale locale{QString::fromLatin1(c.locale)};
    const QString text = QString::fromUtf8(c.text);
    const TypedEntry<float> input = c.isScale ? parseScaleFactor(text, locale) : parseShift(text, locale);
    EXPECT_EQ(input.kind, c.kind);
    if (c.kind == TypedEntry<float>::Kind::Accepted) {
        EXPECT_EQ(input.value, c.value);
    }
    EXPECT_EQ(input.message, c.kind == TypedEntry<float>::Kind::Refused ? (c.isScale ? ScaleWarning : ShiftWarning) : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseInput,
    ::testing::Values(InputCase{true, "0,5", "de_DE", TypedEntry<float>::Kind::Accepted, 0.5F},
                      InputCase{true, "0.5", "de_DE", TypedEntry<float>::Kind::Refused, 0},
                      InputCase{true, "1.000", "de_DE", TypedEntry<float>::Kind::Refused, 0}, // no group separators
                      InputCase{true, "0,05", "de_DE", TypedEntry<float>::Kind::Refused, 0},
                      InputCase{true, "0,1", "de_DE", TypedEntry<float>::Kind::Accepted, 0.1F},
                      InputCase{true, "10,01", "de_DE", TypedEntry<float>::Kind::Refused, 0},
                      InputCase{true, "", "de_DE", TypedEntry<float>::Kind::Empty, 0},
                      InputCase{true, "nan", "en_US", TypedEntry<float>::Kind::Refused, 0},
                      InputCase{false, "abc", "de_DE", TypedEntry<float>::Kind::Refused, 0},
                      InputCase{false, "-100", "de_DE", TypedEntry<float>::Kind::Accepted, -100.0F},
                      InputCase{false, "-100,5", "de_DE", TypedEntry<float>::Kind::Refused, 0},
                      InputCase{false, "12,5", "de_DE", TypedEntry<float>::Kind::Accepted, 12.5F},
                      InputCase{false, "", "de_DE", TypedEntry<float>::Kind::Empty, 0}));

namespace {

struct EitherSeparatorCase {
    const char *text;
    const char *locale;
    TypedEntry<float>::Kind kind;
    float value;
    const char *designText; // the edit's first text under the locale
};

class ScaleWithEitherSeparator : public ::testing::TestWithParam<EitherSeparatorCase> {};

} // namespace

// The scale edit's own first text is accepted under every locale, and so is
// the other separator; a text with both, or out of range, is still refused.
TEST_P(ScaleWithEitherSeparator, AcceptsPointAndComma)
{
    const EitherSeparatorCase &c = GetParam();
    const QLocale locale{QString::fromLatin1(c.locale)};
    EXPECT_EQ(scaleDesignText(locale), QString::fromLatin1(c.designText));
    EXPECT_EQ(parseScaleFactorEitherSeparator(scaleDesignText(locale), locale).kind, TypedEntry<float>::Kind::Accepted);
    const TypedEntry<float> input = parseScaleFactorEitherSeparator(QString::fromUtf8(c.text), locale);
    EXPECT_EQ(input.kind, c.kind);
    EXPECT_EQ(input.isAccepted() ? input.value : 0.0F, c.value);
    EXPECT_EQ(input.message, c.kind == TypedEntry<float>::Kind::Refused ? ScaleWarning : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScaleWithEitherSeparator,
    ::testing::Values(EitherSeparatorCase{"0,5", "de_DE", TypedEntry<float>::Kind::Accepted, 0.5F, "0,5"},
                      EitherSeparatorCase{"0.5", "de_DE", TypedEntry<float>::Kind::Accepted, 0.5F, "0,5"},
                      EitherSeparatorCase{"0,5", "en_US", TypedEntry<float>::Kind::Accepted, 0.5F, "0.5"},
                      EitherSeparatorCase{"2.5", "C", TypedEntry<float>::Kind::Accepted, 2.5F, "0.5"},
                      EitherSeparatorCase{"1.000,5", "de_DE", TypedEntry<float>::Kind::Refused, 0, "0,5"},
                      EitherSeparatorCase{"1,000.5", "en_US", TypedEntry<float>::Kind::Refused, 0, "0.5"},
                      EitherSeparatorCase{"0.05", "de_DE", TypedEntry<float>::Kind::Refused, 0, "0,5"},
                      EitherSeparatorCase{"", "en_US", TypedEntry<float>::Kind::Empty, 0, "0.5"}));
