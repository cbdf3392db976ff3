#include "settings/SettingsDiff.h"

#include "image/SafeText.h"
#include "settings/SettingsSchema.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace Settings {

namespace {

// A value as the reader reads it: yes/no and the choices of a text setting
// in the reader's language, other texts (a blink step's "0110") as they are.
QString valueText(const Node &node, const QJsonValue &value)
{
    if (value.isBool())
        return onOffText(value.toBool());
    if (value.isDouble())
        return QString::number(value.toInteger());
    return node.choices.isEmpty() ? value.toString() : choiceText(value.toString());
}

// What compare() gives where nothing differs.
const QJsonValue Nothing(QJsonValue::Undefined);

bool present(const QJsonValue &value)
{
    return !value.isUndefined() && !value.isNull();
}

class Comparer {
public:
    Comparer(int typeCode, bool sameType) : typeCode_(typeCode), sameType_(sameType) {}

    // B's value where it differs from A's (undefined where nothing differs).
    QJsonValue compare(const Node &node, const QJsonValue &a, const QJsonValue &b, const QString &fieldName, int index)
    {
        if (!present(a) || !present(b) || !node.compared)
            return Nothing;
        if (node.compareWhole)
            return node.compareWhole(a, b, sameType_, lines);
        switch (node.kind) {
        case Kind::Object: return compareObject(node, a.toObject(), b.toObject(), index);
        case Kind::Array: return compareArray(node, a.toArray(), b.toArray());
        default: break;
        }
        if (a == b)
            return Nothing;
        if (index >= 0) {
            contexts_.append(node.name ? node.name(typeCode_, index) : QString::number(index + 1));
            addLine(QString(), valueText(node, a), valueText(node, b));
            contexts_.removeLast();
        } else {
            addLine(fieldName, valueText(node, a), valueText(node, b));
        }
        return b;
    }

    QStringList lines;

private:
    void addLine(const QString &fieldName, const QString &a, const QString &b)
    {
        const QString change = a + QStringLiteral(" -> ") + b;
        const QString context = contexts_.join(QStringLiteral(", "));
        if (context.isEmpty())
            lines.append(fieldName + QStringLiteral(": ") + change);
        else if (fieldName.isEmpty())
            lines.append(context + QStringLiteral(": ") + change);
        else
            lines.append(context + QStringLiteral(": ") + fieldName + QLatin1Char(' ') + change);
    }

    QJsonValue compareObject(const Node &node, const QJsonObject &a, const QJsonObject &b, int index)
    {
        const bool named = index >= 0 && node.name;
        if (named)
            contexts_.append(node.name(typeCode_, index));
        QJsonObject differing;
        for (const Field &field : node.fields) {
            const QString name = field.node->name ? field.node->name(typeCode_, -1) : field.key;
            const QJsonValue changed = compare(*field.node, a.value(field.key), b.value(field.key), name, -1);
            if (!changed.isUndefined())
                differing[field.key] = changed;
        }
        if (named)
            contexts_.removeLast();
        return differing.isEmpty() ? Nothing : QJsonValue(differing);
    }

    QJsonValue compareArray(const Node &node, const QJsonArray &a, const QJsonArray &b)
    {
        QJsonArray differing;
        const qsizetype common = std::min(a.size(), b.size());
        for (qsizetype i = 0; i < common; ++i) {
            const QJsonValue changed = compare(*node.element, a[i], b[i], QString(), static_cast<int>(i));
            if (changed.isUndefined())
                continue;
            while (differing.size() < i)
                differing.append(QJsonValue());
            differing.append(changed);
        }
        return differing.isEmpty() ? Nothing : QJsonValue(differing);
    }

    int typeCode_;
    bool sameType_;
    QStringList contexts_;
};

int typeCodeOf(const QJsonObject &document)
{
    return static_cast<int>(document.value(QStringLiteral("decoder")).toObject().value(QStringLiteral("typeCode")).toInteger(-1));
}

} // namespace

Comparison compareSettings(const QJsonObject &first, const QJsonObject &second)
{
    Comparison comparison;
    const int typeCode = typeCodeOf(second);
    Comparer comparer(typeCode, typeCodeOf(first) == typeCode);
    if (typeCodeOf(first) != typeCode) {
        const auto typeText = [](const QJsonObject &document) {
            const QJsonObject decoder = document.value(QStringLiteral("decoder")).toObject();
            return QStringLiteral("%1 %2").arg(decoder.value(QStringLiteral("typeCode")).toInteger()).arg(escapedText(decoder.value(QStringLiteral("label")).toString()));
        };
        comparer.lines.append(QCoreApplication::translate("SettingNames", "Dekodertyp: %1 -> %2").arg(typeText(first), typeText(second)));
    }
    const QJsonValue changed = comparer.compare(documentShape(), first, second, QString(), -1);
    comparison.lines = comparer.lines;
    comparison.partial = changed.toObject();
    comparison.partial[QStringLiteral("formatVersion")] = FormatVersion;
    comparison.partial[QStringLiteral("decoder")] = second.value(QStringLiteral("decoder"));
    return comparison;
}

} // namespace Settings
