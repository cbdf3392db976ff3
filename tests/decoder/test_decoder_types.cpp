// The decoder type table, the type code from the ID words and the protocol markers.
#include "common/TestImages.h"
#include "decoder/DecoderTypes.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <set>

namespace {

struct ExpectedType {
    int code;
    const char *label;
    char kind;            // 'A' accessory, 'F' function, '-' neither
    const char *slotList; // "slot=label|slot=label..."
    int breakAfter;
    int frame;
};

const ExpectedType ExpectedTypes[] = {
    {12543, "Drehscheibe 48 Position", 'A',
     "4=Licht|5=Step|6=Turn "
     "(180°)|7=Drehrichtung|8=Position1|9=Position2|10=Position3|11=Position4|12=Position5|13=Position6|14=Position7|"
     "15=Position8|16=Position9|17=Position10|18=Position11|19=Position12|20=Position13|21=Position14|22=Position15|23="
     "Position16|24=Position17|25=Position18|26=Position19|27=Position20|28=Position21|29=Position22|30=Position23|31="
     "Position24",
     15, 0},
    {1566720, "Drehscheibe 24 Position", 'A',
     "4=Licht|5=Step|6=Turn "
     "(180°)|7=Drehrichtung|8=Position1|9=Position2|10=Position3|11=Position4|12=Position5|13=Position6|14=Position7|"
     "15=Position8|16=Position9|17=Position10|18=Position11|19=Position12",
     7, 0},
    {8, "Torvel", 'A', "1=Weiche|2=Licht", 15, 1},
    {520, "Torvel  ab V3.51", 'A', "1=Weiche|2=Licht", 15, 1},
    {9, "Torvel Ostrak", 'A', "1=Blinken|2=Signal", 15, 0},
    {10, "Kandor", 'A', "1=Weiche 1|2=Weiche 2", 15, 1},
    {522, "Kandor ab V3.51", 'A', "1=Weiche 1|2=Weiche 2", 15, 1},
    {4, "Kandor - 3Wege", 'A', "1=Links|2=Mitte|3=Rechts", 15, 0},
    {3, "Kandor - Signal", 'A', "1=Signal 1 grün|2=Signal 1 rot|3=Signal 2 grün|4=Signal 2 rot", 15, 0},
    {5, "Kandor - Signal 4", 'A', "1=Out 1|2=Out 2|3=Out 3|4=Out 4", 15, 0},
    {11, "Kandor - Schalten", 'A', "1=Out 1|2=Out 2|3=Out 3|4=Out 4", 15, 1},
    {2, "Kandor - Spur 1", 'A', "1=Weiche", 15, 1},
    {514, "Kandor - Spur 1  ab V3.51", 'A', "1=Weiche", 15, 1},
    {6, "Kandor - Signal HL", 'A', "1=VS Vmax|2=VS Halt|3=VS 100|4=VS 40/60|5=HS Vmax|6=HS Halt|7=HS 100/40/60", 4, 0},
    {7, "Kandor - Signal StraBa", 'A', "1=Signal|2=Kennlicht", 15, 0},
    {17408, "F-Dekoder mit CV", 'F', "", 15, 6},
    {15616, "Kandor - F-Dekoder Schalten", 'F', "1=Out 1|2=Out 2|3=Out 3|4=Out 4", 15, 1},
    {81152, "Kandor - F-Dekoder Schalten ab V0.60", 'F', "1=Out 1|2=Out 2|3=Out 3 (FL)|4=Out 4", 15, 1},
    {16128, "Kandor - F-Dekoder Blinken", 'F', "1=Blink 1|2=Blink 2|3=Blink 3|4=Blink 4", 15, 0},
    {81664, "Kandor - F-Dekoder Blinken ab V0.60", 'F', "1=Blink 1|2=Blink 2|3=Blink 3|4=Blink 4", 15, 1},
    {16384, "Kandor - F-Dekoder Neon ab V0.37", '-', "1=Ein|2=Hell-Dunkel", 15, 0},
    {16640, "Kandor/Rimno - F.Dekoder Neon ab V0.42", 'F', "1=Out 1|2=Out 2|3=Out 3|4=Out 4|5=Hell-Dunkel", 15, 0},
    {1720576, "Kandor/Rimno - F-Dekoder Neon ab V0.44", 'F', "1=Out 1|2=Out 2|3=Out 3|4=Out 4|5=Hell-Dunkel", 15, 1},
    {1786112, "Kandor/Rimno - F-Dekoder Neon ab V0.44", 'F', "1=Out 1|2=Out 2|3=Out 3|4=Out 4|5=Hell-Dunkel", 15, 1},
    {2769152, "Kandor/Rimno - F-Dekoder Neon ab V0.60", 'F', "1=Out 1|2=Out 2|3=Out 3 (FL)|4=Out 4|5=Hell-Dunkel", 15,
     1},
    {2834688, "Kandor/Rimno - F-Dekoder Neon ab V0.60", 'F', "1=Out 1|2=Out 2|3=Out 3 (FL)|4=Out 4|5=Hell-Dunkel", 15,
     1},
    {15360, "Kandor - Funktionsdekoder Weiche", 'F', "1=Weiche 1|2=Weiche 2", 15, 0},
    {105, "Relaisdekoder 8", 'A', "1=Out 1|2=Out 2|3=Out 3|4=Out 4|5=Out 5|6=Out 6|7=Out 7|8=Out 8|9=All", 15, 1},
    {101, "Pellam", 'A', "1=Weiche 1|2=Weiche 2|3=Weiche 3|4=Weiche 4", 15, 1},
    {613, "Pellam ab V3.51", 'A', "1=Weiche 1|2=Weiche 2|3=Weiche 3|4=Weiche 4", 15, 1},
    {106, "LED-Dekoder - Schalten", 'A',
     "1=Out 1|2=Out 2|3=Out 3|4=Out 4|5=Out 5|6=Out 6|7=Out 7|8=Out 8|9=Out 9|10=Out 10", 15, 1},
    {107, "LED-Dekoder - Signal 5x2", 'A', "1=Signal 1|2=Signal 2|3=Signal 3|4=Signal 4|5=Signal 5", 15, 0},
    {108, "LED-Dekoder - Signal 4", 'A', "1=HP00|2=HP1|3=HP2|4=SH1|5=VR0|6=VR1|7=VR2", 4, 1},
    {109, "LED-Dekoder - Signal SBB", 'A', "1=HALT|2=FB1|3=FB2|4=FB3|5=Warn|6=FB1|7=FB2|8=FB3", 5, 1},
    {104, "LED-Dekoder - Andreaskreus / Schranke", 'A', "1=Ein", 15, 1},
    {103, "LED-Dekoder - Ampel < V3.40", 'A', "1=Auto|2=Nacht|3=Grün|4=Rot", 15, 0},
    {359, "LED-Dekoder - Ampel V3.40", 'A', "1=Auto|2=Nacht|3=Grün|4=Rot", 15, 1},
    {615, "LED-Dekoder - Ampel ab V3.41", 'A', "1=Auto|2=Nacht|3=Grün|4=Rot", 15, 1},
    {110, "LED-Dekoder - Blink", 'A', "1=Blink 1|2=Blink 2|3=Blink 3|4=Lauf|5=Leit|6=Warn|7=Foto|8=aus", 15, 0},
    {111, "LED-Dekoder - Kirmes", 'A', "1=Blink 1|2=Blink 2|3=Blink 3|4=aus", 15, 1},
    {112, "LED-Dekoder - Neon", 'A', "1=Ein", 15, 0},
    {368, "LED-Dekoder - Neon ab V3.38", 'A', "1=Ein", 15, 1},
    {624, "LED-Dekoder - Neon ab V3.48", 'A', "1=Ein", 15, 1},
    {102, "LED-Dekoder - Gas", 'A', "1=Ein", 15, 0},
    {113, "LED-Dekoder - Haus", 'A', "1=Ein", 15, 1},
    {114, "LED-Dekoder - Feuer", 'A', "1=Ein", 15, 0},
    {15872, "LED-Dekoder - Funktionsdekoder Schalten", 'F',
     "1=Out 1|2=Out 2|3=Out 3|4=Out 4|5=Out 5|6=Out 6|7=Out 7|8=Out 8|9=Out 9|10=Out 10", 15, 1},
    {81408, "LED-Dekoder - F-Dekoder Schalten ab V0.60", 'F',
     "1=Out 1|2=Out 2|3=Out 3|4=Out 4|5=Out 5|6=Out 6|7=Out 7|8=Out 8|9=Out 9 (FL)|10=Out 10", 15, 1},
    {201, "LED-Dekoder - Signal 001 - Einfahrsignal", 'A',
     "1=Hp0|2=Hp1|3=Hp2|4=Hp0+Zs|5=Hp1+Zs3|6=Hp2+Zs3|7=Vr0|8=Vr1|9=Vr2", 6, 1},
    {457, "LED-Dekoder - Signal 001 - Einfahrsignal ab V3.37", 'A',
     "1=Hp0|2=Hp1|3=Hp2|4=Hp0+Zs|5=Hp1+Zs3|6=Hp2+Zs3|7=Vr0|8=Vr1|9=Vr2|10=Vr0|11=Vr1|12=Vr2", 6, 1},
    {202, "LED-Dekoder - Signal 002 - Ausfahrsignal", 'A',
     "1=Hp00|2=Hp1|3=Hp2|4=Hp0+Sh1|5=Hp0+Zs|6=Hp0+Zs|7=Vr0|8=Vr1|9=Vr2", 6, 1},
    {458, "LED-Dekoder - Signal 002 - Ausfahrsignal ab V3.37", 'A',
     "1=Hp00|2=Hp1|3=Hp2|4=Hp0+Sh1|5=Hp0+Zs|6=Hp0+Zs|7=Vr0|8=Vr1|9=Vr2|10=Vr0|11=Vr0|12=Vr0", 6, 1},
    {203, "LED-Dekoder - Signal 003 - ÖBB", 'A',
     "1=Halt|2=Frei|3=Frei 40|4=Frei 60|5=Frei 40/60|6=Verschub|7=Ersatz|8=Halt|9=Frei|10=Frei 40|11=Frei 60|12=Frei "
     "40/60|13=Verschub|14=Ersatz",
     7, 1},
    {204, "LED-Dekoder - Signal 004 - 2x Ausfahr-Signal", 'A',
     "1=Hp00|2=Hp1|3=Hp2|4=Hp0+Sh1|5=Hp00|6=Hp1|7=Hp2|8=Hp0+Sh1", 4, 0},
    {205, "LED-Dekoder - Signal 005 - HL", 'A',
     "1=HS Halt|2=HS Vmax|3=HS 40|4=HS 60|5=HS 100|6=HS Zs1|7=HS Ra12|8=VS Halt|9=VS Vmax|10=VS 40|11=VS 60|12=VS "
     "100|13=VS Zs1|14=VS Ra12",
     7, 1},
    {206, "LED-Dekoder - Signal 006 - PKP", 'A',
     "1=HS Halt|2=HS Vmax|3=HS 40|4=HS 60|5=HS 100|6=HS Ersatz|7=HS Rangier|8=VS Halt|9=VS Vmax|10=VS 40|11=VS "
     "60|12=VS 100|13=VS Ersatz|14=VS Rangier",
     7, 1},
    {207, "LED-Dekoder - Signal 007 - Ks", 'A',
     "1=HS Hp0|2=HS Ks1|3=HS Ks1/Zs3|4=HS Ks1/Zs1|5=HS Ks1/Sh1|6=HS Ks1/Zs7|7=HS Kennl.|8=VS Ks2|9=VS Ks1|10=VS "
     "Ks1/Zs3v|11=VS Ks2|12=VS Ks2|13=VS KS2|14=VS Dunkel",
     7, 1},
    {208, "LED-Dekoder - Signal 008 - 2x Ausfahr-Signal (V2)", 'A',
     "1=Hp00|2=Hp1|3=Hp2|4=Hp0+Sh1|5=Hp00|6=Hp00|7=Hp1|8=Hp2|9=Hp0+Sh1|10=Hp00", 5, 0},
    {209, "LED-Dekoder - Signal 010 - Signal SNCF", 'A',
     "1=C - Stop Carré|2=S - red|3=(S) - red flash.|4=VL - green|5=(VL) - green flash.|6=Cv - violet|7=M - white|8=(M) "
     "- white flash.|9=A - yellow|10=(A) - yellow flash.|11=30 R - slow|12=60 (R) - slow|13=30 RR - remember|14=60 "
     "(RR) - remember",
     8, 0},
    {230, "LED-Dekoder - Signal 011 - Signal NS", 'A',
     "1=Stop|2=Ride on Sight|3=reduce to 30|4=reduce to x|5=reduce to x|6=pass with 40|7=pass with "
     "x|8=pass|9=Stop|10=Ride on Sight|11=reduce to 30|12=reduce to x|13=reduce to x|14=pass with 40|15=pass with "
     "x|16=pass",
     8, 0},
    {231, "LED-Dekoder - Signal 020 - Ausfahrsignal mit fahrstrassenabhängigen Zusatzsignalen", 'A',
     "1=Hp00|2=Hp1 + Zs3 + Zs6|3=Hp2 + Zs3 + Zs6|4=Hp0 + Sh1|5=Hp0 + Zs7|6=Hp0 + Zs8|7=Weg 1|8=Weg 2", 8, 0},
    {232, "LED-Dekoder - Signal 021 - Vorsignal mit fahrstrassenabhängigen Zusatzsignalen", 'A',
     "1=Vr0 Weg 1|2=Vr1 Weg 1|3=Vr2 Weg 2|4=Vr0 Weg 2|5=Vr1 Weg 2|6=Vr2 Weg 2|7=Weg 1|8=Weg 2|9=Dunkel EIN|10=Dunkel "
     "EIN|11=Dunkel EIN|12=Dunkel EIN|13=Dunkel AUS|14=Dunkel AUS",
     8, 0},
    {211, "Tamb-4 Servo-Dekoder", 'A',
     "1=Adresse 01|2=Adresse 02|3=Adresse 03|4=Adresse 04|5=Adresse 05|6=Adresse 06|7=Adresse 07|8=Adresse 08", 4, 4},
    {210, "Tamb-Kubo Servo-Dekoder", 'A', "1=Adresse 01|2=Adresse 02|3=Adresse 03|4=Adresse 04", 4, 4},
    {16896, "Tamb-Kubo Servo-Dekoder (F-Dekoder)", 'F', "1=Adresse 01|2=Adresse 02", 4, 4},
    {1, "Kandor - Blinkmuster", 'A', "1=Muster 1|2=Muster 2|3=Muster 3|4=Muster 4", 2, 2},
    {221, "LED - Blinkmuster", 'A', "1=Muster 1|2=Muster 2|3=Muster 3|4=Muster 4", 2, 3},
};

QStringList expectedLabels(const char *slotList)
{
    QStringList labels(DecoderSlotCount);
    const QString text = QString::fromUtf8(slotList);
    if (text.isEmpty())
        return labels;
    for (const QString &entry : text.split(QLatin1Char('|'))) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        labels[entry.left(eq).toInt()] = entry.mid(eq + 1);
    }
    return labels;
}

SlotKind kindOf(char kind)
{
    return kind == 'A' ? SlotKind::Accessory : kind == 'F' ? SlotKind::Function : SlotKind::Neither;
}

class TypeTableRow : public ::testing::TestWithParam<ExpectedType> {};

TEST_P(TypeTableRow, MatchesItsCodeExactly)
{
    const ExpectedType &expected = GetParam();
    const DecoderType *type = findDecoderType(expected.code);
    ASSERT_NE(type, nullptr) << expected.code;
    EXPECT_EQ(type->label, QString::fromUtf8(expected.label));
    EXPECT_EQ(type->kind, kindOf(expected.kind));
    EXPECT_EQ(type->slotLabels(), expectedLabels(expected.slotList));
    EXPECT_EQ(type->breakAfter, expected.breakAfter);
    EXPECT_EQ(static_cast<int>(type->frame), expected.frame);
    EXPECT_TRUE(type->slotLabel(0).isEmpty()) << "slot 0 is never labelled";
}

INSTANTIATE_TEST_SUITE_P(AllTypes, TypeTableRow, ::testing::ValuesIn(ExpectedTypes),
                         [](const auto &info) { return std::to_string(info.param.code); });

TEST(TypeTable, HasSixtyFiveRowsAndNoCodeTwice)
{
    EXPECT_EQ(decoderTypeTable().size(), 65u);
    std::set<int> codes;
    for (const DecoderType &type : decoderTypeTable())
        for (int code : type.codes)
            EXPECT_TRUE(codes.insert(code).second) << code;
    EXPECT_EQ(codes.size(), std::size(ExpectedTypes));
}

TEST(TypeTable, PairedCodesShareOneRow)
{
    EXPECT_EQ(findDecoderType(1720576), findDecoderType(1786112));
    EXPECT_EQ(findDecoderType(2769152), findDecoderType(2834688));
    EXPECT_NE(findDecoderType(1720576), findDecoderType(2769152));
}

TEST(TypeTable, UnknownCodesFindNothing)
{
    for (int code : {0, -1, 12, 0x4300, 16129, 1566721})
        EXPECT_EQ(findDecoderType(code), nullptr) << code;
}

// The frame lists gathered per frame, checked against the rows.
TEST(TypeTable, FramesPerTypeCode)
{
    const std::vector<std::pair<int, std::vector<int>>> framesByCode = {
        {1, {8,       520,   10,    522, 11,  2,   514, 15616, 81152, 81664, 1720576, 1786112, 2769152,
             2834688, 105,   101,   613, 106, 108, 109, 104,   359,   615,   111,     368,     624,
             113,     15872, 81408, 201, 457, 202, 458, 203,   205,   206,   207}},
        {2, {1}},
        {3, {221}},
        {4, {211, 210, 16896}},
        {6, {17408}},
        {0, {12543, 1566720, 9,   4,   3,   5,   6,   7,   16128, 16384, 16640, 15360,
             107,   103,     110, 112, 102, 114, 204, 208, 209,   230,   231,   232}},
    };
    std::size_t listed = 0;
    for (const auto &[frame, codes] : framesByCode) {
        for (int code : codes) {
            const DecoderType *type = findDecoderType(code);
            ASSERT_NE(type, nullptr) << code;
            EXPECT_EQ(static_cast<int>(type->frame), frame) << code;
            ++listed;
        }
    }
    EXPECT_EQ(listed, std::size(ExpectedTypes));
}

// ---------------------------------------------------------------- ID words


TEST(ReadIdWords, LiteralsOfTheFirstThreeWords)
{
    FirmwareImage image = erasedImage();
    setProgramWord(image, 0, "08", "30");
    setProgramWord(image, 1, "02", "30");
    setProgramWord(image, 2, "00", "30");
    const IdWords ids = readIdWords(image);
    EXPECT_EQ(ids.typeCode, 520);
    EXPECT_EQ(idPanelText(ids), QStringLiteral("ID1:8 ID2:2 ID3:0"));
    EXPECT_EQ(findDecoderType(ids.typeCode)->label, QStringLiteral("Torvel  ab V3.51"));

    setProgramWord(image, 2, "1A", "30");
    EXPECT_EQ(readIdWords(image).typeCode, 8 + 2 * 256 + 0x1A * 65536);
    EXPECT_EQ(idPanelText(readIdWords(image)), QStringLiteral("ID1:8 ID2:2 ID3:26"));
}

TEST(ReadIdWords, WordThatIsNoLiteralCountsZero)
{
    FirmwareImage image = erasedImage();
    setProgramWord(image, 0, "08", "30");
    setProgramWord(image, 1, "02", "31");
    setProgramWord(image, 2, "01", "28");
    const IdWords ids = readIdWords(image);
    EXPECT_EQ(ids.typeCode, 8);
    EXPECT_EQ(idPanelText(ids), QStringLiteral("ID1:8 ID2:0 ID3:0"));
}

TEST(ReadIdWords, TurntablesByRomByte274)
{
    FirmwareImage image = erasedImage();
    EXPECT_EQ(readIdWords(image).typeCode, 0);
    image.rom[274] = QStringLiteral("2F");
    EXPECT_EQ(readIdWords(image).typeCode, 12543);
    EXPECT_EQ(idPanelText(readIdWords(image)), QStringLiteral("ID1:0 ID2:0 ID3:0"));
    image.rom[274] = QStringLiteral("17");
    EXPECT_EQ(readIdWords(image).typeCode, 1566720);
    // The high byte of word 137 does not decide.
    image.rom[274] = QStringLiteral("FF");
    image.rom[275] = QStringLiteral("2F");
    EXPECT_EQ(readIdWords(image).typeCode, 0);
    // A firmware with ID literals is never taken for a turntable.
    image.rom[274] = QStringLiteral("2F");
    setProgramWord(image, 0, "0A", "30");
    EXPECT_EQ(readIdWords(image).typeCode, 10);
}

// ---------------------------------------------------------------- protocol

struct ProtocolCase {
    const char *word8[2];
    const char *word35[2];
    Protocol expected;
};

class ProtocolMarkers : public ::testing::TestWithParam<ProtocolCase> {};

TEST_P(ProtocolMarkers, DecideTheProtocol)
{
    const ProtocolCase &c = GetParam();
    FirmwareImage image = erasedImage();
    setProgramWord(image, 8, c.word8[0], c.word8[1]);
    setProgramWord(image, 35, c.word35[0], c.word35[1]);
    EXPECT_EQ(detectProtocol(image), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ProtocolMarkers,
                         ::testing::Values(ProtocolCase{{"8B", "1C"}, {"05", "19"}, Protocol::Motorola},
                                           ProtocolCase{{"05", "19"}, {"8B", "1C"}, Protocol::Dcc},
                                           ProtocolCase{{"0C", "1C"}, {"8B", "1C"}, Protocol::Motorola},
                                           ProtocolCase{{"0C", "1C"}, {"05", "19"}, Protocol::Dcc},
                                           ProtocolCase{{"0C", "1C"}, {"FF", "3F"}, Protocol::None},
                                           ProtocolCase{{"8B", "19"}, {"8B", "1C"}, Protocol::None},
                                           ProtocolCase{{"FF", "3F"}, {"05", "19"}, Protocol::None}));

TEST(ProtocolMarkers, PanelTexts)
{
    EXPECT_EQ(protocolPanelText(Protocol::Motorola), QStringLiteral("Mot"));
    EXPECT_EQ(protocolPanelText(Protocol::Dcc), QStringLiteral("DCC"));
    EXPECT_EQ(protocolPanelText(Protocol::None), QStringLiteral("ohne"));
}

} // namespace
