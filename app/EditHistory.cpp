#include "app/EditHistory.h"

#include <QAction>
#include <QUndoCommand>

// One user action: the document's edits before and after it.
class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(EditHistory &history, DecoderDocument::Edits before, DecoderDocument::Edits after)
        : history_(history), before_(std::move(before)), after_(std::move(after))
    {
    }

    void undo() override { history_.restoreStep(before_); }
    // The first redo is the push: the document is in that state already.
    void redo() override
    {
        if (pushed_)
            history_.restoreStep(after_);
        pushed_ = true;
    }
    // A save wrote the edits as the file holds them: a redo comes back there.
    void endAt(DecoderDocument::Edits after) { after_ = std::move(after); }

private:
    EditHistory &history_;
    DecoderDocument::Edits before_;
    DecoderDocument::Edits after_;
    bool pushed_ = false;
};

EditHistory::EditHistory(DecoderDocument &document, QObject *parent) : QObject(parent), document_(document)
{
    setObjectName(QStringLiteral("editHistory"));
    stack_.setUndoLimit(MaxSteps);
    // Without the keys in the text: a menu shows the shortcut beside it.
    undoAction_ = new QAction(tr("Rückgängig"), this);
    undoAction_->setObjectName(QStringLiteral("actUndo"));
    redoAction_ = new QAction(tr("Wiederholen"), this);
    redoAction_->setObjectName(QStringLiteral("actRedo"));
    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);
    connect(undoAction_, &QAction::triggered, this, &EditHistory::undo);
    connect(redoAction_, &QAction::triggered, this, &EditHistory::redo);
    connect(&document_, &DecoderDocument::started, this, &EditHistory::start);
    connect(&document_, &DecoderDocument::fileSaved, this, &EditHistory::markSaved);
}

void EditHistory::start()
{
    stack_.clear();
    current_ = document_.edits();
    started_ = true;
    pending_ = false;
    refresh();
    emit settled();
}

void EditHistory::markSaved()
{
    current_ = document_.edits();
    pending_ = false;
    if (stack_.count() > 0 && stack_.index() == stack_.count())
        static_cast<SnapshotStep *>(const_cast<QUndoCommand *>(stack_.command(stack_.index() - 1)))->endAt(current_);
    refresh();
    emit settled();
}

void EditHistory::changed()
{
    if (!listening())
        return;
    const DecoderDocument::Edits now = document_.edits();
    pending_ = !(now == current_);
    refresh();
}

void EditHistory::actionFinished()
{
    if (!listening())
        return;
    DecoderDocument::Edits now = document_.edits();
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

void EditHistory::restoreStep(const DecoderDocument::Edits &edits)
{
    document_.restore(edits);
    current_ = document_.edits();
    pending_ = false;
}

void EditHistory::refresh()
{
    const bool modified = isModified();
    undoAction_->setEnabled(stack_.canUndo() || pending_);
    redoAction_->setEnabled(stack_.canRedo() && !pending_);
    if (modified == modified_)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}
