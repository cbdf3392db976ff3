#pragma once
// What the set command reads from its command line and how it names a series.
#include "decoder/SlotChanges.h"

#include <QString>
#include <optional>

// The change a --slot N=ADDRESS[r|g][/FUNCTION] value asks for, or nothing when the text has not that form.
std::optional<SlotChange> parseSlotChange(const QString &text);

// The name of file number (counted from 1) of a series: "OUT.hex" gives
// "OUT-1.hex", "OUT-2.hex" …; a name without ".hex" gets it appended.
QString seriesFileName(const QString &output, int number);
