// The section "slots": the slots of the address grid, as "quaxel-cli info
// --json" lists them, applied as the grid's edits and the save take them.
#include "decoder/SlotChanges.h"

#include "image/SafeText.h"
#include "settings/Sections.h"
#include "settings/SettingsDocument.h"
#include "settings/SlotName.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace Settings {

namespace {

const QString SlotKey = QStringLiteral("slot");
const QString LabelKey = QStringLiteral("label");
const QString AddressKey = QStringLiteral("address");
const QString GreenKey = QStringLiteral("green");
const QString FunctionKey = QStringLiteral("function");

// ------------------------------------------------ the document says each slot once

std::optional<Fault> eachSlotOnce(const QJsonValue &value, const QString &path)
{
    const QJsonArray entries = value.toArray();
    QHash<qint64, int> seenAt;
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonValue slot = entries[i].toObject().value(SlotKey);
        if (!slot.isDouble())
            continue;
        const auto earlier = seenAt.constFind(slot.toInteger());
        if (earlier != seenAt.constEnd())
            return Fault{pathOf(pathOf(path, i), SlotKey),
                         QCoreApplication::translate("SettingsDocument", "Slot %1 ist doppelt angegeben, auch bei %2").arg(slot.toInteger()).arg(pathOf(path, *earlier))};
        seenAt.insert(slot.toInteger(), i);
    }
    return std::nullopt;
}

// ------------------------------------------------ comparison

// "1001r", "5/3": what a slot holds, as far as the object says it.
QString slotText(const QJsonObject &slot)
{
    QString text;
    if (slot.contains(AddressKey))
        text = QString::number(slot.value(AddressKey).toInteger());
    if (slot.contains(GreenKey))
        text += slot.value(GreenKey).toBool() ? QLatin1Char('g') : QLatin1Char('r');
    if (slot.contains(FunctionKey))
        text += QLatin1Char('/') + QString::number(slot.value(FunctionKey).toInteger());
    return text;
}

// The first slot with the second one's values where both say them: what
// applying the second to the first writes, as far as the first says it.
QJsonObject appliedTo(QJsonObject first, const QJsonObject &second)
{
    for (const QString &key : {AddressKey, GreenKey, FunctionKey}) {
        const QJsonValue value = second.value(key);
        if (first.contains(key) && !value.isUndefined() && !value.isNull())
            first[key] = value;
    }
    return first;
}

// Each slot number's label: the second document's, or the first's where
// the second gives none (a partial document).
QHash<qint64, QString> labelsOf(const QJsonArray &first, const QJsonArray &second)
{
    QHash<qint64, QString> labels;
    for (const QJsonArray *list : {&first, &second}) {
        for (const QJsonValue &element : *list) {
            const QJsonObject slot = element.toObject();
            const QString label = slot.value(LabelKey).toString();
            if (slot.value(SlotKey).isDouble() && !label.isEmpty())
                labels[slot.value(SlotKey).toInteger()] = label;
        }
    }
    return labels;
}

// A slot as a change list names it (SlotName.h), by the documents' labels.
QString slotName(const QHash<qint64, QString> &labels, qint64 slot)
{
    const QString label = labels.value(slot);
    const auto sameLabel = std::count(labels.cbegin(), labels.cend(), label);
    return Settings::slotName(escapedText(slotLabelText(label)), slot, sameLabel > 1);
}

// The slots are matched by their number and compared whole. Within one
// decoder type the second slot's text is what applying it writes; between
// two types, each slot's own.
QJsonValue compareSlots(const QJsonValue &a, const QJsonValue &b, bool sameType, QStringList &lines)
{
    const QJsonArray first = a.toArray();
    const QJsonArray second = b.toArray();
    QHash<qint64, QJsonObject> before;
    for (const QJsonValue &element : first) {
        const QJsonObject slot = element.toObject();
        if (slot.value(SlotKey).isDouble())
            before.insert(slot.value(SlotKey).toInteger(), slot);
    }
    const QHash<qint64, QString> labels = labelsOf(first, second);
    QJsonArray differing;
    for (const QJsonValue &element : second) {
        const QJsonObject slot = element.toObject();
        const auto old = before.constFind(slot.value(SlotKey).toInteger(-1));
        if (old == before.constEnd())
            continue;
        const QString was = slotText(*old);
        const QString becomes = slotText(sameType ? appliedTo(*old, slot) : slot);
        if (was == becomes)
            continue;
        lines.append(QStringLiteral("%1: %2 -> %3").arg(slotName(labels, old.key()), was, becomes));
        differing.append(slot);
    }
    return differing.isEmpty() ? QJsonValue(QJsonValue::Undefined) : QJsonValue(differing);
}

NodePtr buildShape()
{
    auto list = std::make_shared<Node>(*array(object({{SlotKey, integer(0, 47)},
                                                       {LabelKey, text()},
                                                       {AddressKey, integer(0, 65535)},
                                                       {GreenKey, boolean()},
                                                       {FunctionKey, integer(0, 255)}}),
                                               DecoderSession::SlotCount));
    list->rule = eachSlotOnce;
    list->compareWhole = compareSlots;
    return list;
}

// ------------------------------------------------ apply

struct SlotRequest {
    int slot = 0;
    QString path;
    std::optional<int> address;
    std::optional<bool> green;
    std::optional<int> function;
};

std::optional<Fault> readSlotRequest(const DecoderSession &session, const QJsonObject &object, const QString &path,
                                     SlotRequest &request)
{
    if (!object.contains(SlotKey))
        return Fault{pathOf(path, SlotKey), QCoreApplication::translate("SettingsDocument", "fehlt: welcher Slot gemeint ist")};
    request.slot = intOf(object.value(SlotKey));
    request.path = path;
    if (session.protocol() == Protocol::None)
        return Fault{path, SlotRefusal::noProtocolMarker()};
    if (!session.isLabelled(request.slot))
        return Fault{pathOf(path, SlotKey), QCoreApplication::translate("SettingsDocument", "dieser Decoder-Typ hat keinen Slot %1").arg(request.slot)};
    // Only a value that differs from the slot's own is a change.
    const SlotValues &current = session.slotValues[static_cast<std::size_t>(request.slot)];
    const QJsonValue address = object.value(AddressKey);
    const QJsonValue green = object.value(GreenKey);
    const QJsonValue function = object.value(FunctionKey);
    if (address.isDouble() && intOf(address) != current.address)
        request.address = intOf(address);
    if (green.isBool() && green.toBool() != current.green)
        request.green = green.toBool();
    if (function.isDouble() && intOf(function) != current.function)
        request.function = intOf(function);
    if (!request.address && !request.green && !request.function)
        return std::nullopt;
    if (!session.isAccessory() && !session.isFunctionDecoder())
        return Fault{path, SlotRefusal::keepsNoAddress()};
    if (request.green && !session.isAccessory())
        return Fault{pathOf(path, GreenKey), SlotRefusal::noRedOrGreen()};
    if (request.function && !session.isFunctionDecoder())
        return Fault{pathOf(path, FunctionKey), SlotRefusal::noFunctionNumber()};
    return std::nullopt;
}

// The texts the grid's edits would hold with the requests typed into them.
void typeRequests(DecoderSession &session, const std::vector<SlotRequest> &requests,
                  std::array<QString, DecoderSession::SlotCount> &addressTexts,
                  std::array<QString, DecoderSession::SlotCount> &functionTexts)
{
    for (std::size_t s = 0; s < DecoderSession::SlotCount; ++s) {
        addressTexts[s] = QString::number(session.slotValues[s].address);
        functionTexts[s] = QString::number(session.slotValues[s].function);
    }
    for (const SlotRequest &request : requests) {
        const auto s = static_cast<std::size_t>(request.slot);
        if (request.address)
            addressTexts[s] = QString::number(*request.address);
        if (request.function)
            functionTexts[s] = QString::number(*request.function);
        if (request.green)
            session.slotValues[s].green = *request.green;
    }
}

} // namespace

NodePtr slotsShape()
{
    static const NodePtr built = buildShape();
    return built;
}

QJsonArray slotsJson(const DecoderSession &session)
{
    QJsonArray list;
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (!session.slotShown(s))
            continue;
        const SlotValues &values = session.slotValues[static_cast<std::size_t>(s)];
        QJsonObject slot{{SlotKey, s}, {LabelKey, session.slotLabel(static_cast<std::size_t>(s))}, {AddressKey, values.address}};
        if (session.isAccessory())
            slot[GreenKey] = values.green;
        else
            slot[FunctionKey] = values.function;
        list.append(slot);
    }
    return list;
}

// The slots as the grid's edits would hold them, written as the save writes
// them, then read back: a value that the rules pass but the decoder's codes
// cannot hold is refused too.
std::optional<Fault> applySlots(DecoderSession &session, const QJsonValue &value)
{
    std::vector<SlotRequest> requests;
    if (auto fault = eachElement(value, QStringLiteral("slots"), [&](int, const QJsonValue &element, const QString &path) {
            SlotRequest request;
            std::optional<Fault> refused = readSlotRequest(session, element.toObject(), path, request);
            requests.push_back(request);
            return refused;
        }))
        return fault;
    std::array<QString, DecoderSession::SlotCount> addressTexts;
    std::array<QString, DecoderSession::SlotCount> functionTexts;
    typeRequests(session, requests, addressTexts, functionTexts);
    const auto pathOfSlot = [&](int slot) {
        for (const SlotRequest &request : requests) {
            if (request.slot == slot)
                return request.path;
        }
        return QStringLiteral("slots");
    };
    if (auto fault = session.writeSlots(addressTexts, functionTexts))
        return Fault{pathOfSlot(fault->slot), fault->message};
    std::vector<SlotChange> changes;
    for (const SlotRequest &request : requests) {
        changes.push_back({request.slot, request.address ? QString::number(*request.address) : QString(), request.green,
                           request.function ? std::optional(QString::number(*request.function)) : std::nullopt});
    }
    if (auto fault = changeNotStored(session, changes)) {
        const QString field = fault->field == SlotField::Function ? QStringLiteral("function") : QStringLiteral("address");
        return Fault{pathOf(pathOfSlot(fault->slot), field), fault->message};
    }
    return std::nullopt;
}

} // namespace Settings
