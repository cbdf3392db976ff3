#pragma once
#include "document/DecoderDocument.h"
#include "image/FileFingerprint.h"
#include "image/FirmwareImage.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>
#include <variant>

// The window's document as its recovery file keeps it, with the time it was
// written: the file's identity (path, bytes, damage found at the load), the
// image with the lines it was read from, the slot grid's texts and outputs,
// and the editors' working copies not yet applied.
// Written as JSON; reading checks every field and refuses anything else.
// Files written before the file's bytes were kept have none: the lines read
// stand for them.
struct RecoveryDocument {
    static constexpr int Slots = DecoderSlotCount;
    // A recovery file never comes near this size.
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

    QString filePath;
    QDateTime written;
    FirmwareImage image;
    std::array<QString, Slots> addressTexts;
    std::array<QString, Slots> functionTexts;
    std::array<bool, Slots> green{};
    QStringList damageFindings;
    // The working copy of an editor, with the name of its frame. Only the
    // editors that keep one (the servo and the blink pattern editors).
    struct FrameCopy {
        QString frame;
        std::shared_ptr<const FrameState> copy;
    };
    std::vector<FrameCopy> frameCopies;
    // The bytes of the file as loaded or last saved; empty in older files.
    QByteArray fileContent;
    // The file the work started from (key "base"); none for files of windows
    // that recorded none. Files that carry the bytes but no "base" take it
    // from the bytes.
    std::optional<FileFingerprint> base;

    // The document as kept at written.
    static RecoveryDocument of(const DecoderDocument &document, const QDateTime &written);
    // The edits kept, the working copies those of editors.
    DecoderDocument::Edits edits() const;

    // The bytes of the file the image was loaded from (or last saved to):
    // loading them again gives the state the edits started from. Without
    // them, the lines read, as one text.
    QByteArray loadedContent() const;

    QByteArray toBytes() const;
    // The document, or why the bytes are none (a damaged or foreign file).
    using ReadResult = std::variant<std::unique_ptr<RecoveryDocument>, QString>;
    static ReadResult fromBytes(const QByteArray &bytes);
    // True for a recovery file of a later version than this program reads.
    static bool isNewerVersion(const QByteArray &bytes);
};
