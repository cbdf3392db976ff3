#pragma once
#include "image/FirmwareImage.h"

#include <QString>
#include <QStringList>

// An exact copy of a firmware image's content for the undo history: the byte
// texts (compact already) with the lines read from the file, each line kept
// once however many snapshots share it.
class ImageSnapshot {
public:
    explicit ImageSnapshot(const FirmwareImage &image);

    // The image as it was, every text equal to the one copied.
    FirmwareImage image() const;
    // Whether the two images hold the same ROM and EEPROM bytes, ID words and
    // configuration word (the lines read from the file do not count).
    bool sameContent(const ImageSnapshot &other) const;

private:
    ByteTexts<FirmwareImage::RomSize> rom_;
    ByteTexts<FirmwareImage::EepromSize> eeprom_;
    QStringList hexLines_;
    int lineCount_ = 0;
    QString idText_;
    QString configText_;
    int romTop_ = 0;
    int eepromTop_ = 0;
};
