#pragma once
#include "app/RecoveryDocument.h"
#include "decoder/DecoderSession.h"
#include "frames/FrameState.h"

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class EditorFrame;
class QWidget;
class TFrameZusatz;
class TFrameBlinkmuster;
class TFrameBlinkmuster_led;
class TFrameTamb;
class TFrameTambAdr;
class TFrameRegister;

// Makes, places and shows the editor frames of the main window. A frame is
// made the first time a decoder type asks for it, then shown beside the slot
// grid (the CV list over it) with the window fitted around it.
class EditorFrameHost : public QObject {
    Q_OBJECT

public:
    // Fits the window: ArrangeWindow(imageLeft, buttonsLeft, contentHeight, contentWidth).
    using Arrange = std::function<void(int, int, int, int)>;

    explicit EditorFrameHost(DecoderSession &session);
    // window: the frames' parent; grid: the slot grid's box, the frames line up with it.
    void attach(QWidget *window, const QWidget *grid, Arrange arrange);

    TFrameZusatz *FrameZusatz1 = nullptr;
    TFrameBlinkmuster *FrameBlinkmuster1 = nullptr;
    TFrameBlinkmuster_led *FrameBlinkmuster_led1 = nullptr;
    TFrameTamb *FrameTamb1 = nullptr;
    TFrameTambAdr *FrameTambAdr1 = nullptr;
    TFrameRegister *FrameRegister1 = nullptr;

    // Grid choices of the servo curve editor, kept in the settings file.
    int rasterX = 0;
    int rasterY = 0;

    // Makes the frame (both servo frames) unless it exists.
    void create(EditorFrameKind kind);
    // Shows the one frame of the kind (or the two servo frames) and loads it.
    void show(EditorFrameKind kind);
    void hideAll();
    // The frames made so far, in the order in which the save sequence asks
    // about changes not applied.
    std::vector<EditorFrame *> frames() const;
    // Each editor whose changes wait asks whether to take them over; No
    // ends what the user was doing (a save, an apply), and false says so.
    bool applyWaitingChanges(QWidget *asker);

    // The working copies of the frames shown, one per frame made (null for a
    // hidden one and for the frames that write every change at once).
    std::vector<std::shared_ptr<const FrameState>> workingCopies() const;
    // Each frame shown reloads from the session and takes its copy back;
    // asShown: with the curve or address shown when the copy was taken.
    void restoreWorkingCopies(const std::vector<std::shared_ptr<const FrameState>> &copies, bool asShown = false);
    // The working copies of the frames shown, each with its frame's name, as
    // the recovery file keeps them.
    std::vector<RecoveryDocument::FrameCopy> namedWorkingCopies() const;
    // Named copies in the order of workingCopies(); a copy whose frame is not
    // shown is left out, and counted in left.
    std::vector<std::shared_ptr<const FrameState>> inFrameOrder(const std::vector<RecoveryDocument::FrameCopy> &named,
                                                                int &left) const;

signals:
    // A frame just made; it reports its user's changes and actions from now on.
    void frameMade(EditorFrame *frame);

private:
    void make(EditorFrameKind kind);
    void placeBesideGrid(QWidget *frame, const QWidget *takeOverButton) const;
    template <class BlinkFrame> void showBlinkFrame(BlinkFrame *frame, const QWidget *takeOverButton);

    DecoderSession &session_;
    QWidget *window_ = nullptr;
    const QWidget *grid_ = nullptr;
    Arrange arrange_;
};
