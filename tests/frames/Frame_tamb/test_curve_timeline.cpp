// A servo curve in time: the point, position and relay at each moment, the
// one servo that the address rows give a curve, and its pulse time.
#include "frames/Frame_tamb/CurveTimeline.h"
#include "frames/Frame_tamb_adr/ServoAssignments.h"

#include <gtest/gtest.h>

namespace {

TEST(CurveTimeline, PointPositionAndRelayAtEachMoment)
{
    // Five points of 2 x 20 = 40 ms; the relay is on at points 1 and 3.
    CurveRecords::Record five{};
    const int points[] = {10, 0x80 | 20, 30, 0x80 | 40, 127};
    for (int i = 0; i < 5; ++i)
        five[std::size_t(i)] = points[i];
    five[CurveRecords::CountEntry] = 5;
    five[CurveRecords::StretchEntry] = 2;
    // An erased record: count 255 plays 100 points, stretch 255 as 200.
    CurveRecords::Record erased{};
    erased.fill(0xFF);
    // Count and stretch 0: one point of 20 ms.
    CurveRecords::Record zero{};
    zero[0] = 0x80 | 64;

    struct Row {
        const CurveRecords::Record &record;
        qint64 ms;
        bool repeat;
        CurveTimeline::Moment moment; // point, position, relay, finished
    };
    const Row rows[] = {
        {five, 0, false, {0, 10, false, false}},
        {five, 39, false, {0, 10, false, false}},
        {five, 40, false, {1, 20, true, false}},
        {five, 159, false, {3, 40, true, false}},
        // Played once, the last point is reached after four steps and stays.
        {five, 160, false, {4, 127, false, true}},
        {five, 60'000, false, {4, 127, false, true}},
        // Repeated, the curve starts again one step later, without drift.
        {five, 160, true, {4, 127, false, false}},
        {five, 200, true, {0, 10, false, false}},
        {five, 3'600'000 + 40, true, {1, 20, true, false}},
        {erased, 99 * 4000 - 1, false, {98, 127, true, false}},
        {erased, 99 * 4000, false, {99, 127, true, true}},
        {zero, 0, false, {0, 64, true, true}},
        {zero, 25, true, {0, 64, true, false}},
    };
    for (const Row &r : rows)
        EXPECT_EQ(CurveTimeline::at(r.record, r.ms, r.repeat), r.moment)
            << "count " << r.record[CurveRecords::CountEntry] << ", " << r.ms << " ms, repeat " << r.repeat;
}

TEST(CurveTimeline, TheOneServoOfACurve)
{
    using ServoAssign::Column;
    CurveRecords curves;
    const auto row = [&](int r, int servo, int action, int curve) {
        ServoAssign::setRowItem(curves, r, Column::Servo, servo);
        ServoAssign::setRowItem(curves, r, Column::Action, action);
        ServoAssign::setRowItem(curves, r, Column::Curve, curve);
    };
    // Curve 1: rows 1 and 5 start it, both on servo 2.
    row(0, 1, 0, 0);
    row(4, 1, 1, 0);
    // Curve 2: servo 1 in row 2 and servo 4 in row 6.
    row(1, 0, 0, 1);
    row(5, 3, 0, 1);
    // Curve 3: row 3 aborts with it, row 7 finishes it: neither starts it.
    row(2, 2, 2, 2);
    row(6, 2, 3, 2);
    // Curve 4: row 4 loops it on servo 3, row 8 starts it on servo 1.
    row(3, 2, 1, 3);
    row(7, 0, 0, 3);

    struct Case {
        ServoVariant variant;
        int curve;
        std::optional<int> servo;
    };
    const Case cases[] = {
        {ServoVariant::FourServos, 0, 1},
        {ServoVariant::FourServos, 1, std::nullopt},
        {ServoVariant::FourServos, 2, std::nullopt},
        {ServoVariant::FourServos, 3, std::nullopt},
        // One servo: rows 1..4 only, and the servo is always the first.
        {ServoVariant::OneServo, 0, 0},
        {ServoVariant::OneServoFunction, 1, 0},
        {ServoVariant::OneServo, 2, std::nullopt},
        {ServoVariant::OneServo, 3, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CurveTimeline::servoOfCurve(curves, c.variant, c.curve), c.servo)
            << "curve " << c.curve << ", variant " << int(c.variant);
}

TEST(CurveTimeline, PulseTimeRunsFromMinToMax)
{
    // Offset 125: Min 1.000 ms; span 0: Max 2.016 ms; span 200: k = -54, Max 1.584 ms.
    EXPECT_DOUBLE_EQ(CurveTimeline::pulseMs(0, 125, 0), 1.0);
    EXPECT_DOUBLE_EQ(CurveTimeline::pulseMs(127, 125, 0), 2.016);
    EXPECT_DOUBLE_EQ(CurveTimeline::pulseMs(64, 125, 0), 1.0 + 1.016 * 64 / 127);
    EXPECT_DOUBLE_EQ(CurveTimeline::pulseMs(127, 125, 200), 1.584);
    const QLocale german(QLocale::German);
    EXPECT_EQ(CurveTimeline::readoutText(127, 2.016, german), QStringLiteral("Position = 127, Impuls-Zeit = 2,016 ms"));
    EXPECT_EQ(CurveTimeline::readoutText(5, std::nullopt, german), QStringLiteral("Position = 5"));
}

} // namespace
