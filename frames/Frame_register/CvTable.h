#pragma once
// The configuration variables that the CV list shows for a decoder type, and
// where its label/edit pairs sit.
#include <QString>
#include <vector>

namespace Cv {

// Label/edit pairs of the list; a type defines at most this many entries.
constexpr int PairCount = 64;

// One CV: its caption and the EEPROM byte that holds it.
struct Entry {
    QString caption;
    int eepromIndex = 0;
};

// The CVs of a type code in display order; empty for a type without CVs.
const std::vector<Entry> &entriesFor(int typeCode);

// Place of pair k (0..63): four columns of 21, 21, 21 and 1 pairs, 230 apart,
// rows 25 apart; the label sits 4 below its edit's top and 170 left of it.
struct PairPlace {
    int labelLeft = 0;
    int labelTop = 0;
    int editLeft = 0;
    int editTop = 0;
};
constexpr int PairsPerColumn = 21;
constexpr int ColumnStep = 230;
constexpr int LabelWidth = 100;
constexpr int EditWidth = 40;
constexpr int PairHeight = 20;
PairPlace pairPlace(int k);

} // namespace Cv
