#include "frames/ByteEntry.h"

#include <QCoreApplication>

namespace Typed {

std::optional<int> integerOf(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

TypedEntry<int> byteEntry(const QString &text)
{
    if (text.isEmpty())
        return TypedEntry<int>::empty();
    const std::optional<int> number = integerOf(text);
    if (!number || *number < 0 || *number > 255)
        return TypedEntry<int>::refused(QCoreApplication::translate("ByteEntry", "Ungültige Eingabe.\rZugelassen sind nur Zahlen"), number);
    return TypedEntry<int>::accepted(*number);
}

} // namespace Typed
