#pragma once
#include "frames/Frame_tamb/CurveRecords.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The two text formats of servo curves: one decimal byte value per line,
// CR LF after every line.
//  - A curve file holds the points of one curve, one line per point; the
//    number of lines is the count.
//  - A set file holds all four records, 512 lines: line 2t is byte t of the
//    first table (records 0 and 1), line 2t+1 byte t of the second (records 2
//    and 3).
// Every line must be a byte value, 0..255: a file with any other line is
// refused as a whole and changes nothing.
namespace CurveFiles {

constexpr int MaxCurveLines = 100;
constexpr int SetLines = 512;

QString curveFileFilter();
QString curveFileSuffix();
QString setFileFilter();
QString setFileSuffix();

// What loading a file did.
struct LoadResult {
    QStringList warnings; // in the order they are shown
    bool complete = false; // every line was read and stored
};

// The points 0..c-1 of the record, c its count limited to 1..100.
QByteArray curveFileContent(const CurveRecords::Record &record);

// Stores the lines as the record's points and their number as its count. Only
// the first 100 lines are used (with a warning). A line that is not a number
// or lies outside 0..255 refuses the file with a warning naming the line as an
// editor counts it (the first line is 1); the record is then left exactly as
// it was. A file without lines is refused as empty.
LoadResult loadCurveFile(const QStringList &lines, CurveRecords::Record &record);

// All four records as 512 lines.
QByteArray setFileContent(const CurveRecords &curves);

// Stores the lines pair by pair (one byte of each table). More than 512 lines
// are refused with a warning, and so are fewer: the warning says after which
// line the file ends. A line that is not a number or lies outside 0..255
// refuses the file with a warning naming that line, counted from 1. A refused
// file leaves the records exactly as they were.
LoadResult loadSetFile(const QStringList &lines, CurveRecords &curves);

} // namespace CurveFiles
