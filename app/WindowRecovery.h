#pragma once
#include "document/DecoderDocument.h"
#include "document/RecoveryKeeper.h"

#include <QObject>
#include <QString>
#include <optional>

class FileActions;
class QTimer;
class QWidget;

// Keeps the window's document in its recovery file while it holds unsaved
// work, so that "Ende", a crash or a kill loses at most the edit in progress,
// and offers the work of windows gone back at the next start.
class WindowRecovery : public QObject {
    Q_OBJECT

public:
    // files brings work back; window: the parent of the messages.
    WindowRecovery(DecoderDocument &document, FileActions &files, QWidget *window);

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

private:
    bool restoreFrom(const QString &path);

    DecoderDocument &document_;
    FileActions &files_;
    QWidget *window_;
    RecoveryKeeper keeper_;
    QTimer *due_ = nullptr;
    // What the recovery file holds now; empty while there is none.
    std::optional<DecoderDocument::Edits> kept_;
    QString keptPath_;
};
