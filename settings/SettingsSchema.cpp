#include "settings/SettingsSchema.h"

#include "image/SafeText.h"
#include "settings/DocumentScan.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>
#include <limits>

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

Namer fixed(const char *name)
{
    return [name](int, int) { return QCoreApplication::translate("SettingNames", name); };
}

Namer counted(const char *pattern)
{
    return [pattern](int, int index) { return QCoreApplication::translate("SettingNames", pattern).arg(index + 1); };
}

QString choiceText(const QString &value)
{
    return QCoreApplication::translate("SettingNames", value.toUtf8().constData());
}

QString onOffText(bool on)
{
    return on ? QCoreApplication::translate("SettingNames", "ein") : QCoreApplication::translate("SettingNames", "aus");
}

NodePtr integer(int min, int max, Namer name, bool nullable)
{
    auto node = std::make_shared<Node>();
    node->kind = Kind::Integer;
    node->min = min;
    node->max = max;
    node->name = std::move(name);
    node->nullable = nullable;
    return node;
}

NodePtr editedInteger(Namer name, bool nullable)
{
    return integer(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), std::move(name), nullable);
}

NodePtr boolean(Namer name, bool nullable)
{
    auto node = std::make_shared<Node>();
    node->kind = Kind::Boolean;
    node->name = std::move(name);
    node->nullable = nullable;
    return node;
}

NodePtr text(Namer name, QStringList choices, bool compared)
{
    auto node = std::make_shared<Node>();
    node->kind = Kind::String;
    node->max = 1024;
    node->name = std::move(name);
    node->choices = std::move(choices);
    node->compared = compared;
    return node;
}

NodePtr object(std::vector<Field> fields, Namer name, bool compared)
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

namespace {

// The refusal of a value of another kind: "2.5 ist keine ganze Zahl".
QString notOfKind(const QString &value, Kind kind)
{
    switch (kind) {
    case Kind::Object: return QCoreApplication::translate("SettingsDocument", "%1 ist kein Objekt").arg(value);
    case Kind::Array: return QCoreApplication::translate("SettingsDocument", "%1 ist keine Liste").arg(value);
    case Kind::Integer: return QCoreApplication::translate("SettingsDocument", "%1 ist keine ganze Zahl").arg(value);
    case Kind::Boolean: return QCoreApplication::translate("SettingsDocument", "%1 ist nicht true oder false").arg(value);
    case Kind::String: return QCoreApplication::translate("SettingsDocument", "%1 ist kein Text").arg(value);
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
        text = value.isArray() ? QCoreApplication::translate("SettingsDocument", "eine Liste") : QCoreApplication::translate("SettingsDocument", "ein Objekt");
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
            return Fault{pathOf(path, quoted(it.key())), QCoreApplication::translate("SettingsDocument", "unbekannter Schlüssel")};
        if (auto fault = check(*child, it.value(), pathOf(path, it.key())))
            return fault;
    }
    return std::nullopt;
}

std::optional<Fault> checkText(const Node &node, const QString &text, const QString &path)
{
    if (!node.choices.isEmpty() && !node.choices.contains(text))
        return Fault{path, QCoreApplication::translate("SettingsDocument", "\"%1\" ist keins von \"%2\"").arg(quoted(text), node.choices.join(QStringLiteral("\", \"")))};
    if (text.size() < node.min)
        return Fault{path, QCoreApplication::translate("SettingsDocument", "leerer Text")};
    if (text.size() > node.max)
        return Fault{path, QCoreApplication::translate("SettingsDocument", "Text länger als %1 Zeichen").arg(node.max)};
    for (const QChar c : text) {
        if (!node.characters.isEmpty() && !node.characters.contains(c))
            return Fault{path, QCoreApplication::translate("SettingsDocument", "\"%1\" enthält ein anderes Zeichen als %2")
                                   .arg(quoted(text), node.characters.split(QString(), Qt::SkipEmptyParts).join(QCoreApplication::translate("SettingsDocument", " oder ")))};
    }
    return std::nullopt;
}

std::optional<Fault> checkArray(const Node &node, const QJsonArray &elements, const QString &path)
{
    if (elements.size() > node.max)
        return Fault{path, QCoreApplication::translate("SettingsDocument", "%1 Elemente, höchstens %2 sind erlaubt").arg(elements.size()).arg(node.max)};
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (auto fault = check(*node.element, elements[i], pathOf(path, static_cast<int>(i))))
            return fault;
    }
    return std::nullopt;
}

std::optional<Fault> checkInteger(const Node &node, const QJsonValue &value, const QString &path)
{
    const double number = value.toDouble();
    if (number < node.min)
        return Fault{path, QCoreApplication::translate("SettingsDocument", "%1 ist kleiner als %2").arg(shown(value)).arg(node.min)};
    if (number > node.max)
        return Fault{path, QCoreApplication::translate("SettingsDocument", "%1 ist größer als %2").arg(shown(value)).arg(node.max)};
    return std::nullopt;
}

std::optional<Fault> checkShape(const Node &node, const QJsonValue &value, const QString &path)
{
    switch (node.kind) {
    case Kind::Object: return checkObject(node, value.toObject(), path);
    case Kind::Array: return checkArray(node, value.toArray(), path);
    case Kind::Integer: return checkInteger(node, value, path);
    case Kind::String: return checkText(node, value.toString(), path);
    case Kind::Boolean: return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Fault> check(const Node &node, const QJsonValue &value, const QString &path)
{
    if (value.isNull() && node.nullable)
        return std::nullopt;
    if (!ofKind(value, node.kind))
        return Fault{path, notOfKind(shown(value), node.kind)};
    if (auto fault = checkShape(node, value, path))
        return fault;
    return node.rule ? node.rule(value, path) : std::nullopt;
}

} // namespace

std::optional<Fault> checkDocument(const QJsonObject &document)
{
    const QJsonValue version = document.value(QStringLiteral("formatVersion"));
    if (version.isUndefined())
        return Fault{QStringLiteral("formatVersion"), QCoreApplication::translate("SettingsDocument", "fehlt: dieses Programm liest die Format-Version %1").arg(FormatVersion)};
    if (!ofKind(version, Kind::Integer) || version.toInteger() != FormatVersion)
        return Fault{QStringLiteral("formatVersion"), QCoreApplication::translate("SettingsDocument", "%1 ist nicht die Format-Version %2, die dieses Programm liest")
                                                          .arg(shown(version))
                                                          .arg(FormatVersion)};
    return checkObject(documentShape(), document, QString());
}

namespace {

// What JSON's reader found wrong, in the reader's language (Qt's own texts
// follow Qt's translations, not the program's).
QString jsonErrorText(QJsonParseError::ParseError error)
{
    switch (error) {
    case QJsonParseError::UnterminatedObject: return QCoreApplication::translate("SettingsDocument", "nicht abgeschlossenes Objekt");
    case QJsonParseError::MissingNameSeparator: return QCoreApplication::translate("SettingsDocument", "fehlender Doppelpunkt nach einem Namen");
    case QJsonParseError::UnterminatedArray: return QCoreApplication::translate("SettingsDocument", "nicht abgeschlossene Liste");
    case QJsonParseError::MissingValueSeparator: return QCoreApplication::translate("SettingsDocument", "fehlendes Komma zwischen Werten");
    case QJsonParseError::IllegalValue: return QCoreApplication::translate("SettingsDocument", "ungültiger Wert");
    case QJsonParseError::TerminationByNumber: return QCoreApplication::translate("SettingsDocument", "Ende mitten in einer Zahl");
    case QJsonParseError::IllegalNumber: return QCoreApplication::translate("SettingsDocument", "ungültige Zahl");
    case QJsonParseError::IllegalEscapeSequence: return QCoreApplication::translate("SettingsDocument", "ungültige Escape-Sequenz");
    case QJsonParseError::IllegalUTF8String: return QCoreApplication::translate("SettingsDocument", "ungültiges UTF-8 in einem Text");
    case QJsonParseError::UnterminatedString: return QCoreApplication::translate("SettingsDocument", "nicht abgeschlossener Text");
    case QJsonParseError::MissingObject: return QCoreApplication::translate("SettingsDocument", "Objekt fehlt nach einem Komma");
    case QJsonParseError::DeepNesting: return QCoreApplication::translate("SettingsDocument", "zu tief verschachteltes Dokument");
    case QJsonParseError::DocumentTooLarge: return QCoreApplication::translate("SettingsDocument", "zu großes Dokument");
    case QJsonParseError::GarbageAtEnd: return QCoreApplication::translate("SettingsDocument", "überzählige Zeichen am Ende des Dokuments");
    case QJsonParseError::NoError: break;
    }
    return QCoreApplication::translate("SettingsDocument", "ungültiges JSON");
}

} // namespace

ReadDocument readDocument(const QByteArray &text)
{
    ReadDocument read;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        read.fault = Fault{QString(), QCoreApplication::translate("SettingsDocument", "kein JSON: %1 bei Byte %2")
                                          .arg(jsonErrorText(error.error))
                                          .arg(error.offset)};
        return read;
    }
    if (!json.isObject()) {
        read.fault = Fault{QString(), QCoreApplication::translate("SettingsDocument", "kein Einstellungsdokument: das JSON ist kein Objekt")};
        return read;
    }
    read.document = json.object();
    read.fault = checkDocument(read.document);
    // QJsonDocument keeps the last of two keys and takes raw control
    // characters. The shape has passed, so every key is known and short.
    if (!read.fault) {
        read.fault = saysEachThingOnce(text);
        if (read.fault)
            read.document = QJsonObject();
    }
    return read;
}

} // namespace Settings
