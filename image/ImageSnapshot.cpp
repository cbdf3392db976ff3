#include "image/ImageSnapshot.h"

#include "image/HexByte.h"

ImageSnapshot::ImageSnapshot(const FirmwareImage &image)
    : lineCount_(image.lineCount), idText_(image.idText), configText_(image.configText), romTop_(image.romTop),
      eepromTop_(image.eepromTop)
{
    rom_.reserve(image.rom.size());
    for (const QString &byte : image.rom)
        rom_.push_back(code(byte));
    eeprom_.reserve(image.eeprom.size());
    for (const QString &byte : image.eeprom)
        eeprom_.push_back(code(byte));
    hexLines_.reserve(FirmwareImage::MaxLines);
    for (const QString &line : image.hexLines)
        hexLines_.append(line);
}

std::uint16_t ImageSnapshot::code(const QString &text)
{
    const int value = HexByteValue(text);
    if (text == hexByte(value))
        return static_cast<std::uint16_t>(value);
    odd_.append(text);
    return static_cast<std::uint16_t>(OddBase + odd_.size() - 1);
}

QString ImageSnapshot::text(std::uint16_t code) const
{
    return code < OddBase ? hexByte(code) : odd_[code - OddBase];
}

bool ImageSnapshot::sameText(std::uint16_t a, const ImageSnapshot &other, std::uint16_t b) const
{
    if (a < OddBase || b < OddBase)
        return a == b; // an odd text is never one of the 256
    return odd_[a - OddBase] == other.odd_[b - OddBase];
}

FirmwareImage ImageSnapshot::image() const
{
    FirmwareImage image;
    for (std::size_t k = 0; k < rom_.size(); ++k)
        image.rom[k] = text(rom_[k]);
    for (std::size_t i = 0; i < eeprom_.size(); ++i)
        image.eeprom[i] = text(eeprom_[i]);
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
    if (idText_ != other.idText_ || configText_ != other.configText_)
        return false;
    for (std::size_t k = 0; k < rom_.size(); ++k) {
        if (!sameText(rom_[k], other, other.rom_[k]))
            return false;
    }
    for (std::size_t i = 0; i < eeprom_.size(); ++i) {
        if (!sameText(eeprom_[i], other, other.eeprom_[i]))
            return false;
    }
    return true;
}
