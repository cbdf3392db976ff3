#pragma once
#include "app/WindowState.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

class QAction;
class QWidget;

// Undo and redo of the user's actions since a load, and whether the window's
// state differs from the file loaded or last saved. The parts of the window
// tell it when their state changes (changed) and when a user action is
// complete (actionFinished); each complete action that changed the state is
// one step on a QUndoStack, holding the states before and after it.
class EditHistory : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxSteps = 200;
    using Capture = std::function<WindowState()>;
    using Restore = std::function<void(const WindowState &)>;

    EditHistory(Capture capture, Restore restore, QObject *parent);

    // The undo and redo commands with their keys; their enabled state follows
    // the history. Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z.
    QAction *undoAction() const { return undoAction_; }
    QAction *redoAction() const { return redoAction_; }
    // The window's line edits leave these keys to the window instead of
    // undoing their own text.
    void leaveUndoKeysToWindow(QWidget *root);

    // A file was loaded: no steps, and this state is the file's.
    void reset();
    // Unsaved work was brought back: no steps, and this state is not the file's.
    void resetUnsaved();
    // The state was saved to the file.
    void markSaved();
    // Something changed; the marker follows at once.
    void changed();
    // A user action is complete: a step when it changed the state.
    void actionFinished();
    // An unfinished action (an edit still being typed) is recorded as a step
    // of its own first.
    void undo();
    void redo();

    // True while the state differs from the file loaded or last saved.
    bool isModified() const { return started_ && !(capture_() == saved_); }

    // While one lives, changes are not the user's (a load, a restore).
    class Quiet {
    public:
        explicit Quiet(EditHistory &history) : history_(history), was_(history.quiet_) { history_.quiet_ = true; }
        ~Quiet() { history_.quiet_ = was_; }
        Quiet(const Quiet &) = delete;
        Quiet &operator=(const Quiet &) = delete;

    private:
        EditHistory &history_;
        bool was_;
    };

signals:
    void modifiedChanged(bool modified);
    // A step was recorded, undone or redone, or the history started afresh:
    // the state is settled (no edit in progress).
    void settled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restoreStep(const WindowState &state);
    void refresh();

    Capture capture_;
    Restore restore_;
    QUndoStack stack_;
    QAction *undoAction_;
    QAction *redoAction_;
    // The state after the last step (or the load): what an unfinished action
    // is compared with.
    WindowState current_;
    WindowState saved_;
    bool started_ = false;
    bool pending_ = false;
    bool modified_ = false;
    bool quiet_ = false;

    friend class SnapshotStep;
};
