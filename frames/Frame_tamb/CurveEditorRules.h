#pragma once
#include "decoder/DecoderTypes.h"
#include "frames/TypedEntry.h"

#include <QString>
#include <QStringList>
#include <array>

// Rules of the servo curve editor's edits, labels and lists.
namespace CurveEditorRules {

// The decoder types with one servo: no relay strip, no SW1 choice, key
// actions only for addresses 1..4, and the button events titled 3 and 4.
bool isOneServoType(ServoVariant variant);

// Count 1..100 and stretch 1..200 typed into their edits; numbers outside are
// limited silently.
TypedEntry<int> parseCount(const QString &text);
TypedEntry<int> parseStretch(const QString &text);

// The time labels for count c and stretch s (20 ms per stretch step).
QString stepTimeText(int stretch);
QString curveTimeText(int count, int stretch);

// The titles of the four button events (records 1..4 in order).
std::array<QString, 4> keyEventTitles(ServoVariant variant);
// The items of the four key-action lists (records 1..4 in order).
std::array<QStringList, 4> keyActionItems(ServoVariant variant);
// Item of a key-action list for an entry 110 value: 1 + the index of the
// lowest set bit, 0 when none of the low eight bits is set.
int keyActionIndex(int mask);
// Entry 110 value for a list item: bit k-1 for items 1..8, else 0.
int keyActionMask(int index);

// EEPROM byte 0: "01" means button SW1 learns and adjusts, anything else that
// it operates the servo. The byte written for each choice.
bool sw1LearnsAndAdjusts(const QString &eepromByte0);
QString sw1Byte(bool learnAndAdjust);

} // namespace CurveEditorRules
