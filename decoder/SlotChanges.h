#pragma once
// Changes of single slots as a user asks for them by number, and series of
// files whose addresses climb by a fixed step. The rules are those of the
// grid and the save: a change is checked against the loaded type, written with
// the save's checks and read back, so a value the decoder cannot hold is named
// instead of silently lost.
#include "decoder/DecoderSession.h"

#include <QString>
#include <optional>
#include <vector>

// One slot's new value. An empty address text keeps the address; a missing
// output or function text keeps those.
struct SlotChange {
    int slot = 0;
    QString addressText;                 // as typed, checked by the save rules
    std::optional<bool> green;           // green (true) or red (false) output
    std::optional<QString> functionText; // as typed
};

// A change refused before anything is written: the slot and why.
struct RefusedSlotChange {
    int slot = 0;
    QString message;
};

// Why a slot change cannot go into a file, whatever its value: the texts that
// quaxel-cli set and a settings document's slots share.
namespace SlotRefusal {
QString noProtocolMarker();
QString keepsNoAddress();
QString noRedOrGreen();
QString noFunctionNumber();
} // namespace SlotRefusal

// The first change that cannot go into the loaded file, or nothing.
std::optional<RefusedSlotChange> checkSlotChanges(const DecoderSession &session,
                                                  const std::vector<SlotChange> &changes);

// Puts the changes into the session as a user would type them into the grid
// and saves the slots: the save's first fault, or the first change that the
// decoder's codes cannot hold (the slot would read back with its old value).
// The changes must have passed checkSlotChanges.
std::optional<SlotFault> writeSlotChanges(DecoderSession &session, const std::vector<SlotChange> &changes);

// Reads the written slots back and names the first change that did not
// arrive: a value the rules pass but the decoder's codes cannot hold.
std::optional<SlotFault> changeNotStored(const DecoderSession &written, const std::vector<SlotChange> &changes);

// The first used address of a series that would leave the valid range: the
// slot, the file (counted from 1) and the message. Computed without overflow
// for any count and step of at least 1.
struct SeriesOverflow {
    int slot = 0;
    int fileNumber = 0;
    qint64 address = 0;
    QString message;
};
std::optional<SeriesOverflow> seriesOverflow(const DecoderSession &first, int count, int step);

// The slots of series file `number` (counted from 1) taken from the first file,
// every used address of a shown slot raised by (number - 1) * step, and saved
// into `file`'s image: the save's first fault, or nothing.
std::optional<SlotFault> writeSeriesFile(DecoderSession &file, const DecoderSession &first, int number, int step);
