#include "frames/Frame_tamb/CurveEditorRules.h"

#include "decoder/DecoderTypes.h"

#include <algorithm>

namespace CurveEditorRules {

namespace {

IntInput parseInt(const QString &text, int high)
{
    IntInput input;
    if (text.isEmpty())
        return input;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok) {
        input.kind = IntInput::Invalid;
        input.warning = QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..%1").arg(high);
        return input;
    }
    input.kind = IntInput::Valid;
    input.value = std::clamp(value, 1, high);
    return input;
}

QStringList addressItems(const QString &first, int addresses)
{
    QStringList items{first};
    for (int a = 1; a <= addresses; ++a)
        items << QStringLiteral("wie Adr.%1").arg(a);
    return items;
}

} // namespace

bool isOneServoType(int typeCode)
{
    const ServoVariant variant = servoVariant(typeCode);
    return variant == ServoVariant::OneServo || variant == ServoVariant::OneServoFunction;
}

IntInput parseCount(const QString &text)
{
    return parseInt(text, 100);
}

IntInput parseStretch(const QString &text)
{
    return parseInt(text, 200);
}

QString stepTimeText(int stretch)
{
    return QStringLiteral("Zeit zwischen 2 Punkten = %1 ms").arg(stretch * 20);
}

QString curveTimeText(int count, int stretch)
{
    return QStringLiteral("Gesamtzeit für diese Kurve = %1 ms").arg((count - 1) * stretch * 20);
}

std::array<QString, 4> keyEventTitles(int typeCode)
{
    const int first = isOneServoType(typeCode) ? 3 : 1;
    return {QStringLiteral("Taster %1 close").arg(first), QStringLiteral("Taster %1 open").arg(first),
            QStringLiteral("Taster %1 close").arg(first + 1), QStringLiteral("Taster %1 open").arg(first + 1)};
}

std::array<QStringList, 4> keyActionItems(int typeCode)
{
    const QString none = QStringLiteral("keine Aktion");
    if (isOneServoType(typeCode)) {
        const QStringList items = addressItems(none, 4);
        return {items, items, items, items};
    }
    const QStringList button1 = addressItems(none, 8);
    const QStringList button2 = addressItems(QStringLiteral("Adr.-Lernen"), 8);
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
