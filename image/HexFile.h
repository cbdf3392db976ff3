#pragma once
#include "image/FirmwareImage.h"
#include "image/SafeSave.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
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

// The read-back check of a HEX file: what was read loads, with the loader's
// rules, into exactly the image; the messages name the file as shownAs. The
// image is not copied: it must outlive the check.
ReadBackCheck sameImage(const FirmwareImage &saved);

// Saves the content through the verified save (see SafeSave.h), read back as
// a HEX file of the image. The message of a write error or a failed check;
// the old file stays then.
std::optional<QString> saveVerifiedHexFile(const QString &path, const QByteArray &content, const FirmwareImage &saved);

// The HEX file among dropped URLs: exactly one local file ending in ".hex"
// (any case). Empty for anything else.
QString droppedHexFile(const QList<QUrl> &urls);
