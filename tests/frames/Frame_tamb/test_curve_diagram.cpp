// Pixel arithmetic of the curve diagram and relay strip, and the editor's
// input, label and list rules.
#include "frames/Frame_tamb/CurveDiagram.h"
#include "frames/Frame_tamb/CurveEditorRules.h"

#include <gtest/gtest.h>

using namespace CurveDiagram;

namespace {

// The editor's surfaces: diagram 530 x 201, relay strip 530 x 57.
constexpr int Width = 530;
constexpr int Height = 201;
constexpr int StripHeight = 57;

} // namespace

TEST(Diagram, ScalesAndMarkers)
{
    EXPECT_EQ(valueScale(Height), 1.5703125F);
    EXPECT_EQ(valueScale(StripHeight), 0.4453125F);
    EXPECT_EQ(stepWidth(Width, 10), 52.0F);
    EXPECT_EQ(stepWidth(Width, 100), 5.2F);
    EXPECT_EQ(markerHalfSize(52.0F), 3);
    EXPECT_EQ(markerHalfSize(5.2F), 1);
    EXPECT_EQ(markerHalfSize(stepWidth(Width, 174)), 0);

    // Point 9 of ten at position 127 and point 0 at position 0.
    const float scale = valueScale(Height);
    EXPECT_EQ(pointPosition(9, 127, 52.0F, Height, scale), QPoint(468, 1));
    EXPECT_EQ(pointPosition(0, 0, 52.0F, Height, scale), QPoint(0, 201));
    // 99 x 5.2f is just below 514.8.
    EXPECT_EQ(pointPosition(99, 64, 5.2F, Height, scale).x(), 514);
    EXPECT_EQ(markerRect(QPoint(100, 50), 3), QRect(97, 47, 6, 6));
    EXPECT_TRUE(markerRect(QPoint(100, 50), 0).isEmpty());
}

namespace {

struct GridCase {
    bool vertical;
    int divisions;
    int count; // vertical only
    QList<int> expected;
};

class Grid : public ::testing::TestWithParam<GridCase> {};

} // namespace

TEST_P(Grid, LinesDivideTheDiagram)
{
    const GridCase &c = GetParam();
    if (c.vertical)
        EXPECT_EQ(verticalGridLines(c.divisions, stepWidth(Width, c.count), c.count), c.expected);
    else
        EXPECT_EQ(horizontalGridLines(c.divisions, Height, valueScale(Height)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rasters, Grid,
    ::testing::Values(GridCase{false, 0, 0, {}}, GridCase{false, 1, 0, {100}}, GridCase{false, 3, 0, {150, 100, 50}},
                      GridCase{false, 10, 0, {182, 164, 146, 127, 109, 91, 73, 54, 36, 18}},
                      GridCase{true, 0, 10, {}}, GridCase{true, 4, 10, {104, 208, 312, 416, 520}},
                      GridCase{true, 1, 100, {259, 519}},
                      // The float step of seven points ends the curve at 519.
                      GridCase{true, 70, 7, [] {
                                   QList<int> xs;
                                   for (int k = 1; k <= 71; ++k)
                                       xs << static_cast<int>(k * static_cast<double>(520.0F / 7) * 7 / 71);
                                   return xs;
                               }()}));

TEST(Grid, LastVerticalLineEndsTheCurve)
{
    EXPECT_EQ(verticalGridLines(70, stepWidth(Width, 7), 7).back(), 519);
    EXPECT_EQ(verticalGridLines(70, stepWidth(Width, 7), 7).size(), 71);
}

TEST(RelayStrip, BoxesAndLevels)
{
    const float scale = valueScale(StripHeight);
    EXPECT_EQ(relayBox(2, true, 52.0F, StripHeight, scale), QRect(QPoint(104, 12), QPoint(155, 56)));
    EXPECT_TRUE(relayBox(2, false, 52.0F, StripHeight, scale).isEmpty());
    EXPECT_EQ(relayBox(99, true, 5.2F, StripHeight, scale).left(), 514);
    EXPECT_EQ(relayBox(99, true, 5.2F, StripHeight, scale).right(), 518);

    EXPECT_TRUE(relayOnAt(34, StripHeight, scale));
    EXPECT_FALSE(relayOnAt(35, StripHeight, scale));
    EXPECT_TRUE(relayOnAt(-20, StripHeight, scale));
    EXPECT_FALSE(relayOnAt(80, StripHeight, scale));
}

namespace {

struct MouseCase {
    int x;
    int count;
    int nearest;  // pointAt on the diagram
    int boxPoint; // relayPointAt on the strip
};

class Mouse : public ::testing::TestWithParam<MouseCase> {};

} // namespace

TEST_P(Mouse, PointUnderTheMouse)
{
    const MouseCase &c = GetParam();
    const float step = stepWidth(Width, c.count);
    EXPECT_EQ(pointAt(c.x, step, c.count), c.nearest);
    EXPECT_EQ(relayPointAt(c.x, step, c.count), c.boxPoint);
}

INSTANTIATE_TEST_SUITE_P(Positions, Mouse,
                         ::testing::Values(MouseCase{0, 10, 0, 0}, MouseCase{25, 10, 0, 0}, MouseCase{26, 10, 1, 0},
                                           MouseCase{51, 10, 1, 0}, MouseCase{52, 10, 1, 1},
                                           MouseCase{-40, 10, 0, 0},
                                           // right of the last point: still the last point, never a hidden one
                                           MouseCase{529, 10, 9, 9}, MouseCase{2000, 100, 99, 99},
                                           MouseCase{519, 100, 99, 99}, MouseCase{512, 100, 98, 98}));

TEST(Mouse, PositionFromHeight)
{
    const float scale = valueScale(Height);
    EXPECT_EQ(positionAt(0, Height, scale), 127);   // top of the image
    EXPECT_EQ(positionAt(-50, Height, scale), 127); // above it
    EXPECT_EQ(positionAt(Height, Height, scale), 0);
    EXPECT_EQ(positionAt(Height + 30, Height, scale), 0);
    EXPECT_EQ(positionAt(100, Height, scale), 64); // 101 / 1.5703125 = 64.3
    EXPECT_EQ(positionAt(2, Height, scale), 126);
}

namespace {

struct IntCase {
    bool isCount;
    const char *text;
    CurveEditorRules::IntInput::Kind kind;
    int value;
};

class CountAndStretch : public ::testing::TestWithParam<IntCase> {};

} // namespace

TEST_P(CountAndStretch, LimitsAndWarnings)
{
    using CurveEditorRules::IntInput;
    const IntCase &c = GetParam();
    const IntInput input = c.isCount ? CurveEditorRules::parseCount(QString::fromLatin1(c.text))
                                     : CurveEditorRules::parseStretch(QString::fromLatin1(c.text));
    EXPECT_EQ(input.kind, c.kind);
    if (c.kind == IntInput::Valid)
        EXPECT_EQ(input.value, c.value);
    const QString warning = c.isCount ? QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..100")
                                      : QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..200");
    EXPECT_EQ(input.warning, c.kind == IntInput::Invalid ? warning : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CountAndStretch,
    ::testing::Values(IntCase{true, "10", CurveEditorRules::IntInput::Valid, 10},
                      IntCase{true, "150", CurveEditorRules::IntInput::Valid, 100},
                      IntCase{true, "0", CurveEditorRules::IntInput::Valid, 1},
                      IntCase{true, "-7", CurveEditorRules::IntInput::Valid, 1},
                      IntCase{true, "1a", CurveEditorRules::IntInput::Invalid, 0},
                      IntCase{true, "", CurveEditorRules::IntInput::Empty, 0},
                      IntCase{false, "150", CurveEditorRules::IntInput::Valid, 150},
                      IntCase{false, "201", CurveEditorRules::IntInput::Valid, 200},
                      IntCase{false, "2,5", CurveEditorRules::IntInput::Invalid, 0}));

TEST(CurveInfo, TimeLabels)
{
    EXPECT_EQ(CurveEditorRules::stepTimeText(10), QStringLiteral("Zeit zwischen 2 Punkten = 200 ms"));
    EXPECT_EQ(CurveEditorRules::curveTimeText(10, 10), QStringLiteral("Gesamtzeit für diese Kurve = 1800 ms"));
    EXPECT_EQ(CurveEditorRules::curveTimeText(1, 200), QStringLiteral("Gesamtzeit für diese Kurve = 0 ms"));
}

TEST(KeyActions, ListsPerType)
{
    using namespace CurveEditorRules;
    const auto four = keyActionItems(211);
    EXPECT_EQ(four[0].size(), 9);
    EXPECT_EQ(four[1], four[0]);
    EXPECT_EQ(four[0].first(), QStringLiteral("keine Aktion"));
    EXPECT_EQ(four[0].last(), QStringLiteral("wie Adr.8"));
    EXPECT_EQ(four[2].first(), QStringLiteral("Adr.-Lernen"));
    EXPECT_EQ(four[3], four[2]);
    for (int type : {210, 16896}) {
        const auto one = keyActionItems(type);
        for (const QStringList &items : one)
            EXPECT_EQ(items, QStringList({"keine Aktion", "wie Adr.1", "wie Adr.2", "wie Adr.3", "wie Adr.4"}));
        EXPECT_EQ(keyEventTitles(type)[3], QStringLiteral("Taster 4 open"));
    }
    EXPECT_EQ(keyEventTitles(211)[0], QStringLiteral("Taster 1 close"));
    EXPECT_EQ(keyEventTitles(211)[3], QStringLiteral("Taster 2 open"));
}

TEST(KeyActions, MaskAndIndex)
{
    using namespace CurveEditorRules;
    EXPECT_EQ(keyActionMask(3), 4); // "wie Adr.3"
    EXPECT_EQ(keyActionMask(0), 0);
    EXPECT_EQ(keyActionMask(8), 128);
    EXPECT_EQ(keyActionMask(9), 0);
    EXPECT_EQ(keyActionMask(-1), 0);
    for (int k = 0; k <= 8; ++k)
        EXPECT_EQ(keyActionIndex(keyActionMask(k)), k);
    EXPECT_EQ(keyActionIndex(0x0C), 3); // lowest bit wins
    EXPECT_EQ(keyActionIndex(0x100), 0);
}
