#pragma once
// The edit model of the operating-mode editor: what it shows for the decoder
// type and each change the user makes, written into the EEPROM image at once.
#include "frames/Frame_zusatz/ZusatzRules.h"
#include "frames/TypedEntry.h"

#include <QString>
#include <map>
#include <optional>

struct FirmwareImage;

namespace Zusatz {

// The working copy: the type and the text of every EEPROM byte that the
// editor reads for it. Each change goes into the image at once, so between two
// changes this copy and the image agree.
struct ModesState {
    int typeCode = 0;
    std::map<int, QString> bytes;
};

class ModesModel {
public:
    explicit ModesModel(FirmwareImage &image);

    // Reads the type's bytes from the image. A fading code the firmware does
    // not know becomes the slowest fading, in the image too.
    void load(int typeCode);

    // The type's decision-table row; nullptr for a type the editor does not
    // know (nothing but the neutral state is shown then).
    const Layout *layout() const { return layout_; }

    // --- What the editor shows -------------------------------------------
    QString valueCaption() const;
    int valueMin() const;
    int valueMax() const;
    // The main parameter, EEPROM byte 0x20.
    int value() const;
    QString secondsText() const;
    QString speedTitle() const;
    int fadingPosition() const;
    // The radio button of the lowest mode bit; none without a mode bit.
    std::optional<int> modeRadio() const;
    bool modeBit6() const;
    bool modeBit7() const;
    bool switchOff() const;
    int neonDark() const;
    int neonBright() const;
    bool valueBit(int bit) const;
    // True when the type offers this bit of byte 0x20 as an output function.
    bool valueBitOffered(int bit) const;
    int minimumCount() const;
    int extraCount() const;
    QString extraCaption(int k) const;
    int extraValue(int k) const;

    // --- What the user changes -------------------------------------------
    // A radio button writes a one-hot mode; a visible bit box keeps its bit.
    void chooseMode(int radioIndex);
    void setModeBit6(bool on);
    void setModeBit7(bool on);
    void setSwitchOff(bool on);
    TypedEntry<int> typeValue(const QString &text);
    TypedEntry<int> typeMinimumCount(const QString &text);
    TypedEntry<int> typeExtra(int k, const QString &text);
    // The fading or speed slider.
    void slideTo(int position);
    void setNeonDark(int level);
    void setNeonBright(int level);
    // A neon check box; only the bits of the type's visible boxes change.
    void setValueBit(int bit, bool on);

private:
    int byteValue(int index) const;
    const QString &byteText(int index) const;
    void writeText(int index, const QString &text);
    void writeByte(int index, int value);
    void writeModeBits(std::optional<int> radioIndex, bool bit6, bool bit7);

    FirmwareImage &image_;
    ModesState state_;
    const Layout *layout_ = nullptr;
};

} // namespace Zusatz
