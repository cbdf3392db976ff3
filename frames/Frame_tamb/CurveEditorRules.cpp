#include "frames/Frame_tamb/CurveEditorRules.h"

#include <QCoreApplication>

#include "decoder/DecoderTypes.h"
#include "frames/Frame_tamb/CurveRecords.h"

#include <algorithm>

namespace CurveEditorRules {

namespace {

TypedEntry<int> parseInt(const QString &text, int high)
{
    if (text.isEmpty())
        return TypedEntry<int>::empty();
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return TypedEntry<int>::refused(
            QCoreApplication::translate("CurveEditor", "Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..%1").arg(high));
    return TypedEntry<int>::accepted(std::clamp(value, 1, high), value);
}

QStringList addressItems(const QString &first, int addresses)
{
    QStringList items{first};
    for (int a = 1; a <= addresses; ++a)
        items << QCoreApplication::translate("CurveEditor", "wie Adr.%1").arg(a);
    return items;
}

} // namespace

bool isOneServoType(ServoVariant variant)
{
    return variant == ServoVariant::OneServo || variant == ServoVariant::OneServoFunction;
}

TypedEntry<int> parseCount(const QString &text)
{
    return parseInt(text, CurveRecords::MaxPoints);
}

TypedEntry<int> parseStretch(const QString &text)
{
    return parseInt(text, CurveRecords::MaxStretch);
}

QString stepTimeText(int stretch)
{
    return QCoreApplication::translate("CurveEditor", "Zeit zwischen 2 Punkten = %1 ms").arg(stretch * 20);
}

QString curveTimeText(int count, int stretch)
{
    return QCoreApplication::translate("CurveEditor", "Gesamtzeit für diese Kurve = %1 ms").arg((count - 1) * stretch * 20);
}

std::array<QString, 4> keyEventTitles(ServoVariant variant)
{
    const int first = isOneServoType(variant) ? 3 : 1;
    return {QCoreApplication::translate("CurveEditor", "Taster %1 close").arg(first), QCoreApplication::translate("CurveEditor", "Taster %1 open").arg(first),
            QCoreApplication::translate("CurveEditor", "Taster %1 close").arg(first + 1), QCoreApplication::translate("CurveEditor", "Taster %1 open").arg(first + 1)};
}

std::array<QStringList, 4> keyActionItems(ServoVariant variant)
{
    const QString none = QCoreApplication::translate("CurveEditor", "keine Aktion");
    if (isOneServoType(variant)) {
        const QStringList items = addressItems(none, 4);
        return {items, items, items, items};
    }
    const QStringList button1 = addressItems(none, 8);
    const QStringList button2 = addressItems(QCoreApplication::translate("CurveEditor", "Adr.-Lernen"), 8);
    return {button1, button1, button2, button2};
}

int keyActionIndex(int mask)
{
    for (int bit = 0; bit < 8; ++bit)
        if (mask & (1 << bit))
            return bit + 1;
    return 0;
}

int keyActionMask(int index)
{
    return index >= 1 && index <= 8 ? 1 << (index - 1) : 0;
}

bool sw1LearnsAndAdjusts(const QString &eepromByte0)
{
    return eepromByte0 == QStringLiteral("01");
}

QString sw1Byte(bool learnAndAdjust)
{
    return learnAndAdjust ? QStringLiteral("01") : QStringLiteral("F0");
}

} // namespace CurveEditorRules
