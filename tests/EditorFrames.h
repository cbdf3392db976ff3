#pragma once
// The window makes an editor frame the first time a decoder type asks for it;
// tests reach the frame made as the window's child of its class.
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"
#include "frames/Frame_register/TFrameRegister.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Frame_tamb_adr/TFrameTambAdr.h"
#include "frames/Frame_zusatz/TFrameZusatz.h"

#include <QWidget>

// The window's frame of the class; null before it is made.
template <class Frame> Frame *editorFrame(const QWidget &window)
{
    return window.findChild<Frame *>(QString(), Qt::FindDirectChildrenOnly);
}
