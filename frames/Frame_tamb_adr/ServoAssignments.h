#pragma once
#include "frames/Frame_tamb/CurveRecords.h"

#include <QString>
#include <array>

// What the servo decoders do on their command addresses, and the option bits
// of each servo. Both live in the four curve records: record n holds the
// options of servo n (entry 100) and the assignment bytes of two address rows,
// row n (entries 103, 104) and row n + 4 (entries 106, 107).
//
// Rows and servos are counted from 0 here (row 0 = "Adresse 01", servo 0 =
// "Servo 1"); list items are the indexes of the choices in their lists.

// Position of the lowest set bit among the low eight bits of v (bit 0 -> 0 ..
// bit 7 -> 7); 0 when none of them is set.
int LowestBitIndex(int v);
// 1, 2, 4 .. 128 for n = 0..7; 0 for any other n.
int BitOfIndex(int n);

namespace ServoAssign {

constexpr int RowCount = 8;
constexpr int ServoCount = 4;
constexpr int ChoiceCount = 4; // items of each row list

// Where a row keeps its two bytes.
struct RowPlace {
    int record;      // 0..3
    int actionEntry; // servo bits 0..3, action bits 4..7: 103 or 106
    int curveEntry;  // relay bits 0..3, curve bits 4..7: 104 or 107
};
RowPlace rowPlace(int row);

enum class Column { Servo, Action, Curve, Relay };

// The list items a row shows, as read from its bytes. A byte that is no valid
// one-bit choice gives the lowest set bit, which may be 4..7: an item that the
// list does not have (see shownItem).
struct RowItems {
    int servo = 0;
    int action = 0; // 0 "Start", 1 "Start Loop", 2 "Abbruch", 3 "Beenden"
    int curve = 0;
    int relay = 0;
};
RowItems readRow(const CurveRecords &curves, int row);

// The index a four-item list ends up with for an item: the item itself, or -1
// (no selection) when the list has no such item.
int shownItem(int item);

// Stores the user's choice of item 0..3 in a row's column; the other nibble of
// the byte stays. An item outside 0..3 changes nothing and returns false.
bool setRowItem(CurveRecords &curves, int row, Column column, int item);

// ---------------------------------------------------------------- options

enum class Option { VoltageOff, PulsesOff, NoInterrupt, NoRepeat };
constexpr std::array<Option, 4> AllOptions{Option::VoltageOff, Option::PulsesOff, Option::NoInterrupt,
                                           Option::NoRepeat};

// The bit of entry 100 that holds an option.
int optionBit(Option option);
bool hasOption(const CurveRecords &curves, int servo, Option option);
// Rewrites one option's bit in the option entry of all four records from the
// states of that option's four check boxes (box n -> record n); every other bit
// stays.
void setOption(CurveRecords &curves, Option option, const std::array<bool, ServoCount> &boxes);

// ---------------------------------------------------------------- layout

// The frame's layout for a decoder type: the one-servo decoders (210, 16896)
// show rows 1..4 with label, action and curve, and only the group of servo 1;
// the four-servo decoder (211) shows everything.
struct TypeLayout {
    bool fourServos = true;
    std::array<QString, 4> rowLabels; // captions of rows 1..4
};
TypeLayout typeLayout(int typeCode);

// Captions of the row labels as designed, before a type relabels rows 1..4.
QString designRowLabel(int row);

struct RowVisibility {
    bool label = true;
    bool servo = true;
    bool action = true;
    bool curve = true;
    bool relay = true;
};

// Which controls of a row are visible after loading a type: the curve list only
// for the actions "Start" and "Start Loop" (and for an action list without a
// selection); on the four-servo decoder the relay list with the curve list.
// `shownAction` is the action list's index (-1 for no selection).
RowVisibility rowVisibility(int typeCode, int row, int shownAction);

} // namespace ServoAssign
