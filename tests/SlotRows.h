#pragma once
// The main window makes a slot's row the first time a decoder type names the
// slot. Tests that look at all 48 rows make the missing ones first; a row made
// late must come out as the grid would have shown it all along.
#include "WindowParts.h"
#include "app/TFormMain.h"

#include <QLineEdit>

inline void makeEverySlotRow(TFormMain &w)
{
    for (int s = 0; s < TFormMain::SlotCount; ++s)
        gridOf(w).makeRow(s);
}

// Whether the slot's address edit is on screen; a slot without a row is not.
inline bool slotShown(const TFormMain &w, int s)
{
    return gridOf(w).edtAddress[s] && !gridOf(w).edtAddress[s]->isHidden();
}
