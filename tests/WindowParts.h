#pragma once
// The main window's views of its document, found by name: the slot grid (a
// slot's controls are null until its row is made) and the editor-frame host.
#include "app/TFormMain.h"

inline SlotGrid &gridOf(const QWidget &window)
{
    return *window.findChild<SlotGrid *>(QStringLiteral("slotGrid"), Qt::FindDirectChildrenOnly);
}

inline EditorFrameHost &frameHost(const QWidget &window)
{
    return *window.findChild<EditorFrameHost *>(QStringLiteral("editorFrameHost"), Qt::FindDirectChildrenOnly);
}
