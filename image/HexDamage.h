#pragma once
#include <QStringList>

// Signs that a file which loaded was damaged on its way: records whose bytes
// do not add up to their checksum, and an end record that never came (a
// download cut off). The load itself does not look at either; these findings
// are told to the user after it.
struct HexDamage {
    int badChecksumLines = 0;
    int firstBadLine = 0; // counted from 1 as in the file, 0 for none
    bool missingEndRecord = false;
    // In a file without an end record: the areas that got no data record, in
    // address order ("ROM", "ID", "CONFIG", "EEPROM"). What the window shows
    // of them are erased bytes, not the decoder's.
    QStringList areasWithoutRecords;

    bool any() const { return badChecksumLines > 0 || missingEndRecord; }
    // One line of text per finding, in the reader's language.
    QStringList findings() const;
    // The same in the program's source texts (German), whatever the
    // language: for machine formats, which never change with it.
    QStringList machineFindings() const;

private:
    QStringList findingTexts(bool translated) const;
};

// Looks at the lines of a file as the reader splits them. A line counts as
// damaged when it comes before the end record and its bytes, read as hex
// pairs after the colon, do not add up to 0 modulo 256, or it holds a
// character there that is not a hex digit. A file without an end record is
// looked at once more for the areas its records reach.
HexDamage findHexDamage(const QStringList &lines);
