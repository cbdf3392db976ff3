#pragma once
#include "document/DecoderDocument.h"
#include "document/RecoveryKeeper.h"
#include "image/FileFingerprint.h"

#include <QObject>
#include <QString>
#include <optional>

class QTimer;
class QWidget;
struct RecoveryDocument;

// Keeps the window's document in its recovery file while it holds unsaved
// work, so that "Ende", a crash or a kill loses at most the edit in progress,
// and offers the work of windows gone back at the next start.
class WindowRecovery : public QObject {
    Q_OBJECT

public:
    // window: the parent of the messages.
    WindowRecovery(DecoderDocument &document, QWidget *window);

    // The document settled after a step: the file follows when the event
    // loop next turns (once for a run of steps), or goes at once when
    // nothing is unsaved.
    void workSettled();
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
    // The files of the recent list: the question names a file with the
    // folders that tell it apart from them.
    void knowFiles(const QStringList &paths) { knownFiles_ = paths; }

private:
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
    QString shownName(const QString &path) const;
    // The file the work started from, as it was loaded or last saved.
    const std::optional<FileFingerprint> &baseFingerprint();

    DecoderDocument &document_;
    QWidget *window_;
    RecoveryKeeper keeper_;
    QTimer *due_ = nullptr;
    QStringList knownFiles_;
    // What the recovery file holds now; empty while there is none.
    std::optional<DecoderDocument::Edits> kept_;
    QString keptPath_;
    // The base file's fingerprint, of the file named basePath_ whose bytes
    // in the document have the SHA-256 baseContent_.
    std::optional<FileFingerprint> base_;
    QString basePath_;
    QByteArray baseContent_;
};
