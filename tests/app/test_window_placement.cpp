// Where the main window goes on the screens at hand, and how large it is
// when the screen is smaller than its layout.
#include "preferences/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace WindowPlacement;

namespace {

struct PlacementCase {
    const char *what;
    QRect frame;
    QList<QRect> screens;
    QRect expected;
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

const QRect Hd(0, 0, 1920, 1050);          // 1920x1080 with a panel of 30 below
const QRect Right(1920, 0, 1280, 1024);    // a second screen right of it
const QRect Small(0, 0, 1280, 1024);

} // namespace

TEST_P(Placement, PutsTheWholeWindowOnAScreen)
{
    const PlacementCase &c = GetParam();
    const QRect placed = placement(c.frame, c.screens);
    EXPECT_EQ(placed, c.expected) << c.what;
    EXPECT_TRUE(c.screens.isEmpty() || isWhollyOnAScreen(placed, c.screens)) << c.what;
    EXPECT_EQ(placement(placed, c.screens), placed) << c.what << ": placed again, it stays";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Placement,
    ::testing::Values(
        PlacementCase{"on the screen: unchanged", QRect(10, 10, 720, 642), {Hd}, QRect(10, 10, 720, 642)},
        PlacementCase{"at the bottom right corner: unchanged", QRect(1200, 408, 720, 642), {Hd},
                      QRect(1200, 408, 720, 642)},
        PlacementCase{"partly right of the screen", QRect(1500, 100, 720, 642), {Hd}, QRect(1200, 100, 720, 642)},
        PlacementCase{"title bar above the screen", QRect(10, -30, 720, 642), {Hd}, QRect(10, 0, 720, 642)},
        PlacementCase{"far above and left", QRect(-5000, -5000, 720, 642), {Hd}, QRect(0, 0, 720, 642)},
        PlacementCase{"on a screen that is gone: onto the nearest", QRect(3400, 200, 720, 642), {Hd, Right},
                      QRect(2480, 200, 720, 642)},
        PlacementCase{"below the panel", QRect(100, 1040, 720, 642), {Hd}, QRect(100, 408, 720, 642)},
        PlacementCase{"only a sliver shows", QRect(-680, 50, 720, 642), {Hd}, QRect(0, 50, 720, 642)},
        PlacementCase{"larger than the screen: made to fit", QRect(-10, -10, 1940, 1424), {Small},
                      QRect(0, 0, 1280, 1024)},
        PlacementCase{"second screen, overlapping both: the one it overlaps most", QRect(1800, -100, 720, 642),
                      {Hd, Right}, QRect(1920, 0, 720, 642)},
        PlacementCase{"no screen known: unchanged", QRect(-5000, 0, 720, 642), {}, QRect(-5000, 0, 720, 642)}));

namespace {

struct ScrollCase {
    const char *what;
    QSize content;
    QSize available;
    QSize expected;
};

class ScrolledSize : public ::testing::TestWithParam<ScrollCase> {};

constexpr int Bar = 16;

} // namespace

// At a display scale the screen's logical size shrinks: 1920x1080 at 1.5 is
// 1280x720, 1280x1024 at 2 is 640x512 (less the panel and the title bar).
TEST_P(ScrolledSize, FitsTheScreenWithRoomForTheScrollBars)
{
    const ScrollCase &c = GetParam();
    const QSize size = scrolledWindowSize(c.content, c.available, Bar);
    EXPECT_EQ(size, c.expected) << c.what;
    EXPECT_LE(size.width(), c.available.width()) << c.what;
    EXPECT_LE(size.height(), c.available.height()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrolledSize,
    ::testing::Values(ScrollCase{"fits: the content's size", QSize(720, 642), QSize(1920, 1020), QSize(720, 642)},
                      ScrollCase{"servo frames at 1.5 on 1920x1080: too high", QSize(970, 712), QSize(1280, 670),
                                 QSize(986, 670)},
                      ScrollCase{"servo frames at 2 on 1280x1024: both cut", QSize(970, 712), QSize(640, 462),
                                 QSize(640, 462)},
                      ScrollCase{"too wide only: room for the bar below", QSize(970, 400), QSize(640, 462),
                                 QSize(640, 416)},
                      ScrollCase{"the bar's room is cut by the screen", QSize(630, 700), QSize(640, 462),
                                 QSize(640, 462)}));
