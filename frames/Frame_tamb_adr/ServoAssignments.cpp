#include "frames/Frame_tamb_adr/ServoAssignments.h"

#include <QCoreApplication>

#include "decoder/DecoderTypes.h"

int LowestBitIndex(int v)
{
    for (int bit = 0; bit < 8; ++bit)
        if (v & (1 << bit))
            return bit;
    return 0;
}

int BitOfIndex(int n)
{
    return (n >= 0 && n <= 7) ? (1 << n) : 0;
}

namespace ServoAssign {

namespace {

int &entry(CurveRecords &curves, int record, int entryIndex)
{
    return curves[record][static_cast<std::size_t>(entryIndex)];
}

int entry(const CurveRecords &curves, int record, int entryIndex)
{
    return curves[record][static_cast<std::size_t>(entryIndex)];
}

// Action bits 4..7 for the items "Start", "Start Loop", "Abbruch", "Beenden".
constexpr std::array<int, ChoiceCount> ActionBits{0x00, 0x10, 0x20, 0x40};

} // namespace

RowPlace rowPlace(int row)
{
    const bool upper = row >= 4;
    return {row % 4, upper ? 106 : 103, upper ? 107 : 104};
}

RowItems readRow(const CurveRecords &curves, int row)
{
    const RowPlace place = rowPlace(row);
    const int action = entry(curves, place.record, place.actionEntry);
    const int curve = entry(curves, place.record, place.curveEntry);
    RowItems items;
    // The servo item comes from the whole byte: a row without a servo bit but
    // with an action bit shows no servo.
    items.servo = LowestBitIndex(action);
    items.curve = LowestBitIndex((curve >> 4) & 0xF);
    // Shifted by three, not four: no action bit gives 0 ("Start"), bit 4 gives 1.
    items.action = LowestBitIndex((action & 0xF0) >> 3);
    items.relay = LowestBitIndex(curve & 0xF);
    return items;
}

int shownItem(int item)
{
    return (item >= 0 && item < ChoiceCount) ? item : -1;
}

bool setRowItem(CurveRecords &curves, int row, Column column, int item)
{
    if (item < 0 || item >= ChoiceCount)
        return false;
    const RowPlace place = rowPlace(row);
    switch (column) {
    case Column::Servo: {
        int &value = entry(curves, place.record, place.actionEntry);
        value = (value & 0xF0) | BitOfIndex(item);
        break;
    }
    case Column::Action: {
        int &value = entry(curves, place.record, place.actionEntry);
        value = (value & 0x0F) | ActionBits[static_cast<std::size_t>(item)];
        break;
    }
    case Column::Curve: {
        int &value = entry(curves, place.record, place.curveEntry);
        value = (value & 0x0F) | (BitOfIndex(item) << 4);
        break;
    }
    case Column::Relay: {
        int &value = entry(curves, place.record, place.curveEntry);
        value = (value & 0xF0) | BitOfIndex(item);
        break;
    }
    }
    return true;
}

int optionBit(Option option)
{
    switch (option) {
    case Option::VoltageOff:
        return 1 << 1;
    case Option::PulsesOff:
        return 1 << 2;
    case Option::NoInterrupt:
        return 1 << 6;
    case Option::NoRepeat:
        return 1 << 7;
    }
    return 0;
}

bool hasOption(const CurveRecords &curves, int servo, Option option)
{
    return (entry(curves, servo, CurveRecords::OptionsEntry) & optionBit(option)) != 0;
}

void setOption(CurveRecords &curves, Option option, const std::array<bool, ServoCount> &boxes)
{
    const int bit = optionBit(option);
    for (int servo = 0; servo < ServoCount; ++servo) {
        int &value = entry(curves, servo, CurveRecords::OptionsEntry);
        value = boxes[static_cast<std::size_t>(servo)] ? (value | bit) : (value & ~bit);
    }
}

TypeLayout typeLayout(int typeCode)
{
    TypeLayout layout;
    const ServoVariant variant = servoVariant(typeCode);
    if (variant == ServoVariant::OneServoFunction) {
        layout.fourServos = false;
        layout.rowLabels = {QCoreApplication::translate("ServoAssign", "Adresse 01 ein"), QCoreApplication::translate("ServoAssign", "Adresse 01 aus"),
                            QCoreApplication::translate("ServoAssign", "Adresse 02 ein"), QCoreApplication::translate("ServoAssign", "Adresse 02 aus")};
        return layout;
    }
    layout.fourServos = variant != ServoVariant::OneServo;
    layout.rowLabels = {QCoreApplication::translate("ServoAssign", "Adresse 01"), QCoreApplication::translate("ServoAssign", "Adresse 02"), QCoreApplication::translate("ServoAssign", "Adresse 03"),
                        QCoreApplication::translate("ServoAssign", "Adresse 04")};
    return layout;
}

QString designRowLabel(int row)
{
    return QCoreApplication::translate("ServoAssign", "Adresse %1:").arg(row + 1, 2, 10, QLatin1Char('0'));
}

RowVisibility rowVisibility(int typeCode, int row, int shownAction)
{
    const bool fourServos = typeLayout(typeCode).fourServos;
    const bool lower = row < 4;
    const bool curveByAction = shownAction < 2;
    RowVisibility v;
    v.label = lower || fourServos;
    v.action = lower || fourServos;
    v.servo = fourServos;
    if (servoVariant(typeCode) == ServoVariant::FourServos) {
        v.curve = curveByAction;
        v.relay = curveByAction;
    } else {
        v.curve = lower ? curveByAction : fourServos;
        v.relay = fourServos;
    }
    return v;
}

} // namespace ServoAssign
