#include "settings/SettingsSchema.h"

#include "image/SafeText.h"
#include "settings/DocumentScan.h"

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

Namer fixed(const QString &name)
{
    return [name](int, int) { return name; };
}

Namer counted(const QString &pattern)
{
    return [pattern](int, int index) { return pattern.arg(index + 1); };
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

std::optional<Fault> checkArray(const Node &node, const QJsonArray &elements, const QString &path)
{
    if (elements.size() > node.max)
        return Fault{path, QStringLiteral("%1 elements, at most %2 are allowed").arg(elements.size()).arg(node.max)};
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
        return Fault{path, QStringLiteral("%1 is less than %2").arg(shown(value)).arg(node.min)};
    if (number > node.max)
        return Fault{path, QStringLiteral("%1 is more than %2").arg(shown(value)).arg(node.max)};
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
        return Fault{path, QStringLiteral("%1 is not %2").arg(shown(value), kindName(node.kind))};
    if (auto fault = checkShape(node, value, path))
        return fault;
    return node.rule ? node.rule(value, path) : std::nullopt;
}

} // namespace

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
