#include "image/ImageSnapshot.h"

ImageSnapshot::ImageSnapshot(const FirmwareImage &image)
    : rom_(image.rom), eeprom_(image.eeprom), lineCount_(image.lineCount), idText_(image.idText),
      configText_(image.configText), romTop_(image.romTop), eepromTop_(image.eepromTop)
{
    hexLines_.reserve(FirmwareImage::MaxLines);
    for (const QString &line : image.hexLines)
        hexLines_.append(line);
}

FirmwareImage ImageSnapshot::image() const
{
    FirmwareImage image;
    image.rom = rom_;
    image.eeprom = eeprom_;
    for (qsizetype n = 0; n < hexLines_.size(); ++n)
        image.hexLines[static_cast<std::size_t>(n)] = hexLines_[n];
    image.lineCount = lineCount_;
    image.idText = idText_;
    image.configText = configText_;
    image.romTop = romTop_;
    image.eepromTop = eepromTop_;
    return image;
}

bool ImageSnapshot::sameContent(const ImageSnapshot &other) const
{
    return idText_ == other.idText_ && configText_ == other.configText_ && rom_ == other.rom_
           && eeprom_ == other.eeprom_;
}
