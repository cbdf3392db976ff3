#include "settings/Sections.h"

#include "settings/EditorKinds.h"

#include <QCoreApplication>
#include <algorithm>

namespace Settings {

const std::vector<const EditorSection *> &editorSections()
{
    static const std::vector<const EditorSection *> sections = [] {
        std::vector<const EditorSection *> each;
        for (const EditorKind &kind : editorKinds()) {
            const EditorSection *section = &kind.section();
            if (std::find(each.begin(), each.end(), section) == each.end())
                each.push_back(section);
        }
        return each;
    }();
    return sections;
}

QString noSuchSetting()
{
    return QCoreApplication::translate("SettingsDocument", "dieser Decoder-Typ hat keine solche Einstellung");
}

int intOf(const QJsonValue &value)
{
    return static_cast<int>(value.toInteger());
}

QJsonArray arrayOf(int count, const std::function<QJsonValue(int)> &at)
{
    QJsonArray values;
    for (int i = 0; i < count; ++i)
        values.append(at(i));
    return values;
}

std::optional<Fault> typed(const TypedEntry<int> &entry, const QString &path, int given)
{
    if (entry.isRefused())
        return Fault{path, entry.message};
    if (entry.isAccepted() && entry.value != given)
        return Fault{path, QCoreApplication::translate("SettingsDocument", "%1 liegt außerhalb des Bereichs: der Editor speicherte %2").arg(given).arg(entry.value)};
    return std::nullopt;
}

std::optional<Fault> outOfRange(const QString &path, int value, int min, int max)
{
    if (value >= min && value <= max)
        return std::nullopt;
    return Fault{path, QCoreApplication::translate("SettingsDocument", "%1 liegt außerhalb von %2..%3").arg(value).arg(min).arg(max)};
}

} // namespace Settings
