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
                      GridCase{true, 1, 100, {259, 519}}));

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

TEST(CountAndStretch, LimitsAndWarnings)
{
    EXPECT_EQ(CurveEditorRules::parseCount(QStringLiteral("150")).value, 100);
    EXPECT_EQ(CurveEditorRules::parseCount(QStringLiteral("-7")).value, 1);
    EXPECT_EQ(CurveEditorRules::parseCount(QString()).kind, TypedEntry<int>::Kind::Empty);
    EXPECT_EQ(CurveEditorRules::parseCount(QStringLiteral("1a")).message,
              QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..100"));
    EXPECT_EQ(CurveEditorRules::parseStretch(QStringLiteral("150")).value, 150);
    EXPECT_EQ(CurveEditorRules::parseStretch(QStringLiteral("2,5")).kind, TypedEntry<int>::Kind::Refused);
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
