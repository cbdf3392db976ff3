#include "settings/SettingsSchema.h"

#include "frames/Frame_register/CvTable.h"
#include "frames/Frame_tamb_adr/ServoAssignments.h"
#include "frames/Frame_zusatz/ZusatzRules.h"
#include "image/SafeText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>

namespace Settings {

const Node *Node::child(const QString &key) const
{
    for (const Field &field : fields) {
        if (field.key == key)
            return field.node.get();
    }
    return nullptr;
}

QString pathOf(const QString &parent, const QString &key)
{
    return parent.isEmpty() ? key : parent + QLatin1Char('.') + key;
}

QString pathOf(const QString &parent, int index)
{
    return parent + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

namespace {

using NodePtr = std::shared_ptr<const Node>;

Namer fixed(const QString &name)
{
    return [name](int, int) { return name; };
}

// "Kurve %1" for element 0 is "Kurve 1".
Namer counted(const QString &pattern)
{
    return [pattern](int, int index) { return pattern.arg(index + 1); };
}

NodePtr integer(int min, int max, Namer name = {}, bool nullable = false)
{
    auto node = std::make_shared<Node>();
    node->kind = Kind::Integer;
    node->min = min;
    node->max = max;
    node->name = std::move(name);
    node->nullable = nullable;
    return node;
}

NodePtr boolean(Namer name = {}, bool nullable = false)
{
    auto node = std::make_shared<Node>();
    node->kind = Kind::Boolean;
    node->name = std::move(name);
    node->nullable = nullable;
    return node;
}

NodePtr text(Namer name = {}, QStringList choices = {}, bool compared = true)
{
    auto node = std::make_shared<Node>();
    node->kind = Kind::String;
    node->max = 1024;
    node->name = std::move(name);
    node->choices = std::move(choices);
    node->compared = compared;
    return node;
}

NodePtr object(std::vector<Field> fields, Namer name = {}, bool compared = true)
{
    auto node = std::make_shared<Node>();
    node->kind = Kind::Object;
    node->fields = std::move(fields);
    node->name = std::move(name);
    node->compared = compared;
    node->nullable = true;
    return node;
}

NodePtr array(NodePtr element, int max)
{
    auto node = std::make_shared<Node>();
    node->kind = Kind::Array;
    node->element = std::move(element);
    node->max = max;
    return node;
}

// The steps of a blink pattern: one character per output, '1' on, '0' off.
NodePtr stepText()
{
    auto node = std::make_shared<Node>();
    node->kind = Kind::String;
    node->min = 1;
    node->max = 10;
    node->characters = QStringLiteral("01");
    node->nullable = true;
    node->name = counted(QStringLiteral("Schritt %1"));
    return node;
}

QString valueCaption(int typeCode)
{
    const Zusatz::Layout *layout = Zusatz::layoutFor(typeCode);
    return layout && !layout->valueCaption.isEmpty() ? layout->valueCaption : QStringLiteral("Wert");
}

QString extraCaption(int typeCode, int k)
{
    const Zusatz::Layout *layout = Zusatz::layoutFor(typeCode);
    if (layout && k >= 0 && k < static_cast<int>(layout->extras.size()))
        return layout->extras[static_cast<std::size_t>(k)].caption;
    return QStringLiteral("Wert %1").arg(k + 1);
}

QString cvCaption(int typeCode, int k)
{
    const std::vector<Cv::Entry> &entries = Cv::entriesFor(typeCode);
    if (k >= 0 && k < static_cast<int>(entries.size()))
        return entries[static_cast<std::size_t>(k)].caption;
    return QStringLiteral("CV %1").arg(k + 1);
}

QString rowLabel(int typeCode, int row)
{
    const ServoAssign::TypeLayout layout = ServoAssign::typeLayout(typeCode);
    if (row >= 0 && row < 4 && !layout.rowLabels[static_cast<std::size_t>(row)].isEmpty()) {
        const QString label = layout.rowLabels[static_cast<std::size_t>(row)];
        return label.endsWith(QLatin1Char(':')) ? label.chopped(1) : label;
    }
    QString label = ServoAssign::designRowLabel(row);
    return label.endsWith(QLatin1Char(':')) ? label.chopped(1) : label;
}

NodePtr slotsShape()
{
    return array(object({{QStringLiteral("slot"), integer(0, 47)},
                         {QStringLiteral("label"), text()},
                         {QStringLiteral("address"), integer(0, 65535)},
                         {QStringLiteral("green"), boolean()},
                         {QStringLiteral("function"), integer(0, 255)}}),
                 48);
}

NodePtr modesShape()
{
    NodePtr neonBox = boolean([](int, int k) { return Zusatz::neonBoxes()[static_cast<std::size_t>(k)].caption; }, true);
    return object({
        {QStringLiteral("value"), integer(0, 255, [](int code, int) { return valueCaption(code); })},
        {QStringLiteral("switchOff"), boolean(fixed(QStringLiteral("Abschalten des Antriebes NUR nach TimeOut")))},
        {QStringLiteral("mode"), integer(1, Zusatz::ModeRadioCount, fixed(QStringLiteral("Mode Auswahl")))},
        {QStringLiteral("dummMode"), boolean(fixed(QStringLiteral("Dumm Mode")))},
        {QStringLiteral("modeLock"), boolean(fixed(QStringLiteral("Mode-Umschaltung SPERREN")))},
        {QStringLiteral("fading"), integer(0, Zusatz::FadingPositions - 1,
                                           fixed(QStringLiteral("Geschwindigkeit Überblendung (Fading)")))},
        {QStringLiteral("speed"), integer(0, 255, fixed(QStringLiteral("Geschwindigkeit")))},
        {QStringLiteral("outputs"), array(neonBox, Zusatz::NeonBoxCount)},
        {QStringLiteral("neonDark"), integer(0, 255, fixed(QStringLiteral("Leuchtstufe DUNKEL")))},
        {QStringLiteral("neonBright"), integer(0, 255, fixed(QStringLiteral("Leuchtstufe HELL")))},
        {QStringLiteral("minimumCount"), integer(0, 255, fixed(QStringLiteral("Mindestanzahl (1..9)")))},
        {QStringLiteral("extras"), array(integer(0, 255, extraCaption, true), Zusatz::ExtraFieldCount)},
    });
}

NodePtr blinkShape()
{
    return array(object({{QStringLiteral("count"), integer(0, 255, fixed(QStringLiteral("Anzahl")))},
                         {QStringLiteral("stretch"), integer(0, 255, fixed(QStringLiteral("Stretch")))},
                         {QStringLiteral("loop"), boolean(fixed(QStringLiteral("Loop")))},
                         {QStringLiteral("outputs"), array(boolean(counted(QStringLiteral("Ausgang %1 benutzt")), true), 10)},
                         {QStringLiteral("steps"), array(stepText(), 100)}},
                        counted(QStringLiteral("Blinkmuster Adresse %1"))),
                 4);
}

NodePtr servoShape()
{
    const QStringList actions{QStringLiteral("Start"), QStringLiteral("Start Loop"), QStringLiteral("Abbruch"),
                              QStringLiteral("Beenden")};
    auto action = std::make_shared<Node>(*text(fixed(QStringLiteral("Aktion")), actions));
    action->nullable = true;
    NodePtr address = object({{QStringLiteral("servo"), integer(1, 4, fixed(QStringLiteral("Servo")), true)},
                              {QStringLiteral("action"), action},
                              {QStringLiteral("curve"), integer(1, 4, fixed(QStringLiteral("Kurve")), true)},
                              {QStringLiteral("relay"), integer(1, 4, fixed(QStringLiteral("Relais")), true)}},
                             rowLabel);
    NodePtr servo = object({{QStringLiteral("voltageOff"), boolean(fixed(QStringLiteral("Spannung aus")))},
                            {QStringLiteral("pulsesOff"), boolean(fixed(QStringLiteral("Impulse aus")))},
                            {QStringLiteral("noInterrupt"), boolean(fixed(QStringLiteral("keine Unterbrechung")))},
                            {QStringLiteral("noRepeat"), boolean(fixed(QStringLiteral("keine Wiederholung")))},
                            {QStringLiteral("offset"), integer(0, 255, fixed(QStringLiteral("Impuls Min (Offset)")))},
                            {QStringLiteral("span"), integer(0, 255, fixed(QStringLiteral("Impuls Max (Span)")))}},
                           counted(QStringLiteral("Servo %1")));
    NodePtr curve = object({{QStringLiteral("count"), integer(0, 255, fixed(QStringLiteral("Anzahl Punkte")))},
                            {QStringLiteral("stretch"), integer(0, 255, fixed(QStringLiteral("Stretch")))},
                            {QStringLiteral("keyAction"), integer(0, 8, fixed(QStringLiteral("Tasten-Aktion")))},
                            {QStringLiteral("points"), array(integer(0, 127, counted(QStringLiteral("Punkt %1")), true), 100)},
                            {QStringLiteral("relays"), array(boolean(counted(QStringLiteral("Relais %1")), true), 100)}},
                           counted(QStringLiteral("Kurve %1")));
    return object({{QStringLiteral("sw1"), text(fixed(QStringLiteral("SW1")),
                                                {QStringLiteral("Servo-Bedienung"), QStringLiteral("Lernen + Justage")})},
                   {QStringLiteral("addresses"), array(address, ServoAssign::RowCount)},
                   {QStringLiteral("servos"), array(servo, ServoAssign::ServoCount)},
                   {QStringLiteral("curves"), array(curve, 4)}});
}

NodePtr buildDocumentShape()
{
    const bool notCompared = false;
    NodePtr version = integer(0, 0x7FFFFFFF);
    auto source = object({{QStringLiteral("file"), text()}, {QStringLiteral("sha256"), text()}}, {}, notCompared);
    auto decoder = object({{QStringLiteral("typeCode"), integer(0, 0x7FFFFFFF)},
                           {QStringLiteral("label"), text()},
                           {QStringLiteral("version"), text()},
                           {QStringLiteral("protocol"), text({}, {QStringLiteral("Mot"), QStringLiteral("DCC"),
                                                                  QStringLiteral("ohne")})}},
                          {}, notCompared);
    auto root = std::make_shared<Node>(*object({{QStringLiteral("formatVersion"), version},
                                                {QStringLiteral("source"), source},
                                                {QStringLiteral("decoder"), decoder},
                                                {QStringLiteral("slots"), slotsShape()},
                                                {QStringLiteral("modes"), modesShape()},
                                                {QStringLiteral("cvs"), array(integer(0, 255, cvCaption, true), Cv::PairCount)},
                                                {QStringLiteral("blink"), blinkShape()},
                                                {QStringLiteral("servo"), servoShape()}}));
    root->nullable = false;
    return root;
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Object: return QStringLiteral("an object");
    case Kind::Array: return QStringLiteral("an array");
    case Kind::Integer: return QStringLiteral("a whole number");
    case Kind::Boolean: return QStringLiteral("true or false");
    case Kind::String: return QStringLiteral("a text");
    }
    return {};
}

// A text of the document as a message quotes it: shortened, control
// characters escaped.
QString quoted(const QString &text)
{
    return escapedText(text.size() > 40 ? text.left(37) + QStringLiteral("...") : text);
}

// A value as a message quotes it, shortened.
QString shown(const QJsonValue &value)
{
    QString text;
    if (value.isString())
        text = QLatin1Char('"') + value.toString() + QLatin1Char('"');
    else if (value.isArray() || value.isObject())
        text = value.isArray() ? QStringLiteral("an array") : QStringLiteral("an object");
    else
        text = QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
    return quoted(text);
}

bool ofKind(const QJsonValue &value, Kind kind)
{
    switch (kind) {
    case Kind::Object: return value.isObject();
    case Kind::Array: return value.isArray();
    case Kind::Boolean: return value.isBool();
    case Kind::String: return value.isString();
    case Kind::Integer: {
        if (!value.isDouble())
            return false;
        // A whole number that a 64-bit integer holds; larger numbers (and a
        // cast of them) are no integer here.
        const double d = value.toDouble();
        return d >= -9223372036854775808.0 && d < 9223372036854775808.0 && d == std::trunc(d);
    }
    }
    return false;
}

std::optional<Fault> check(const Node &node, const QJsonValue &value, const QString &path);

std::optional<Fault> checkObject(const Node &node, const QJsonObject &object, const QString &path)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        const Node *child = node.child(it.key());
        if (!child)
            return Fault{pathOf(path, quoted(it.key())), QStringLiteral("unknown key")};
        if (auto fault = check(*child, it.value(), pathOf(path, it.key())))
            return fault;
    }
    return std::nullopt;
}

std::optional<Fault> checkText(const Node &node, const QString &text, const QString &path)
{
    if (!node.choices.isEmpty() && !node.choices.contains(text))
        return Fault{path, QStringLiteral("\"%1\" is none of \"%2\"").arg(quoted(text), node.choices.join(QStringLiteral("\", \"")))};
    if (text.size() < node.min)
        return Fault{path, QStringLiteral("empty text")};
    if (text.size() > node.max)
        return Fault{path, QStringLiteral("text longer than %1 characters").arg(node.max)};
    for (const QChar c : text) {
        if (!node.characters.isEmpty() && !node.characters.contains(c))
            return Fault{path, QStringLiteral("\"%1\" holds a character other than %2")
                                   .arg(quoted(text), node.characters.split(QString(), Qt::SkipEmptyParts).join(QStringLiteral(" or ")))};
    }
    return std::nullopt;
}

std::optional<Fault> check(const Node &node, const QJsonValue &value, const QString &path)
{
    if (value.isNull() && node.nullable)
        return std::nullopt;
    if (!ofKind(value, node.kind))
        return Fault{path, QStringLiteral("%1 is not %2").arg(shown(value), kindName(node.kind))};
    switch (node.kind) {
    case Kind::Object:
        return checkObject(node, value.toObject(), path);
    case Kind::Array: {
        const QJsonArray elements = value.toArray();
        if (elements.size() > node.max)
            return Fault{path, QStringLiteral("%1 elements, at most %2 are allowed").arg(elements.size()).arg(node.max)};
        for (qsizetype i = 0; i < elements.size(); ++i) {
            if (auto fault = check(*node.element, elements[i], pathOf(path, static_cast<int>(i))))
                return fault;
        }
        return std::nullopt;
    }
    case Kind::Integer: {
        const double number = value.toDouble();
        if (number < node.min)
            return Fault{path, QStringLiteral("%1 is less than %2").arg(shown(value)).arg(node.min)};
        if (number > node.max)
            return Fault{path, QStringLiteral("%1 is more than %2").arg(shown(value)).arg(node.max)};
        return std::nullopt;
    }
    case Kind::String:
        return checkText(node, value.toString(), path);
    case Kind::Boolean:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

const Node &documentShape()
{
    static const NodePtr shape = buildDocumentShape();
    return *shape;
}

std::optional<Fault> checkDocument(const QJsonObject &document)
{
    const QJsonValue version = document.value(QStringLiteral("formatVersion"));
    if (version.isUndefined())
        return Fault{QStringLiteral("formatVersion"), QStringLiteral("missing: this program reads format version %1").arg(FormatVersion)};
    if (!ofKind(version, Kind::Integer) || version.toInteger() != FormatVersion)
        return Fault{QStringLiteral("formatVersion"), QStringLiteral("%1 is not format version %2, the one this program reads")
                                                          .arg(shown(version))
                                                          .arg(FormatVersion)};
    return checkObject(documentShape(), document, QString());
}

ReadDocument readDocument(const QByteArray &text)
{
    ReadDocument read;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        read.fault = Fault{QString(), QStringLiteral("not JSON: %1 at offset %2").arg(error.errorString()).arg(error.offset)};
        return read;
    }
    if (!json.isObject()) {
        read.fault = Fault{QString(), QStringLiteral("not a settings document: the JSON is no object")};
        return read;
    }
    read.document = json.object();
    read.fault = checkDocument(read.document);
    return read;
}

} // namespace Settings
