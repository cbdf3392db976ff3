// The operating-mode editor's decision table and the rules of its changes.
#include "decoder/DecoderTypes.h"
#include "frames/ByteEntry.h"
#include "frames/Frame_zusatz/ModesModel.h"
#include "frames/Frame_zusatz/ZusatzRules.h"
#include "image/FirmwareImage.h"
#include "image/HexByte.h"

#include <gtest/gtest.h>
#include <functional>
#include <set>

using namespace Zusatz;

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

// One type code: the value field ("" = no caption), the mode group's captions
// ("|"-separated, "-" = no group, "" = group without radio buttons), other
// controls as tokens, and what a click in the mode group writes: starting from
// mode byte 0x3C with every visible bit box checked, the last radio button is
// clicked (or, without radio buttons, the bit 6 box).
struct TypeRow {
    int code;
    const char *caption;
    const char *hint;
    int min, max;
    const char *field; // "" no edit, "E" edit only, "EU" edit with up-down and seconds
    const char *modes;
    const char *bits;   // "", "6", "67"
    const char *others; // W switch-off, F fading, S speed, N neon sliders, B<lower-case hex> neon boxes, T tip, M minimum count, X extras
    int modeAfterClick; // -1: no mode group
};

const char *const TimeOut = "Time Out (1..127)";
const char *const Normal2 = "Mode 1: Normale Betriebsart|Mode 2: Dumm-Mode";
const char *const Switching = "Mode 1: Normale Betriebsart|Mode 2: Dumm-Mode|Mode 3: Selbstabschaltungs-Mode";
const char *const NeonModes = "Mode 1: Normale Betriebsart Neon|Mode 2: Steuerwagen Neon|Mode 3: Normale Betriebsart "
                              "ohne Neon|Mode 4: Steuerwagen ohne Neon";
const char *const Dark = "Mode 1: Normale Betriebsart|Mode 2: mit Dunkeltastung";

const TypeRow Rows[] = {
    {8, TimeOut, "x 0.5 sec", 1, 127, "EU", "-", "", "", -1},
    {10, TimeOut, "x 0.5 sec", 1, 127, "EU", "-", "", "", -1},
    {2, TimeOut, "x 0.5 sec", 1, 127, "EU", "-", "", "", -1},
    {101, TimeOut, "x 0.5 sec", 1, 127, "EU", "-", "", "", -1},
    {520, TimeOut, "x 0.5 sec", 1, 127, "EU", "-", "", "W", -1},
    {522, TimeOut, "x 0.5 sec", 1, 127, "EU", "-", "", "W", -1},
    {514, TimeOut, "x 0.5 sec", 1, 127, "EU", "-", "", "W", -1},
    {613, TimeOut, "x 0.5 sec", 1, 127, "EU", "-", "", "W", -1},
    {11, "Abschaltzeit in Mode 3 (1..255)", "x 0.5 sec", 1, 255, "EU", Switching, "", "", 0x04},
    {106, "Abschaltzeit Mode in 3 (1..255)", "x 0.5 sec", 1, 255, "EU", Switching, "", "", 0x04},
    {105, "Verzögerungszeit (0..255)", "Verzögerungszeit (x 0.5 sec)", 0, 255, "EU",
     "Mode 1: Normale Betriebsart|Mode 2: Dumm-Mode|Mode 3: Selbstabschaltungs-Mode|Mode 4: Single Output-Mode", "", "",
     0x08},
    {1720576, "Verzögerungszeit (0..255)", "x 0.5 sec", 0, 255, "EU", NeonModes, "", "N", 0x08},
    {1786112, "Verzögerungszeit (0..255)", "x 0.5 sec", 0, 255, "EU", NeonModes, "", "N", 0x08},
    {2769152, "Verzögerungszeit (0..255)", "x 0.5 sec", 0, 255, "EU", NeonModes, "67", "N", 0xC8},
    {2834688, "Verzögerungszeit (0..255)", "x 0.5 sec", 0, 255, "EU", NeonModes, "67", "N", 0xC8},
    {81664, "", "", 0, 255, "", "", "6", "", 0x7C},
    {15616, "", "", 0, 255, "", "Mode 1: Normale Betriebsart|Mode 2: Steuerwagen", "", "", 0x02},
    {81152, "", "", 0, 255, "", "Mode 1: Normale Betriebsart|Mode 2: Steuerwagen", "67", "", 0xC2},
    {81408, "", "", 0, 255, "", "Mode 1: Normale Betriebsart|Mode 2: Steuerwagen (Ausgang 3/4)", "67", "", 0xC2},
    {15872, "", "", 0, 255, "", Normal2, "", "", 0x02},
    {104, "", "", 0, 255, "", Normal2, "", "", 0x02},
    {108, "", "", 0, 255, "", Dark, "", "", 0x02},
    {109, "", "", 0, 255, "", Dark, "", "", 0x02},
    {201, "", "", 0, 255, "", Dark, "", "", 0x02},
    {457, "", "", 0, 255, "", Dark, "", "", 0x02},
    {202, "", "", 0, 255, "", Dark, "", "", 0x02},
    {458, "", "", 0, 255, "", Dark, "", "", 0x02},
    {205, "", "", 0, 255, "", Dark, "", "", 0x02},
    {206, "", "", 0, 255, "", Dark, "", "", 0x02},
    {207, "", "", 0, 255, "", Dark, "", "", 0x02},
    {203, "", "", 0, 255, "", "Mode 1: ohne ROT|Mode 2: mit ROT ", "", "", 0x02},
    {359, "", "", 0, 255, "", "-", "", "F", -1},
    {615, "", "", 0, 255, "", "Mode 1: Deutschland|Mode 2: Österreich", "", "FX", 0x02},
    {111, "", "", 0, 255, "", "-", "", "S", -1},
    {368, "Spezial-Funktion Ausgang 9 / 10:", "", 0, 255, "", "-", "", "B03", -1},
    {624, "Funktion der Ausgänge:", "", 0, 255, "", "-", "", "BdfT", -1},
    {113, "Ablaufgeschwindigkeit (1..255)", "1 = schnell\n255 = langsam", 0, 255, "E", "-", "", "M", -1},
};

void PrintTo(const TypeRow &row, std::ostream *os)
{
    *os << "type " << row.code;
}

class DecisionTable : public testing::TestWithParam<TypeRow> {};

TEST_P(DecisionTable, ShowsAndWritesWhatTheTypeDefines)
{
    const TypeRow &row = GetParam();
    const Layout *layout = layoutFor(row.code);
    ASSERT_NE(layout, nullptr);
    const QString field = QString::fromLatin1(row.field);
    const QString others = QString::fromLatin1(row.others);

    EXPECT_EQ(layout->valueCaption, u8(row.caption));
    EXPECT_EQ(layout->valueHint, u8(row.hint));
    EXPECT_EQ(layout->valueEdit, field.contains(u'E'));
    EXPECT_EQ(layout->valueUpDown, field.contains(u'U'));
    EXPECT_EQ(layout->valueMin, row.min);
    EXPECT_EQ(layout->valueMax, row.max);

    const bool group = QLatin1String(row.modes) != QLatin1String("-");
    EXPECT_EQ(layout->mode.visible, group);
    EXPECT_EQ(layout->mode.radioCaptions, group && *row.modes ? u8(row.modes).split(u'|') : QStringList());
    EXPECT_EQ(layout->mode.introVisible(), group && *row.modes);
    EXPECT_EQ(layout->mode.bit6, QByteArray(row.bits).contains('6'));
    EXPECT_EQ(layout->mode.bit7, QByteArray(row.bits).contains('7'));

    EXPECT_EQ(layout->switchOffOption, others.contains(u'W'));
    EXPECT_EQ(layout->slider, others.contains(u'F') ? Slider::Fading : others.contains(u'S') ? Slider::Speed : Slider::None);
    EXPECT_EQ(layout->neonSliders, others.contains(u'N'));
    EXPECT_EQ(layout->neonBoxBits, others.contains(u'B') ? others.mid(others.indexOf(u'B') + 1, 2).toInt(nullptr, 16) : 0);
    EXPECT_EQ(layout->neonTip, others.contains(u'T'));
    EXPECT_EQ(layout->minimumCount, others.contains(u'M'));
    if (others.contains(u'X')) {
        ASSERT_EQ(layout->extras.size(), 2u);
        EXPECT_EQ(layout->extras[0].caption, u8("Grünphase Haupt (x 0.2 s)"));
        EXPECT_EQ(layout->extras[0].eepromIndex, 0x60);
        EXPECT_EQ(layout->extras[1].caption, u8("Grünphase Neben (x 0.2 s)"));
        EXPECT_EQ(layout->extras[1].eepromIndex, 0x70);
    } else {
        EXPECT_TRUE(layout->extras.empty());
    }

    // Typing into the value field: the range is tested low bound first, with the caption in the message.
    const QString caption = u8(row.caption);
    EXPECT_EQ(checkValueInput(QString::number(row.min - 1), caption, row.min, row.max).message,
              u8("Wert für <%1> ist zu klein").arg(caption));
    EXPECT_EQ(checkValueInput(QString::number(row.max + 1), caption, row.min, row.max).message,
              u8("Wert für <%1> ist zu gross").arg(caption));
    const TypedEntry<int> top = checkValueInput(QString::number(row.max), caption, row.min, row.max);
    EXPECT_TRUE(top.isAccepted());
    EXPECT_EQ(top.value, row.max);

    if (group) {
        const int radios = static_cast<int>(layout->mode.radioCaptions.size());
        const std::optional<int> clicked = radios > 0 ? std::optional<int>(radios - 1) : std::nullopt;
        EXPECT_EQ(modeByteAfterClick(0x3C, clicked, layout->mode.bit6, true, layout->mode.bit7, true),
                  row.modeAfterClick);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryType, DecisionTable, testing::ValuesIn(Rows),
                         [](const testing::TestParamInfo<TypeRow> &info) { return std::to_string(info.param.code); });

TEST(DecisionTable, KnowsExactlyTheTypesThatShowThisEditor)
{
    std::set<int> editorTypes;
    for (const DecoderType &type : decoderTypeTable()) {
        if (type.frame == EditorFrameKind::Modes)
            editorTypes.insert(type.codes.begin(), type.codes.end());
    }
    const std::vector<int> known = knownTypeCodes();
    EXPECT_EQ(std::set<int>(known.begin(), known.end()), editorTypes);
    EXPECT_EQ(known.size(), std::size(Rows));
    EXPECT_EQ(layoutFor(17408), nullptr);
    EXPECT_EQ(layoutFor(0), nullptr);
}

TEST(ModeByte, RadioFromLowestModeBitAndBitBoxClicksTouchOnlyTheirBit)
{
    EXPECT_EQ(modeRadioIndex(0x00), std::nullopt);
    EXPECT_EQ(modeRadioIndex(0xC0), std::nullopt);
    EXPECT_EQ(modeRadioIndex(0x0C), 2);
    EXPECT_EQ(modeRadioIndex(0xA0), 5);
    EXPECT_EQ(modeRadioIndex(0xAB), 0);
    // A radio click with hidden bit boxes drops bits 6 and 7 of the image.
    EXPECT_EQ(modeByteAfterClick(0xC1, 1, false, true, false, true), 0x02);
    // A bit box click (no radio) keeps every other bit.
    EXPECT_EQ(modeByteAfterClick(0x85, std::nullopt, true, true, false, false), 0xC5);
    EXPECT_EQ(modeByteAfterClick(0xC5, std::nullopt, true, false, true, true), 0x85);
    EXPECT_TRUE(switchOffChecked(QStringLiteral("AB")));
    EXPECT_FALSE(switchOffChecked(QStringLiteral("ab")));
    EXPECT_FALSE(switchOffChecked(QStringLiteral("01")));
    EXPECT_EQ(switchOffText(true), QStringLiteral("AB"));
    EXPECT_EQ(switchOffText(false), QStringLiteral("01"));
}

TEST(Texts, SecondsAtLeastThreeWideWithAPoint)
{
    EXPECT_EQ(secondsText(0), QStringLiteral("(0.0 sek.)"));
    EXPECT_EQ(secondsText(255), QStringLiteral("(127.5 sek.)"));
}

TEST(FadingCodes, EachTableTextKeepsItsPositionAnyOtherIsRewritten)
{
    const struct {
        const char *stored;
        int position;
        bool rewrite;
    } cases[] = {{"FF", 0, false}, {"ff", 0, false}, {"66", 1, false}, {"33", 2, false}, {"22", 3, false},
                 {"12", 4, false}, {"11", 5, false}, {"44", 5, true},  {"fF", 5, true},  {"", 5, true}};
    for (const auto &c : cases) {
        const FadingReading reading = readFadingCode(QString::fromLatin1(c.stored));
        EXPECT_EQ(reading.position, c.position) << c.stored;
        EXPECT_EQ(reading.rewrite, c.rewrite) << c.stored;
    }
    EXPECT_EQ(fadingCodes()[5], QStringLiteral("11"));
}

TEST(NeonBoxes, BitTableAndRebuiltByte)
{
    const int bits[] = {0, 1, 2, 3, 4, 6, 7};
    for (int i = 0; i < NeonBoxCount; ++i)
        EXPECT_EQ(neonBoxes()[i].bit, bits[i]);
    EXPECT_EQ(neonBoxes()[5].caption, u8("Ausgnag 9 = \"Schweißer\""));
    EXPECT_EQ(neonBoxes()[6].hint, u8("keine Wirkung, wenn Ausgang 4 als \"Schweißer\" definiert"));
    // All seven boxes: only bit 5 survives from the old value.
    EXPECT_EQ(neonValue(0xFF, 0xDF, 0x00), 0x20);
    EXPECT_EQ(neonValue(0x00, 0xDF, 0xC1), 0xC1);
    // Two boxes: bits 2..7 stay as read.
    EXPECT_EQ(neonValue(0xFC, 0x03, 0x01), 0xFD);
    EXPECT_EQ(neonValue(0x5F, 0x03, 0x02), 0x5E);
}

TEST(TypedInput, OutcomesAndExactMessages)
{
    const QString notNumber = u8("Ungültige Eingabe.\rZugelassen sind nur Zahlen");
    const QString minimumCount = u8("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..9");
    const QString caption = QStringLiteral("Time Out (1..127)");
    enum Kind { Value, Count, Byte };
    using Outcome = TypedEntry<int>::Kind;
    const struct {
        Kind kind;
        const char *text;
        Outcome outcome;
        int value;
        QString message;
    } cases[] = {
        {Value, "", Outcome::Empty, 0, {}},
        {Value, "12a", Outcome::Refused, 0, u8("Ungültige Eingabe für <Time Out (1..127)> ")},
        {Value, "1", Outcome::Accepted, 1, {}},
        {Value, "-5", Outcome::Refused, 0, u8("Wert für <Time Out (1..127)> ist zu klein")},
        {Count, "", Outcome::Empty, 0, {}},
        {Count, "abc", Outcome::Refused, 0, minimumCount},
        {Byte, "", Outcome::Empty, 0, {}},
        {Byte, "0", Outcome::Accepted, 0, {}},
        {Byte, "255", Outcome::Accepted, 255, {}},
        {Byte, "256", Outcome::Refused, 0, notNumber},
        {Byte, "-1", Outcome::Refused, 0, notNumber},
    };
    for (const auto &c : cases) {
        const QString input = QString::fromLatin1(c.text);
        const TypedEntry<int> check = c.kind == Value   ? checkValueInput(input, caption, 1, 127)
                                      : c.kind == Count ? checkMinimumCountInput(input)
                                                        : Typed::byteEntry(input);
        EXPECT_EQ(check.kind, c.outcome) << c.text;
        EXPECT_EQ(check.message, c.message) << c.text;
        if (check.isAccepted()) {
            EXPECT_EQ(check.value, c.value) << c.text;
        }
    }
    // A range fault of the value field still reports the typed number.
    EXPECT_EQ(checkValueInput(QStringLiteral("128"), caption, 1, 127).typed, 128);
}

// Each EEPROM byte as expected, named by its index when not.
void expectEeprom(const decltype(FirmwareImage::eeprom) &actual, const decltype(FirmwareImage::eeprom) &expected)
{
    for (int i = 0; i < FirmwareImage::EepromSize; ++i)
        EXPECT_EQ(actual[i].toStdString(), expected[i].toStdString()) << "EEPROM byte " << i;
}

// Everything the model shows for its type.
QStringList shownValues(const ModesModel &model)
{
    const std::optional<int> radio = model.modeRadio();
    QStringList shown{QString::number(model.value()),       radio ? QString::number(*radio) : QStringLiteral("-"),
                      QString::number(model.modeBit6()),    QString::number(model.modeBit7()),
                      QString::number(model.switchOff()),   QString::number(model.fadingPosition()),
                      QString::number(model.neonDark()),    QString::number(model.neonBright()),
                      QString::number(model.minimumCount())};
    for (int k = 0; k < model.extraCount(); ++k)
        shown << QString::number(model.extraValue(k));
    return shown;
}

// The edit model on an image whose bytes are texts of every kind: loading
// writes nothing (but an unknown fading code), a change writes its one byte
// and shows it, and the loaded bytes put back and loaded again show what the
// first load showed.
TEST(ModesModel, LoadWritesNothingAndEachChangeOnlyItsByte)
{
    const struct {
        int code;
        int preset;            // EEPROM byte set before loading
        const char *presetText;
        const char *afterLoad; // the preset byte after loading
        std::function<void(ModesModel &)> change;
        int index;             // the byte the change writes
        const char *written;   // nullptr: nothing written
    } cases[] = {
        {8, ValueByte, "G1", "G1", [](ModesModel &m) { m.typeValue(QStringLiteral("127")); }, ValueByte, "7F"},
        {8, ValueByte, "05", "05", [](ModesModel &m) { m.typeValue(QStringLiteral("0")); }, ValueByte, nullptr},
        {615, ValueByte, "44", "11", [](ModesModel &m) { m.typeExtra(1, QStringLiteral("42")); }, 0x70, "2A"},
        {359, ValueByte, "ff", "ff", [](ModesModel &m) { m.slideTo(2); }, ValueByte, "33"},
        {11, ModeByte, "C1", "C1", [](ModesModel &m) { m.chooseMode(2); }, ModeByte, "04"},
        {2769152, ModeByte, "C1", "C1", [](ModesModel &m) { m.chooseMode(1); }, ModeByte, "C2"},
        {81664, ModeByte, "85", "85", [](ModesModel &m) { m.setModeBit6(true); }, ModeByte, "C5"},
        {8, ModeByte, "C1", "C1", [](ModesModel &m) { m.chooseMode(1); }, ModeByte, nullptr},
        {520, ModeByte, "AB", "AB", [](ModesModel &m) { m.setSwitchOff(false); }, ModeByte, "01"},
        {624, ValueByte, "20", "20", [](ModesModel &m) { m.setValueBit(7, true); }, ValueByte, "A0"},
        {368, ValueByte, "A4", "A4", [](ModesModel &m) { m.setValueBit(2, false); }, ValueByte, nullptr},
        {113, MinimumCountByte, "x", "x", [](ModesModel &m) { m.typeMinimumCount(QStringLiteral("12")); },
         MinimumCountByte, "09"},
        {1720576, NeonBrightByte, "0", "0", [](ModesModel &m) { m.setNeonBright(15); }, NeonBrightByte, "0F"},
        {111, ValueByte, "24", "24", [](ModesModel &m) { m.slideTo(37); }, ValueByte, "25"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " byte " << c.index);
        FirmwareImage image;
        for (int i = 0; i < FirmwareImage::EepromSize; ++i)
            image.eeprom[i] = QStringLiteral("Z%1").arg(i % 10);
        image.eeprom[c.preset] = QString::fromLatin1(c.presetText);
        auto expected = image.eeprom;
        expected[c.preset] = QString::fromLatin1(c.afterLoad);

        ModesModel model(image);
        model.load(c.code);
        expectEeprom(image.eeprom, expected);
        const QStringList loaded = shownValues(model);
        const auto loadedEeprom = image.eeprom;

        c.change(model);
        if (c.written)
            expected[c.index] = QString::fromLatin1(c.written);
        expectEeprom(image.eeprom, expected);
        EXPECT_EQ(shownValues(model) == loaded, c.written == nullptr);

        image.eeprom = loadedEeprom;
        model.load(c.code);
        EXPECT_EQ(shownValues(model), loaded);
    }
}

} // namespace
