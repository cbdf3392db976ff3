#pragma once
#include "image/FirmwareImage.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

// The first place where two images differ, and how many bytes differ in all.
struct ImageDifference {
    QString where;       // "ROM 0x01a2", "EEPROM 0x1a", "ID" or "CONFIG"
    QString first;       // the first image's text there
    QString second;      // the second image's text there
    int count = 0;
};

// Compares ROM, EEPROM, ID and CONFIG of two images as text. Nothing when every
// byte and both texts are the same; how far each image's file reached
// (romTop, eepromTop) does not count.
std::optional<ImageDifference> compareImages(const FirmwareImage &first, const FirmwareImage &second);

// Reads the file back and compares it with the image it was written from, as a
// programmer verifies a chip after burning it. The message when the file cannot
// be read back or holds other bytes; nothing when it holds exactly the image.
std::optional<QString> verifyHexFile(const QString &path, const FirmwareImage &saved);
// The same for a file written under another name (a staged file): the
// messages name shownAs.
std::optional<QString> verifyHexFile(const QString &path, const FirmwareImage &saved, const QString &shownAs);

// Called after the file is written and before it is read back.
using AfterWriteHook = std::function<void(const QString &path)>;

// Writes the content in one piece (the old file stays until the new one is
// complete) and verifies it against the image. The message of a write error or
// a failed verification; nothing when the file is written and verified.
std::optional<QString> saveVerifiedHexFile(const QString &path, const QByteArray &content, const FirmwareImage &saved,
                                           const AfterWriteHook &afterWrite = {});

// The HEX file among dropped URLs: exactly one local file ending in ".hex"
// (any case). Empty for anything else.
QString droppedHexFile(const QList<QUrl> &urls);
