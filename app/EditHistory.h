#pragma once
#include "document/DecoderDocument.h"

#include <QObject>
#include <QUndoStack>

class QAction;
class QWidget;

// Undo and redo of the user's actions on the document. The parts of the
// window tell it when the document changes (changed) and when a user action
// is complete (actionFinished); each complete action that changed what the
// user edits is one step on a QUndoStack, holding the edits before and after
// it. Whether anything is unsaved is the document's comparison with its
// baseline.
class EditHistory : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxSteps = 200;

    EditHistory(DecoderDocument &document, QObject *parent);

    // The undo and redo commands with their keys; their enabled state follows
    // the history. Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z.
    QAction *undoAction() const { return undoAction_; }
    QAction *redoAction() const { return redoAction_; }

    // Something changed; the marker follows at once.
    void changed();
    // A user action is complete: a step when it changed the edits.
    void actionFinished();
    // An unfinished action (an edit still being typed) is recorded as a step
    // of its own first, when it changed anything.
    void undo();
    void redo();

    bool isModified() const { return started_ && document_.isModified(); }

signals:
    void modifiedChanged(bool modified);
    // A step was recorded, undone or redone, or the history started afresh:
    // the document is settled (no edit in progress).
    void settled();

private:
    // A file was opened and shown, or work brought back over it: no steps.
    void start();
    // The document was saved; the last step ends where the saved file is.
    void markSaved();
    void restoreStep(const DecoderDocument::Edits &edits);
    void refresh();

    DecoderDocument &document_;
    QUndoStack stack_;
    QAction *undoAction_;
    QAction *redoAction_;
    // The edits after the last step (or the load): what an unfinished action
    // is compared with.
    DecoderDocument::Edits current_;
    bool started_ = false;
    bool pending_ = false;
    bool modified_ = false;
    bool listening() const { return started_ && !document_.isBusy(); }

    friend class SnapshotStep;
};
