#pragma once
// Reading a typed decimal number, and the one rule for an edit that holds a
// whole EEPROM byte (the extra values of the mode editor, every CV).
#include "frames/TypedEntry.h"

#include <QString>
#include <optional>

namespace Typed {

// The text as a whole decimal number (surrounding blanks allowed).
std::optional<int> integerOf(const QString &text);

// A byte typed as a decimal number. A number outside 0..255 cannot be stored
// in one byte and is refused like a text that is no number.
TypedEntry<int> byteEntry(const QString &text);

} // namespace Typed
