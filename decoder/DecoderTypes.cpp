#include "decoder/DecoderTypes.h"

#include "image/HexByte.h"

#include <QCoreApplication>
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
            withPositions({{4, QT_TRANSLATE_NOOP("DecoderTypes", "Licht")}, {5, QT_TRANSLATE_NOOP("DecoderTypes", "Step")}, {6, QT_TRANSLATE_NOOP("DecoderTypes", "Turn (180°)")}, {7, QT_TRANSLATE_NOOP("DecoderTypes", "Drehrichtung")}}, 8, 24), 15, 0),
        row({1566720}, "Drehscheibe 24 Position", SlotKind::Accessory,
            withPositions({{4, QT_TRANSLATE_NOOP("DecoderTypes", "Licht")}, {5, QT_TRANSLATE_NOOP("DecoderTypes", "Step")}, {6, QT_TRANSLATE_NOOP("DecoderTypes", "Turn (180°)")}, {7, QT_TRANSLATE_NOOP("DecoderTypes", "Drehrichtung")}}, 8, 12), 7, 0),
        row({8}, "Torvel", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Licht")}}, 15, 1),
        row({520}, "Torvel  ab V3.51", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Licht")}}, 15, 1),
        row({9}, "Torvel Ostrak", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Blinken")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Signal")}}, 15, 0),
        row({10}, "Kandor", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 2")}}, 15, 1),
        row({522}, "Kandor ab V3.51", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 2")}}, 15, 1),
        row({4}, "Kandor - 3Wege", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Links")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Mitte")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Rechts")}}, 15, 0),
        row({3}, "Kandor - Signal", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Signal 1 grün")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Signal 1 rot")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Signal 2 grün")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Signal 2 rot")}}, 15, 0),
        row({5}, "Kandor - Signal 4", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Out 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Out 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Out 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Out 4")}}, 15,
            0),
        row({11}, "Kandor - Schalten", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Out 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Out 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Out 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Out 4")}},
            15, 1),
        row({2}, "Kandor - Spur 1", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche")}}, 15, 1),
        row({514}, "Kandor - Spur 1  ab V3.51", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche")}}, 15, 1),
        row({6}, "Kandor - Signal HL", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "VS Vmax")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "VS Halt")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "VS 100")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "VS 40/60")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "HS Vmax")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "HS Halt")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "HS 100/40/60")}},
            4, 0),
        row({7}, "Kandor - Signal StraBa", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Signal")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Kennlicht")}}, 15, 0),
        row({17408}, "F-Dekoder mit CV", SlotKind::Function, SlotLabelList{}, 15, 6),
        row({15616}, "Kandor - F-Dekoder Schalten", SlotKind::Function,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Out 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Out 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Out 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Out 4")}}, 15, 1),
        row({81152}, "Kandor - F-Dekoder Schalten ab V0.60", SlotKind::Function,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Out 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Out 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Out 3 (FL)")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Out 4")}}, 15, 1),
        row({16128}, "Kandor - F-Dekoder Blinken", SlotKind::Function,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 4")}}, 15, 0),
        row({81664}, "Kandor - F-Dekoder Blinken ab V0.60", SlotKind::Function,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 4")}}, 15, 1),
        row({16384}, "Kandor - F-Dekoder Neon ab V0.37", SlotKind::Neither, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Ein")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Hell-Dunkel")}}, 15, 0),
        row({16640}, "Kandor/Rimno - F.Dekoder Neon ab V0.42", SlotKind::Function,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Out 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Out 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Out 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Out 4")}, {5, QT_TRANSLATE_NOOP("DecoderTypes", "Hell-Dunkel")}}, 15, 0),
        row({1720576, 1786112}, "Kandor/Rimno - F-Dekoder Neon ab V0.44", SlotKind::Function,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Out 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Out 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Out 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Out 4")}, {5, QT_TRANSLATE_NOOP("DecoderTypes", "Hell-Dunkel")}}, 15, 1),
        row({2769152, 2834688}, "Kandor/Rimno - F-Dekoder Neon ab V0.60", SlotKind::Function,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Out 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Out 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Out 3 (FL)")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Out 4")}, {5, QT_TRANSLATE_NOOP("DecoderTypes", "Hell-Dunkel")}}, 15, 1),
        row({15360}, "Kandor - Funktionsdekoder Weiche", SlotKind::Function, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 2")}}, 15, 0),
        row({105}, "Relaisdekoder 8", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Out 1")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Out 2")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Out 3")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Out 4")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Out 5")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Out 6")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Out 7")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Out 8")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "All")}},
            15, 1),
        row({101}, "Pellam", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 4")}},
            15, 1),
        row({613}, "Pellam ab V3.51", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Weiche 4")}}, 15, 1),
        row({106}, "LED-Dekoder - Schalten", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Out 1")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Out 2")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Out 3")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Out 4")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Out 5")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Out 6")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Out 7")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Out 8")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "Out 9")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "Out 10")}},
            15, 1),
        row({107}, "LED-Dekoder - Signal 5x2", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Signal 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Signal 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Signal 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Signal 4")}, {5, QT_TRANSLATE_NOOP("DecoderTypes", "Signal 5")}}, 15, 0),
        row({108}, "LED-Dekoder - Signal 4", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "HP00")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "HP1")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "HP2")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "SH1")}, {5, QT_TRANSLATE_NOOP("DecoderTypes", "VR0")}, {6, QT_TRANSLATE_NOOP("DecoderTypes", "VR1")}, {7, QT_TRANSLATE_NOOP("DecoderTypes", "VR2")}}, 4, 1),
        row({109}, "LED-Dekoder - Signal SBB", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "HALT")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "FB1")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "FB2")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "FB3")}, {5, QT_TRANSLATE_NOOP("DecoderTypes", "Warn")}, {6, QT_TRANSLATE_NOOP("DecoderTypes", "FB1")}, {7, QT_TRANSLATE_NOOP("DecoderTypes", "FB2")}, {8, QT_TRANSLATE_NOOP("DecoderTypes", "FB3")}}, 5, 1),
        row({104}, "LED-Dekoder - Andreaskreus / Schranke", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Ein")}}, 15, 1),
        row({103}, "LED-Dekoder - Ampel < V3.40", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Auto")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Nacht")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Grün")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Rot")}}, 15, 0),
        row({359}, "LED-Dekoder - Ampel V3.40", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Auto")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Nacht")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Grün")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Rot")}}, 15, 1),
        row({615}, "LED-Dekoder - Ampel ab V3.41", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Auto")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Nacht")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Grün")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Rot")}}, 15, 1),
        row({110}, "LED-Dekoder - Blink", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 1")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 2")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 3")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Lauf")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Leit")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Warn")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Foto")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "aus")}},
            15, 0),
        row({111}, "LED-Dekoder - Kirmes", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Blink 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "aus")}}, 15, 1),
        row({112}, "LED-Dekoder - Neon", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Ein")}}, 15, 0),
        row({368}, "LED-Dekoder - Neon ab V3.38", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Ein")}}, 15, 1),
        row({624}, "LED-Dekoder - Neon ab V3.48", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Ein")}}, 15, 1),
        row({102}, "LED-Dekoder - Gas", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Ein")}}, 15, 0),
        row({113}, "LED-Dekoder - Haus", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Ein")}}, 15, 1),
        row({114}, "LED-Dekoder - Feuer", SlotKind::Accessory, {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Ein")}}, 15, 0),
        row({15872}, "LED-Dekoder - Funktionsdekoder Schalten", SlotKind::Function,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Out 1")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Out 2")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Out 3")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Out 4")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Out 5")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Out 6")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Out 7")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Out 8")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "Out 9")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "Out 10")}},
            15, 1),
        row({81408}, "LED-Dekoder - F-Dekoder Schalten ab V0.60", SlotKind::Function,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Out 1")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Out 2")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Out 3")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Out 4")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Out 5")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Out 6")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Out 7")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Out 8")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "Out 9 (FL)")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "Out 10")}},
            15, 1),
        row({201}, "LED-Dekoder - Signal 001 - Einfahrsignal", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Hp1")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Hp2")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Zs")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Hp1+Zs3")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Hp2+Zs3")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Vr0")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Vr1")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "Vr2")}},
            6, 1),
        row({457}, "LED-Dekoder - Signal 001 - Einfahrsignal ab V3.37", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Hp1")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Hp2")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Zs")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Hp1+Zs3")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Hp2+Zs3")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Vr0")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Vr1")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "Vr2")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "Vr0")},
             {11, QT_TRANSLATE_NOOP("DecoderTypes", "Vr1")},
             {12, QT_TRANSLATE_NOOP("DecoderTypes", "Vr2")}},
            6, 1),
        row({202}, "LED-Dekoder - Signal 002 - Ausfahrsignal", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Hp00")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Hp1")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Hp2")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Sh1")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Zs")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Zs")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Vr0")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Vr1")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "Vr2")}},
            6, 1),
        row({458}, "LED-Dekoder - Signal 002 - Ausfahrsignal ab V3.37", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Hp00")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Hp1")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Hp2")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Sh1")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Zs")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Zs")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Vr0")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Vr1")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "Vr2")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "Vr0")},
             {11, QT_TRANSLATE_NOOP("DecoderTypes", "Vr0")},
             {12, QT_TRANSLATE_NOOP("DecoderTypes", "Vr0")}},
            6, 1),
        row({203}, "LED-Dekoder - Signal 003 - ÖBB", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Halt")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Frei")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Frei 40")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Frei 60")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Frei 40/60")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Verschub")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Ersatz")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Halt")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "Frei")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "Frei 40")},
             {11, QT_TRANSLATE_NOOP("DecoderTypes", "Frei 60")},
             {12, QT_TRANSLATE_NOOP("DecoderTypes", "Frei 40/60")},
             {13, QT_TRANSLATE_NOOP("DecoderTypes", "Verschub")},
             {14, QT_TRANSLATE_NOOP("DecoderTypes", "Ersatz")}},
            7, 1),
        row({204}, "LED-Dekoder - Signal 004 - 2x Ausfahr-Signal", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Hp00")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Hp1")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Hp2")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Sh1")}, {5, QT_TRANSLATE_NOOP("DecoderTypes", "Hp00")}, {6, QT_TRANSLATE_NOOP("DecoderTypes", "Hp1")}, {7, QT_TRANSLATE_NOOP("DecoderTypes", "Hp2")}, {8, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Sh1")}},
            4, 0),
        row({205}, "LED-Dekoder - Signal 005 - HL", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "HS Halt")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "HS Vmax")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "HS 40")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "HS 60")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "HS 100")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "HS Zs1")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "HS Ra12")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "VS Halt")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "VS Vmax")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "VS 40")},
             {11, QT_TRANSLATE_NOOP("DecoderTypes", "VS 60")},
             {12, QT_TRANSLATE_NOOP("DecoderTypes", "VS 100")},
             {13, QT_TRANSLATE_NOOP("DecoderTypes", "VS Zs1")},
             {14, QT_TRANSLATE_NOOP("DecoderTypes", "VS Ra12")}},
            7, 1),
        row({206}, "LED-Dekoder - Signal 006 - PKP", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "HS Halt")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "HS Vmax")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "HS 40")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "HS 60")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "HS 100")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "HS Ersatz")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "HS Rangier")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "VS Halt")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "VS Vmax")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "VS 40")},
             {11, QT_TRANSLATE_NOOP("DecoderTypes", "VS 60")},
             {12, QT_TRANSLATE_NOOP("DecoderTypes", "VS 100")},
             {13, QT_TRANSLATE_NOOP("DecoderTypes", "VS Ersatz")},
             {14, QT_TRANSLATE_NOOP("DecoderTypes", "VS Rangier")}},
            7, 1),
        row({207}, "LED-Dekoder - Signal 007 - Ks", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "HS Hp0")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "HS Ks1")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "HS Ks1/Zs3")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "HS Ks1/Zs1")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "HS Ks1/Sh1")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "HS Ks1/Zs7")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "HS Kennl.")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "VS Ks2")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "VS Ks1")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "VS Ks1/Zs3v")},
             {11, QT_TRANSLATE_NOOP("DecoderTypes", "VS Ks2")},
             {12, QT_TRANSLATE_NOOP("DecoderTypes", "VS Ks2")},
             {13, QT_TRANSLATE_NOOP("DecoderTypes", "VS KS2")},
             {14, QT_TRANSLATE_NOOP("DecoderTypes", "VS Dunkel")}},
            7, 1),
        row({208}, "LED-Dekoder - Signal 008 - 2x Ausfahr-Signal (V2)", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Hp00")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Hp1")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Hp2")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Sh1")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Hp00")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Hp00")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Hp1")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Hp2")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0+Sh1")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "Hp00")}},
            5, 0),
        row({209}, "LED-Dekoder - Signal 010 - Signal SNCF", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "C - Stop Carré")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "S - red")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "(S) - red flash.")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "VL - green")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "(VL) - green flash.")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Cv - violet")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "M - white")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "(M) - white flash.")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "A - yellow")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "(A) - yellow flash.")},
             {11, QT_TRANSLATE_NOOP("DecoderTypes", "30 R - slow")},
             {12, QT_TRANSLATE_NOOP("DecoderTypes", "60 (R) - slow")},
             {13, QT_TRANSLATE_NOOP("DecoderTypes", "30 RR - remember")},
             {14, QT_TRANSLATE_NOOP("DecoderTypes", "60 (RR) - remember")}},
            8, 0),
        row({230}, "LED-Dekoder - Signal 011 - Signal NS", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Stop")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Ride on Sight")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "reduce to 30")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "reduce to x")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "reduce to x")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "pass with 40")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "pass with x")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "pass")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "Stop")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "Ride on Sight")},
             {11, QT_TRANSLATE_NOOP("DecoderTypes", "reduce to 30")},
             {12, QT_TRANSLATE_NOOP("DecoderTypes", "reduce to x")},
             {13, QT_TRANSLATE_NOOP("DecoderTypes", "reduce to x")},
             {14, QT_TRANSLATE_NOOP("DecoderTypes", "pass with 40")},
             {15, QT_TRANSLATE_NOOP("DecoderTypes", "pass with x")},
             {16, QT_TRANSLATE_NOOP("DecoderTypes", "pass")}},
            8, 0),
        row({231}, "LED-Dekoder - Signal 020 - Ausfahrsignal mit fahrstrassenabhängigen Zusatzsignalen",
            SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Hp00")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Hp1 + Zs3 + Zs6")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Hp2 + Zs3 + Zs6")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0 + Sh1")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0 + Zs7")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Hp0 + Zs8")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Weg 1")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Weg 2")}},
            8, 0),
        row({232}, "LED-Dekoder - Signal 021 - Vorsignal mit fahrstrassenabhängigen Zusatzsignalen",
            SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Vr0 Weg 1")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Vr1 Weg 1")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Vr2 Weg 2")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Vr0 Weg 2")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Vr1 Weg 2")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Vr2 Weg 2")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Weg 1")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Weg 2")},
             {9, QT_TRANSLATE_NOOP("DecoderTypes", "Dunkel EIN")},
             {10, QT_TRANSLATE_NOOP("DecoderTypes", "Dunkel EIN")},
             {11, QT_TRANSLATE_NOOP("DecoderTypes", "Dunkel EIN")},
             {12, QT_TRANSLATE_NOOP("DecoderTypes", "Dunkel EIN")},
             {13, QT_TRANSLATE_NOOP("DecoderTypes", "Dunkel AUS")},
             {14, QT_TRANSLATE_NOOP("DecoderTypes", "Dunkel AUS")}},
            8, 0),
        servoRow(ServoVariant::FourServos, row({211}, "Tamb-4 Servo-Dekoder", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 01")},
             {2, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 02")},
             {3, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 03")},
             {4, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 04")},
             {5, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 05")},
             {6, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 06")},
             {7, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 07")},
             {8, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 08")}},
            4, 4)),
        servoRow(ServoVariant::OneServo,
                 row({210}, "Tamb-Kubo Servo-Dekoder", SlotKind::Accessory,
                     {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 01")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 02")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 03")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 04")}}, 4, 4)),
        servoRow(ServoVariant::OneServoFunction,
                 row({16896}, "Tamb-Kubo Servo-Dekoder (F-Dekoder)", SlotKind::Function,
                     {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 01")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Adresse 02")}}, 4, 4)),
        row({1}, "Kandor - Blinkmuster", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Muster 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Muster 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Muster 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Muster 4")}}, 2, 2),
        row({221}, "LED - Blinkmuster", SlotKind::Accessory,
            {{1, QT_TRANSLATE_NOOP("DecoderTypes", "Muster 1")}, {2, QT_TRANSLATE_NOOP("DecoderTypes", "Muster 2")}, {3, QT_TRANSLATE_NOOP("DecoderTypes", "Muster 3")}, {4, QT_TRANSLATE_NOOP("DecoderTypes", "Muster 4")}}, 2, 3),
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

QString slotLabelText(const QString &label)
{
    return QCoreApplication::translate("DecoderTypes", label.toUtf8().constData());
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
