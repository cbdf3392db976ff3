// Strokes drawn with the mouse on the servo diagram, the relay strip and a
// blink pattern strip: however far apart the mouse events of a drag lie, every
// point or step between them is set; a press alone sets nothing.
#include "common/Samples.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_tamb/CurveRecords.h"
#include "frames/Frame_tamb/CurveWidgets.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "tests/frames/Frame_blinkmuster/BlinkFrameKit.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

enum class Surface { Diagram, Relays, Pattern };

// Ten points or steps on each surface, their values before the stroke: the
// diagram's points at 10 * i, relays and pattern steps on at odd i.
const std::vector<int> DiagramBefore{0, 10, 20, 30, 40, 50, 60, 70, 80, 90};
const std::vector<int> OddOn{0, 1, 0, 1, 0, 1, 0, 1, 0, 1};

// Both editors shown as the window shows them, each with ten points or steps.
struct Editors {
    QWidget parent;
    DecoderSession servoSession;
    std::unique_ptr<TFrameTamb> servo;
    ShownEditor<TFrameBlinkmuster> blink;

    Editors()
    {
        servoSession.load(fileBytes(sampleHex("211-tamb-4-servo-dekoder-dcc")));
        CurveRecords curves = CurveRecords::read(servoSession.image);
        for (int i = 0; i < 100; ++i)
            curves[0][static_cast<std::size_t>(i)] = (10 * i) % 128 | (i % 2 ? CurveRecords::RelayBit : 0);
        curves[0][CurveRecords::CountEntry] = 10;
        curves.write(servoSession.image);
        servo = std::make_unique<TFrameTamb>(servoSession, &parent);
        servo->show();
        servo->loadFromSession();
        parent.resize(600, 600);
        parent.show();

        // Block 1 of the pattern table: ten steps, output 1 on at odd steps.
        for (int i = 0; i < 53; ++i)
            setTableByte(blink.session.image, i, i % 2);
        setTableByte(blink.session.image, 53, 10);
        setTableByte(blink.session.image, 54, 10);
        setTableByte(blink.session.image, 55, 0xF1);
        blink.show(1);
    }

    DrawingSurface *surface(Surface s)
    {
        switch (s) {
        case Surface::Diagram: return servo->servo_Image1;
        case Surface::Relays: return servo->servo_Image2;
        case Surface::Pattern: return blink.frame->Image_Blink[0];
        }
        return nullptr;
    }

    // The ten values the surface shows: positions, relays (0/1) or output 1 of
    // the pattern's steps (0/1).
    std::vector<int> values(Surface s)
    {
        std::vector<int> shown;
        for (int i = 0; i < 10; ++i) {
            const int point = servo->model().curves()[0][static_cast<std::size_t>(i)];
            switch (s) {
            case Surface::Diagram: shown.push_back(point & ~CurveRecords::RelayBit); break;
            case Surface::Relays: shown.push_back(point & CurveRecords::RelayBit ? 1 : 0); break;
            case Surface::Pattern: shown.push_back(blink.frame->model().stepOn(0, i) ? 1 : 0); break;
            }
        }
        return shown;
    }
};

// A drag given as fractions of the surface's size: x 0 is the left edge, 1 the
// right one; y 0 is the top, 1 the bottom.
struct StrokeCase {
    const char *name;
    Surface surface;
    QPointF press;
    std::vector<QPointF> moves;
    std::vector<int> after;
};

// One pixel inside the edges: QTest reads the pixel (0, 0) as "the middle".
QPoint pixelOf(const DrawingSurface *surface, QPointF at)
{
    return QPoint(1 + static_cast<int>(at.x() * (surface->width() - 3)),
                  1 + static_cast<int>(at.y() * (surface->height() - 3)));
}

class Strokes : public ::testing::TestWithParam<StrokeCase> {};

} // namespace

TEST_P(Strokes, SetEveryPointOnTheWay)
{
    const StrokeCase &c = GetParam();
    Editors editors;
    DrawingSurface *surface = editors.surface(c.surface);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(editors.values(Surface::Diagram), DiagramBefore);
    ASSERT_EQ(editors.values(Surface::Relays), OddOn);
    ASSERT_EQ(editors.values(Surface::Pattern), OddOn);

    QTest::mousePress(surface, Qt::LeftButton, {}, pixelOf(surface, c.press));
    QPoint last = pixelOf(surface, c.press);
    for (const QPointF &move : c.moves) {
        last = pixelOf(surface, move);
        QTest::mouseMove(surface, last);
    }
    QTest::mouseRelease(surface, Qt::LeftButton, {}, last);
    EXPECT_EQ(editors.values(c.surface), c.after);
    // The other surfaces keep what they had.
    for (const Surface other : {Surface::Diagram, Surface::Relays, Surface::Pattern}) {
        if (other == c.surface)
            continue;
        EXPECT_EQ(editors.values(other), other == Surface::Diagram ? DiagramBefore : OddOn);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Drags, Strokes,
    ::testing::Values(
        StrokeCase{"diagramAlongTheTop", Surface::Diagram, {0, 0}, {{0.5, 0}, {1, 0}}, std::vector<int>(10, 127)},
        StrokeCase{"diagramBackAlongTheBottom", Surface::Diagram, {1, 1}, {{0.5, 1}, {0, 1}}, std::vector<int>(10, 1)},
        // Down from the top left to the bottom right: the points fall with the line.
        StrokeCase{"diagramDiagonal", Surface::Diagram, {0, 0}, {{0.4, 0.4}, {1, 1}},
                   {127, 115, 102, 90, 77, 65, 52, 40, 28, 1}},
        StrokeCase{"diagramPressAlone", Surface::Diagram, {0.5, 0}, {}, DiagramBefore},
        StrokeCase{"relaysOnAlongTheTop", Surface::Relays, {0, 0}, {{0.5, 0}, {1, 0}}, std::vector<int>(10, 1)},
        StrokeCase{"relaysOffBack", Surface::Relays, {1, 1}, {{0.5, 1}, {0, 1}}, std::vector<int>(10, 0)},
        StrokeCase{"relaysPressAlone", Surface::Relays, {0.5, 0}, {}, OddOn},
        StrokeCase{"patternOnAlongTheTop", Surface::Pattern, {0, 0}, {{0.5, 0}, {1, 0}}, std::vector<int>(10, 1)},
        StrokeCase{"patternOffBack", Surface::Pattern, {1, 1}, {{0.5, 1}, {0, 1}}, std::vector<int>(10, 0)},
        StrokeCase{"patternPressAlone", Surface::Pattern, {0.5, 0}, {}, OddOn}),
    [](const auto &info) { return std::string(info.param.name); });
