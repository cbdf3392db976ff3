#pragma once
// What QJsonDocument does not say about a text it reads: that an object holds
// a key twice (it keeps the last one) and that a text holds a raw control
// character (it takes it). A document that says a thing twice, or hides a
// control character, means more than one thing and is refused.
#include "settings/SettingsSchema.h"

#include <QByteArray>
#include <optional>

namespace Settings {

// The text without a UTF-8 byte order mark at its start.
QByteArray withoutByteOrderMark(const QByteArray &text);

// The first key given twice in one object, or raw control character (C0, DEL
// or C1) inside a text, with its JSON path. The text must be JSON that
// QJsonDocument reads.
std::optional<Fault> saysEachThingOnce(const QByteArray &json);

} // namespace Settings
