#pragma once
// Images made by hand for tests: an erased image, and program words set so
// that identification finds a given type code.
#include "image/FirmwareImage.h"
#include "image/HexByte.h"

#include <QString>

// An image as a file holding only program code leaves it: everything erased.
inline FirmwareImage erasedImage()
{
    FirmwareImage image;
    image.resetForLoad();
    return image;
}

// Program word `word` as its low and high byte texts.
inline void setProgramWord(FirmwareImage &image, int word, const QString &low, const QString &high)
{
    image.rom[static_cast<std::size_t>(2 * word)] = low;
    image.rom[static_cast<std::size_t>(2 * word + 1)] = high;
}

// The first three program words as the literals whose sum is the type code
// (id1 + 256 id2 + 65536 id3).
inline void setTypeCodeWords(FirmwareImage &image, int typeCode)
{
    const QString literal = QStringLiteral("30");
    setProgramWord(image, 0, hexByte(typeCode & 0xFF), literal);
    setProgramWord(image, 1, hexByte((typeCode >> 8) & 0xFF), literal);
    setProgramWord(image, 2, hexByte((typeCode >> 16) & 0xFF), literal);
}
