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

using Frames = std::vector<EditorFrame *>;
using Placement = EditorFrameHost::Placement;

// A frame sized to end 15 pixels right of and below its take-over button.
void placeBesideGrid(QWidget *frame, const QWidget *takeOverButton, const Placement &at)
{
    frame->setGeometry(FrameLeft, at.grid->y() + 5, Widgets::rightEdgeIn(takeOverButton, frame) + 15,
                       Widgets::bottomEdgeIn(takeOverButton, frame) + 15);
}

// The blink pattern editors: placed beside the grid, window fitted, then set up
// for their width and drawn.
void showBlinkFrame(EditorFrame *frame, const QWidget *takeOverButton, const Placement &at)
{
    placeBesideGrid(frame, takeOverButton, at);
    at.arrange(5, FrameLeft, frame->height(), frame->width());
    frame->show();
    frame->loadFromSession();
}

// The frames of each editor kind: how they are made, and how they are placed
// beside the slot grid and shown. The rows stand in the order in which a save
// asks about changes not applied.
struct FrameRow {
    EditorFrameKind kind;
    Frames (*make)(DecoderSession &session, EditorFrameHost &host, QWidget *window);
    void (*show)(const Frames &frames, EditorFrameHost &host, const Placement &at);
};

const FrameRow FrameTable[] = {
    {EditorFrameKind::Servo,
     [](DecoderSession &session, EditorFrameHost &host, QWidget *window) -> Frames {
         auto *curves = new TFrameTamb(session, window);
         auto *addresses = new TFrameTambAdr(session, curves->model(), window);
         curves->setAddressFrame(addresses);
         QObject::connect(curves, &TFrameTamb::rasterChanged, &host, [&host](int x, int y) {
             host.rasterX = x;
             host.rasterY = y;
         });
         return {curves, addresses};
     },
     [](const Frames &frames, EditorFrameHost &host, const Placement &at) {
         auto *curves = static_cast<TFrameTamb *>(frames[0]);
         EditorFrame *addresses = frames[1];
         placeBesideGrid(curves, curves->servo_btn_uebernehmen, at);
         addresses->setGeometry(at.grid->x() + 1, 120, at.grid->width() - 2, 530);
         at.arrange(FrameLeft, 650, curves->height(), Widgets::rightEdgeIn(curves->servo_btn_uebernehmen, curves) - 225);
         curves->setGridChoice(host.rasterX, host.rasterY);
         curves->show();
         addresses->show();
         curves->loadFromSession();
         addresses->loadFromSession();
     }},
    {EditorFrameKind::Blink,
     [](DecoderSession &session, EditorFrameHost &, QWidget *window) -> Frames {
         return {new TFrameBlinkmuster(session, window)};
     },
     [](const Frames &frames, EditorFrameHost &, const Placement &at) {
         showBlinkFrame(frames[0], static_cast<TFrameBlinkmuster *>(frames[0])->blinkmuster_btn_uebernehmen, at);
     }},
    {EditorFrameKind::LedBlink,
     [](DecoderSession &session, EditorFrameHost &, QWidget *window) -> Frames {
         return {new TFrameBlinkmuster_led(session, window)};
     },
     [](const Frames &frames, EditorFrameHost &, const Placement &at) {
         showBlinkFrame(frames[0], static_cast<TFrameBlinkmuster_led *>(frames[0])->led_blinkmuster_btn_uebernehmen, at);
     }},
    {EditorFrameKind::Modes,
     [](DecoderSession &session, EditorFrameHost &, QWidget *window) -> Frames {
         return {new TFrameZusatz(session, window)};
     },
     [](const Frames &frames, EditorFrameHost &, const Placement &at) {
         const int width = TFrameZusatz::ShownWidth;
         frames[0]->setGeometry(FrameLeft, at.grid->y() + 5, width, 485);
         at.arrange(5, FrameLeft, 485, width);
         frames[0]->show();
         frames[0]->loadFromSession();
     }},
    {EditorFrameKind::CvList,
     [](DecoderSession &session, EditorFrameHost &, QWidget *window) -> Frames {
         return {new TFrameRegister(session, window)};
     },
     [](const Frames &frames, EditorFrameHost &, const Placement &at) {
         at.arrange(5, FrameLeft, 555, 535);
         frames[0]->setGeometry(5, at.grid->y() + 3, 940, 555);
         frames[0]->show();
         frames[0]->raise();
         frames[0]->loadFromSession();
     }},
};

const FrameRow *frameRow(EditorFrameKind kind)
{
    const auto *found =
        std::find_if(std::begin(FrameTable), std::end(FrameTable), [kind](const FrameRow &row) { return row.kind == kind; });
    return found == std::end(FrameTable) ? nullptr : found;
}

} // namespace

EditorFrameHost::EditorFrameHost(DecoderDocument &document) : document_(document), session_(document.session())
{
    setObjectName(QStringLiteral("editorFrameHost"));
    connect(&document_, &DecoderDocument::restored, this, &EditorFrameHost::showDocument);
    connect(&document_, &DecoderDocument::editorCopyApplied, this, &EditorFrameHost::showApplied);
}

void EditorFrameHost::attach(QWidget *window, const QWidget *grid)
{
    window_ = window;
    grid_ = grid;
}

void EditorFrameHost::create(EditorFrameKind kind)
{
    const FrameRow *row = frameRow(kind);
    if (!row || madeOf(kind))
        return;
    const Frames made = row->make(session_, *this, window_);
    made_.emplace_back(kind, made);
    for (EditorFrame *frame : made) {
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

const std::vector<EditorFrame *> *EditorFrameHost::madeOf(EditorFrameKind kind) const
{
    for (const auto &[madeKind, frames] : made_) {
        if (madeKind == kind)
            return &frames;
    }
    return nullptr;
}

bool EditorFrameHost::applyWaitingCopies(DecoderDocument &document, QWidget *asker)
{
    for (const QString &editor : document.waitingEditors()) {
        if (!Dialogs::askYesNo(asker, tr("Geänderte Werte übernehmen?")))
            return false;
        document.applyEditorCopy(editor);
    }
    return true;
}

// The frame writes the same copy once more (the image holds it already) and
// shows it as taken over, as after a click on its take-over button.
void EditorFrameHost::showApplied(const QString &editor)
{
    for (EditorFrame *frame : frames()) {
        if (frame->objectName() == editor)
            frame->applyChanges();
    }
    storeCopies();
}

std::vector<EditorFrame *> EditorFrameHost::frames() const
{
    std::vector<EditorFrame *> all;
    for (const FrameRow &row : FrameTable) {
        if (const Frames *made = madeOf(row.kind))
            all.insert(all.end(), made->begin(), made->end());
    }
    return all;
}

void EditorFrameHost::hideAll()
{
    for (EditorFrame *frame : frames())
        frame->hide();
    storeCopies();
}

void EditorFrameHost::show(EditorFrameKind kind)
{
    hideAll();
    create(kind);
    if (const FrameRow *row = frameRow(kind))
        row->show(*madeOf(kind), *this, Placement{window_, grid_, *this});
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
