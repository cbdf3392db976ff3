#include "decoder/SlotChanges.h"

namespace {

std::size_t index(int slot)
{
    return static_cast<std::size_t>(slot);
}

std::optional<QString> whyRefused(const DecoderSession &session, const SlotChange &change)
{
    if (session.protocol() == Protocol::None)
        return QStringLiteral("the file has no protocol marker: its slots are not shown and cannot be set");
    if (!session.isLabelled(change.slot))
        return QStringLiteral("this decoder type has no slot %1 (see 'quaxel-cli info')").arg(change.slot);
    if (!session.isAccessory() && !session.isFunctionDecoder())
        return QStringLiteral("this decoder type keeps no address in its slots");
    if (change.green && !session.isAccessory())
        return QStringLiteral("only accessory decoders have a red and a green output");
    if (change.functionText && !session.isFunctionDecoder())
        return QStringLiteral("only function decoders have a function number");
    return std::nullopt;
}

// A slot whose address a series raises: shown, and in use.
bool climbsInSeries(const DecoderSession &first, int slot)
{
    return first.slotShown(slot) && first.slotValues[index(slot)].address != 0;
}

} // namespace

std::optional<SlotFault> changeNotStored(const DecoderSession &written, const std::vector<SlotChange> &changes)
{
    DecoderSession readBack = written;
    readBack.readSlots();
    for (const SlotChange &change : changes) {
        const SlotValues &wanted = written.slotValues[index(change.slot)];
        const SlotValues &stored = readBack.slotValues[index(change.slot)];
        if (change.functionText && !change.functionText->isEmpty() && stored.function != wanted.function)
            return SlotFault{QStringLiteral("function number %1 cannot be stored: function numbers run from 1 to %2")
                                 .arg(wanted.function)
                                 .arg(written.maxFunction),
                             change.slot, SlotField::Function};
        if (!change.addressText.isEmpty() && stored.address != wanted.address)
            return SlotFault{QStringLiteral("address %1 cannot be stored by this decoder type "
                                            "(the slot would read back as address %2)")
                                 .arg(wanted.address)
                                 .arg(stored.address),
                             change.slot, SlotField::Address};
        if (change.green && wanted.address != 0 && stored.green != *change.green)
            return SlotFault{QStringLiteral("the %1 output cannot be stored for address %2")
                                 .arg(*change.green ? QStringLiteral("green") : QStringLiteral("red"))
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
        earliest->message = QStringLiteral("%1 (%2; at most %3)")
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
