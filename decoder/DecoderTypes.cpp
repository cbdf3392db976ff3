#include "decoder/DecoderTypes.h"

#include "image/HexByte.h"

#include <utility>

namespace {

using SlotLabelList = std::vector<std::pair<int, const char *>>;

// The labels a turntable row takes: its fixed slots, then from firstSlot on
// "Position1".."PositionN".
struct WithPositions {
    SlotLabelList labels;
    int firstSlot;
    int count;
};

WithPositions withPositions(SlotLabelList labels, int firstSlot, int count)
{
    return {std::move(labels), firstSlot, count};
}

DecoderType servoRow(ServoVariant variant, DecoderType type)
{
    type.servo = variant;
    return type;
}

DecoderType row(std::vector<int> codes, const char *label, SlotKind kind, WithPositions labels, int breakAfter,
                int frame)
{
    DecoderType type;
    type.codes = std::move(codes);
    type.label = QString::fromUtf8(label);
    type.kind = kind;
    type.labels = std::move(labels.labels);
    type.firstPosition = labels.firstSlot;
    type.positionCount = labels.count;
    type.breakAfter = breakAfter;
    type.frame = static_cast<EditorFrameKind>(frame);
    return type;
}

DecoderType row(std::vector<int> codes, const char *label, SlotKind kind, SlotLabelList labels, int breakAfter,
                int frame)
{
    return row(std::move(codes), label, kind, WithPositions{std::move(labels), 0, 0}, breakAfter, frame);
}

std::vector<DecoderType> buildTypeTable()
{
    return {
        row({12543}, "Drehscheibe 48 Position", SlotKind::Accessory,
            withPositions({{4, "Licht"}, {5, "Step"}, {6, "Turn (180°)"}, {7, "Drehrichtung"}}, 8, 24), 15, 0),
        row({1566720}, "Drehscheibe 24 Position", SlotKind::Accessory,
            withPositions({{4, "Licht"}, {5, "Step"}, {6, "Turn (180°)"}, {7, "Drehrichtung"}}, 8, 12), 7, 0),
        row({8}, "Torvel", SlotKind::Accessory, {{1, "Weiche"}, {2, "Licht"}}, 15, 1),
        row({520}, "Torvel  ab V3.51", SlotKind::Accessory, {{1, "Weiche"}, {2, "Licht"}}, 15, 1),
        row({9}, "Torvel Ostrak", SlotKind::Accessory, {{1, "Blinken"}, {2, "Signal"}}, 15, 0),
        row({10}, "Kandor", SlotKind::Accessory, {{1, "Weiche 1"}, {2, "Weiche 2"}}, 15, 1),
        row({522}, "Kandor ab V3.51", SlotKind::Accessory, {{1, "Weiche 1"}, {2, "Weiche 2"}}, 15, 1),
        row({4}, "Kandor - 3Wege", SlotKind::Accessory, {{1, "Links"}, {2, "Mitte"}, {3, "Rechts"}}, 15, 0),
        row({3}, "Kandor - Signal", SlotKind::Accessory,
            {{1, "Signal 1 grün"}, {2, "Signal 1 rot"}, {3, "Signal 2 grün"}, {4, "Signal 2 rot"}}, 15, 0),
        row({5}, "Kandor - Signal 4", SlotKind::Accessory, {{1, "Out 1"}, {2, "Out 2"}, {3, "Out 3"}, {4, "Out 4"}}, 15,
            0),
        row({11}, "Kandor - Schalten", SlotKind::Accessory, {{1, "Out 1"}, {2, "Out 2"}, {3, "Out 3"}, {4, "Out 4"}},
            15, 1),
        row({2}, "Kandor - Spur 1", SlotKind::Accessory, {{1, "Weiche"}}, 15, 1),
        row({514}, "Kandor - Spur 1  ab V3.51", SlotKind::Accessory, {{1, "Weiche"}}, 15, 1),
        row({6}, "Kandor - Signal HL", SlotKind::Accessory,
            {{1, "VS Vmax"},
             {2, "VS Halt"},
             {3, "VS 100"},
             {4, "VS 40/60"},
             {5, "HS Vmax"},
             {6, "HS Halt"},
             {7, "HS 100/40/60"}},
            4, 0),
        row({7}, "Kandor - Signal StraBa", SlotKind::Accessory, {{1, "Signal"}, {2, "Kennlicht"}}, 15, 0),
        row({17408}, "F-Dekoder mit CV", SlotKind::Function, SlotLabelList{}, 15, 6),
        row({15616}, "Kandor - F-Dekoder Schalten", SlotKind::Function,
            {{1, "Out 1"}, {2, "Out 2"}, {3, "Out 3"}, {4, "Out 4"}}, 15, 1),
        row({81152}, "Kandor - F-Dekoder Schalten ab V0.60", SlotKind::Function,
            {{1, "Out 1"}, {2, "Out 2"}, {3, "Out 3 (FL)"}, {4, "Out 4"}}, 15, 1),
        row({16128}, "Kandor - F-Dekoder Blinken", SlotKind::Function,
            {{1, "Blink 1"}, {2, "Blink 2"}, {3, "Blink 3"}, {4, "Blink 4"}}, 15, 0),
        row({81664}, "Kandor - F-Dekoder Blinken ab V0.60", SlotKind::Function,
            {{1, "Blink 1"}, {2, "Blink 2"}, {3, "Blink 3"}, {4, "Blink 4"}}, 15, 1),
        row({16384}, "Kandor - F-Dekoder Neon ab V0.37", SlotKind::Neither, {{1, "Ein"}, {2, "Hell-Dunkel"}}, 15, 0),
        row({16640}, "Kandor/Rimno - F.Dekoder Neon ab V0.42", SlotKind::Function,
            {{1, "Out 1"}, {2, "Out 2"}, {3, "Out 3"}, {4, "Out 4"}, {5, "Hell-Dunkel"}}, 15, 0),
        row({1720576, 1786112}, "Kandor/Rimno - F-Dekoder Neon ab V0.44", SlotKind::Function,
            {{1, "Out 1"}, {2, "Out 2"}, {3, "Out 3"}, {4, "Out 4"}, {5, "Hell-Dunkel"}}, 15, 1),
        row({2769152, 2834688}, "Kandor/Rimno - F-Dekoder Neon ab V0.60", SlotKind::Function,
            {{1, "Out 1"}, {2, "Out 2"}, {3, "Out 3 (FL)"}, {4, "Out 4"}, {5, "Hell-Dunkel"}}, 15, 1),
        row({15360}, "Kandor - Funktionsdekoder Weiche", SlotKind::Function, {{1, "Weiche 1"}, {2, "Weiche 2"}}, 15, 0),
        row({105}, "Relaisdekoder 8", SlotKind::Accessory,
            {{1, "Out 1"},
             {2, "Out 2"},
             {3, "Out 3"},
             {4, "Out 4"},
             {5, "Out 5"},
             {6, "Out 6"},
             {7, "Out 7"},
             {8, "Out 8"},
             {9, "All"}},
            15, 1),
        row({101}, "Pellam", SlotKind::Accessory, {{1, "Weiche 1"}, {2, "Weiche 2"}, {3, "Weiche 3"}, {4, "Weiche 4"}},
            15, 1),
        row({613}, "Pellam ab V3.51", SlotKind::Accessory,
            {{1, "Weiche 1"}, {2, "Weiche 2"}, {3, "Weiche 3"}, {4, "Weiche 4"}}, 15, 1),
        row({106}, "LED-Dekoder - Schalten", SlotKind::Accessory,
            {{1, "Out 1"},
             {2, "Out 2"},
             {3, "Out 3"},
             {4, "Out 4"},
             {5, "Out 5"},
             {6, "Out 6"},
             {7, "Out 7"},
             {8, "Out 8"},
             {9, "Out 9"},
             {10, "Out 10"}},
            15, 1),
        row({107}, "LED-Dekoder - Signal 5x2", SlotKind::Accessory,
            {{1, "Signal 1"}, {2, "Signal 2"}, {3, "Signal 3"}, {4, "Signal 4"}, {5, "Signal 5"}}, 15, 0),
        row({108}, "LED-Dekoder - Signal 4", SlotKind::Accessory,
            {{1, "HP00"}, {2, "HP1"}, {3, "HP2"}, {4, "SH1"}, {5, "VR0"}, {6, "VR1"}, {7, "VR2"}}, 4, 1),
        row({109}, "LED-Dekoder - Signal SBB", SlotKind::Accessory,
            {{1, "HALT"}, {2, "FB1"}, {3, "FB2"}, {4, "FB3"}, {5, "Warn"}, {6, "FB1"}, {7, "FB2"}, {8, "FB3"}}, 5, 1),
        row({104}, "LED-Dekoder - Andreaskreus / Schranke", SlotKind::Accessory, {{1, "Ein"}}, 15, 1),
        row({103}, "LED-Dekoder - Ampel < V3.40", SlotKind::Accessory,
            {{1, "Auto"}, {2, "Nacht"}, {3, "Grün"}, {4, "Rot"}}, 15, 0),
        row({359}, "LED-Dekoder - Ampel V3.40", SlotKind::Accessory,
            {{1, "Auto"}, {2, "Nacht"}, {3, "Grün"}, {4, "Rot"}}, 15, 1),
        row({615}, "LED-Dekoder - Ampel ab V3.41", SlotKind::Accessory,
            {{1, "Auto"}, {2, "Nacht"}, {3, "Grün"}, {4, "Rot"}}, 15, 1),
        row({110}, "LED-Dekoder - Blink", SlotKind::Accessory,
            {{1, "Blink 1"},
             {2, "Blink 2"},
             {3, "Blink 3"},
             {4, "Lauf"},
             {5, "Leit"},
             {6, "Warn"},
             {7, "Foto"},
             {8, "aus"}},
            15, 0),
        row({111}, "LED-Dekoder - Kirmes", SlotKind::Accessory,
            {{1, "Blink 1"}, {2, "Blink 2"}, {3, "Blink 3"}, {4, "aus"}}, 15, 1),
        row({112}, "LED-Dekoder - Neon", SlotKind::Accessory, {{1, "Ein"}}, 15, 0),
        row({368}, "LED-Dekoder - Neon ab V3.38", SlotKind::Accessory, {{1, "Ein"}}, 15, 1),
        row({624}, "LED-Dekoder - Neon ab V3.48", SlotKind::Accessory, {{1, "Ein"}}, 15, 1),
        row({102}, "LED-Dekoder - Gas", SlotKind::Accessory, {{1, "Ein"}}, 15, 0),
        row({113}, "LED-Dekoder - Haus", SlotKind::Accessory, {{1, "Ein"}}, 15, 1),
        row({114}, "LED-Dekoder - Feuer", SlotKind::Accessory, {{1, "Ein"}}, 15, 0),
        row({15872}, "LED-Dekoder - Funktionsdekoder Schalten", SlotKind::Function,
            {{1, "Out 1"},
             {2, "Out 2"},
             {3, "Out 3"},
             {4, "Out 4"},
             {5, "Out 5"},
             {6, "Out 6"},
             {7, "Out 7"},
             {8, "Out 8"},
             {9, "Out 9"},
             {10, "Out 10"}},
            15, 1),
        row({81408}, "LED-Dekoder - F-Dekoder Schalten ab V0.60", SlotKind::Function,
            {{1, "Out 1"},
             {2, "Out 2"},
             {3, "Out 3"},
             {4, "Out 4"},
             {5, "Out 5"},
             {6, "Out 6"},
             {7, "Out 7"},
             {8, "Out 8"},
             {9, "Out 9 (FL)"},
             {10, "Out 10"}},
            15, 1),
        row({201}, "LED-Dekoder - Signal 001 - Einfahrsignal", SlotKind::Accessory,
            {{1, "Hp0"},
             {2, "Hp1"},
             {3, "Hp2"},
             {4, "Hp0+Zs"},
             {5, "Hp1+Zs3"},
             {6, "Hp2+Zs3"},
             {7, "Vr0"},
             {8, "Vr1"},
             {9, "Vr2"}},
            6, 1),
        row({457}, "LED-Dekoder - Signal 001 - Einfahrsignal ab V3.37", SlotKind::Accessory,
            {{1, "Hp0"},
             {2, "Hp1"},
             {3, "Hp2"},
             {4, "Hp0+Zs"},
             {5, "Hp1+Zs3"},
             {6, "Hp2+Zs3"},
             {7, "Vr0"},
             {8, "Vr1"},
             {9, "Vr2"},
             {10, "Vr0"},
             {11, "Vr1"},
             {12, "Vr2"}},
            6, 1),
        row({202}, "LED-Dekoder - Signal 002 - Ausfahrsignal", SlotKind::Accessory,
            {{1, "Hp00"},
             {2, "Hp1"},
             {3, "Hp2"},
             {4, "Hp0+Sh1"},
             {5, "Hp0+Zs"},
             {6, "Hp0+Zs"},
             {7, "Vr0"},
             {8, "Vr1"},
             {9, "Vr2"}},
            6, 1),
        row({458}, "LED-Dekoder - Signal 002 - Ausfahrsignal ab V3.37", SlotKind::Accessory,
            {{1, "Hp00"},
             {2, "Hp1"},
             {3, "Hp2"},
             {4, "Hp0+Sh1"},
             {5, "Hp0+Zs"},
             {6, "Hp0+Zs"},
             {7, "Vr0"},
             {8, "Vr1"},
             {9, "Vr2"},
             {10, "Vr0"},
             {11, "Vr0"},
             {12, "Vr0"}},
            6, 1),
        row({203}, "LED-Dekoder - Signal 003 - ÖBB", SlotKind::Accessory,
            {{1, "Halt"},
             {2, "Frei"},
             {3, "Frei 40"},
             {4, "Frei 60"},
             {5, "Frei 40/60"},
             {6, "Verschub"},
             {7, "Ersatz"},
             {8, "Halt"},
             {9, "Frei"},
             {10, "Frei 40"},
             {11, "Frei 60"},
             {12, "Frei 40/60"},
             {13, "Verschub"},
             {14, "Ersatz"}},
            7, 1),
        row({204}, "LED-Dekoder - Signal 004 - 2x Ausfahr-Signal", SlotKind::Accessory,
            {{1, "Hp00"}, {2, "Hp1"}, {3, "Hp2"}, {4, "Hp0+Sh1"}, {5, "Hp00"}, {6, "Hp1"}, {7, "Hp2"}, {8, "Hp0+Sh1"}},
            4, 0),
        row({205}, "LED-Dekoder - Signal 005 - HL", SlotKind::Accessory,
            {{1, "HS Halt"},
             {2, "HS Vmax"},
             {3, "HS 40"},
             {4, "HS 60"},
             {5, "HS 100"},
             {6, "HS Zs1"},
             {7, "HS Ra12"},
             {8, "VS Halt"},
             {9, "VS Vmax"},
             {10, "VS 40"},
             {11, "VS 60"},
             {12, "VS 100"},
             {13, "VS Zs1"},
             {14, "VS Ra12"}},
            7, 1),
        row({206}, "LED-Dekoder - Signal 006 - PKP", SlotKind::Accessory,
            {{1, "HS Halt"},
             {2, "HS Vmax"},
             {3, "HS 40"},
             {4, "HS 60"},
             {5, "HS 100"},
             {6, "HS Ersatz"},
             {7, "HS Rangier"},
             {8, "VS Halt"},
             {9, "VS Vmax"},
             {10, "VS 40"},
             {11, "VS 60"},
             {12, "VS 100"},
             {13, "VS Ersatz"},
             {14, "VS Rangier"}},
            7, 1),
        row({207}, "LED-Dekoder - Signal 007 - Ks", SlotKind::Accessory,
            {{1, "HS Hp0"},
             {2, "HS Ks1"},
             {3, "HS Ks1/Zs3"},
             {4, "HS Ks1/Zs1"},
             {5, "HS Ks1/Sh1"},
             {6, "HS Ks1/Zs7"},
             {7, "HS Kennl."},
             {8, "VS Ks2"},
             {9, "VS Ks1"},
             {10, "VS Ks1/Zs3v"},
             {11, "VS Ks2"},
             {12, "VS Ks2"},
             {13, "VS KS2"},
             {14, "VS Dunkel"}},
            7, 1),
        row({208}, "LED-Dekoder - Signal 008 - 2x Ausfahr-Signal (V2)", SlotKind::Accessory,
            {{1, "Hp00"},
             {2, "Hp1"},
             {3, "Hp2"},
             {4, "Hp0+Sh1"},
             {5, "Hp00"},
             {6, "Hp00"},
             {7, "Hp1"},
             {8, "Hp2"},
             {9, "Hp0+Sh1"},
             {10, "Hp00"}},
            5, 0),
        row({209}, "LED-Dekoder - Signal 010 - Signal SNCF", SlotKind::Accessory,
            {{1, "C - Stop Carré"},
             {2, "S - red"},
             {3, "(S) - red flash."},
             {4, "VL - green"},
             {5, "(VL) - green flash."},
             {6, "Cv - violet"},
             {7, "M - white"},
             {8, "(M) - white flash."},
             {9, "A - yellow"},
             {10, "(A) - yellow flash."},
             {11, "30 R - slow"},
             {12, "60 (R) - slow"},
             {13, "30 RR - remember"},
             {14, "60 (RR) - remember"}},
            8, 0),
        row({230}, "LED-Dekoder - Signal 011 - Signal NS", SlotKind::Accessory,
            {{1, "Stop"},
             {2, "Ride on Sight"},
             {3, "reduce to 30"},
             {4, "reduce to x"},
             {5, "reduce to x"},
             {6, "pass with 40"},
             {7, "pass with x"},
             {8, "pass"},
             {9, "Stop"},
             {10, "Ride on Sight"},
             {11, "reduce to 30"},
             {12, "reduce to x"},
             {13, "reduce to x"},
             {14, "pass with 40"},
             {15, "pass with x"},
             {16, "pass"}},
            8, 0),
        row({231}, "LED-Dekoder - Signal 020 - Ausfahrsignal mit fahrstrassenabhängigen Zusatzsignalen",
            SlotKind::Accessory,
            {{1, "Hp00"},
             {2, "Hp1 + Zs3 + Zs6"},
             {3, "Hp2 + Zs3 + Zs6"},
             {4, "Hp0 + Sh1"},
             {5, "Hp0 + Zs7"},
             {6, "Hp0 + Zs8"},
             {7, "Weg 1"},
             {8, "Weg 2"}},
            8, 0),
        row({232}, "LED-Dekoder - Signal 021 - Vorsignal mit fahrstrassenabhängigen Zusatzsignalen",
            SlotKind::Accessory,
            {{1, "Vr0 Weg 1"},
             {2, "Vr1 Weg 1"},
             {3, "Vr2 Weg 2"},
             {4, "Vr0 Weg 2"},
             {5, "Vr1 Weg 2"},
             {6, "Vr2 Weg 2"},
             {7, "Weg 1"},
             {8, "Weg 2"},
             {9, "Dunkel EIN"},
             {10, "Dunkel EIN"},
             {11, "Dunkel EIN"},
             {12, "Dunkel EIN"},
             {13, "Dunkel AUS"},
             {14, "Dunkel AUS"}},
            8, 0),
        servoRow(ServoVariant::FourServos, row({211}, "Tamb-4 Servo-Dekoder", SlotKind::Accessory,
            {{1, "Adresse 01"},
             {2, "Adresse 02"},
             {3, "Adresse 03"},
             {4, "Adresse 04"},
             {5, "Adresse 05"},
             {6, "Adresse 06"},
             {7, "Adresse 07"},
             {8, "Adresse 08"}},
            4, 4)),
        servoRow(ServoVariant::OneServo,
                 row({210}, "Tamb-Kubo Servo-Dekoder", SlotKind::Accessory,
                     {{1, "Adresse 01"}, {2, "Adresse 02"}, {3, "Adresse 03"}, {4, "Adresse 04"}}, 4, 4)),
        servoRow(ServoVariant::OneServoFunction,
                 row({16896}, "Tamb-Kubo Servo-Dekoder (F-Dekoder)", SlotKind::Function,
                     {{1, "Adresse 01"}, {2, "Adresse 02"}}, 4, 4)),
        row({1}, "Kandor - Blinkmuster", SlotKind::Accessory,
            {{1, "Muster 1"}, {2, "Muster 2"}, {3, "Muster 3"}, {4, "Muster 4"}}, 2, 2),
        row({221}, "LED - Blinkmuster", SlotKind::Accessory,
            {{1, "Muster 1"}, {2, "Muster 2"}, {3, "Muster 3"}, {4, "Muster 4"}}, 2, 3),
    };
}

// The ID byte of a program word that is a move-literal instruction, else 0.
int literalOfWord(const FirmwareImage &image, int word)
{
    return image.rom[2 * word + 1] == QLatin1String("30") ? HexByteValue(image.rom[2 * word]) : 0;
}

// The turntable firmwares carry no ID literals; ROM byte 274 tells them apart.
int turntableTypeCode(const FirmwareImage &image)
{
    const QString &marker = image.rom[274];
    if (marker == QLatin1String("2F"))
        return 0x30FF;
    if (marker == QLatin1String("17"))
        return 0x17E800;
    return 0;
}

bool wordIs(const FirmwareImage &image, int word, const char *low, const char *high)
{
    return image.rom[2 * word] == QLatin1String(low) && image.rom[2 * word + 1] == QLatin1String(high);
}

} // namespace

QString DecoderType::slotLabel(int slot) const
{
    if (positionCount > 0 && slot >= firstPosition && slot < firstPosition + positionCount)
        return QStringLiteral("Position%1").arg(slot - firstPosition + 1);
    for (const auto &[labelled, text] : labels) {
        if (labelled == slot)
            return QString::fromUtf8(text);
    }
    return {};
}

QStringList DecoderType::slotLabels() const
{
    QStringList texts;
    texts.reserve(DecoderSlotCount);
    for (int s = 0; s < DecoderSlotCount; ++s)
        texts.append(slotLabel(s));
    return texts;
}

const std::vector<DecoderType> &decoderTypeTable()
{
    static const std::vector<DecoderType> table = buildTypeTable();
    return table;
}

const DecoderType *findDecoderType(int typeCode)
{
    for (const DecoderType &type : decoderTypeTable()) {
        for (int code : type.codes) {
            if (code == typeCode)
                return &type;
        }
    }
    return nullptr;
}

ServoVariant servoVariant(int typeCode)
{
    const DecoderType *type = findDecoderType(typeCode);
    return type ? type->servo : ServoVariant::None;
}

IdWords readIdWords(const FirmwareImage &image)
{
    IdWords ids;
    ids.id1 = literalOfWord(image, 0);
    ids.id2 = literalOfWord(image, 1);
    ids.id3 = literalOfWord(image, 2);
    ids.typeCode = ids.id1 + 256 * ids.id2 + 65536 * ids.id3;
    if (ids.typeCode == 0)
        ids.typeCode = turntableTypeCode(image);
    return ids;
}

QString idPanelText(const IdWords &ids)
{
    return QStringLiteral("ID1:%1 ID2:%2 ID3:%3").arg(ids.id1).arg(ids.id2).arg(ids.id3);
}

Protocol detectProtocol(const FirmwareImage &image)
{
    constexpr int markerWord = 8;
    constexpr int secondMarkerWord = 35;
    if (wordIs(image, markerWord, "8B", "1C"))
        return Protocol::Motorola;
    if (wordIs(image, markerWord, "05", "19"))
        return Protocol::Dcc;
    if (wordIs(image, markerWord, "0C", "1C")) {
        if (wordIs(image, secondMarkerWord, "8B", "1C"))
            return Protocol::Motorola;
        if (wordIs(image, secondMarkerWord, "05", "19"))
            return Protocol::Dcc;
    }
    return Protocol::None;
}

QString protocolPanelText(Protocol protocol)
{
    switch (protocol) {
    case Protocol::Motorola:
        return QStringLiteral("Mot");
    case Protocol::Dcc:
        return QStringLiteral("DCC");
    case Protocol::None:
        break;
    }
    return QStringLiteral("ohne");
}
