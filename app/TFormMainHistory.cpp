// Undo and redo of every user action since a load, the unsaved-changes marker
// in the title and the question before unsaved work is thrown away.
#include "app/TFormMain.h"
#include "app/Version.h"
#include "frames/EditorFrame.h"
#include "ui/Dialogs.h"
#include "ui/PlainText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

// Watches the application's input for the ends of user actions inside the
// window: a mouse button let go, Enter, an edit left, a key outside an edit.
// A keystroke inside an edit is no step of its own: the edit counts once.
class UserActionWatcher : public QObject {
public:
    UserActionWatcher(TFormMain *window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || (widget != window_ && !window_->isAncestorOf(widget)))
            return false;
        if (endsAnAction(widget, event))
            window_->scheduleUserActionCheck();
        return false;
    }

private:
    static bool endsAnAction(QWidget *widget, QEvent *event)
    {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
        case QEvent::FocusOut:
            return true;
        case QEvent::KeyRelease: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            return !qobject_cast<QLineEdit *>(widget) || key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        default:
            return false;
        }
    }

    TFormMain *window_;
};

} // namespace

void TFormMain::createHistory()
{
    actionWatcher_ = new UserActionWatcher(this);
    qApp->installEventFilter(actionWatcher_);
    const struct {
        QString name;
        QString text;
        QList<QKeySequence> keys;
        void (TFormMain::*act)();
    } entries[] = {
        {QStringLiteral("actUndo"), QStringLiteral("Rückgängig (Strg+Z)"), {QKeySequence::Undo}, &TFormMain::undo},
        {QStringLiteral("actRedo"), QStringLiteral("Wiederholen (Strg+Y)"),
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, &TFormMain::redo},
    };
    for (const auto &a : entries) {
        auto *action = new QAction(a.text, this);
        action->setObjectName(a.name);
        action->setShortcuts(a.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, a.act);
        addAction(action);
    }
    // The window's context menu shows both; the buttons and edits keep theirs.
    GroupBoxButtons->setContextMenuPolicy(Qt::ActionsContextMenu);
    GroupBoxButtons->addActions(QWidget::actions());
    GroupBoxButtons->setToolTip(QStringLiteral("Rechtsklick: Rückgängig (Strg+Z), Wiederholen (Strg+Y)"));
    updateTitle();
}

WindowState TFormMain::captureState() const
{
    WindowState state;
    state.image = std::make_shared<const ImageSnapshot>(session.image);
    for (int s = 0; s < SlotCount; ++s) {
        state.addressTexts[s] = slotAddressText(s);
        state.functionTexts[s] = slotFunctionText(s);
        state.green[s] = session.slotValues[s].green;
    }
    for (const EditorFrame *frame : editorFrames())
        state.frames.push_back(frame->isVisibleTo(this) ? frame->workingCopy() : nullptr);
    return state;
}

void TFormMain::restoreState(const WindowState &state)
{
    session.image = state.image->image();
    for (int s = 0; s < SlotCount; ++s) {
        setSlotTexts(s, state.addressTexts[s], state.functionTexts[s]);
        session.slotValues[s].green = state.green[s];
    }
    ColourAddressEdits();
    const std::vector<EditorFrame *> frames = editorFrames();
    for (std::size_t f = 0; f < frames.size(); ++f) {
        if (!frames[f]->isVisibleTo(this))
            continue;
        frames[f]->loadFromSession();
        if (f < state.frames.size() && state.frames[f])
            frames[f]->restoreWorkingCopy(*state.frames[f]);
    }
}

void TFormMain::scheduleUserActionCheck()
{
    if (actionCheckPending_)
        return;
    actionCheckPending_ = true;
    QTimer::singleShot(0, this, [this] {
        actionCheckPending_ = false;
        noteUserAction();
    });
}

void TFormMain::noteUserAction()
{
    if (session.filePath.isEmpty() || restoring_)
        return;
    history_.record(captureState());
    updateTitle();
}

void TFormMain::resetHistory()
{
    history_.reset(captureState());
    updateTitle();
}

void TFormMain::markSaved()
{
    WindowState state = captureState();
    history_.record(state);
    history_.markSaved(std::move(state));
    updateTitle();
}

void TFormMain::undo()
{
    stepThroughHistory(false);
}

void TFormMain::redo()
{
    stepThroughHistory(true);
}

void TFormMain::stepThroughHistory(bool forward)
{
    noteUserAction(); // an entry still being typed is a step of its own
    if (forward ? !history_.canRedo() : !history_.canUndo())
        return;
    restoring_ = true;
    restoreState(forward ? history_.redo() : history_.undo());
    restoring_ = false;
    updateTitle();
}

bool TFormMain::hasUnsavedChanges() const
{
    return !session.filePath.isEmpty() && history_.isUnsaved(captureState());
}

void TFormMain::updateTitle()
{
    if (session.filePath.isEmpty()) {
        setWindowTitle(programCaption());
        return;
    }
    const QString title = PlainText::titleText(session.filePath) + QStringLiteral(" – ") + programCaption();
    setWindowTitle(hasUnsavedChanges() ? QStringLiteral("* ") + title : title);
}

bool TFormMain::mayDiscardChanges()
{
    noteUserAction();
    if (!hasUnsavedChanges())
        return true;
    return Dialogs::askYesNo(this, QStringLiteral("Ungespeicherte Änderungen an %1 verwerfen?")
                                       .arg(QFileInfo(session.filePath).fileName()));
}

bool TFormMain::mayClose()
{
    // "Ende" ends without a question; the title bar and Ctrl+Q ask first.
    return endingByButton_ || mayDiscardChanges();
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
