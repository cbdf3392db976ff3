#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// File names and bounded reading of the files the program takes in.
//
// A file name is the bytes the system gives. Names that are not UTF-8 travel
// in a QString with each undecodable byte kept as U+DC80..U+DCFF, so that
// pathBytes(pathFromBytes(b)) == b for every name b, and the file is read and
// written under exactly its own name.
QString pathFromBytes(const QByteArray &bytes);
QByteArray pathBytes(const QString &path);

// The path a file dialog or a drop means. Qt lists a name that is no UTF-8
// with U+FFFD in place of its undecodable bytes, a name no file has; the
// folder entry that Qt shows that way (the only one) is the file meant. Any
// other path comes back as it is.
QString existingPathFor(const QString &listed);

// The path a file URL names, bytes exactly as the URL's percent escapes give
// them (a drop of a name that is no UTF-8). Empty for a URL that is no local file.
QString pathFromFileUrl(const QByteArray &encodedUrl);

// The name as a message shows it: undecodable bytes and control characters
// escaped (\xFF, \x1B).
QString shownPath(const QString &path);

// The message about a file: "path:\nwhat happened".
QString fileMessage(const QString &path, const QString &what);

// No valid HEX, curve, set or settings file comes near this size.
constexpr qint64 MaxInputFileSize = 1024 * 1024;

struct InputFile {
    QByteArray content;
    std::optional<QString> reason; // why it was not read
    std::optional<QString> error;  // the same as fileMessage() naming the path
};

// Reads a regular file of at most maxSize bytes. Anything else is refused
// before a byte is read: a FIFO, a device, a socket, a folder, or a file that
// is too big. Opening never waits for a writer of a FIFO.
InputFile readInputFile(const QString &path, qint64 maxSize = MaxInputFileSize);

// What kind of file a stat mode names, for a refusal: "a FIFO (named pipe)", …
QString fileKindName(unsigned mode);
