#pragma once
// The checks that a main window shows a sample firmware as samples/index.txt
// describes it.
#include "app/TFormMain.h"
#include "SampleList.h"
#include "SlotRows.h"

#include <QLineEdit>

// Type, protocol and every described slot as the window shows them after a load.
inline void expectWindowShows(TFormMain &w, const SampleEntry &sample)
{
    EXPECT_EQ(w.session.typeCode(), sample.code);
    EXPECT_EQ(w.statusPanelText(3), sample.label);
    EXPECT_EQ(w.statusPanelText(2), sample.protocol);
    EXPECT_EQ(w.session.isMot(), sample.protocol == QStringLiteral("Mot"));
    EXPECT_EQ(w.session.isDcc(), sample.protocol == QStringLiteral("DCC"));
    if (!w.session.isMot() && !w.session.isDcc()) {
        makeEverySlotRow(w);
        for (int s = 0; s < TFormMain::SlotCount; ++s)
            EXPECT_TRUE(w.edtAddress[s]->isHidden()) << "slot " << s;
        return;
    }
    for (const SampleSlot &slot : sample.slotList) {
        const int s = slot.slot;
        SCOPED_TRACE("slot " + std::to_string(s));
        EXPECT_FALSE(w.edtAddress[s]->isHidden());
        EXPECT_EQ(w.session.slotValues[s].address, slot.address);
        EXPECT_EQ(w.edtAddress[s]->text(), QString::number(slot.address));
        if (slot.form == 'g' || slot.form == 'r') {
            EXPECT_EQ(w.session.slotValues[s].green, slot.form == 'g');
        }
        if (slot.form == 'f') {
            EXPECT_EQ(w.session.slotValues[s].function, slot.function);
            EXPECT_EQ(w.edtFunction[s]->text(), QString::number(slot.function));
        }
    }
}
