// Address rows and option bits of the servo decoders in the curve records, and
// which row controls each decoder type shows.
#include "frames/Frame_tamb_adr/ServoAssignments.h"

#include <gtest/gtest.h>

using namespace ServoAssign;

namespace {

int &at(CurveRecords &c, int record, int entry)
{
    return c[record][static_cast<std::size_t>(entry)];
}

// Records filled with a pattern, so that a write to a wrong place shows.
CurveRecords patterned()
{
    CurveRecords c;
    for (int r = 0; r < 4; ++r)
        for (int j = 0; j < CurveRecords::Size; ++j)
            at(c, r, j) = (r * 37 + j * 11) & 0xFF;
    return c;
}

TEST(BitHelpers, LowestBitAndBitOfIndex)
{
    const std::array<std::pair<int, int>, 8> lowest{{{0, 0}, {1, 0}, {0x02, 1}, {0x06, 1}, {0x80, 7}, {0xF0, 4},
                                                     {0x100, 0}, {0x130, 4}}};
    for (const auto &[value, index] : lowest)
        EXPECT_EQ(LowestBitIndex(value), index) << value;
    EXPECT_EQ(BitOfIndex(0), 1);
    EXPECT_EQ(BitOfIndex(3), 8);
    EXPECT_EQ(BitOfIndex(7), 128);
    EXPECT_EQ(BitOfIndex(8), 0);
    EXPECT_EQ(BitOfIndex(-1), 0);
}

TEST(AddressRows, PlaceOfEachRow)
{
    const std::array<RowPlace, RowCount> expected{{{0, 103, 104}, {1, 103, 104}, {2, 103, 104}, {3, 103, 104},
                                                   {0, 106, 107}, {1, 106, 107}, {2, 106, 107}, {3, 106, 107}}};
    for (int row = 0; row < RowCount; ++row) {
        const RowPlace p = rowPlace(row);
        EXPECT_EQ(p.record, expected[row].record) << row;
        EXPECT_EQ(p.actionEntry, expected[row].actionEntry) << row;
        EXPECT_EQ(p.curveEntry, expected[row].curveEntry) << row;
    }
}

struct ReadCase {
    int actionByte;
    int curveByte;
    int servo, action, curve, relay; // shown list indexes, -1 = no selection
};

class ReadRow : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadRow, ItemsOfEveryRow)
{
    const ReadCase &c = GetParam();
    for (int row = 0; row < RowCount; ++row) {
        CurveRecords curves = patterned();
        const RowPlace p = rowPlace(row);
        at(curves, p.record, p.actionEntry) = c.actionByte;
        at(curves, p.record, p.curveEntry) = c.curveByte;
        const RowItems items = readRow(curves, row);
        EXPECT_EQ(shownItem(items.servo), c.servo) << row;
        EXPECT_EQ(shownItem(items.action), c.action) << row;
        EXPECT_EQ(shownItem(items.curve), c.curve) << row;
        EXPECT_EQ(shownItem(items.relay), c.relay) << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ServoAssign, ReadRow,
    ::testing::Values(ReadCase{0x01, 0x11, 0, 0, 0, 0}, ReadCase{0x18, 0x84, 3, 1, 3, 2},
                      ReadCase{0x22, 0x48, 1, 2, 2, 3}, ReadCase{0x44, 0x22, 2, 3, 1, 1},
                      // empty bytes show the first items
                      ReadCase{0x00, 0x00, 0, 0, 0, 0},
                      // no servo bit: the action bit is the lowest bit of the whole byte
                      ReadCase{0x20, 0x00, -1, 2, 0, 0},
                      // two bits: the lowest wins; bit 7 is no action
                      ReadCase{0x86, 0x3C, 1, -1, 0, 2}, ReadCase{0x61, 0xF0, 0, 2, 0, 0}));

struct SetCase {
    Column column;
    int actionBefore, curveBefore;
    int item;
    int actionAfter, curveAfter;
};

class SetRowItem : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetRowItem, ChangesOnlyItsNibble)
{
    const SetCase &c = GetParam();
    for (int row = 0; row < RowCount; ++row) {
        CurveRecords curves = patterned();
        const RowPlace p = rowPlace(row);
        at(curves, p.record, p.actionEntry) = c.actionBefore;
        at(curves, p.record, p.curveEntry) = c.curveBefore;
        CurveRecords expected = curves;
        at(expected, p.record, p.actionEntry) = c.actionAfter;
        at(expected, p.record, p.curveEntry) = c.curveAfter;

        EXPECT_TRUE(setRowItem(curves, row, c.column, c.item));
        EXPECT_EQ(curves, expected) << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ServoAssign, SetRowItem,
    ::testing::Values(SetCase{Column::Servo, 0x23, 0x48, 3, 0x28, 0x48}, SetCase{Column::Servo, 0x05, 0x00, 0, 0x01, 0x00},
                      // "Abbruch" replaces the whole action nibble; the curve bits stay stored
                      SetCase{Column::Action, 0x72, 0x48, 2, 0x22, 0x48},
                      SetCase{Column::Action, 0x41, 0x11, 0, 0x01, 0x11},
                      SetCase{Column::Action, 0x84, 0x11, 3, 0x44, 0x11},
                      SetCase{Column::Curve, 0x12, 0xF5, 0, 0x12, 0x15}, SetCase{Column::Curve, 0x12, 0x05, 3, 0x12, 0x85},
                      SetCase{Column::Relay, 0x12, 0x3F, 3, 0x12, 0x38}, SetCase{Column::Relay, 0x12, 0x80, 1, 0x12, 0x82}));

TEST(SetRowItem, ChoicesReadBackAndItemsOutsideTheListsChangeNothing)
{
    for (int row = 0; row < RowCount; ++row) {
        for (Column column : {Column::Servo, Column::Action, Column::Curve, Column::Relay}) {
            for (int item = 0; item < ChoiceCount; ++item) {
                CurveRecords curves = patterned();
                ASSERT_TRUE(setRowItem(curves, row, column, item));
                const RowItems items = readRow(curves, row);
                const int got = column == Column::Servo    ? items.servo
                                : column == Column::Action ? items.action
                                : column == Column::Curve  ? items.curve
                                                           : items.relay;
                EXPECT_EQ(got, item) << row << " " << item;
            }
            CurveRecords curves = patterned();
            EXPECT_FALSE(setRowItem(curves, row, column, -1));
            EXPECT_FALSE(setRowItem(curves, row, column, 4));
            EXPECT_EQ(curves, patterned());
        }
    }
}

TEST(Options, OneKindIsRewrittenInAllFourRecords)
{
    const std::array<int, 4> before{0xFF, 0x00, 0x3C, 0x81};
    struct Case {
        Option option;
        std::array<bool, 4> boxes;
        std::array<int, 4> after;
    };
    const std::array<Case, 4> cases{{
        {Option::VoltageOff, {false, true, true, false}, {0xFD, 0x02, 0x3E, 0x81}},
        {Option::PulsesOff, {true, true, false, false}, {0xFF, 0x04, 0x38, 0x81}},
        {Option::NoInterrupt, {false, false, false, true}, {0xBF, 0x00, 0x3C, 0xC1}},
        {Option::NoRepeat, {true, true, true, false}, {0xFF, 0x80, 0xBC, 0x01}},
    }};
    for (const Case &c : cases) {
        CurveRecords curves = patterned();
        for (int r = 0; r < 4; ++r)
            at(curves, r, CurveRecords::OptionsEntry) = before[static_cast<std::size_t>(r)];
        CurveRecords expected = curves;
        for (int r = 0; r < 4; ++r)
            at(expected, r, CurveRecords::OptionsEntry) = c.after[static_cast<std::size_t>(r)];

        setOption(curves, c.option, c.boxes);
        EXPECT_EQ(curves, expected) << optionBit(c.option);
        for (int servo = 0; servo < 4; ++servo)
            EXPECT_EQ(hasOption(curves, servo, c.option), c.boxes[static_cast<std::size_t>(servo)]);
    }
}

TEST(TypeLayout, RowLabelsPerType)
{
    const TypeLayout one = typeLayout(210);
    const TypeLayout function = typeLayout(16896);
    const TypeLayout four = typeLayout(211);
    EXPECT_FALSE(one.fourServos);
    EXPECT_FALSE(function.fourServos);
    EXPECT_TRUE(four.fourServos);
    const std::array<QString, 4> plain{"Adresse 01", "Adresse 02", "Adresse 03", "Adresse 04"};
    EXPECT_EQ(one.rowLabels, plain);
    EXPECT_EQ(four.rowLabels, plain);
    EXPECT_EQ(function.rowLabels,
              (std::array<QString, 4>{"Adresse 01 ein", "Adresse 01 aus", "Adresse 02 ein", "Adresse 02 aus"}));
    EXPECT_EQ(designRowLabel(0), QStringLiteral("Adresse 01:"));
    EXPECT_EQ(designRowLabel(7), QStringLiteral("Adresse 08:"));
}

struct VisibilityCase {
    int typeCode;
    int row;
    int action;
    const char *shown; // l = label, s = servo, a = action, c = curve, r = relay
};

class Visibility : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(Visibility, ByTypeAndAction)
{
    const VisibilityCase &c = GetParam();
    const RowVisibility v = rowVisibility(c.typeCode, c.row, c.action);
    QString shown;
    if (v.label)
        shown += QLatin1Char('l');
    if (v.servo)
        shown += QLatin1Char('s');
    if (v.action)
        shown += QLatin1Char('a');
    if (v.curve)
        shown += QLatin1Char('c');
    if (v.relay)
        shown += QLatin1Char('r');
    EXPECT_EQ(shown, QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    ServoAssign, Visibility,
    ::testing::Values(VisibilityCase{210, 0, 0, "lac"}, VisibilityCase{210, 3, 1, "lac"},
                      VisibilityCase{210, 2, 2, "la"}, VisibilityCase{210, 1, 3, "la"},
                      VisibilityCase{210, 4, 0, ""}, VisibilityCase{210, 7, 2, ""},
                      VisibilityCase{16896, 0, 1, "lac"}, VisibilityCase{16896, 3, 2, "la"},
                      VisibilityCase{16896, 5, 0, ""},
                      VisibilityCase{211, 0, 0, "lsacr"}, VisibilityCase{211, 6, 1, "lsacr"},
                      VisibilityCase{211, 2, 2, "lsa"}, VisibilityCase{211, 7, 3, "lsa"},
                      // an action list without a selection counts as below "Abbruch"
                      VisibilityCase{211, 5, -1, "lsacr"}, VisibilityCase{210, 0, -1, "lac"}));

} // namespace
