#pragma once
#include "image/HexByte.h"

#include <QString>
#include <QStringList>
#include <QVarLengthArray>

// What a HEX line means for the image. Shared by the loader, which stores the
// bytes, and the compare listing, which compares them.
enum class RecordError {
    None,
    RomOverflow,        // ROM data at index 4096 or more
    UnexpectedAddress,  // data record for an address high byte we do not map
    BadEndOfFile,       // type 01 that is not ":00000001FF"
    Type02,
    Type03,
    BadExtendedAddress, // type 04 that is not ":020000040000FA"
    UnknownType,        // any other type text, an empty line included
    Truncated,          // the line ends before the data its byte count announces
    EepromOverflow,     // EEPROM data at index 256 or more
};

enum class RecordTarget { None, Rom, Eeprom, Id, Config };

struct RecordByte {
    int index;
    int value = -1;  // the byte's value when its text is an upper-case hex pair
    QString oddText; // the text of any other byte

    const QString &text() const { return value >= 0 ? hexByte(value) : oddText; }
};

struct HexRecord {
    RecordTarget target = RecordTarget::None;
    // ROM or EEPROM bytes in order, those before an overflow; a record of up to
    // 16 bytes needs no heap.
    QVarLengthArray<RecordByte, 16> bytes;
    QString text;                  // ID nibbles or the CONFIG data field
    RecordError error = RecordError::None;
};

// Parses one line, already upper-cased. Characters are counted from 1: byte
// count 2-3, address high 4-5, low 6-7, type 8-9, data from 10. Checksum,
// leading ':' and length beyond the data actually read are not checked.
HexRecord parseHexRecord(const QString &line);

// Splits a file's bytes into lines: CR LF, LF and CR all end a line, a final
// line break adds no empty line, a leading UTF-8 byte-order mark is dropped.
// The bytes are taken as 8-bit text.
QStringList splitHexFileLines(const QByteArray &content);

// Upper-cases the ASCII letters only, as HEX lines need.
QString upperCaseLine(const QString &line);

// The box a message is shown in.
enum class BoxKind { WarningCancel, Plain, WarningOk };

struct UserMessage {
    QString text;
    BoxKind kind = BoxKind::Plain;
};

