#pragma once
#include "image/FirmwareImage.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Intel HEX record checksum of a record text without ':': two upper-case hex
// digits, or "error" when a byte pair is not a hexadecimal number.
QString RecordChecksum(QStringView recordText);

// Regenerates every record from the image in the fixed order (extended
// address, ROM, ID, CONFIG, EEPROM, end of file) and stores them in hexLines.
// Returns the number of records, or 0 after a checksum failure. Edited bytes
// above the loaded file's end are written too.
int BuildHexLines(FirmwareImage &image);

// The reason the image cannot be written as a well-formed file, if any: an ID
// text that is not four characters or a CONFIG text that is not four hex digits.
std::optional<QString> checkWritableImage(const FirmwareImage &image);

// hexLines[0 .. lineCount-1] as file content: CR LF line ends, 8-bit text.
QByteArray hexFileContent(const FirmwareImage &image);
