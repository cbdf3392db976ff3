#include "image/FirmwareImage.h"

void FirmwareImage::resetForLoad()
{
    for (QString &line : hexLines)
        line.clear();
    lineCount = 0;
    eeprom.fill(blankEepromByte());
    rom.fill(blankRomByte(0));
    for (int k = 1; k < RomSize; k += 2)
        rom.setValue(k, 0x3F);
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
