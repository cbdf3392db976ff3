#pragma once
#include "app/RecoveryKeeper.h"
#include "app/WindowState.h"
#include "image/FileFingerprint.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class DecoderSession;
class EditHistory;
class EditorFrameHost;
class FileActions;
class QTimer;
class QWidget;
class SlotGrid;
struct RecoveryDocument;

// Keeps the window's unsaved work in its recovery file after every step of
// the history, so that "Ende", a crash or a kill loses at most the edit in
// progress, and offers the work of windows gone back at the next start.
class WindowRecovery : public QObject {
    Q_OBJECT

public:
    struct Parts {
        QWidget *window;
        DecoderSession &session;
        SlotGrid &grid;
        EditorFrameHost &frames;
        EditHistory &history;
        FileActions &files;
        std::function<WindowState()> capture;
        std::function<void(const WindowState &)> restore;
    };
    explicit WindowRecovery(Parts parts, QObject *parent = nullptr);

    // The recovery file holds the unsaved work, or goes when there is none.
    // False when the work could not be kept (with tellFailure, the message
    // was shown).
    bool keep(bool tellFailure = false);
    // The work was given up: its file goes.
    void discard();
    // The window closes: the lock goes, the file stays for the next start.
    void release();
    // Offers the work of windows no longer open; Ja brings the newest back.
    void offer();
    const RecoveryKeeper &keeper() const { return keeper_; }

private:
    RecoveryDocument document();
    // The question flow for one recovery file left behind, held by this
    // window while it runs: true when the work was brought back.
    bool restoreFrom(const QString &path);
    bool bringBack(const RecoveryDocument &document);
    // Why a recovery file cannot be brought back, and where it was put aside.
    void keepAside(const QString &path, const QString &why, const QString &fault);
    enum class Answer { Restore, Discard, Later };
    Answer askRestore(const RecoveryDocument &document, const std::optional<QString> &baseNote);
    // Said in the question when the file the work started from changed since
    // it was kept, or is gone.
    std::optional<QString> baseChangeNote(const RecoveryDocument &document) const;
    // Asked by a save after work was brought back over a file changed since.
    bool mayReplaceChangedBase(const QString &path);
    // The file the work started from, as it was when it was first kept.
    const std::optional<FileFingerprint> &baseFingerprint();

    Parts parts_;
    RecoveryKeeper keeper_;
    QTimer *due_ = nullptr;
    // What the recovery file holds now; empty while there is none.
    std::optional<WindowState> kept_;
    QString keptPath_;
    // The base file's fingerprint, of the file named basePath_.
    std::optional<FileFingerprint> base_;
    QString basePath_;
    // Set while work brought back over a changed file is unsaved: the
    // fingerprint the work started from.
    std::optional<FileFingerprint> changedBase_;
};
