#pragma once
// What the operating-mode editor shows for each decoder type and what each of
// its changes writes into the EEPROM image. No widgets: the frame applies these
// rules, tests read them directly.
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

// The mode group. Radio buttons rad_mode1.. are shown for the listed captions;
// the explanation label is shown together with the radio buttons only.
struct ModeGroup {
    bool visible = false;
    QStringList radioCaptions;
    bool bit6 = false; // "Dumm Mode" box
    bool bit7 = false; // "Mode-Umschaltung SPERREN" box

    bool introVisible() const { return visible && !radioCaptions.isEmpty(); }
};

// Everything the editor shows for one decoder type.
struct Layout {
    // Value field (EEPROM byte 0x20).
    bool valueEdit = false;   // edt_zusatz shown
    bool valueUpDown = false; // its up-down and the seconds text shown
    QString valueCaption;     // lbl_zusatz; also set where the edit stays hidden
    QString valueHint;
    int valueMin = NeutralMin;
    int valueMax = NeutralMax;

    bool switchOffOption = false; // cbx_weiche_ab, from/to the text of byte 0x00
    ModeGroup mode;
    Slider slider = Slider::None;
    bool neonSliders = false; // brightness sliders for bytes 0x40 / 0x41
    int neonBoxBits = 0;      // bits of byte 0x20 that have a visible neon check box
    bool neonTip = false;     // the tip label under the neon check boxes
    bool minimumCount = false; // edit for byte 0x2F
    std::vector<ExtraField> extras;
};

// The layout of a type code, nullptr when the editor does not know the code
// (the frame then stays in its neutral state).
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

// --- Neon check boxes ----------------------------------------------------

struct NeonBox {
    const char *name; // objectName of the check box
    int bit;          // bit of byte 0x20
    QString caption;
    QString hint;
    int top; // place in the stack of boxes
};
// The seven boxes in the order of their names (cbx_led_neon_1 .. _5, _7, _8).
const std::array<NeonBox, NeonBoxCount> &neonBoxes();
// Top of the tip label under the stacked boxes.
constexpr int NeonTipTop = 220;
// Byte 0x20 rebuilt from the check boxes: bits with a visible box (boxBits)
// come from checkedBits, every other bit keeps its value.
int neonValue(int value, int boxBits, int checkedBits);

// --- Typed input ---------------------------------------------------------

// The outcome of one change of an edit's text.
struct InputCheck {
    enum class Outcome { Empty, Accepted, Rejected };
    Outcome outcome = Outcome::Empty;
    // The number read from the text; for a range fault of the value field it is
    // still the typed number (the editor keeps it as its current value).
    std::optional<int> number;
    int value = 0;   // the value to store when accepted
    QString message; // the warning when rejected

    bool accepted() const { return outcome == Outcome::Accepted; }
    bool rejected() const { return outcome == Outcome::Rejected; }
};

// The text as a whole decimal number (surrounding blanks allowed).
std::optional<int> integerOf(const QString &text);

// Value field: integer, then lower bound, then upper bound; caption is the
// value field's current caption.
InputCheck checkValueInput(const QString &text, const QString &caption, int min, int max);
// Minimum count (type 113): a number below 1 is stored as 1, above 9 as 9.
InputCheck checkMinimumCountInput(const QString &text);
// A byte typed as a decimal number (extra fields, CV values). A number outside
// 0..255 cannot be stored in one byte and is refused like a non-number.
InputCheck checkByteInput(const QString &text);

// --- Geometry ------------------------------------------------------------

// Tops inside the mode group and the group's own height and top: the
// explanation, the lock box, the radio buttons and the "Dumm Mode" box are
// stacked in this order, and the group sits 10 above the panel's bottom.
struct ModeGroupGeometry {
    int introTop = 0;
    int bit7Top = 0;
    std::array<int, ModeRadioCount> radioTops{};
    int bit6Top = 0;
    int height = 0;
    int top = 0;
};
struct ModeGroupHeights {
    int intro = 0;
    int bit7 = 0;
    int radio = 0;
    int bit6 = 0;
};
ModeGroupGeometry modeGroupGeometry(const ModeGroup &group, const ModeGroupHeights &heights, int panelHeight);

// The slider row of the fading and speed sliders: title at (16, 50), slider 20
// below it, end labels 3 below the slider's top, the right one right-aligned
// 16 from the panel's right edge, the slider between them with 10 to spare.
struct SliderRowGeometry {
    int titleLeft = 16;
    int titleTop = 50;
    int sliderLeft = 0;
    int sliderTop = 0;
    int sliderWidth = 0;
    int labelsTop = 0;
    int leftLabelLeft = 16;
    int rightLabelLeft = 0;
};
SliderRowGeometry sliderRowGeometry(int panelWidth, int leftLabelWidth, int rightLabelWidth);

} // namespace Zusatz
