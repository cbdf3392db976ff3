#pragma once
// What the operating-mode editor shows for each decoder type and what each of
// its changes writes into the EEPROM image: the decision table and the rules
// that the edit model applies.
#include "frames/TypedEntry.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace Zusatz {

// EEPROM bytes the editor reads and writes.
constexpr int ModeByte = 0x00;         // mode bits, or the drive switch-off option "AB" / "01"
constexpr int ValueByte = 0x20;        // the main parameter (zusatz_value)
constexpr int MinimumCountByte = 0x2F; // type 113: minimum number of active outputs
constexpr int NeonDarkByte = 0x40;     // neon brightness level DUNKEL
constexpr int NeonBrightByte = 0x41;   // neon brightness level HELL

constexpr int ModeRadioCount = 6;
constexpr int ExtraFieldCount = 4;
constexpr int NeonBoxCount = 7;

// The main parameter's neutral range.
constexpr int NeutralMin = 0;
constexpr int NeutralMax = 255;

// The ranges of the other inputs: the speed slider (the byte itself), the two
// neon brightness sliders and the minimum count of active outputs.
constexpr int SpeedMin = 1;
constexpr int SpeedMax = 255;
constexpr int NeonLevelMax = 15;
constexpr int MinimumCountMin = 1;
constexpr int MinimumCountMax = 9;

enum class Slider {
    None,
    Fading, // traffic light: six fading codes at positions 0..5
    Speed,  // fairground lights: 1..255, the byte itself
};

// A further byte parameter with its caption and EEPROM position.
struct ExtraField {
    QString caption;
    int eepromIndex = 0;
};

// The mode group: one mode choice for each listed caption, the explanation
// together with the choices only.
struct ModeGroup {
    bool visible = false;
    QStringList radioCaptions;
    bool bit6 = false; // "Dumm Mode" offered
    bool bit7 = false; // "Mode-Umschaltung SPERREN" offered

    bool introVisible() const { return visible && !radioCaptions.isEmpty(); }
};

// Which values the editor offers for one decoder type, with their captions
// and ranges.
struct Layout {
    // Value field (EEPROM byte 0x20).
    bool valueEdit = false;   // the number can be typed
    bool valueUpDown = false; // and stepped, with its time in seconds
    QString valueCaption;     // also given where the number cannot be typed
    QString valueHint;
    int valueMin = NeutralMin;
    int valueMax = NeutralMax;

    bool switchOffOption = false; // drive switch-off option, the text of byte 0x00
    ModeGroup mode;
    Slider slider = Slider::None;
    bool neonSliders = false; // brightness levels in bytes 0x40 / 0x41
    int neonBoxBits = 0;      // bits of byte 0x20 offered as output functions
    bool neonTip = false;     // the tip on usable outputs
    bool minimumCount = false; // minimum count in byte 0x2F
    std::vector<ExtraField> extras;
};

// The layout of a type code, nullptr when the editor does not know the code
// (it then offers nothing).
const Layout *layoutFor(int typeCode);
// Every type code the editor knows, in ascending order.
std::vector<int> knownTypeCodes();

// --- Mode byte -----------------------------------------------------------

// Index 0..5 of the radio button for the lowest set bit among bits 0..5; none
// when none of these bits is set.
std::optional<int> modeRadioIndex(int modeByte);
// The mode byte after a click in the mode group. radioIndex is the clicked
// radio button (0..5), or none when one of the two bit boxes was clicked; a
// radio click writes a one-hot value, dropping bits 6 and 7. Afterwards each
// visible bit box sets or clears its bit.
int modeByteAfterClick(int modeByte, std::optional<int> radioIndex, bool bit6Visible, bool bit6Checked,
                       bool bit7Visible, bool bit7Checked);

// The drive switch-off option: checked exactly when byte 0x00 is "AB".
bool switchOffChecked(const QString &modeByteText);
QString switchOffText(bool checked); // "AB" or "01"

// --- Main parameter ------------------------------------------------------

// "(%3.1f sek.)" of value x 0.5, always with a decimal point.
QString secondsText(int value);
// Title of the speed slider, "Geschwindigkeit: <value>".
QString speedTitle(int value);

// --- Fading codes --------------------------------------------------------

constexpr int FadingPositions = 6;
// The code text stored for slider position 0..5.
const std::array<QString, FadingPositions> &fadingCodes();
// Slider position for a stored code. Each code of the table gives its own
// position ("ff" counts as "FF"); any other text gives the last position and
// needs rewriting with that position's code.
struct FadingReading {
    int position = FadingPositions - 1;
    bool rewrite = false;
};
FadingReading readFadingCode(const QString &text);

// --- Output functions (neon / welder) -----------------------------------

struct NeonBox {
    int bit; // bit of byte 0x20
    QString caption;
    QString hint;
};
// The seven output functions, bits 0..4, 6 and 7, in the order the editor lists them.
const std::array<NeonBox, NeonBoxCount> &neonBoxes();
// Byte 0x20 rebuilt from the check boxes: bits with a visible box (boxBits)
// come from checkedBits, every other bit keeps its value.
int neonValue(int value, int boxBits, int checkedBits);

// --- Typed input ---------------------------------------------------------

// Value field: integer, then lower bound, then upper bound; caption is the
// value field's current caption. A range fault still reports the typed number.
TypedEntry<int> checkValueInput(const QString &text, const QString &caption, int min, int max);
// Minimum count (type 113): a number below 1 is stored as 1, above 9 as 9
// (MinimumCountMin, MinimumCountMax).
TypedEntry<int> checkMinimumCountInput(const QString &text);

} // namespace Zusatz
