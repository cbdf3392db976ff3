#pragma once
#include "decoder/DecoderTypes.h"
#include "frames/Frame_tamb/CurveRecords.h"
#include "frames/Frame_tamb_adr/PulseTimes.h"

#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <optional>

// A servo curve in time, as the decoder plays it: one point per stretch x
// 20 ms, from point 0 to the last of its count; the servo then stays at the
// last point. Each point gives the servo's position 0..127 and the relay.
namespace CurveTimeline {

constexpr int MsPerStretch = 20;

struct Moment {
    int point = 0;
    int position = 0; // 0..127
    bool relayOn = false;
    // Played once to its last point.
    bool finished = false;
    bool operator==(const Moment &) const = default;
};

// The point of a curve at `ms` after the start, with the record's count and
// stretch limited as the editor shows them (1..100, 1..200). Played once, the
// last point is reached after (count - 1) steps and stays; repeated, the curve
// starts again one step after its last point.
Moment at(const CurveRecords::Record &record, qint64 ms, bool repeat);

// The servo (0..3) that the address rows move with a curve (0..3), when they
// give it exactly one: the rows that start the curve ("Start" or "Start
// Loop") name the same servo. The one-servo decoders have only servo 0.
std::optional<int> servoOfCurve(const CurveRecords &curves, ServoVariant variant, int curve);

// The control pulse in milliseconds for a position 0..127: from the servo's
// Min time at 0 to its Max time at 127, in proportion.
double pulseMs(int position, int offset, int span);

// What the playing editor shows of a moment: the position, and the pulse time
// where the curve has exactly one servo.
QString readoutText(int position, std::optional<double> pulseMs, const QLocale &locale);

} // namespace CurveTimeline
