#pragma once
#include "image/FirmwareImage.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// An exact copy of a firmware image at a fraction of its size, for the undo
// history: a byte text that is one of the 256 texts "00".."FF" is kept as its
// value, any other text (lower case, a damaged byte, an empty one) as it is.
class ImageSnapshot {
public:
    explicit ImageSnapshot(const FirmwareImage &image);

    // The image as it was, every text equal to the one copied.
    FirmwareImage image() const;
    // Whether the two images hold the same ROM and EEPROM bytes, ID words and
    // configuration word (the lines read from the file do not count).
    bool sameContent(const ImageSnapshot &other) const;

private:
    // Values 0..255 stand for hexByte(value); OddBase + k for odd_[k].
    static constexpr std::uint16_t OddBase = 256;
    std::uint16_t code(const QString &text);
    QString text(std::uint16_t code) const;
    bool sameText(std::uint16_t a, const ImageSnapshot &other, std::uint16_t b) const;

    std::vector<std::uint16_t> rom_;
    std::vector<std::uint16_t> eeprom_;
    QStringList odd_;
    QStringList hexLines_;
    int lineCount_ = 0;
    QString idText_;
    QString configText_;
    int romTop_ = 0;
    int eepromTop_ = 0;
};
