#pragma once
#include "image/FirmwareImage.h"

#include <QString>
#include <QStringList>
#include <vector>

// Whether a decoder type's slots are accessory addresses (red/green outputs),
// locomotive addresses with a function number, or neither.
enum class SlotKind { Accessory, Function, Neither };

// One row of the decoder type table.
struct DecoderType {
    std::vector<int> codes; // type codes that share this row
    QString label;          // shown in status bar panel 3
    SlotKind kind = SlotKind::Neither;
    QStringList slotLabels; // one text per slot (48), empty for an unused slot
    int breakAfter = 15;    // the slot after which the grid starts its second column
    int frame = 0;          // editor frame number, 0 = none
};

constexpr int DecoderSlotCount = 48;
// The type without labelled slots that is still recognised (the CV decoder).
constexpr int CvDecoderTypeCode = 17408;

const std::vector<DecoderType> &decoderTypeTable();
// The row holding the code, nullptr for an unknown code.
const DecoderType *findDecoderType(int typeCode);

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
