#pragma once
#include "image/ByteTexts.h"

#include <QString>
#include <array>

// The one in-memory copy of a decoder firmware, held as hex text: one text per
// HEX line, one two-character upper-case text per byte (kept compactly, see
// ByteTexts).
struct FirmwareImage {
    static constexpr int MaxLines = 512; // most lines a HEX file may have
    static constexpr int RomSize = 4096;
    static constexpr int EepromSize = 256;

    std::array<QString, MaxLines> hexLines;
    int lineCount = 0;
    ByteTexts<RomSize> rom;                 // byte k at HEX byte address k
    ByteTexts<EepromSize> eeprom;           // low byte of the word at 0x4200 + 2i
    QString idText;                         // low nibble of each ID word
    QString configText;                     // data field of the record at 0x400E
    int romTop = 0;                         // highest ROM index the last load wrote
    int eepromTop = 0;                      // highest EEPROM index the last load wrote

    // Erased values: ROM words 0x3FFF ("FF" at even, "3F" at odd k), EEPROM "FF".
    static QString blankRomByte(int k) { return (k % 2 == 0) ? QStringLiteral("FF") : QStringLiteral("3F"); }
    static QString blankEepromByte() { return QStringLiteral("FF"); }

    // State at the start of a load: lines empty, ROM and EEPROM erased, tops 0.
    // idText and configText keep the previous file's values.
    void resetForLoad();

    // Raises romTop / eepromTop to the highest byte that differs from its erased
    // value, so that edits above the end of the loaded file are written too.
    void raiseTopsToEdits();
};
