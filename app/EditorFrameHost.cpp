#include "app/EditorFrameHost.h"

#include "ui/Dialogs.h"

#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"
#include "frames/Frame_register/TFrameRegister.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Frame_tamb_adr/TFrameTambAdr.h"
#include "frames/Frame_zusatz/TFrameZusatz.h"
#include "ui/Widgets.h"

#include <QPushButton>

#include <algorithm>

namespace {

constexpr int FrameLeft = 410;

} // namespace

EditorFrameHost::EditorFrameHost(DecoderDocument &document) : document_(document), session_(document.session())
{
    setObjectName(QStringLiteral("editorFrameHost"));
    connect(&document_, &DecoderDocument::restored, this, &EditorFrameHost::showDocument);
}

void EditorFrameHost::attach(QWidget *window, const QWidget *grid, Arrange arrange)
{
    window_ = window;
    grid_ = grid;
    arrange_ = std::move(arrange);
}

void EditorFrameHost::create(EditorFrameKind kind)
{
    const std::vector<EditorFrame *> before = frames();
    make(kind);
    for (EditorFrame *frame : frames()) {
        if (std::find(before.begin(), before.end(), frame) != before.end())
            continue;
        frame->reportUserActions();
        connect(frame, &EditorFrame::changed, this, [this] {
            storeCopies();
            emit changed();
        });
        connect(frame, &EditorFrame::actionFinished, this, [this] {
            storeCopies();
            emit actionFinished();
        });
        emit frameMade(frame);
    }
}

void EditorFrameHost::make(EditorFrameKind kind)
{
    switch (kind) {
    case EditorFrameKind::Modes:
        if (!FrameZusatz1)
            FrameZusatz1 = new TFrameZusatz(session_, window_);
        break;
    case EditorFrameKind::Blink:
        if (!FrameBlinkmuster1)
            FrameBlinkmuster1 = new TFrameBlinkmuster(session_, window_);
        break;
    case EditorFrameKind::LedBlink:
        if (!FrameBlinkmuster_led1)
            FrameBlinkmuster_led1 = new TFrameBlinkmuster_led(session_, window_);
        break;
    case EditorFrameKind::Servo:
        if (!FrameTamb1) {
            FrameTamb1 = new TFrameTamb(session_, window_);
            FrameTambAdr1 = new TFrameTambAdr(session_, FrameTamb1->model(), window_);
            FrameTamb1->setAddressFrame(FrameTambAdr1);
            connect(FrameTamb1, &TFrameTamb::rasterChanged, this, [this](int x, int y) {
                rasterX = x;
                rasterY = y;
            });
        }
        break;
    case EditorFrameKind::CvList:
        if (!FrameRegister1)
            FrameRegister1 = new TFrameRegister(session_, window_);
        break;
    case EditorFrameKind::None:
        break;
    }
}

bool EditorFrameHost::applyWaitingChanges(QWidget *asker)
{
    for (EditorFrame *frame : frames()) {
        if (!frame->hasUnappliedChanges())
            continue;
        if (!Dialogs::askYesNo(asker, tr("Geänderte Werte übernehmen?")))
            return false;
        frame->applyChanges();
        storeCopies();
    }
    return true;
}

std::vector<EditorFrame *> EditorFrameHost::frames() const
{
    std::vector<EditorFrame *> made;
    for (EditorFrame *frame : std::initializer_list<EditorFrame *>{FrameTamb1, FrameBlinkmuster1,
                                                                   FrameBlinkmuster_led1, FrameTambAdr1,
                                                                   FrameZusatz1, FrameRegister1}) {
        if (frame)
            made.push_back(frame);
    }
    return made;
}

void EditorFrameHost::hideAll()
{
    for (EditorFrame *frame : frames())
        frame->hide();
    storeCopies();
}

// A frame sized to end 15 pixels right of and below its take-over button.
void EditorFrameHost::placeBesideGrid(QWidget *frame, const QWidget *takeOverButton) const
{
    frame->setGeometry(FrameLeft, grid_->y() + 5, Widgets::rightEdgeIn(takeOverButton, frame) + 15,
                       Widgets::bottomEdgeIn(takeOverButton, frame) + 15);
}

// The blink pattern editors: placed beside the grid, window fitted, then set up
// for their width and drawn.
template <class BlinkFrame> void EditorFrameHost::showBlinkFrame(BlinkFrame *frame, const QWidget *takeOverButton)
{
    placeBesideGrid(frame, takeOverButton);
    arrange_(5, FrameLeft, frame->height(), frame->width());
    frame->show();
    frame->loadFromSession();
}

void EditorFrameHost::show(EditorFrameKind kind)
{
    hideAll();
    create(kind);

    switch (kind) {
    case EditorFrameKind::Modes: {
        const int width = TFrameZusatz::ShownWidth;
        FrameZusatz1->setGeometry(FrameLeft, grid_->y() + 5, width, 485);
        arrange_(5, FrameLeft, 485, width);
        FrameZusatz1->show();
        FrameZusatz1->loadFromSession();
        break;
    }
    case EditorFrameKind::Blink:
        showBlinkFrame(FrameBlinkmuster1, FrameBlinkmuster1->blinkmuster_btn_uebernehmen);
        break;
    case EditorFrameKind::LedBlink:
        showBlinkFrame(FrameBlinkmuster_led1, FrameBlinkmuster_led1->led_blinkmuster_btn_uebernehmen);
        break;
    case EditorFrameKind::Servo:
        placeBesideGrid(FrameTamb1, FrameTamb1->servo_btn_uebernehmen);
        FrameTambAdr1->setGeometry(grid_->x() + 1, 120, grid_->width() - 2, 530);
        arrange_(FrameLeft, 650, FrameTamb1->height(),
                 Widgets::rightEdgeIn(FrameTamb1->servo_btn_uebernehmen, FrameTamb1) - 225);
        FrameTamb1->setGridChoice(rasterX, rasterY);
        FrameTamb1->show();
        FrameTambAdr1->show();
        FrameTamb1->loadFromSession();
        FrameTambAdr1->loadFromSession();
        break;
    case EditorFrameKind::CvList:
        arrange_(5, FrameLeft, 555, 535);
        FrameRegister1->setGeometry(5, grid_->y() + 3, 940, 555);
        FrameRegister1->show();
        FrameRegister1->raise();
        FrameRegister1->loadFromSession();
        break;
    case EditorFrameKind::None:
        break;
    }
    storeCopies();
}

void EditorFrameHost::storeCopies()
{
    for (const EditorFrame *frame : frames())
        document_.setEditorCopy(frame->objectName(), frame->isVisibleTo(window_) ? frame->workingCopy() : nullptr);
}

void EditorFrameHost::showDocument()
{
    for (EditorFrame *frame : frames()) {
        if (!frame->isVisibleTo(window_))
            continue;
        frame->loadFromSession();
        if (const auto copy = document_.editorCopy(frame->objectName())) {
            if (document_.restoringAsShown())
                frame->restoreWorkingCopyAsShown(*copy);
            else
                frame->restoreWorkingCopy(*copy);
        }
    }
    storeCopies();
}
