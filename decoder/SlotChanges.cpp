#include "decoder/SlotChanges.h"

#include <QCoreApplication>

namespace {

std::size_t index(int slot)
{
    return static_cast<std::size_t>(slot);
}

std::optional<QString> whyRefused(const DecoderSession &session, const SlotChange &change)
{
    if (session.protocol() == Protocol::None)
        return SlotRefusal::noProtocolMarker();
    if (!session.isLabelled(change.slot))
        return QCoreApplication::translate("SlotChanges", "dieser Decoder-Typ hat keinen Slot %1 (siehe 'quaxel-cli info')").arg(change.slot);
    if (!session.isAccessory() && !session.isFunctionDecoder())
        return SlotRefusal::keepsNoAddress();
    if (change.green && !session.isAccessory())
        return SlotRefusal::noRedOrGreen();
    if (change.functionText && !session.isFunctionDecoder())
        return SlotRefusal::noFunctionNumber();
    return std::nullopt;
}

// A slot whose address a series raises: shown, and in use.
bool climbsInSeries(const DecoderSession &first, int slot)
{
    return first.slotShown(slot) && first.slotValues[index(slot)].address != 0;
}

} // namespace

QString SlotRefusal::noProtocolMarker()
{
    return QCoreApplication::translate("SlotChanges", "die Datei hat keine Protokoll-Kennung: ihre Slots werden nicht angezeigt und lassen sich nicht setzen");
}

QString SlotRefusal::keepsNoAddress()
{
    return QCoreApplication::translate("SlotChanges", "dieser Decoder-Typ speichert keine Adresse in seinen Slots");
}

QString SlotRefusal::noRedOrGreen()
{
    return QCoreApplication::translate("SlotChanges", "nur Zubehör-Decoder haben einen roten und einen grünen Ausgang");
}

QString SlotRefusal::noFunctionNumber()
{
    return QCoreApplication::translate("SlotChanges", "nur Funktions-Decoder haben eine Funktions-Nummer");
}

std::optional<SlotFault> changeNotStored(const DecoderSession &written, const std::vector<SlotChange> &changes)
{
    DecoderSession readBack = written;
    readBack.readSlots();
    for (const SlotChange &change : changes) {
        const SlotValues &wanted = written.slotValues[index(change.slot)];
        const SlotValues &stored = readBack.slotValues[index(change.slot)];
        if (change.functionText && !change.functionText->isEmpty() && stored.function != wanted.function)
            return SlotFault{QCoreApplication::translate("SlotChanges", "die Funktions-Nummer %1 lässt sich nicht speichern: Funktions-Nummern gehen von 1 bis %2")
                                 .arg(wanted.function)
                                 .arg(written.maxFunction),
                             change.slot, SlotField::Function};
        if (!change.addressText.isEmpty() && stored.address != wanted.address)
            return SlotFault{QCoreApplication::translate("SlotChanges", "die Adresse %1 kann dieser Decoder-Typ nicht speichern (der Slot läse sich als Adresse %2 zurück)")
                                 .arg(wanted.address)
                                 .arg(stored.address),
                             change.slot, SlotField::Address};
        if (change.green && wanted.address != 0 && stored.green != *change.green)
            return SlotFault{QCoreApplication::translate("SlotChanges", "der %1 Ausgang lässt sich für die Adresse %2 nicht speichern")
                                 .arg(*change.green ? QCoreApplication::translate("SlotChanges", "grüne") : QCoreApplication::translate("SlotChanges", "rote"))
                                 .arg(wanted.address),
                             change.slot, SlotField::Address};
    }
    return std::nullopt;
}

std::optional<RefusedSlotChange> checkSlotChanges(const DecoderSession &session, const std::vector<SlotChange> &changes)
{
    for (const SlotChange &change : changes) {
        if (auto refused = whyRefused(session, change))
            return RefusedSlotChange{change.slot, *refused};
    }
    return std::nullopt;
}

std::optional<SlotFault> writeSlotChanges(DecoderSession &session, const std::vector<SlotChange> &changes)
{
    // The texts the grid's edits would hold after the user typed the changes.
    std::array<QString, DecoderSession::SlotCount> addressTexts;
    std::array<QString, DecoderSession::SlotCount> functionTexts;
    for (std::size_t s = 0; s < DecoderSession::SlotCount; ++s) {
        addressTexts[s] = QString::number(session.slotValues[s].address);
        functionTexts[s] = QString::number(session.slotValues[s].function);
    }
    for (const SlotChange &change : changes) {
        const std::size_t s = index(change.slot);
        if (!change.addressText.isEmpty())
            addressTexts[s] = change.addressText;
        if (change.green)
            session.slotValues[s].green = *change.green;
        if (change.functionText && !change.functionText->isEmpty())
            functionTexts[s] = *change.functionText;
    }
    if (auto fault = session.writeSlots(addressTexts, functionTexts))
        return fault;
    return changeNotStored(session, changes);
}

std::optional<SeriesOverflow> seriesOverflow(const DecoderSession &first, int count, int step)
{
    const qint64 limit = first.addressLimit();
    std::optional<SeriesOverflow> earliest;
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (!climbsInSeries(first, s))
            continue;
        const qint64 address = first.slotValues[index(s)].address;
        const qint64 last = address + static_cast<qint64>(count - 1) * step;
        if (last <= limit)
            continue;
        const int number = static_cast<int>((limit - address) / step) + 2;
        if (!earliest || number < earliest->fileNumber)
            earliest = SeriesOverflow{s, number, address + static_cast<qint64>(number - 1) * step, QString()};
    }
    if (earliest)
        earliest->message = QCoreApplication::translate("SlotChanges", "%1 (%2; höchstens %3)")
                                .arg(addressTooLargeMessage(first.slotLabel(earliest->slot)))
                                .arg(earliest->address)
                                .arg(limit);
    return earliest;
}

std::optional<SlotFault> writeSeriesFile(DecoderSession &file, const DecoderSession &first, int number, int step)
{
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        SlotValues &values = file.slotValues[index(s)];
        const SlotValues &firstValues = first.slotValues[index(s)];
        values.address = firstValues.address + (climbsInSeries(first, s) ? (number - 1) * step : 0);
        values.function = firstValues.function;
        values.green = firstValues.green;
    }
    return file.writeSlots();
}
