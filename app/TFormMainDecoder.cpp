// The main window's view of the decoder session: slot grid, status panels and
// the editor frame of the recognised type.
#include "app/TFormMain.h"
#include "ui/TextColour.h"
#include "ui/Dialogs.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"
#include "frames/Frame_register/TFrameRegister.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Frame_tamb_adr/TFrameTambAdr.h"
#include "frames/Frame_zusatz/TFrameZusatz.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace {

// The slot steps of the status bar's progress bar.
constexpr int SlotProgressMaximum = 32;
constexpr int FrameLeft = 410;

bool isLabelled(const TFormMain &w, int slot)
{
    return w.lblSlot[slot] && !w.lblSlot[slot]->text().isEmpty();
}

// A slot without its row has nothing on screen to hide.
void hideSlot(TFormMain &w, int slot)
{
    if (!w.lblSlot[slot])
        return;
    w.lblSlot[slot]->hide();
    w.edtAddress[slot]->hide();
    w.edtFunction[slot]->hide();
    w.btnRG[slot]->hide();
}

void showSlot(TFormMain &w, int slot)
{
    w.lblSlot[slot]->show();
    w.edtAddress[slot]->show();
    w.btnRG[slot]->setVisible(w.session.isAccessory());
    w.edtFunction[slot]->setVisible(!w.session.isAccessory());
}

// A child's rectangle in the coordinates of the frame that holds it.
QRect rectInFrame(const QWidget *child, const QWidget *frame)
{
    return {child->mapTo(frame, QPoint(0, 0)), child->size()};
}

int rightEdgeIn(const QWidget *child, const QWidget *frame)
{
    const QRect r = rectInFrame(child, frame);
    return r.x() + r.width();
}

int bottomEdgeIn(const QWidget *child, const QWidget *frame)
{
    const QRect r = rectInFrame(child, frame);
    return r.y() + r.height();
}

// A frame sized to end 15 pixels right of and below its take-over button.
void placeBesideGrid(const TFormMain &w, QWidget *frame, const QWidget *takeOverButton)
{
    frame->setGeometry(FrameLeft, w.GroupBoxMain->y() + 5, rightEdgeIn(takeOverButton, frame) + 15,
                       bottomEdgeIn(takeOverButton, frame) + 15);
}

// The blink pattern editors: placed beside the grid, window fitted, then set up
// for their width and drawn.
template <class BlinkFrame> void showBlinkFrame(TFormMain &w, BlinkFrame *frame, const QWidget *takeOverButton)
{
    placeBesideGrid(w, frame, takeOverButton);
    w.ArrangeWindow(5, FrameLeft, frame->height(), frame->width());
    frame->show();
    frame->loadFromSession();
}

} // namespace

// ---------------------------------------------------------------- identification

void TFormMain::ApplyDecoderType()
{
    session.identify();
    setStatusPanelText(3, idPanelText(session.ids()));
    ResetWindowLayout();

    if (const DecoderType *type = session.type()) {
        for (int s = 0; s < SlotCount; ++s) {
            if (!session.slotLabel(s).isEmpty())
                makeSlotRow(s);
            if (lblSlot[s])
                lblSlot[s]->setText(session.slotLabel(s));
        }
        setStatusPanelText(3, type->label);
        if (session.breakAfter() != DecoderSession::DefaultSlotBreak)
            ArrangeSlots(session.breakAfter());
        if (session.editorFrame() != EditorFrameKind::None)
            ShowEditorFrame(session.editorFrame());
    }

    for (int s = 0; s < SlotCount; ++s) {
        if (isLabelled(*this, s)) {
            showSlot(*this, s);
        } else if (lblSlot[s]) {
            hideSlot(*this, s);
            edtAddress[s]->setToolTip(QString());
        }
    }
    if (!session.recognised())
        Dialogs::warningOk(this, DecoderSession::unrecognisedMessage());
}

void TFormMain::ArrangeSlots(int breakAfter)
{
    slotBreak_ = breakAfter;
    for (int s = 1; s < SlotCount; ++s) {
        if (lblSlot[s])
            placeSlotRow(s);
    }
}

void TFormMain::ShowEditorFrame(EditorFrameKind frame)
{
    hideAllEditorFrames();
    createEditorFrame(frame);

    switch (frame) {
    case EditorFrameKind::Modes: {
        const int width = TFrameZusatz::ShownWidth;
        FrameZusatz1->setGeometry(FrameLeft, GroupBoxMain->y() + 5, width, 485);
        ArrangeWindow(5, FrameLeft, 485, width);
        FrameZusatz1->show();
        FrameZusatz1->loadFromSession();
        break;
    }
    case EditorFrameKind::Blink:
        showBlinkFrame(*this, FrameBlinkmuster1, FrameBlinkmuster1->blinkmuster_btn_uebernehmen);
        break;
    case EditorFrameKind::LedBlink:
        showBlinkFrame(*this, FrameBlinkmuster_led1, FrameBlinkmuster_led1->led_blinkmuster_btn_uebernehmen);
        break;
    case EditorFrameKind::Servo: {
        placeBesideGrid(*this, FrameTamb1, FrameTamb1->servo_btn_uebernehmen);
        FrameTambAdr1->setGeometry(GroupBoxMain->x() + 1, 120, GroupBoxMain->width() - 2, 530);
        ArrangeWindow(FrameLeft, 650, FrameTamb1->height(),
                      rightEdgeIn(FrameTamb1->servo_btn_uebernehmen, FrameTamb1) - 225);
        FrameTamb1->setGridChoice(rasterX, rasterY);
        FrameTamb1->show();
        FrameTambAdr1->show();
        FrameTamb1->loadFromSession();
        FrameTambAdr1->loadFromSession();
        break;
    }
    case EditorFrameKind::CvList:
        ArrangeWindow(5, FrameLeft, 555, 535);
        FrameRegister1->setGeometry(5, GroupBoxMain->y() + 3, 940, 555);
        FrameRegister1->show();
        FrameRegister1->raise();
        FrameRegister1->loadFromSession();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- limits

void TFormMain::ApplyProtocolLimits()
{
    session.applyProtocolLimits();
    setStatusPanelText(2, protocolPanelText(session.protocol()));
    if (session.protocol() == Protocol::None) {
        for (int s = 0; s < SlotCount; ++s)
            hideSlot(*this, s);
    }

    // The hint names the bound the save check applies.
    const int addressLimit = session.addressLimit();
    const QString addressHint = QStringLiteral("gültiger Adressbereich: 1 bis %1\n'0' für unbenutzt (keine Reaktion "
                                               "auf irgendeinen Befehl)")
                                    .arg(addressLimit);
    const QString functionHint = QStringLiteral("gültiger Bereich für die Funktions-Nummer: 1 bis %1").arg(session.maxFunction);
    for (int s = 0; s < SlotCount; ++s) {
        if (!isLabelled(*this, s))
            continue;
        edtAddress[s]->setToolTip(addressHint);
        edtFunction[s]->setToolTip(functionHint);
    }
}

// ---------------------------------------------------------------- the slots

void TFormMain::ReadSlots()
{
    ProgressBar1->setMaximum(SlotProgressMaximum);
    session.readSlots();
    for (int s = 0; s < SlotCount; ++s)
        setSlotTexts(s, QString::number(session.slotValues[s].address), QString::number(session.slotValues[s].function));
    ColourAddressEdits();
}

bool TFormMain::WriteSlots()
{
    std::array<QString, SlotCount> addressTexts;
    std::array<QString, SlotCount> functionTexts;
    for (int s = 0; s < SlotCount; ++s) {
        addressTexts[s] = slotAddressText(s);
        functionTexts[s] = slotFunctionText(s);
    }
    if (const auto fault = session.writeSlots(addressTexts, functionTexts)) {
        Dialogs::warningCancel(this, fault->message);
        makeSlotRow(fault->slot);
        QLineEdit *edit = fault->field == SlotField::Address ? edtAddress[fault->slot] : edtFunction[fault->slot];
        edit->setFocus();
        return false;
    }
    return true;
}

void TFormMain::btn_RGClick()
{
    const auto found = std::find(btnRG.begin(), btnRG.end(), sender());
    if (found == btnRG.end())
        return;
    session.toggleGreen(static_cast<int>(found - btnRG.begin()));
    ColourAddressEdits();
}

QColor TFormMain::slotColour(int s) const
{
    if (!session.isAccessory())
        return Qt::white;
    return session.slotValues[s].green ? QColor(0x00, 0xFF, 0x00) : QColor(0xFF, 0x00, 0x00);
}

void TFormMain::ColourAddressEdits()
{
    for (int s = 0; s < SlotCount; ++s) {
        if (edtAddress[s])
            setFieldColour(edtAddress[s], slotColour(s));
    }
}
