#pragma once
#include "document/RecoveryDocument.h"
#include "decoder/DecoderSession.h"
#include "frames/FrameState.h"

#include <QObject>
#include <memory>
#include <utility>
#include <vector>

class EditorFrame;
class QWidget;

// Makes, places and shows the editor frames of the main window. A frame is
// made the first time a decoder type asks for it, then shown beside the slot
// grid (the CV list over it) with the window fitted around it. The working
// copy of the editor shown is the document's: the host keeps it there after
// each change and gives it back to the editor when the document is restored.
class EditorFrameHost : public QObject {
    Q_OBJECT

public:
    // Where the frames go: the window, the slot grid's box beside which they
    // stand, and the host that asks for the window to be fitted around them.
    struct Placement {
        QWidget *window;
        const QWidget *grid;
        EditorFrameHost &host;
        void arrange(int imageLeft, int buttonsLeft, int contentHeight, int contentWidth) const
        {
            emit host.arrangeWindow(imageLeft, buttonsLeft, contentHeight, contentWidth);
        }
    };

    explicit EditorFrameHost(DecoderDocument &document);
    // window: the frames' parent; grid: the slot grid's box, the frames line up with it.
    void attach(QWidget *window, const QWidget *grid);

    // Grid choices of the servo curve editor, kept in the settings file.
    int rasterX = 0;
    int rasterY = 0;

    // Makes the frame (both servo frames) unless it exists.
    void create(EditorFrameKind kind);
    // Shows the one frame of the kind (or the two servo frames) and loads it.
    void show(EditorFrameKind kind);
    void hideAll();
    // Each editor of the document whose changes wait asks whether to take
    // them over; No ends what the user was doing (a save, an apply), and
    // false says so.
    static bool applyWaitingCopies(DecoderDocument &document, QWidget *asker);

    // Each frame shown reloads from the session and takes its working copy
    // back from the document.
    void showDocument();

signals:
    // A frame just made; it reports its user's changes and actions from now on.
    void frameMade(EditorFrame *frame);
    // A frame's user changed something, or ended an action; the document
    // holds the frame's working copy by then.
    void changed();
    void actionFinished();
    // A frame is placed: the window is to fit around it (ArrangeWindow).
    void arrangeWindow(int imageLeft, int buttonsLeft, int contentHeight, int contentWidth);

private:
    // The frames made so far, in the order of the frame table.
    std::vector<EditorFrame *> frames() const;
    // The frame whose working copy the document just wrote into the image
    // shows its changes as taken over.
    void showApplied(const QString &editor);
    // The frames of the kind made so far; null before the first.
    const std::vector<EditorFrame *> *madeOf(EditorFrameKind kind) const;

    // The working copies of the frames shown go into the document; a frame
    // hidden keeps none there.
    void storeCopies();

    DecoderDocument &document_;
    DecoderSession &session_;
    QWidget *window_ = nullptr;
    const QWidget *grid_ = nullptr;
    // The frames of each kind made so far, by kind (the servo editor has two).
    std::vector<std::pair<EditorFrameKind, std::vector<EditorFrame *>>> made_;
};
