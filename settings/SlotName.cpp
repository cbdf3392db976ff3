#include "settings/SlotName.h"

#include <QCoreApplication>

#include <cstring>

namespace Settings {

namespace {

// Whether another slot of the type has the slot's label. The turntables'
// "Position1".."PositionN" are each their own.
bool labelRepeats(const DecoderType &type, int slot)
{
    const char *label = nullptr;
    for (const auto &[labelled, text] : type.labels) {
        if (labelled == slot)
            label = text;
    }
    if (!label)
        return false;
    int same = 0;
    for (const auto &entry : type.labels)
        same += std::strcmp(entry.second, label) == 0;
    return same > 1;
}

} // namespace

QString slotName(const QString &label, qint64 slot, bool labelRepeats)
{
    if (label.isEmpty())
        return QCoreApplication::translate("SlotName", "Slot %1").arg(slot);
    return labelRepeats ? QCoreApplication::translate("SlotName", "%1 (Slot %2)").arg(label, QString::number(slot))
                        : label;
}

QString slotName(const DecoderType &type, int slot)
{
    return slotName(slotLabelText(type.slotLabel(slot)), slot, labelRepeats(type, slot));
}

} // namespace Settings
