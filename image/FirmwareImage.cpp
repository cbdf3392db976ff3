#include "image/FirmwareImage.h"

void FirmwareImage::resetForLoad()
{
    for (QString &line : hexLines)
        line.clear();
    lineCount = 0;
    // Shared texts: the erased image costs no allocation.
    static const QString evenBlank = blankRomByte(0);
    static const QString oddBlank = blankRomByte(1);
    static const QString eepromBlank = blankEepromByte();
    eeprom.fill(eepromBlank);
    for (int k = 0; k < RomSize; k += 2) {
        rom[k] = evenBlank;
        rom[k + 1] = oddBlank;
    }
    romTop = 0;
    eepromTop = 0;
}

void FirmwareImage::raiseTopsToEdits()
{
    for (int k = RomSize - 1; k > romTop; --k) {
        if (rom[k] != blankRomByte(k)) {
            romTop = k;
            break;
        }
    }
    for (int i = EepromSize - 1; i > eepromTop; --i) {
        if (eeprom[i] != blankEepromByte()) {
            eepromTop = i;
            break;
        }
    }
}
