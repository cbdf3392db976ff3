#pragma once
// The settings document of a loaded decoder: every setting its editors show,
// named as they name it, written from and applied through the same edit models
// the window uses.
#include "decoder/DecoderSession.h"
#include "settings/SettingsSchema.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace Settings {

// Where the settings came from, as the document names it.
struct Source {
    QString fileName;   // as shown to the user (escaped)
    QByteArray content; // the file's bytes, for the SHA-256
    QString version;    // "3.51"; empty without an ID record
};

// The version a load found, as the document names it: "3.51" for the status
// bar's "V 3.51"; empty without an ID record.
QString versionOf(const HexLoadResult &lines);

// Loads the editors of the session's type as the window does, with the
// corrections loading makes (a fading code replaced, the SW1 byte), and writes
// the document of what they show.
QJsonObject exportSettings(DecoderSession &session, const Source &source);

// Applies a checked document to the session through the edit models: all or
// nothing. On success the session holds the new settings with its slots
// written as a save writes them; on a fault the session is unchanged and the
// fault names the setting and carries the window's message where the window
// has one.
std::optional<Fault> applySettings(DecoderSession &session, const QJsonObject &document);

// What a save without edits writes: the editors loaded as the window loads
// them, the slots written, the records built. Nothing when the slots are
// refused (the fault then).
std::optional<Fault> prepareSave(DecoderSession &session);

} // namespace Settings
