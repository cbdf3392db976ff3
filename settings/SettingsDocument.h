#pragma once
// The settings document of a loaded decoder: every setting its editors show,
// named as they name it, written from and applied through the same edit models
// the window uses.
#include "decoder/DecoderSession.h"
#include "settings/SettingsSchema.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace Settings {

// Where the settings came from, as the document names it.
struct Source {
    QString fileName;   // as shown to the user (escaped)
    QByteArray content; // the file's bytes, for the SHA-256
    QString version;    // "3.51"; empty without an ID record
};

// The slots the window shows, each with its label and address, and its
// output (accessory decoders) or function number.
QJsonArray slotsJson(const DecoderSession &session);

// Loads the editors of the session's type as the window does, with the
// corrections loading makes (a fading code replaced, the SW1 byte), and writes
// the document of what they show.
QJsonObject exportSettings(DecoderSession &session, const Source &source);

// The document as a file holds it: indented JSON, UTF-8, with every control
// character and every character that reorders text (bidirectional controls)
// written as a JSON escape, so that the text cannot act on a terminal.
QByteArray documentText(const QJsonObject &document);

// Applies a checked document to the session through the edit models: all or
// nothing. On success the session holds the new settings with its slots
// written as a save writes them; on a fault the session is unchanged and the
// fault names the setting and carries the window's message where the window
// has one.
std::optional<Fault> applySettings(DecoderSession &session, const QJsonObject &document);

// Loads the editors of the session's type as the window does, which leaves in
// the image the corrections loading makes (the SW1 byte, a fading code no
// position has): what a save of the file writes without an edit.
void takeLoadCorrections(DecoderSession &session);

// The bytes that loading the editors corrects by itself (the SW1 byte, a
// fading code no position has), one line each in the order of the image:
// "EEPROM-Byte 00: FF -> F0". The session is left as it is.
QStringList loadCorrections(const DecoderSession &session);

} // namespace Settings
