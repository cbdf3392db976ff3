#pragma once
#include "image/FirmwareImage.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// Whether a decoder type's slots are accessory addresses (red/green outputs),
// locomotive addresses with a function number, or neither.
enum class SlotKind { Accessory, Function, Neither };

// One row of the decoder type table.
// The editor frames a decoder type can ask for.
enum class EditorFrameKind {
    None = 0,
    Modes = 1,          // operating modes and times
    Blink = 2,          // blink patterns of the blink decoder
    LedBlink = 3,       // blink patterns of the LED decoder
    Servo = 4,          // servo curves with the servo addresses
    CvList = 6,         // the CV list of the function decoder
};

// What a servo decoder drives and how its address rows read.
enum class ServoVariant {
    None,             // not a servo decoder
    FourServos,       // four servos, relay strips, SW1 choice
    OneServo,         // one servo as an accessory decoder
    OneServoFunction, // one servo as a function decoder: on/off rows
};

struct DecoderType {
    std::vector<int> codes; // type codes that share this row
    QString label;          // shown in status bar panel 3
    SlotKind kind = SlotKind::Neither;
    // The labelled slots: (slot, UTF-8 text) pairs, then, for the turntables,
    // "Position1".."PositionN" from slot firstPosition on.
    std::vector<std::pair<int, const char *>> labels;
    int firstPosition = 0;
    int positionCount = 0;
    int breakAfter = 15;    // the slot after which the grid starts its second column
    EditorFrameKind frame = EditorFrameKind::None;
    ServoVariant servo = ServoVariant::None;

    // The slot's label, empty for an unused slot (made when asked for: the
    // table is read at every start, the labels of one type only).
    QString slotLabel(int slot) const;
    // One text per slot (48).
    QStringList slotLabels() const;
};

// A slot's label as the reader's language writes it ("Weiche 1" becomes
// "Turnout 1" in English). slotLabel() keeps the table's own text, which
// machine formats carry in every language.
QString slotLabelText(const QString &label);

constexpr int DecoderSlotCount = 48;
// The type without labelled slots that is still recognised (the CV decoder).
constexpr int CvDecoderTypeCode = 17408;

const std::vector<DecoderType> &decoderTypeTable();
// The row holding the code, nullptr for an unknown code.
const DecoderType *findDecoderType(int typeCode);
// The servo variant of the code's row; None for an unknown code.
ServoVariant servoVariant(int typeCode);

// The ID literals of the first three program words and the type code derived
// from them.
struct IdWords {
    int id1 = 0;
    int id2 = 0;
    int id3 = 0;
    int typeCode = 0;
};
IdWords readIdWords(const FirmwareImage &image);
// "ID1:<n> ID2:<n> ID3:<n>" for status bar panel 3.
QString idPanelText(const IdWords &ids);

enum class Protocol { None, Motorola, Dcc };
// The protocol marked in program words 8 and 35.
Protocol detectProtocol(const FirmwareImage &image);
// Text of status bar panel 2: "Mot", "DCC" or "ohne".
QString protocolPanelText(Protocol protocol);
