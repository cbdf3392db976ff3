#include "frames/Frame_tamb/CurveTimeline.h"

#include "frames/Frame_tamb_adr/ServoAssignments.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>

namespace CurveTimeline {

Moment at(const CurveRecords::Record &record, qint64 ms, bool repeat)
{
    const qint64 points = CurveRecords::pointCount(record);
    const qint64 stretch = std::clamp(record[CurveRecords::StretchEntry], 1, CurveRecords::MaxStretch);
    const qint64 passed = std::max<qint64>(ms, 0) / (stretch * MsPerStretch);
    Moment moment;
    if (repeat) {
        moment.point = int(passed % points);
    } else {
        moment.finished = passed >= points - 1;
        moment.point = int(std::min(passed, points - 1));
    }
    const int value = record[std::size_t(moment.point)];
    moment.position = CurveRecords::position(value);
    moment.relayOn = CurveRecords::relayOn(value);
    return moment;
}

std::optional<int> servoOfCurve(const CurveRecords &curves, ServoVariant variant, int curve)
{
    const bool fourServos = variant == ServoVariant::FourServos;
    std::set<int> servos;
    for (int row = 0; row < (fourServos ? ServoAssign::RowCount : 4); ++row) {
        const ServoAssign::RowItems items = ServoAssign::readRow(curves, row);
        const bool startsCurve = items.action == 0 || items.action == 1;
        if (startsCurve && items.curve == curve)
            servos.insert(fourServos ? items.servo : 0);
    }
    if (servos.size() != 1 || *servos.begin() >= ServoAssign::ServoCount)
        return std::nullopt;
    return *servos.begin();
}

double pulseMs(int position, int offset, int span)
{
    const double min = PulseTimes::minMs(offset);
    const double max = PulseTimes::maxMs(offset, span);
    return min + (max - min) * std::clamp(position, 0, CurveRecords::MaxPosition) / CurveRecords::MaxPosition;
}

QString readoutText(int position, std::optional<double> pulseMs, const QLocale &locale)
{
    if (!pulseMs)
        return QCoreApplication::translate("CurveTimeline", "Position = %1").arg(position);
    return QCoreApplication::translate("CurveTimeline", "Position = %1, Impuls-Zeit = %2 ms")
        .arg(position)
        .arg(PulseTimes::timeText(*pulseMs, locale));
}

} // namespace CurveTimeline
