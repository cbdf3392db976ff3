#include "settings/SettingsDocument.h"

#include "decoder/SlotChanges.h"
#include "frames/Frame_blinkmuster/BlinkModel.h"
#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"
#include "frames/Frame_register/CvListModel.h"
#include "frames/Frame_tamb/CurveEditorRules.h"
#include "frames/Frame_tamb/ServoModel.h"
#include "frames/Frame_zusatz/ModesModel.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>

namespace Settings {

namespace {

const QString NoSuchSetting = QStringLiteral("this decoder type has no such setting");

// ---------------------------------------------------------------- the editors

// The edit models of the session's decoder type, loaded as the window loads
// them when it shows the type's editor.
class Editors {
public:
    explicit Editors(DecoderSession &session) : session_(session)
    {
        switch (session.editorFrame()) {
        case EditorFrameKind::Modes:
            modes.emplace(session.image);
            modes->load(session.typeCode());
            if (!modes->layout())
                modes.reset();
            break;
        case EditorFrameKind::CvList:
            cvs.emplace(session.image);
            cvs->load(session.typeCode());
            break;
        case EditorFrameKind::Blink:
        case EditorFrameKind::LedBlink:
            blink.emplace(session.editorFrame() == EditorFrameKind::Blink ? blinkPatternLayout() : ledBlinkPatternLayout());
            blink->load(session.image);
            break;
        case EditorFrameKind::Servo:
            servo.emplace(session);
            servo->load();
            break;
        case EditorFrameKind::None:
            break;
        }
    }
    Editors(const Editors &) = delete;
    Editors &operator=(const Editors &) = delete;

    // Writes what the models with a working copy hold into the image, when
    // a setting of theirs changed.
    void applyChanged()
    {
        if (blink && blinkChanged)
            blink->apply(session_.image);
        if (servo && servoChanged)
            servo->apply();
    }

    std::optional<Zusatz::ModesModel> modes;
    std::optional<Cv::CvListModel> cvs;
    std::optional<BlinkModel> blink;
    std::optional<ServoModel> servo;
    bool blinkChanged = false;
    bool servoChanged = false;

private:
    DecoderSession &session_;
};

// ---------------------------------------------------------------- export

QJsonArray boolArray(int count, const std::function<QJsonValue(int)> &at)
{
    QJsonArray values;
    for (int i = 0; i < count; ++i)
        values.append(at(i));
    return values;
}

// Byte 0x20 is shown by one control of a layout: output boxes, a slider or the value edit.
enum class ValueShown { None, Outputs, Fading, Speed, Value };

ValueShown valueShown(const Zusatz::Layout &layout)
{
    if (layout.neonBoxBits)
        return ValueShown::Outputs;
    if (layout.slider == Zusatz::Slider::Fading)
        return ValueShown::Fading;
    if (layout.slider == Zusatz::Slider::Speed)
        return ValueShown::Speed;
    return layout.valueEdit ? ValueShown::Value : ValueShown::None;
}

QJsonObject modesOf(const Zusatz::ModesModel &m)
{
    const Zusatz::Layout &layout = *m.layout();
    QJsonObject modes;
    switch (valueShown(layout)) {
    case ValueShown::Value: modes[QStringLiteral("value")] = m.value(); break;
    case ValueShown::Fading: modes[QStringLiteral("fading")] = m.fadingPosition(); break;
    case ValueShown::Speed: modes[QStringLiteral("speed")] = m.value(); break;
    case ValueShown::Outputs:
        modes[QStringLiteral("outputs")] = boolArray(Zusatz::NeonBoxCount, [&](int k) -> QJsonValue {
            const int bit = Zusatz::neonBoxes()[static_cast<std::size_t>(k)].bit;
            return m.valueBitOffered(bit) ? QJsonValue(m.valueBit(bit)) : QJsonValue();
        });
        break;
    case ValueShown::None: break;
    }
    if (layout.switchOffOption)
        modes[QStringLiteral("switchOff")] = m.switchOff();
    if (layout.mode.visible) {
        const auto radio = m.modeRadio();
        if (radio && *radio < layout.mode.radioCaptions.size())
            modes[QStringLiteral("mode")] = *radio + 1;
        if (layout.mode.bit6)
            modes[QStringLiteral("dummMode")] = m.modeBit6();
        if (layout.mode.bit7)
            modes[QStringLiteral("modeLock")] = m.modeBit7();
    }
    if (layout.neonSliders) {
        modes[QStringLiteral("neonDark")] = m.neonDark();
        modes[QStringLiteral("neonBright")] = m.neonBright();
    }
    if (layout.minimumCount)
        modes[QStringLiteral("minimumCount")] = m.minimumCount();
    if (m.extraCount() > 0)
        modes[QStringLiteral("extras")] = boolArray(m.extraCount(), [&](int k) { return QJsonValue(m.extraValue(k)); });
    return modes;
}

QJsonArray cvsOf(const Cv::CvListModel &m)
{
    return boolArray(m.count(), [&](int k) { return QJsonValue(m.value(k)); });
}

QString stepText(const BlinkModel &m, int step)
{
    QString text;
    for (int output = 0; output < m.layout().outputs; ++output)
        text += m.stepOn(output, step) ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

QJsonObject blinkBlockOf(const BlinkModel &m)
{
    QJsonArray steps;
    for (int i = 0; i < m.paintableSteps(); ++i)
        steps.append(stepText(m, i));
    return {{QStringLiteral("count"), m.count()},
            {QStringLiteral("stretch"), m.stretch()},
            {QStringLiteral("loop"), m.loop()},
            {QStringLiteral("outputs"), boolArray(m.layout().outputs, [&](int k) { return QJsonValue(m.outputUsed(k)); })},
            {QStringLiteral("steps"), steps}};
}

// Each address as the editor shows it after choosing it; the working copy is
// not written anywhere.
QJsonArray blinkOf(BlinkModel &m)
{
    const BlinkModel::State before = m.snapshot();
    const bool changed = m.hasChanges();
    QJsonArray blocks;
    for (int block = 0; block < PatternLayout::Blocks; ++block) {
        m.selectBlock(block);
        blocks.append(blinkBlockOf(m));
    }
    m.restore(before, changed);
    return blocks;
}

bool isFourServos(const ServoModel &m)
{
    return m.variant() == ServoVariant::FourServos;
}

// A list item as the document names it: 1-based, null for no selection.
QJsonValue itemValue(int item)
{
    const int shown = ServoAssign::shownItem(item);
    return shown < 0 ? QJsonValue() : QJsonValue(shown + 1);
}

const QStringList &actionNames()
{
    static const QStringList names{QStringLiteral("Start"), QStringLiteral("Start Loop"), QStringLiteral("Abbruch"),
                                   QStringLiteral("Beenden")};
    return names;
}

QJsonObject servoOf(ServoModel &m)
{
    const bool four = isFourServos(m);
    QJsonObject servo;
    if (four)
        servo[QStringLiteral("sw1")] = m.sw1LearnsAndAdjusts() ? QStringLiteral("Lernen + Justage") : QStringLiteral("Servo-Bedienung");
    QJsonArray rows;
    for (int r = 0; r < (four ? ServoAssign::RowCount : 4); ++r) {
        const ServoAssign::RowItems items = m.row(r);
        const int action = ServoAssign::shownItem(items.action);
        QJsonObject row{{QStringLiteral("action"), action < 0 ? QJsonValue() : QJsonValue(actionNames()[action])},
                        {QStringLiteral("curve"), itemValue(items.curve)}};
        if (four) {
            row[QStringLiteral("servo")] = itemValue(items.servo);
            row[QStringLiteral("relay")] = itemValue(items.relay);
        }
        rows.append(row);
    }
    servo[QStringLiteral("addresses")] = rows;
    const ServoWorkingCopy copy = m.snapshot();
    QJsonArray servos;
    for (int n = 0; n < (four ? ServoAssign::ServoCount : 1); ++n) {
        const auto at = static_cast<std::size_t>(n);
        servos.append(QJsonObject{{QStringLiteral("voltageOff"), m.hasOption(n, ServoAssign::Option::VoltageOff)},
                                  {QStringLiteral("pulsesOff"), m.hasOption(n, ServoAssign::Option::PulsesOff)},
                                  {QStringLiteral("noInterrupt"), m.hasOption(n, ServoAssign::Option::NoInterrupt)},
                                  {QStringLiteral("noRepeat"), m.hasOption(n, ServoAssign::Option::NoRepeat)},
                                  {QStringLiteral("offset"), copy.pulses.offset[at]},
                                  {QStringLiteral("span"), copy.pulses.span[at]}});
    }
    servo[QStringLiteral("servos")] = servos;
    QJsonArray curves;
    const int selected = m.selectedCurve();
    for (int c = 0; c < CurveRecords::Count; ++c) {
        m.selectCurve(c);
        const CurveRecords::Record &record = m.selectedRecord();
        QJsonObject curve{{QStringLiteral("count"), m.count()},
                          {QStringLiteral("stretch"), m.stretch()},
                          {QStringLiteral("keyAction"), m.keyActionItem(c)},
                          {QStringLiteral("points"), boolArray(m.pointCount(), [&](int i) {
                               return QJsonValue(CurveRecords::position(record[static_cast<std::size_t>(i)]));
                           })}};
        if (four)
            curve[QStringLiteral("relays")] = boolArray(m.pointCount(), [&](int i) {
                return QJsonValue(CurveRecords::relayOn(record[static_cast<std::size_t>(i)]));
            });
        curves.append(curve);
    }
    m.selectCurve(selected);
    servo[QStringLiteral("curves")] = curves;
    return servo;
}

// ---------------------------------------------------------------- apply

// Walks the present, non-null elements of an array.
template <class F> std::optional<Fault> eachElement(const QJsonValue &value, const QString &path, F &&f)
{
    const QJsonArray elements = value.toArray();
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (elements[i].isNull())
            continue;
        if (auto fault = f(static_cast<int>(i), elements[i], pathOf(path, static_cast<int>(i))))
            return fault;
    }
    return std::nullopt;
}

int intOf(const QJsonValue &value) { return static_cast<int>(value.toInteger()); }

// A number typed into an edit: the window's warning when refused, and a
// refusal too when the edit would store another number than the one given.
std::optional<Fault> typed(const TypedEntry<int> &entry, const QString &path, int given)
{
    if (entry.isRefused())
        return Fault{path, entry.message};
    if (entry.isAccepted() && entry.value != given)
        return Fault{path, QStringLiteral("%1 is out of range: the editor would store %2").arg(given).arg(entry.value)};
    return std::nullopt;
}

std::optional<Fault> outOfRange(const QString &path, int value, int min, int max)
{
    if (value >= min && value <= max)
        return std::nullopt;
    return Fault{path, QStringLiteral("%1 is outside %2..%3").arg(value).arg(min).arg(max)};
}

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
    if (!object.contains(QStringLiteral("slot")))
        return Fault{pathOf(path, QStringLiteral("slot")), QStringLiteral("missing: which slot is meant")};
    request.slot = intOf(object.value(QStringLiteral("slot")));
    request.path = path;
    if (session.protocol() == Protocol::None)
        return Fault{path, QStringLiteral("the file has no protocol marker: its slots are not shown and cannot be set")};
    if (!session.isLabelled(request.slot))
        return Fault{pathOf(path, QStringLiteral("slot")), QStringLiteral("this decoder type has no slot %1").arg(request.slot)};
    // Only a value that differs from the slot's own is a change.
    const SlotValues &current = session.slotValues[static_cast<std::size_t>(request.slot)];
    const QJsonValue address = object.value(QStringLiteral("address"));
    const QJsonValue green = object.value(QStringLiteral("green"));
    const QJsonValue function = object.value(QStringLiteral("function"));
    if (address.isDouble() && intOf(address) != current.address)
        request.address = intOf(address);
    if (green.isBool() && green.toBool() != current.green)
        request.green = green.toBool();
    if (function.isDouble() && intOf(function) != current.function)
        request.function = intOf(function);
    if (!request.address && !request.green && !request.function)
        return std::nullopt;
    if (!session.isAccessory() && !session.isFunctionDecoder())
        return Fault{path, QStringLiteral("this decoder type keeps no address in its slots")};
    if (request.green && !session.isAccessory())
        return Fault{pathOf(path, QStringLiteral("green")), QStringLiteral("only accessory decoders have a red and a green output")};
    if (request.function && !session.isFunctionDecoder())
        return Fault{pathOf(path, QStringLiteral("function")), QStringLiteral("only function decoders have a function number")};
    return std::nullopt;
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

std::optional<Fault> applyModeSetting(Zusatz::ModesModel &m, const QString &key, const QJsonValue &value,
                                      const QString &path)
{
    const Zusatz::Layout &layout = *m.layout();
    const ValueShown shown = valueShown(layout);
    const int number = intOf(value);
    const bool on = value.toBool();
    if (key == QStringLiteral("value") && shown == ValueShown::Value) {
        if (number != m.value())
            return typed(m.typeValue(QString::number(number)), path, number);
    } else if (key == QStringLiteral("fading") && shown == ValueShown::Fading) {
        if (number != m.fadingPosition())
            m.slideTo(number);
    } else if (key == QStringLiteral("speed") && shown == ValueShown::Speed) {
        if (number != m.value()) {
            if (auto fault = outOfRange(path, number, 1, 255))
                return fault;
            m.slideTo(number);
        }
    } else if (key == QStringLiteral("outputs") && shown == ValueShown::Outputs) {
        return eachElement(value, path, [&](int k, const QJsonValue &box, const QString &at) -> std::optional<Fault> {
            const int bit = Zusatz::neonBoxes()[static_cast<std::size_t>(k)].bit;
            if (!m.valueBitOffered(bit))
                return Fault{at, NoSuchSetting};
            if (box.toBool() != m.valueBit(bit))
                m.setValueBit(bit, box.toBool());
            return std::nullopt;
        });
    } else if (key == QStringLiteral("switchOff") && layout.switchOffOption) {
        if (on != m.switchOff())
            m.setSwitchOff(on);
    } else if (key == QStringLiteral("mode") && layout.mode.visible && !layout.mode.radioCaptions.isEmpty()) {
        if (auto fault = outOfRange(path, number, 1, static_cast<int>(layout.mode.radioCaptions.size())))
            return fault;
        if (m.modeRadio() != number - 1)
            m.chooseMode(number - 1);
    } else if (key == QStringLiteral("dummMode") && layout.mode.visible && layout.mode.bit6) {
        if (on != m.modeBit6())
            m.setModeBit6(on);
    } else if (key == QStringLiteral("modeLock") && layout.mode.visible && layout.mode.bit7) {
        if (on != m.modeBit7())
            m.setModeBit7(on);
    } else if ((key == QStringLiteral("neonDark") || key == QStringLiteral("neonBright")) && layout.neonSliders) {
        const bool dark = key == QStringLiteral("neonDark");
        if (number != (dark ? m.neonDark() : m.neonBright())) {
            if (auto fault = outOfRange(path, number, 0, 15))
                return fault;
            dark ? m.setNeonDark(number) : m.setNeonBright(number);
        }
    } else if (key == QStringLiteral("minimumCount") && layout.minimumCount) {
        if (number != m.minimumCount())
            return typed(m.typeMinimumCount(QString::number(number)), path, number);
    } else if (key == QStringLiteral("extras") && m.extraCount() > 0) {
        return eachElement(value, path, [&](int k, const QJsonValue &extra, const QString &at) -> std::optional<Fault> {
            if (k >= m.extraCount())
                return Fault{at, NoSuchSetting};
            const int wanted = intOf(extra);
            return wanted == m.extraValue(k) ? std::nullopt : typed(m.typeExtra(k, QString::number(wanted)), at, wanted);
        });
    } else {
        return Fault{path, NoSuchSetting};
    }
    return std::nullopt;
}

// The mode settings in the editor's order: the mode radio before its bit boxes.
std::optional<Fault> applyModes(Zusatz::ModesModel &m, const QJsonObject &modes)
{
    for (const Field &field : documentShape().child(QStringLiteral("modes"))->fields) {
        const QJsonValue value = modes.value(field.key);
        if (value.isUndefined() || value.isNull())
            continue;
        if (auto fault = applyModeSetting(m, field.key, value, pathOf(QStringLiteral("modes"), field.key)))
            return fault;
    }
    return std::nullopt;
}

std::optional<Fault> applyCvs(Cv::CvListModel &m, const QJsonValue &value)
{
    return eachElement(value, QStringLiteral("cvs"), [&](int k, const QJsonValue &cv, const QString &path) -> std::optional<Fault> {
        if (k >= m.count())
            return Fault{path, QStringLiteral("this decoder type has %1 CVs").arg(m.count())};
        const int wanted = intOf(cv);
        return wanted == m.value(k) ? std::nullopt : typed(m.typeValue(k, QString::number(wanted)), path, wanted);
    });
}

std::optional<Fault> applyBlinkSteps(BlinkModel &m, const QJsonValue &value, const QString &path, bool &changed)
{
    return eachElement(value, path, [&](int step, const QJsonValue &text, const QString &at) -> std::optional<Fault> {
        const QString wanted = text.toString();
        if (wanted.size() != m.layout().outputs)
            return Fault{at, QStringLiteral("\"%1\" is not one 0 or 1 for each of the %2 outputs").arg(wanted).arg(m.layout().outputs)};
        // A step beyond the pattern's steps may stay as it is stored.
        if (step < m.layout().maxCount && wanted == stepText(m, step))
            return std::nullopt;
        if (step >= m.paintableSteps())
            return Fault{at, QStringLiteral("the pattern has %1 steps").arg(m.paintableSteps())};
        for (int output = 0; output < m.layout().outputs; ++output)
            m.setStep(output, step, wanted[output] == QLatin1Char('1'));
        changed = true;
        return std::nullopt;
    });
}

std::optional<Fault> applyBlinkBlock(BlinkModel &m, const QJsonObject &block, const QString &path, bool &changed)
{
    // Choosing the address limits its count and stretch, as the editor does.
    const QJsonObject before = blinkBlockOf(m);
    for (const QString &key : {QStringLiteral("count"), QStringLiteral("stretch")}) {
        const QJsonValue value = block.value(key);
        if (value.isUndefined() || value.isNull() || value == before.value(key))
            continue;
        const int wanted = intOf(value);
        const auto entry = key == QStringLiteral("count") ? m.typeCount(QString::number(wanted))
                                                           : m.typeStretch(QString::number(wanted));
        if (auto fault = typed(entry, pathOf(path, key), wanted))
            return fault;
        changed = true;
    }
    const QJsonValue loop = block.value(QStringLiteral("loop"));
    if (loop.isBool() && loop.toBool() != m.loop()) {
        m.setLoop(loop.toBool());
        changed = true;
    }
    if (auto fault = eachElement(block.value(QStringLiteral("outputs")), pathOf(path, QStringLiteral("outputs")),
                                 [&](int k, const QJsonValue &used, const QString &at) -> std::optional<Fault> {
                                     if (k >= m.layout().outputs)
                                         return Fault{at, QStringLiteral("the pattern has %1 outputs").arg(m.layout().outputs)};
                                     if (used.toBool() != m.outputUsed(k)) {
                                         m.setOutputUsed(k, used.toBool());
                                         changed = true;
                                     }
                                     return std::nullopt;
                                 }))
        return fault;
    return applyBlinkSteps(m, block.value(QStringLiteral("steps")), pathOf(path, QStringLiteral("steps")), changed);
}

std::optional<Fault> applyBlink(Editors &editors, const QJsonValue &value)
{
    BlinkModel &m = *editors.blink;
    return eachElement(value, QStringLiteral("blink"), [&](int block, const QJsonValue &element, const QString &path) {
        // An address whose settings all stay as they are is not chosen, so
        // that choosing it does not limit its count and stretch in the image.
        const BlinkModel::State before = m.snapshot();
        const bool changedBefore = m.hasChanges();
        m.selectBlock(block);
        bool changed = false;
        auto fault = applyBlinkBlock(m, element.toObject(), path, changed);
        if (changed)
            editors.blinkChanged = true;
        else
            m.restore(before, changedBefore);
        return fault;
    });
}

// One list of an address row: the 1-based item the document names.
std::optional<Fault> applyRowItem(ServoModel &m, int row, ServoAssign::Column column, int current,
                                  const QJsonValue &value, const QString &path, bool &changed)
{
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    const int item = value.isString() ? static_cast<int>(actionNames().indexOf(value.toString())) : intOf(value) - 1;
    if (item < 0 || item >= ServoAssign::ChoiceCount)
        return Fault{path, QStringLiteral("the list has no such item")};
    if (item == ServoAssign::shownItem(current))
        return std::nullopt;
    m.chooseRowItem(row, column, item);
    changed = true;
    return std::nullopt;
}

std::optional<Fault> applyServoRows(ServoModel &m, const QJsonValue &value, bool &changed)
{
    const bool four = isFourServos(m);
    return eachElement(value, QStringLiteral("servo.addresses"), [&](int row, const QJsonValue &element, const QString &path) -> std::optional<Fault> {
        if (row >= (four ? ServoAssign::RowCount : 4))
            return Fault{path, NoSuchSetting};
        const QJsonObject object = element.toObject();
        if (!four && (object.contains(QStringLiteral("servo")) || object.contains(QStringLiteral("relay"))))
            return Fault{pathOf(path, object.contains(QStringLiteral("servo")) ? QStringLiteral("servo") : QStringLiteral("relay")),
                         NoSuchSetting};
        const ServoAssign::RowItems items = m.row(row);
        using C = ServoAssign::Column;
        for (const auto &[key, column, current] : {std::tuple{QStringLiteral("servo"), C::Servo, items.servo},
                                                   std::tuple{QStringLiteral("action"), C::Action, items.action},
                                                   std::tuple{QStringLiteral("curve"), C::Curve, items.curve},
                                                   std::tuple{QStringLiteral("relay"), C::Relay, items.relay}}) {
            if (auto fault = applyRowItem(m, row, column, current, object.value(key), pathOf(path, key), changed))
                return fault;
        }
        return std::nullopt;
    });
}

std::optional<Fault> applyServoGroups(ServoModel &m, const QJsonValue &value, bool &changed)
{
    const bool four = isFourServos(m);
    return eachElement(value, QStringLiteral("servo.servos"), [&](int n, const QJsonValue &element, const QString &path) -> std::optional<Fault> {
        if (n >= (four ? ServoAssign::ServoCount : 1))
            return Fault{path, NoSuchSetting};
        const QJsonObject object = element.toObject();
        using O = ServoAssign::Option;
        for (const auto &[key, option] : {std::pair{QStringLiteral("voltageOff"), O::VoltageOff},
                                          std::pair{QStringLiteral("pulsesOff"), O::PulsesOff},
                                          std::pair{QStringLiteral("noInterrupt"), O::NoInterrupt},
                                          std::pair{QStringLiteral("noRepeat"), O::NoRepeat}}) {
            const QJsonValue wanted = object.value(key);
            if (!wanted.isBool() || wanted.toBool() == m.hasOption(n, option))
                continue;
            std::array<bool, ServoAssign::ServoCount> boxes{};
            for (int k = 0; k < ServoAssign::ServoCount; ++k)
                boxes[static_cast<std::size_t>(k)] = k == n ? wanted.toBool() : m.hasOption(k, option);
            m.setOption(option, boxes);
            changed = true;
        }
        const PulseTimes::Values pulses = m.snapshot().pulses;
        const auto at = static_cast<std::size_t>(n);
        const QJsonValue offset = object.value(QStringLiteral("offset"));
        const QJsonValue span = object.value(QStringLiteral("span"));
        const int wantedOffset = offset.isDouble() ? intOf(offset) : pulses.offset[at];
        const int wantedSpan = span.isDouble() ? intOf(span) : pulses.span[at];
        if (wantedOffset == pulses.offset[at] && wantedSpan == pulses.span[at])
            return std::nullopt;
        if (auto refused = m.setPulse(n, wantedOffset, wantedSpan))
            return Fault{pathOf(path, wantedOffset != pulses.offset[at] ? QStringLiteral("offset") : QStringLiteral("span")), *refused};
        changed = true;
        return std::nullopt;
    });
}

std::optional<Fault> applyCurvePoints(ServoModel &m, const QJsonObject &curve, const QString &path, bool &changed)
{
    const bool four = isFourServos(m);
    const QJsonValue relays = curve.value(QStringLiteral("relays"));
    if (!four && !relays.isUndefined())
        return Fault{pathOf(path, QStringLiteral("relays")), NoSuchSetting};
    for (const QString &key : {QStringLiteral("points"), QStringLiteral("relays")}) {
        if (auto fault = eachElement(curve.value(key), pathOf(path, key), [&](int i, const QJsonValue &value, const QString &at) -> std::optional<Fault> {
                const int point = m.selectedRecord()[static_cast<std::size_t>(i)];
                const bool isPoint = key == QStringLiteral("points");
                // A point beyond the curve's count may stay as it is stored.
                if (isPoint ? intOf(value) == CurveRecords::position(point) : value.toBool() == CurveRecords::relayOn(point))
                    return std::nullopt;
                if (i >= m.pointCount())
                    return Fault{at, QStringLiteral("the curve has %1 points").arg(m.pointCount())};
                if (isPoint) {
                    m.drawPoint(i, intOf(value));
                    changed = true;
                } else {
                    m.setRelay(i, value.toBool());
                    changed = true;
                }
                return std::nullopt;
            }))
            return fault;
    }
    return std::nullopt;
}

std::optional<Fault> applyCurves(ServoModel &m, const QJsonValue &value, bool &changed)
{
    return eachElement(value, QStringLiteral("servo.curves"), [&](int c, const QJsonValue &element, const QString &path) -> std::optional<Fault> {
        m.selectCurve(c);
        const QJsonObject curve = element.toObject();
        for (const QString &key : {QStringLiteral("count"), QStringLiteral("stretch")}) {
            const QJsonValue wanted = curve.value(key);
            const bool isCount = key == QStringLiteral("count");
            if (!wanted.isDouble() || intOf(wanted) == (isCount ? m.count() : m.stretch()))
                continue;
            const QString text = QString::number(intOf(wanted));
            if (auto fault = typed(isCount ? m.typeCount(text) : m.typeStretch(text), pathOf(path, key), intOf(wanted)))
                return fault;
            changed = true;
        }
        const QJsonValue keyAction = curve.value(QStringLiteral("keyAction"));
        if (keyAction.isDouble() && intOf(keyAction) != m.keyActionItem(c)) {
            const auto items = CurveEditorRules::keyActionItems(m.variant())[static_cast<std::size_t>(c)];
            if (intOf(keyAction) >= items.size())
                return Fault{pathOf(path, QStringLiteral("keyAction")),
                             QStringLiteral("the list has the items 0 to %1").arg(items.size() - 1)};
            m.chooseKeyAction(c, intOf(keyAction));
            changed = true;
        }
        return applyCurvePoints(m, curve, path, changed);
    });
}

std::optional<Fault> applyServo(Editors &editors, const QJsonObject &servo)
{
    ServoModel &m = *editors.servo;
    bool &changed = editors.servoChanged;
    const QJsonValue sw1 = servo.value(QStringLiteral("sw1"));
    if (sw1.isString()) {
        if (!isFourServos(m))
            return Fault{QStringLiteral("servo.sw1"), NoSuchSetting};
        const bool learn = sw1.toString() == QStringLiteral("Lernen + Justage");
        if (learn != m.sw1LearnsAndAdjusts())
            m.chooseSw1(learn);
    }
    if (auto fault = applyServoRows(m, servo.value(QStringLiteral("addresses")), changed))
        return fault;
    if (auto fault = applyServoGroups(m, servo.value(QStringLiteral("servos")), changed))
        return fault;
    return applyCurves(m, servo.value(QStringLiteral("curves")), changed);
}

QString typeName(int typeCode)
{
    const DecoderType *type = findDecoderType(typeCode);
    return type ? QStringLiteral("%1 (%2)").arg(typeCode).arg(type->label) : QString::number(typeCode);
}

std::optional<Fault> checkDecoder(const DecoderSession &session, const QJsonObject &document)
{
    const QJsonValue code = document.value(QStringLiteral("decoder")).toObject().value(QStringLiteral("typeCode"));
    if (!code.isDouble())
        return Fault{QStringLiteral("decoder.typeCode"), QStringLiteral("missing: the document must name its decoder type")};
    if (intOf(code) != session.typeCode())
        return Fault{QStringLiteral("decoder.typeCode"), QStringLiteral("a document for decoder type %1 cannot go into a file of type %2")
                                                             .arg(typeName(intOf(code)), typeName(session.typeCode()))};
    return std::nullopt;
}

// A section of the document for an editor the type does not have.
std::optional<Fault> sectionFault(const QJsonObject &document, const QString &key, bool present)
{
    const QJsonValue value = document.value(key);
    if (present || value.isUndefined() || value.isNull())
        return std::nullopt;
    return Fault{key, QStringLiteral("this decoder type has no such editor")};
}

std::optional<Fault> applySections(DecoderSession &session, Editors &editors, const QJsonObject &document)
{
    for (const auto &[key, present] : {std::pair{QStringLiteral("modes"), editors.modes.has_value()},
                                       std::pair{QStringLiteral("cvs"), editors.cvs.has_value()},
                                       std::pair{QStringLiteral("blink"), editors.blink.has_value()},
                                       std::pair{QStringLiteral("servo"), editors.servo.has_value()}}) {
        if (auto fault = sectionFault(document, key, present))
            return fault;
    }
    if (editors.modes) {
        if (auto fault = applyModes(*editors.modes, document.value(QStringLiteral("modes")).toObject()))
            return fault;
    }
    if (editors.cvs) {
        if (auto fault = applyCvs(*editors.cvs, document.value(QStringLiteral("cvs"))))
            return fault;
    }
    if (editors.blink) {
        if (auto fault = applyBlink(editors, document.value(QStringLiteral("blink"))))
            return fault;
    }
    if (editors.servo) {
        if (auto fault = applyServo(editors, document.value(QStringLiteral("servo")).toObject()))
            return fault;
    }
    editors.applyChanged();
    return applySlots(session, document.value(QStringLiteral("slots")));
}

std::optional<Fault> buildLines(DecoderSession &session)
{
    if (auto fault = session.checkWritable())
        return Fault{QString(), *fault};
    if (session.buildHexLines() == 0)
        return Fault{QString(), DecoderSession::checksumProblemMessage()};
    return std::nullopt;
}

} // namespace

QJsonArray slotsJson(const DecoderSession &session)
{
    QJsonArray list;
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (!session.slotShown(s))
            continue;
        const SlotValues &values = session.slotValues[static_cast<std::size_t>(s)];
        QJsonObject slot{{QStringLiteral("slot"), s},
                         {QStringLiteral("label"), session.slotLabel(static_cast<std::size_t>(s))},
                         {QStringLiteral("address"), values.address}};
        if (session.isAccessory())
            slot[QStringLiteral("green")] = values.green;
        else
            slot[QStringLiteral("function")] = values.function;
        list.append(slot);
    }
    return list;
}

QString versionOf(const HexLoadResult &lines)
{
    const QString prefix = QStringLiteral("V ");
    return lines.versionPanel.startsWith(prefix) ? lines.versionPanel.mid(prefix.size()) : lines.versionPanel;
}

QJsonObject exportSettings(DecoderSession &session, const Source &source)
{
    Editors editors(session);
    QJsonObject document{
        {QStringLiteral("formatVersion"), FormatVersion},
        {QStringLiteral("source"),
         QJsonObject{{QStringLiteral("file"), source.fileName},
                     {QStringLiteral("sha256"), QString::fromLatin1(QCryptographicHash::hash(source.content, QCryptographicHash::Sha256).toHex())}}},
        {QStringLiteral("decoder"), QJsonObject{{QStringLiteral("typeCode"), session.typeCode()},
                                                {QStringLiteral("label"), session.type() ? session.type()->label : QString()},
                                                {QStringLiteral("version"), source.version},
                                                {QStringLiteral("protocol"), protocolPanelText(session.protocol())}}},
        {QStringLiteral("slots"), slotsJson(session)}};
    if (editors.modes)
        document[QStringLiteral("modes")] = modesOf(*editors.modes);
    if (editors.cvs)
        document[QStringLiteral("cvs")] = cvsOf(*editors.cvs);
    if (editors.blink)
        document[QStringLiteral("blink")] = blinkOf(*editors.blink);
    if (editors.servo)
        document[QStringLiteral("servo")] = servoOf(*editors.servo);
    return document;
}

QByteArray documentText(const QJsonObject &document)
{
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

std::optional<Fault> applySettings(DecoderSession &session, const QJsonObject &document)
{
    if (auto fault = checkDocument(document))
        return fault;
    if (auto fault = checkDecoder(session, document))
        return fault;
    DecoderSession changed = session;
    {
        Editors editors(changed);
        if (auto fault = applySections(changed, editors, document))
            return fault;
    }
    if (auto fault = buildLines(changed))
        return fault;
    session = changed;
    return std::nullopt;
}

QStringList loadCorrections(const DecoderSession &session)
{
    DecoderSession loaded = session;
    {
        const Editors editors(loaded);
    }
    QStringList lines;
    const auto compare = [&lines](const auto &before, const auto &after, const QString &area, int digits) {
        for (std::size_t k = 0; k < before.size(); ++k) {
            if (before[k] != after[k])
                lines << QStringLiteral("%1 %2: %3 -> %4")
                             .arg(area, QStringLiteral("%1").arg(k, digits, 16, QLatin1Char('0')).toUpper(), before[k], after[k]);
        }
    };
    compare(session.image.rom, loaded.image.rom, QStringLiteral("ROM-Byte"), 3);
    compare(session.image.eeprom, loaded.image.eeprom, QStringLiteral("EEPROM-Byte"), 2);
    return lines;
}

std::optional<Fault> prepareSave(DecoderSession &session)
{
    {
        Editors editors(session);
    }
    if (auto fault = session.writeSlots())
        return Fault{QStringLiteral("slots"), fault->message};
    return buildLines(session);
}

} // namespace Settings
