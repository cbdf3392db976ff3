#pragma once
// The checks that a main window shows a sample firmware as samples/index.txt
// describes it.
#include "WindowParts.h"
#include "app/TFormMain.h"
#include "SampleList.h"
#include "SlotRows.h"

#include <QLineEdit>

// Type, protocol and every described slot as the window shows them after a load.
inline void expectWindowShows(TFormMain &w, const SampleEntry &sample)
{
    EXPECT_EQ(w.document().session().typeCode(), sample.code);
    EXPECT_EQ(statusPanelText(w, 3), sample.label);
    EXPECT_EQ(statusPanelText(w, 2), sample.protocol);
    EXPECT_EQ(w.document().session().isMot(), sample.protocol == QStringLiteral("Mot"));
    EXPECT_EQ(w.document().session().isDcc(), sample.protocol == QStringLiteral("DCC"));
    if (!w.document().session().isMot() && !w.document().session().isDcc()) {
        makeEverySlotRow(w);
        for (int s = 0; s < TFormMain::SlotCount; ++s)
            EXPECT_TRUE(gridOf(w).edtAddress[s]->isHidden()) << "slot " << s;
        return;
    }
    for (const SampleSlot &slot : sample.slotList) {
        const int s = slot.slot;
        SCOPED_TRACE("slot " + std::to_string(s));
        EXPECT_FALSE(gridOf(w).edtAddress[s]->isHidden());
        EXPECT_EQ(w.document().session().slotValues[s].address, slot.address);
        EXPECT_EQ(gridOf(w).edtAddress[s]->text(), QString::number(slot.address));
        if (slot.form == 'g' || slot.form == 'r') {
            EXPECT_EQ(w.document().session().slotValues[s].green, slot.form == 'g');
        }
        if (slot.form == 'f') {
            EXPECT_EQ(w.document().session().slotValues[s].function, slot.function);
            EXPECT_EQ(gridOf(w).edtFunction[s]->text(), QString::number(slot.function));
        }
    }
}
