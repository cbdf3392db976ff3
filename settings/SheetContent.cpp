#include "settings/SheetContent.h"

#include "frames/Frame_blinkmuster/BlinkPatterns.h"
#include "frames/Frame_tamb/CurveEditorRules.h"
#include "frames/Frame_tamb_adr/PulseTimes.h"
#include "frames/Frame_zusatz/ZusatzRules.h"
#include "settings/SettingsSchema.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

namespace Sheet {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Sheet", text);
}

QString valueText(const QJsonValue &value)
{
    if (value.isBool())
        return Settings::onOffText(value.toBool());
    if (value.isDouble())
        return QString::number(value.toInteger());
    return Settings::choiceText(value.toString());
}

// The settings' names and choices come in the window's language from the
// document's shape.
QString nameOf(const Settings::Node &node, int typeCode, int index, const QString &key)
{
    return node.name ? node.name(typeCode, index) : key;
}

// The mode as the editor's choice names it.
QString modeText(int typeCode, const QJsonValue &value)
{
    const Zusatz::Layout *layout = Zusatz::layoutFor(typeCode);
    const int radio = static_cast<int>(value.toInteger()) - 1;
    if (layout && radio >= 0 && radio < layout->mode.radioCaptions.size())
        return layout->mode.radioCaptions[radio];
    return valueText(value);
}

// The settings of one section of the document, one row each, named and in
// the order of the document's shape; arrays give one row per element.
std::vector<Row> namedRows(const Settings::Node &shape, const QJsonObject &values, int typeCode)
{
    std::vector<Row> rows;
    for (const Settings::Field &field : shape.fields) {
        const QJsonValue value = values.value(field.key);
        if (value.isUndefined() || value.isNull())
            continue;
        if (field.node->kind == Settings::Kind::Array) {
            const QJsonArray elements = value.toArray();
            for (qsizetype i = 0; i < elements.size(); ++i) {
                if (!elements[i].isNull())
                    rows.push_back({nameOf(*field.node->element, typeCode, static_cast<int>(i), field.key), valueText(elements[i])});
            }
            continue;
        }
        const QString text = field.key == QStringLiteral("mode") ? modeText(typeCode, value) : valueText(value);
        rows.push_back({nameOf(*field.node, typeCode, -1, field.key), text});
    }
    return rows;
}

std::vector<Row> cvRows(const Settings::Node &shape, const QJsonArray &values, int typeCode)
{
    std::vector<Row> rows;
    for (qsizetype k = 0; k < values.size(); ++k) {
        if (!values[k].isNull())
            rows.push_back({nameOf(*shape.element, typeCode, static_cast<int>(k), QString()), valueText(values[k])});
    }
    return rows;
}

Table slotTableOf(const QJsonArray &slotList, bool accessory)
{
    Table table;
    table.columns = {tr("Bezeichnung"), tr("Adresse"), accessory ? tr("Ausgang") : tr("Funktion")};
    for (const QJsonValue &value : slotList) {
        const QJsonObject slot = value.toObject();
        const QString output = accessory ? (slot.value(QStringLiteral("green")).toBool() ? tr("grün") : tr("rot"))
                                         : QString::number(slot.value(QStringLiteral("function")).toInteger());
        // The slot's label as the window's grid shows it.
        const QByteArray label = slot.value(QStringLiteral("label")).toString().toUtf8();
        table.rows.push_back({QCoreApplication::translate("DecoderTypes", label.constData()),
                              QString::number(slot.value(QStringLiteral("address")).toInteger()), output});
    }
    return table;
}

int intOf(const QJsonObject &object, const QString &key)
{
    return static_cast<int>(object.value(key).toInteger());
}

PatternDiagram patternOf(const QJsonObject &block, int index)
{
    PatternDiagram diagram;
    const int count = intOf(block, QStringLiteral("count"));
    const int stretch = intOf(block, QStringLiteral("stretch"));
    const QJsonArray steps = block.value(QStringLiteral("steps")).toArray();
    const QJsonArray used = block.value(QStringLiteral("outputs")).toArray();
    diagram.title = tr("Blinkmuster Adresse %1").arg(index + 1);
    diagram.settings = tr("Anzahl %1, Stretch %2, Loop %3").arg(count).arg(stretch).arg(Settings::onOffText(block.value(QStringLiteral("loop")).toBool()));
    diagram.stepTime = stepTimeText(stretch);
    diagram.totalTime = totalTimeText(stretch, count);
    diagram.stepMs = stretch * 20;
    diagram.steps = static_cast<int>(std::min<qsizetype>(std::max(count, 0), steps.size()));
    for (qsizetype output = 0; output < used.size(); ++output) {
        diagram.outputNames.push_back(tr("Ausgang %1").arg(output + 1));
        diagram.outputUsed.push_back(used[output].toBool());
        std::vector<bool> on;
        for (int step = 0; step < diagram.steps; ++step) {
            const QString bits = steps[step].toString();
            on.push_back(output < bits.size() && bits[output] == QLatin1Char('1'));
        }
        diagram.on.push_back(on);
    }
    return diagram;
}

CurvePlot curveOf(const QJsonObject &curve, int index, ServoVariant variant)
{
    CurvePlot plot;
    const int count = intOf(curve, QStringLiteral("count"));
    const int stretch = intOf(curve, QStringLiteral("stretch"));
    const int keyAction = intOf(curve, QStringLiteral("keyAction"));
    const auto at = static_cast<std::size_t>(index);
    const QStringList actions = CurveEditorRules::keyActionItems(variant)[at];
    plot.title = tr("Kurve %1").arg(index + 1);
    plot.settings = tr("Anzahl Punkte %1, Stretch %2, %3: %4")
                        .arg(count)
                        .arg(stretch)
                        .arg(CurveEditorRules::keyEventTitles(variant)[at], actions.value(keyAction, QString::number(keyAction)));
    plot.stepTime = CurveEditorRules::stepTimeText(stretch);
    plot.curveTime = CurveEditorRules::curveTimeText(count, stretch);
    plot.stepMs = stretch * 20;
    const QJsonArray points = curve.value(QStringLiteral("points")).toArray();
    const QJsonArray relays = curve.value(QStringLiteral("relays")).toArray();
    for (const QJsonValue &point : points)
        plot.positions.push_back(static_cast<int>(point.toInteger()));
    for (const QJsonValue &relay : relays)
        plot.relays.push_back(relay.toBool());
    return plot;
}

// "Servo 2, Start, Kurve 1, Relais 3": the lists of an address row that have an item.
QString addressRowText(const Settings::Node &shape, const QJsonObject &row, int typeCode)
{
    QStringList parts;
    for (const Settings::Field &field : shape.fields) {
        const QJsonValue value = row.value(field.key);
        if (value.isUndefined() || value.isNull())
            continue;
        parts << (value.isString() ? Settings::choiceText(value.toString()) : nameOf(*field.node, typeCode, -1, field.key) + QLatin1Char(' ') + valueText(value));
    }
    return parts.isEmpty() ? tr("keine Zuordnung") : parts.join(QStringLiteral(", "));
}

QStringList pulseTexts(const QJsonObject &servo, const QLocale &locale)
{
    const int offset = intOf(servo, QStringLiteral("offset"));
    const int span = intOf(servo, QStringLiteral("span"));
    return {tr("Impuls Min %1 ms").arg(PulseTimes::timeText(PulseTimes::minMs(offset), locale)),
            tr("Impuls Max %1 ms").arg(PulseTimes::timeText(PulseTimes::maxMs(offset, span), locale))};
}

// The pulse times of a servo and the options it has switched on.
QString servoText(const Settings::Node &shape, const QJsonObject &servo, const QLocale &locale)
{
    QStringList parts = pulseTexts(servo, locale);
    for (const Settings::Field &field : shape.fields) {
        if (field.node->kind == Settings::Kind::Boolean && servo.value(field.key).toBool())
            parts << nameOf(*field.node, 0, -1, field.key);
    }
    return parts.join(QStringLiteral(", "));
}

std::vector<Section> servoSections(const Settings::Node &shape, const QJsonObject &servo, int typeCode, const QLocale &locale)
{
    Section addresses{tr("Adressen der Servos"), {}};
    if (servo.contains(QStringLiteral("sw1")))
        addresses.rows.push_back({nameOf(*shape.child(QStringLiteral("sw1")), typeCode, -1, QString()), valueText(servo.value(QStringLiteral("sw1")))});
    const Settings::Node &row = *shape.child(QStringLiteral("addresses"))->element;
    const QJsonArray rows = servo.value(QStringLiteral("addresses")).toArray();
    for (qsizetype r = 0; r < rows.size(); ++r)
        addresses.rows.push_back({nameOf(row, typeCode, static_cast<int>(r), QString()), addressRowText(row, rows[r].toObject(), typeCode)});
    Section servos{tr("Impulszeiten und Optionen"), {}};
    const Settings::Node &one = *shape.child(QStringLiteral("servos"))->element;
    const QJsonArray list = servo.value(QStringLiteral("servos")).toArray();
    for (qsizetype n = 0; n < list.size(); ++n)
        servos.rows.push_back({tr("Servo %1").arg(n + 1), servoText(one, list[n].toObject(), locale)});
    return {addresses, servos};
}

// "Servo 1: Impuls Min 1,000 ms, Impuls Max 2,016 ms; Servo 3: …" for the
// servos that address rows move along the curve; a decoder with one servo
// moves it along every curve.
QString curvePulseTimes(const QJsonObject &servo, int curve, const QLocale &locale)
{
    const QJsonArray servos = servo.value(QStringLiteral("servos")).toArray();
    std::vector<bool> moved(static_cast<std::size_t>(servos.size()), servos.size() == 1);
    for (const QJsonValue &row : servo.value(QStringLiteral("addresses")).toArray()) {
        const QJsonObject items = row.toObject();
        const int n = intOf(items, QStringLiteral("servo")) - 1;
        if (intOf(items, QStringLiteral("curve")) == curve + 1 && n >= 0 && n < servos.size())
            moved[static_cast<std::size_t>(n)] = true;
    }
    QStringList parts;
    for (qsizetype n = 0; n < servos.size(); ++n) {
        if (moved[static_cast<std::size_t>(n)])
            parts << tr("Servo %1").arg(n + 1) + QStringLiteral(": ") + pulseTexts(servos[n].toObject(), locale).join(QStringLiteral(", "));
    }
    return parts.join(QStringLiteral("; "));
}

void addSettings(Content &content, const QJsonObject &document, int typeCode, const QLocale &locale)
{
    const Settings::Node &shape = Settings::documentShape();
    if (document.contains(QStringLiteral("modes")))
        content.settings.push_back({tr("Betriebsarten"), namedRows(*shape.child(QStringLiteral("modes")),
                                                                   document.value(QStringLiteral("modes")).toObject(), typeCode)});
    if (document.contains(QStringLiteral("cvs")))
        content.settings.push_back({tr("CVs"), cvRows(*shape.child(QStringLiteral("cvs")), document.value(QStringLiteral("cvs")).toArray(), typeCode)});
    const QJsonArray blink = document.value(QStringLiteral("blink")).toArray();
    for (qsizetype block = 0; block < blink.size(); ++block)
        content.patterns.push_back(patternOf(blink[block].toObject(), static_cast<int>(block)));
    if (document.contains(QStringLiteral("servo"))) {
        const QJsonObject servo = document.value(QStringLiteral("servo")).toObject();
        for (Section &section : servoSections(*shape.child(QStringLiteral("servo")), servo, typeCode, locale))
            content.settings.push_back(std::move(section));
        const QJsonArray curves = servo.value(QStringLiteral("curves")).toArray();
        for (qsizetype c = 0; c < curves.size(); ++c) {
            content.curves.push_back(curveOf(curves[c].toObject(), static_cast<int>(c), servoVariant(typeCode)));
            content.curves.back().pulseTimes = curvePulseTimes(servo, static_cast<int>(c), locale);
        }
    }
}

} // namespace

Content gather(Input input)
{
    const QJsonObject document = Settings::exportSettings(input.session, input.source);
    const QJsonObject source = document.value(QStringLiteral("source")).toObject();
    const QJsonObject decoder = document.value(QStringLiteral("decoder")).toObject();
    const int typeCode = input.session.typeCode();
    Content content;
    content.title = tr("Datenblatt");
    if (input.unsaved)
        content.unsavedNote = tr("Ungespeicherte Änderungen: dieses Blatt zeigt, was das Fenster zeigt, nicht die Datei.");
    content.file = {{tr("Datei"), source.value(QStringLiteral("file")).toString()},
                    {tr("SHA-256"), source.value(QStringLiteral("sha256")).toString()},
                    {tr("Datum"), input.locale.toString(input.printed, QLocale::LongFormat)}};
    const QString version = decoder.value(QStringLiteral("version")).toString();
    content.decoder = {{tr("Typ"), QString::number(typeCode)},
                       {tr("Bezeichnung"), decoder.value(QStringLiteral("label")).toString()},
                       {tr("Version"), version.isEmpty() ? tr("keine") : version},
                       {tr("Protokoll"), decoder.value(QStringLiteral("protocol")).toString()}};
    content.slotTitle = tr("Adressen");
    content.slotTable = slotTableOf(document.value(QStringLiteral("slots")).toArray(), input.session.isAccessory());
    addSettings(content, document, typeCode, input.locale);
    content.patternTitle = tr("Blinkmuster");
    content.curveTitle = tr("Servo-Kurven");
    content.msUnit = tr("ms");
    content.positionAxis = tr("Position");
    content.relayName = tr("Relais");
    content.unusedOutput = tr("nicht benutzt");
    return content;
}

} // namespace Sheet
