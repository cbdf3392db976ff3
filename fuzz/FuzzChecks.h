#pragma once
// Properties every fuzz target checks on what the readers produce. A broken
// property aborts, so libFuzzer keeps the input as a crash.
#include "image/FirmwareImage.h"
#include "image/SafeText.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>

inline void fuzzRequire(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// A message that quotes the input holds no raw control character (a CR is the
// window's line break) and stays short however long the input's line.
inline void requireSafeMessage(const QString &text)
{
    fuzzRequire(!holdsRawControl(QString(text).replace(u'\r', u'\n')), "no raw control character in a message");
    fuzzRequire(text.size() <= 300, "a message of sane length");
}

// Every ROM and EEPROM byte of the image is a two-character text.
inline void requireWellFormedBytes(const FirmwareImage &image)
{
    for (const QString &text : image.rom)
        fuzzRequire(text.size() == 2, "ROM byte text of two characters");
    for (const QString &text : image.eeprom)
        fuzzRequire(text.size() == 2, "EEPROM byte text of two characters");
    fuzzRequire(image.romTop >= 0 && image.romTop < FirmwareImage::RomSize, "romTop inside the ROM");
    fuzzRequire(image.eepromTop >= 0 && image.eepromTop < FirmwareImage::EepromSize, "eepromTop inside the EEPROM");
}
