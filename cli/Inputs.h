#pragma once
// The one loader of each kind of input the commands read: a HEX file, loaded
// as "HEX laden" loads it, and a settings document.
#include "cli/CliTypes.h"
#include "decoder/DecoderSession.h"
#include "settings/SettingsDocument.h"

#include <QJsonObject>
#include <QStringList>

// What a command does with a file that loads but shows signs of damage (bad
// record checksums, no end record): info warns; the others refuse it unless
// --force is given, and then warn.
enum class Damaged { Warn, Refuse };

inline Damaged damagePolicy(bool forced)
{
    return forced ? Damaged::Warn : Damaged::Refuse;
}

// A loaded HEX file.
struct LoadedHex {
    DecoderSession session;
    HexLoadResult lines;
    QStringList findings;    // the signs of damage in the source texts, for --json
    Settings::Source source; // the file as a settings document names it
};

// Loads the file: false after its message was printed, or when the policy
// refuses a damaged file. Each sign of damage is printed.
bool loadHex(const QString &path, Damaged policy, LoadedHex &loaded, CliOutput &o);

// Prints the signs of damage of a file: false when the policy refuses it for them.
bool acceptDamage(const HexDamage &damage, const QString &path, Damaged policy, CliOutput &o);

// Reads and checks a settings document: false after its message.
bool loadDocument(const QString &path, QJsonObject &document, CliOutput &o);
