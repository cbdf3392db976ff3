#pragma once
#include "image/FirmwareImage.h"
#include "image/HexRecord.h"

#include <QString>
#include <QStringList>
#include <optional>

// ---- dumps of the image ----

// EEPROM bytes 0..eepromTop, 16 to a line: "0x000:" then eight bytes, a blank
// and the next eight; later labels "0x010:" .. "0x0F0:".
QStringList eepromDumpLines(const FirmwareImage &image);

// ROM bytes 0..romTop, 16 to a line with labels "0x0000:" .. "0x0FF0:"; a line
// holding a single blank starts every block of 256 bytes.
QStringList romDumpLines(const FirmwareImage &image);

// ---- comparison of the image with a second HEX file ----

struct CompareListing {
    QStringList eepromLines; // for the EEPROM memo
    QStringList romLines;    // for the ROM memo: ROM, ID and CONFIG differences
    int eepromDiffs = 0;
    int romDiffs = 0;
    int idDiffs = 0;
    int configDiffs = 0;
    std::optional<UserMessage> error; // the message of the line that ended the comparison
};

// A second file of more than 512 lines is not compared: the message to show,
// or nothing when the file fits.
std::optional<UserMessage> checkCompareLineCount(const QStringList &lines);

// Compares one upper-cased line with the image and adds its differences to the
// listing. False when the line is refused; its message is then in listing.error
// (bytes of the record before an overflow are compared all the same).
bool compareHexLine(const FirmwareImage &image, const QString &line, CompareListing &listing);

// Compares every upper-cased line in order; the first refused line ends the
// comparison without the summary. Otherwise the summary lines close both lists.
CompareListing compareHexLines(const FirmwareImage &image, const QStringList &lines);

// The compare dialog's message for a record error; line is the upper-cased line.
UserMessage compareMessage(RecordError error, const QString &line);
