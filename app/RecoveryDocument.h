#pragma once
#include "decoder/DecoderTypes.h"
#include "frames/FrameState.h"
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

// The unsaved work of a window that ended without saving, as its recovery
// file keeps it: the image with the lines it was read from, the slot grid's
// texts and outputs, the editors' working copies not yet applied, what was
// found damaged at the load, and the file's path.
// Written as JSON; reading checks every field and refuses anything else.
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
    // The file the work started from as it was when the work was first kept
    // (key "base"); none for files of windows that recorded none.
    std::optional<FileFingerprint> base;

    // The lines of the file the image was loaded from (or last saved to), as
    // one text: loading it again gives the state the edits started from.
    QByteArray loadedContent() const;

    QByteArray toBytes() const;
    // The document, or why the bytes are none (a damaged or foreign file).
    using ReadResult = std::variant<std::unique_ptr<RecoveryDocument>, QString>;
    static ReadResult fromBytes(const QByteArray &bytes);
    // True for a recovery file of a later version than this program reads.
    static bool isNewerVersion(const QByteArray &bytes);
};
