#pragma once
#include "frames/Frame_tamb/CurveRecords.h"
#include "frames/TypedEntry.h"

#include <QLocale>
#include <QString>

// Generators and transforms of one servo curve. Each works on the points
// 0..c-1 of a record, c being the record's count limited to 1..100, changes
// only the position bits 0..6 and keeps every point's relay bit (bit 7) where
// it was. Points c..99 and the other record entries are never touched.
namespace CurveShapes {

enum class Generator { Lin, Log, QuarterSine, HalfSine };

// Fills the curve with the generator's shape. A curve of one point has no
// step between points: it is left unchanged and false is returned.
bool generate(CurveRecords::Record &record, Generator generator);

// 127 - position for every point.
void mirrorVertical(CurveRecords::Record &record);
// Reverses the positions in time; the relay pattern stays in place.
void mirrorHorizontal(CurveRecords::Record &record);
// Every position times factor, truncated and limited to 0..127.
void scale(CurveRecords::Record &record, float factor);
// Every position plus offset, truncated and limited to 0..127.
void shift(CurveRecords::Record &record, float offset);

// The scale factor 0.1 .. 10 and the shift -100 .. 100 typed into their
// edits, read with the decimal separator of the given locale; a number outside
// the range is refused like a text that is none.
TypedEntry<float> parseScaleFactor(const QString &text, const QLocale &locale = QLocale());
TypedEntry<float> parseShift(const QString &text, const QLocale &locale = QLocale());

// The scale factor typed with either decimal separator, point or comma, as
// people type it whatever their locale says; a text with both is refused.
TypedEntry<float> parseScaleFactorEitherSeparator(const QString &text, const QLocale &locale = QLocale());
// The scale edit's first text, 0.5 with the locale's decimal separator.
QString scaleDesignText(const QLocale &locale = QLocale());

} // namespace CurveShapes
