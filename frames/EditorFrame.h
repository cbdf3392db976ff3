#pragma once
#include "decoder/DecoderSession.h"
#include "frames/FrameState.h"

#include <QFrame>

// Common ground of the editor frames: the decoder session, through which the
// frame reaches the firmware image and the type, and the life cycle every
// frame follows: load from the session, tell whether changes wait to be
// applied, apply them, discard them.
class EditorFrame : public QFrame {
    Q_OBJECT

public:
    EditorFrame(DecoderSession &session, const QString &name, int designWidth, int designHeight, QWidget *parent);

    // Sets the frame up for the session's decoder type and shows what the image
    // holds. The window places and shows the frame before.
    virtual void loadFromSession() = 0;
    // True while the frame holds changes that are not in the image yet. The
    // frames that write every change at once never do.
    virtual bool hasUnappliedChanges() const { return false; }
    // Writes the waiting changes into the image.
    virtual void applyChanges() {}
    // Drops the waiting changes and shows the image again.
    virtual void discardChanges() {}
    // The working copy, for undo and the unsaved-changes marker; none for the
    // frames whose every change goes into the image at once.
    virtual std::shared_ptr<const FrameState> workingCopy() const { return nullptr; }
    // Takes a working copy back (after loadFromSession) and shows it.
    virtual void restoreWorkingCopy(const FrameState &) {}
    // Takes a working copy back with the part of it that was shown (a curve,
    // an address), as a window brought back after its end shows it.
    virtual void restoreWorkingCopyAsShown(const FrameState &state) { restoreWorkingCopy(state); }
    // Starts playback standing still `ms` after its start, for a picture of
    // that moment; false for a frame that plays nothing.
    virtual bool playAt(qint64 /*ms*/) { return false; }

    // From now on the frame tells of its user's input through changed() and
    // actionFinished(), for the controls it has and those it makes later.
    void reportUserActions();

signals:
    // Controls a frame made after it was set up, for the window to treat as
    // those it had from the start (file drops, for one).
    void controlsMade(const QList<QWidget *> &controls);
    // Something may have changed: an edit's text, a click, a step of a drag.
    void changed();
    // A user action is complete: an edit left or ended with Enter, a click, a
    // choice from a list, a slider moved or let go, a drag ended. The frame's
    // own handling of the action has run by then.
    void actionFinished();

protected:
    DecoderSession &session() const { return session_; }
    FirmwareImage &image() const { return session_.image; }
    int typeCode() const { return session_.typeCode(); }

private:
    void reportUserActionsOf(const QList<QWidget *> &made);
    void reportUserActionsOf(QWidget *control);
    void finishAction();
    // A slider moves its value after it told of the action.
    void finishActionLater();

    DecoderSession &session_;
};
