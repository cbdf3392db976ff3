#include "frames/Frame_tamb/CurveShapes.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

// The shapes are defined with 32-bit float intermediate results; the casts to
// float below are where those roundings happen, and they decide single points
// (Lin with 16 points ends at 126, not 127). Everything else runs in double.

namespace CurveShapes {

namespace {

using Record = CurveRecords::Record;

int position(const Record &record, int i)
{
    return record[static_cast<std::size_t>(i)] & CurveRecords::PositionMask;
}

// Stores a position 0..127 at point i, keeping the point's relay bit.
void store(Record &record, int i, int value)
{
    int &point = record[static_cast<std::size_t>(i)];
    point = value | (point & CurveRecords::RelayBit);
}

int limitPosition(double value)
{
    return std::clamp(static_cast<int>(value), 0, CurveRecords::MaxPosition);
}

// Half a sine wave (span pi) or a whole one (span 2 pi) from the bottom,
// 63 +- 63 around the middle. The constants are the curve's own five-digit
// values of pi, not M_PI.
void sine(Record &record, int count, double span)
{
    const float step = static_cast<float>(span / (count - 1));
    const double phase = 1.5 * 3.14159;
    for (int i = 0; i < count; ++i) {
        const float s = static_cast<float>(std::sin(i * static_cast<double>(step) + phase));
        store(record, i, static_cast<int>(static_cast<float>(static_cast<double>(s) * 63.0 + 63.0)));
    }
}

TypedEntry<float> parseNumber(const QString &text, const QLocale &locale, double low, double high,
                              const QString &warning)
{
    if (text.isEmpty())
        return TypedEntry<float>::empty();
    QLocale reader = locale;
    reader.setNumberOptions(reader.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const float value = static_cast<float>(reader.toDouble(text, &ok));
    // The negated test also refuses NaN and infinities.
    if (!ok || !(static_cast<double>(value) >= low && static_cast<double>(value) <= high))
        return TypedEntry<float>::refused(warning);
    return TypedEntry<float>::accepted(value);
}

} // namespace

bool generate(Record &record, Generator generator)
{
    const int count = CurveRecords::pointCount(record);
    if (count < 2)
        return false;
    switch (generator) {
    case Generator::Lin: {
        const float step = static_cast<float>(127.0 / (count - 1));
        for (int i = 0; i < count; ++i)
            store(record, i, static_cast<int>(static_cast<float>(i * static_cast<double>(step))));
        break;
    }
    case Generator::Log: {
        const float k = static_cast<float>(127.0 / std::log10(static_cast<double>(count)));
        for (int i = 0; i < count; ++i) {
            const float lg = static_cast<float>(std::log10(static_cast<double>(i + 1)));
            store(record, i, static_cast<int>(static_cast<float>(static_cast<double>(lg) * static_cast<double>(k))));
        }
        break;
    }
    case Generator::QuarterSine:
        sine(record, count, 3.14159);
        break;
    case Generator::HalfSine:
        sine(record, count, 6.28318);
        break;
    }
    return true;
}

void mirrorVertical(Record &record)
{
    const int count = CurveRecords::pointCount(record);
    for (int i = 0; i < count; ++i)
        store(record, i, CurveRecords::MaxPosition - position(record, i));
}

void mirrorHorizontal(Record &record)
{
    const int count = CurveRecords::pointCount(record);
    for (int i = 0; i < count / 2; ++i) {
        const int j = count - 1 - i;
        const int a = position(record, i);
        const int b = position(record, j);
        record[static_cast<std::size_t>(i)] &= CurveRecords::RelayBit;
        record[static_cast<std::size_t>(j)] &= CurveRecords::RelayBit;
        store(record, i, b);
        store(record, j, a);
    }
}

void scale(Record &record, float factor)
{
    const int count = CurveRecords::pointCount(record);
    for (int i = 0; i < count; ++i)
        store(record, i, limitPosition(position(record, i) * static_cast<double>(factor)));
}

void shift(Record &record, float offset)
{
    const int count = CurveRecords::pointCount(record);
    for (int i = 0; i < count; ++i)
        store(record, i, limitPosition(position(record, i) + static_cast<double>(offset)));
}

TypedEntry<float> parseScaleFactor(const QString &text, const QLocale &locale)
{
    return parseNumber(text, locale, 0.1, 10.0,
                       QCoreApplication::translate("CurveShapes", "Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 0.1 .. 10"));
}

TypedEntry<float> parseScaleFactorEitherSeparator(const QString &text, const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    QString typed = text;
    const bool hasPoint = text.contains(u'.');
    const bool hasComma = text.contains(u',');
    if (hasPoint != hasComma && point.size() == 1)
        typed.replace(hasPoint ? u'.' : u',', point.at(0));
    return parseScaleFactor(typed, locale);
}

QString scaleDesignText(const QLocale &locale)
{
    return locale.toString(0.5, 'g', 1);
}

TypedEntry<float> parseShift(const QString &text, const QLocale &locale)
{
    return parseNumber(text, locale, -100.0, 100.0,
                       QCoreApplication::translate("CurveShapes", "Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich -100 .. 100"));
}

} // namespace CurveShapes
