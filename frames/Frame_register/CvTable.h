#pragma once
// The configuration variables that the CV list shows for a decoder type.
#include <QString>
#include <vector>

namespace Cv {

// A type defines at most this many entries.
constexpr int PairCount = 64;

// One CV: its caption and the EEPROM byte that holds it.
struct Entry {
    QString caption;
    int eepromIndex = 0;
};

// The CVs of a type code in display order; empty for a type without CVs.
const std::vector<Entry> &entriesFor(int typeCode);

} // namespace Cv
