// The section "servo": the servo addresses of Frame_tamb_adr and the pulses
// and curves of Frame_tamb, for the four-servo and the one-servo decoders.
#include "frames/Frame_tamb/CurveEditorRules.h"

#include "frames/Frame_tamb/ServoModel.h"
#include "frames/Frame_tamb_adr/ServoAssignments.h"
#include "settings/Sections.h"

#include <QCoreApplication>

namespace Settings {

namespace {

// The texts of the address rows' actions and of SW1's function are the
// document's values, the same in every language; a change list shows them in
// the reader's language (choiceText()).
const QStringList &actionNames()
{
    static const QStringList names{QString::fromUtf8(QT_TRANSLATE_NOOP("SettingNames", "Start")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("SettingNames", "Start Loop")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("SettingNames", "Abbruch")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("SettingNames", "Beenden"))};
    return names;
}

const QString ServoControl = QString::fromUtf8(QT_TRANSLATE_NOOP("SettingNames", "Servo-Bedienung"));
const QString LearnAndAdjust = QString::fromUtf8(QT_TRANSLATE_NOOP("SettingNames", "Lernen + Justage"));

// An address row as a comparison names it: the row's label without its colon.
QString rowLabel(int typeCode, int row)
{
    const ServoAssign::TypeLayout layout = ServoAssign::typeLayout(typeCode);
    QString label = row >= 0 && row < 4 && !layout.rowLabels[static_cast<std::size_t>(row)].isEmpty()
                        ? layout.rowLabels[static_cast<std::size_t>(row)]
                        : ServoAssign::designRowLabel(row);
    return label.endsWith(QLatin1Char(':')) ? label.chopped(1) : label;
}

NodePtr buildShape()
{
    auto action = std::make_shared<Node>(*text(fixed(QT_TRANSLATE_NOOP("SettingNames", "Aktion")), actionNames()));
    action->nullable = true;
    NodePtr address = object({{QStringLiteral("servo"), integer(1, 4, fixed(QT_TRANSLATE_NOOP("SettingNames", "Servo")), true)},
                              {QStringLiteral("action"), action},
                              {QStringLiteral("curve"), integer(1, 4, fixed(QT_TRANSLATE_NOOP("SettingNames", "Kurve")), true)},
                              {QStringLiteral("relay"), integer(1, 4, fixed(QT_TRANSLATE_NOOP("SettingNames", "Relais")), true)}},
                             rowLabel);
    NodePtr servo = object({{QStringLiteral("voltageOff"), boolean(fixed(QT_TRANSLATE_NOOP("SettingNames", "Spannung aus")))},
                            {QStringLiteral("pulsesOff"), boolean(fixed(QT_TRANSLATE_NOOP("SettingNames", "Impulse aus")))},
                            {QStringLiteral("noInterrupt"), boolean(fixed(QT_TRANSLATE_NOOP("SettingNames", "keine Unterbrechung")))},
                            {QStringLiteral("noRepeat"), boolean(fixed(QT_TRANSLATE_NOOP("SettingNames", "keine Wiederholung")))},
                            {QStringLiteral("offset"), integer(0, 255, fixed(QT_TRANSLATE_NOOP("SettingNames", "Impuls Min (Offset)")))},
                            {QStringLiteral("span"), integer(0, 255, fixed(QT_TRANSLATE_NOOP("SettingNames", "Impuls Max (Span)")))}},
                           counted(QT_TRANSLATE_NOOP("SettingNames", "Servo %1")));
    NodePtr curve = object({{QStringLiteral("count"), editedInteger(fixed(QT_TRANSLATE_NOOP("SettingNames", "Anzahl Punkte")))},
                            {QStringLiteral("stretch"), editedInteger(fixed(QT_TRANSLATE_NOOP("SettingNames", "Stretch")))},
                            {QStringLiteral("keyAction"), integer(0, 8, fixed(QT_TRANSLATE_NOOP("SettingNames", "Tasten-Aktion")))},
                            {QStringLiteral("points"), array(integer(0, 127, counted(QT_TRANSLATE_NOOP("SettingNames", "Punkt %1")), true), 100)},
                            {QStringLiteral("relays"), array(boolean(counted(QT_TRANSLATE_NOOP("SettingNames", "Relais %1")), true), 100)}},
                           counted(QT_TRANSLATE_NOOP("SettingNames", "Kurve %1")));
    return object({{QStringLiteral("sw1"), text(fixed(QT_TRANSLATE_NOOP("SettingNames", "SW1")),
                                                {ServoControl, LearnAndAdjust})},
                   {QStringLiteral("addresses"), array(address, ServoAssign::RowCount)},
                   {QStringLiteral("servos"), array(servo, ServoAssign::ServoCount)},
                   {QStringLiteral("curves"), array(curve, 4)}});
}

NodePtr shape()
{
    static const NodePtr built = buildShape();
    return built;
}

bool isFourServos(const ServoModel &m)
{
    return m.variant() == ServoVariant::FourServos;
}

// ------------------------------------------------ export

// A list item as the document names it: 1-based, null for no selection.
QJsonValue itemValue(int item)
{
    const int shown = ServoAssign::shownItem(item);
    return shown < 0 ? QJsonValue() : QJsonValue(shown + 1);
}

QJsonArray rowsOf(const ServoModel &m)
{
    const bool four = isFourServos(m);
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
    return rows;
}

QJsonArray servosOf(const ServoModel &m)
{
    const ServoWorkingCopy copy = m.snapshot();
    QJsonArray servos;
    for (int n = 0; n < (isFourServos(m) ? ServoAssign::ServoCount : 1); ++n) {
        const auto at = static_cast<std::size_t>(n);
        servos.append(QJsonObject{{QStringLiteral("voltageOff"), m.hasOption(n, ServoAssign::Option::VoltageOff)},
                                  {QStringLiteral("pulsesOff"), m.hasOption(n, ServoAssign::Option::PulsesOff)},
                                  {QStringLiteral("noInterrupt"), m.hasOption(n, ServoAssign::Option::NoInterrupt)},
                                  {QStringLiteral("noRepeat"), m.hasOption(n, ServoAssign::Option::NoRepeat)},
                                  {QStringLiteral("offset"), copy.pulses.offset[at]},
                                  {QStringLiteral("span"), copy.pulses.span[at]}});
    }
    return servos;
}

QJsonArray curvesOf(ServoModel &m)
{
    QJsonArray curves;
    const int selected = m.selectedCurve();
    for (int c = 0; c < CurveRecords::Count; ++c) {
        m.selectCurve(c);
        const CurveRecords::Record &record = m.selectedRecord();
        QJsonObject curve{{QStringLiteral("count"), m.count()},
                          {QStringLiteral("stretch"), m.stretch()},
                          {QStringLiteral("keyAction"), m.keyActionItem(c)},
                          {QStringLiteral("points"), arrayOf(m.pointCount(), [&](int i) {
                               return QJsonValue(CurveRecords::position(record[static_cast<std::size_t>(i)]));
                           })}};
        if (isFourServos(m))
            curve[QStringLiteral("relays")] = arrayOf(m.pointCount(), [&](int i) {
                return QJsonValue(CurveRecords::relayOn(record[static_cast<std::size_t>(i)]));
            });
        curves.append(curve);
    }
    m.selectCurve(selected);
    return curves;
}

QJsonObject servoOf(ServoModel &m)
{
    QJsonObject servo;
    if (isFourServos(m))
        servo[QStringLiteral("sw1")] = m.sw1LearnsAndAdjusts() ? LearnAndAdjust : ServoControl;
    servo[QStringLiteral("addresses")] = rowsOf(m);
    servo[QStringLiteral("servos")] = servosOf(m);
    servo[QStringLiteral("curves")] = curvesOf(m);
    return servo;
}

// ------------------------------------------------ apply

// One list of an address row: the 1-based item the document names.
std::optional<Fault> applyRowItem(ServoModel &m, int row, ServoAssign::Column column, int current,
                                  const QJsonValue &value, const QString &path, bool &changed)
{
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    const int item = value.isString() ? static_cast<int>(actionNames().indexOf(value.toString())) : intOf(value) - 1;
    if (item < 0 || item >= ServoAssign::ChoiceCount)
        return Fault{path, QCoreApplication::translate("SettingsDocument", "die Liste hat keinen solchen Eintrag")};
    if (item == ServoAssign::shownItem(current))
        return std::nullopt;
    m.chooseRowItem(row, column, item);
    changed = true;
    return std::nullopt;
}

std::optional<Fault> applyRows(ServoModel &m, const QJsonValue &value, bool &changed)
{
    const bool four = isFourServos(m);
    return eachElement(value, QStringLiteral("servo.addresses"), [&](int row, const QJsonValue &element, const QString &path) -> std::optional<Fault> {
        if (row >= (four ? ServoAssign::RowCount : 4))
            return Fault{path, noSuchSetting()};
        const QJsonObject object = element.toObject();
        if (!four && (object.contains(QStringLiteral("servo")) || object.contains(QStringLiteral("relay"))))
            return Fault{pathOf(path, object.contains(QStringLiteral("servo")) ? QStringLiteral("servo") : QStringLiteral("relay")),
                         noSuchSetting()};
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

void applyOptions(ServoModel &m, int n, const QJsonObject &object, bool &changed)
{
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
}

std::optional<Fault> applyPulses(ServoModel &m, int n, const QJsonObject &object, const QString &path, bool &changed)
{
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
}

std::optional<Fault> applyServos(ServoModel &m, const QJsonValue &value, bool &changed)
{
    const bool four = isFourServos(m);
    return eachElement(value, QStringLiteral("servo.servos"), [&](int n, const QJsonValue &element, const QString &path) -> std::optional<Fault> {
        if (n >= (four ? ServoAssign::ServoCount : 1))
            return Fault{path, noSuchSetting()};
        applyOptions(m, n, element.toObject(), changed);
        return applyPulses(m, n, element.toObject(), path, changed);
    });
}

std::optional<Fault> applyCurvePoints(ServoModel &m, const QJsonObject &curve, const QString &path, bool &changed)
{
    const QJsonValue relays = curve.value(QStringLiteral("relays"));
    if (!isFourServos(m) && !relays.isUndefined())
        return Fault{pathOf(path, QStringLiteral("relays")), noSuchSetting()};
    for (const QString &key : {QStringLiteral("points"), QStringLiteral("relays")}) {
        const bool isPoint = key == QStringLiteral("points");
        if (auto fault = eachElement(curve.value(key), pathOf(path, key), [&](int i, const QJsonValue &value, const QString &at) -> std::optional<Fault> {
                const int point = m.selectedRecord()[static_cast<std::size_t>(i)];
                // A point beyond the curve's count may stay as it is stored.
                if (isPoint ? intOf(value) == CurveRecords::position(point) : value.toBool() == CurveRecords::relayOn(point))
                    return std::nullopt;
                if (i >= m.pointCount())
                    return Fault{at, QCoreApplication::translate("SettingsDocument", "die Kurve hat %1 Punkte").arg(m.pointCount())};
                if (isPoint)
                    m.drawPoint(i, intOf(value));
                else
                    m.setRelay(i, value.toBool());
                changed = true;
                return std::nullopt;
            }))
            return fault;
    }
    return std::nullopt;
}

std::optional<Fault> applyCurve(ServoModel &m, int c, const QJsonObject &curve, const QString &path, bool &changed)
{
    m.selectCurve(c);
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
            return Fault{pathOf(path, QStringLiteral("keyAction")), QCoreApplication::translate("SettingsDocument", "die Liste hat die Einträge 0 bis %1").arg(items.size() - 1)};
        m.chooseKeyAction(c, intOf(keyAction));
        changed = true;
    }
    return applyCurvePoints(m, curve, path, changed);
}

// The editor holds a working copy: the image gets it only when a setting changed.
class ServoEditor : public LoadedEditor {
public:
    explicit ServoEditor(DecoderSession &session) : model_(session) { model_.load(); }

    QJsonValue exported() override { return servoOf(model_); }

    std::optional<Fault> apply(const QJsonValue &section) override
    {
        const QJsonObject servo = section.toObject();
        const QJsonValue sw1 = servo.value(QStringLiteral("sw1"));
        if (sw1.isString()) {
            if (!isFourServos(model_))
                return Fault{QStringLiteral("servo.sw1"), noSuchSetting()};
            const bool learn = sw1.toString() == LearnAndAdjust;
            if (learn != model_.sw1LearnsAndAdjusts())
                model_.chooseSw1(learn);
        }
        if (auto fault = applyRows(model_, servo.value(QStringLiteral("addresses")), changed_))
            return fault;
        if (auto fault = applyServos(model_, servo.value(QStringLiteral("servos")), changed_))
            return fault;
        return eachElement(servo.value(QStringLiteral("curves")), QStringLiteral("servo.curves"),
                           [&](int c, const QJsonValue &element, const QString &path) {
                               return applyCurve(model_, c, element.toObject(), path, changed_);
                           });
    }

    void writeChanges() override
    {
        if (changed_)
            model_.apply();
    }

private:
    ServoModel model_;
    bool changed_ = false;
};

std::unique_ptr<LoadedEditor> load(DecoderSession &session)
{
    return std::make_unique<ServoEditor>(session);
}

} // namespace

const EditorSection &servoSection()
{
    static const EditorSection section{QStringLiteral("servo"), shape, load};
    return section;
}

} // namespace Settings
