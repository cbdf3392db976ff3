#include "app/EditHistory.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QUndoCommand>

// One user action: the window's states before and after it.
class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(EditHistory &history, WindowState before, WindowState after)
        : history_(history), before_(std::move(before)), after_(std::move(after))
    {
    }

    void undo() override { history_.restoreStep(before_); }
    // The first redo is the push: the window is in that state already.
    void redo() override
    {
        if (pushed_)
            history_.restoreStep(after_);
        pushed_ = true;
    }

private:
    EditHistory &history_;
    WindowState before_;
    WindowState after_;
    bool pushed_ = false;
};

EditHistory::EditHistory(Capture capture, Restore restore, QObject *parent)
    : QObject(parent), capture_(std::move(capture)), restore_(std::move(restore))
{
    setObjectName(QStringLiteral("editHistory"));
    stack_.setUndoLimit(MaxSteps);
    // Without the keys in the text: a menu shows the shortcut beside it.
    undoAction_ = new QAction(tr("Rückgängig"), this);
    undoAction_->setObjectName(QStringLiteral("actUndo"));
    undoAction_->setShortcuts({QKeySequence::Undo});
    redoAction_ = new QAction(tr("Wiederholen"), this);
    redoAction_->setObjectName(QStringLiteral("actRedo"));
    redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction *action : {undoAction_, redoAction_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
    }
    connect(undoAction_, &QAction::triggered, this, &EditHistory::undo);
    connect(redoAction_, &QAction::triggered, this, &EditHistory::redo);
}

void EditHistory::leaveUndoKeysToWindow(QWidget *root)
{
    QList<QLineEdit *> edits = root->findChildren<QLineEdit *>();
    if (auto *edit = qobject_cast<QLineEdit *>(root))
        edits.prepend(edit);
    for (QLineEdit *edit : edits)
        edit->installEventFilter(this);
}

// A line edit claims the undo keys for its own text before any shortcut of
// the window sees them; the claim is stopped here, so the window's commands run.
bool EditHistory::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
    for (const QAction *action : {undoAction_, redoAction_}) {
        if (action->shortcuts().contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    return false;
}

void EditHistory::reset()
{
    stack_.clear();
    current_ = capture_();
    saved_ = current_;
    started_ = true;
    pending_ = false;
    stack_.setClean();
    refresh();
    emit settled();
}

void EditHistory::resetUnsaved()
{
    reset();
    // A state no window ever has: whatever is shown differs from it.
    saved_ = WindowState();
    refresh();
    emit settled();
}

void EditHistory::markSaved()
{
    actionFinished();
    saved_ = current_;
    stack_.setClean();
    refresh();
    emit settled();
}

void EditHistory::changed()
{
    if (!started_ || quiet_)
        return;
    pending_ = !(capture_() == current_);
    refresh();
}

void EditHistory::actionFinished()
{
    if (!started_ || quiet_)
        return;
    WindowState now = capture_();
    pending_ = false;
    if (!(now == current_)) {
        stack_.push(new SnapshotStep(*this, current_, now));
        current_ = std::move(now);
    }
    refresh();
    emit settled();
}

void EditHistory::undo()
{
    actionFinished(); // an entry still being typed is a step of its own
    if (stack_.canUndo())
        stack_.undo();
    refresh();
    emit settled();
}

void EditHistory::redo()
{
    actionFinished();
    if (stack_.canRedo())
        stack_.redo();
    refresh();
    emit settled();
}

void EditHistory::restoreStep(const WindowState &state)
{
    const Quiet quiet(*this);
    restore_(state);
    current_ = capture_();
    pending_ = false;
}

void EditHistory::refresh()
{
    const bool modified = started_ && (pending_ || !(current_ == saved_)) && !(capture_() == saved_);
    undoAction_->setEnabled(stack_.canUndo() || pending_);
    redoAction_->setEnabled(stack_.canRedo() && !pending_);
    if (modified == modified_)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}
