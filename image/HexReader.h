#pragma once
#include "image/FirmwareImage.h"
#include "image/HexRecord.h"

#include <QStringList>
#include <optional>

// Outcome of reading the lines of a HEX file into the image.
struct HexLoadResult {
    bool complete = false;             // every line was accepted
    std::optional<UserMessage> error;  // the message of the first bad line
    // What the ID record says; both empty without an ID record.
    bool idRecordRead = false;
    QString id;      // the first ID nibble: "1"
    QString version; // the version digits: "3.51"
};

// A file of more than 512 lines does not fit the image: the message to show, or
// nothing when the file fits.
std::optional<UserMessage> checkHexLineCount(const QStringList &lines);

// The same check with the error code of the caller ("E207" for the loader).
std::optional<UserMessage> checkLineCount(const QStringList &lines, const QString &code);

// Stores the upper-cased lines in hexLines, resets the image and parses every
// line into it; the first bad line ends the load with its message. Bytes stored
// before that line stay in the image. A last line that ends before its data
// does is a file cut off in the middle of a record: its message says so and
// names the file, when a name is given.
HexLoadResult loadHexLines(FirmwareImage &image, const QStringList &lines, const QString &fileName = QString());

// Applies one parsed record to the image (bytes before an overflow included);
// its texts move into the image.
void storeRecord(FirmwareImage &image, HexRecord &&record);

// The loader's message for a record error; line is the upper-cased line.
UserMessage readerMessage(RecordError error, const QString &line);

// The loader's message for a file that ends inside the record of its last line
// (counted from 1); fileName may be empty.
UserMessage cutOffMessage(const QString &fileName, int lastLine);
