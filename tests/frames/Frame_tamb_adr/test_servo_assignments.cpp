// Address rows and option bits of the servo decoders in the curve records, and
// which row controls each decoder type shows.
#include "frames/Frame_tamb_adr/ServoAssignments.h"

#include <gtest/gtest.h>

using namespace ServoAssign;

namespace {

// Records filled with a pattern, so that a write to a wrong place shows.
CurveRecords patterned()
{
    CurveRecords c;
    for (int r = 0; r < 4; ++r)
        for (int j = 0; j < CurveRecords::Size; ++j)
            c[r][static_cast<std::size_t>(j)] = (r * 37 + j * 11) & 0xFF;
    return c;
}

TEST(AddressRows, ReadFromTheirRecordAsShownItems)
{
    // row, action byte, curve byte; shown servo, action, curve, relay (-1: none)
    struct Case {
        int row, actionByte, curveByte, servo, action, curve, relay;
    };
    const Case cases[] = {{0, 0x01, 0x11, 0, 0, 0, 0},  {3, 0x18, 0x84, 3, 1, 3, 2}, {4, 0x22, 0x48, 1, 2, 2, 3},
                          {7, 0x44, 0x22, 2, 3, 1, 1},  {5, 0x00, 0x00, 0, 0, 0, 0}, {1, 0x20, 0x00, -1, 2, 0, 0},
                          {6, 0x86, 0x3C, 1, -1, 0, 2}, {2, 0x61, 0xF0, 0, 2, 0, 0}};
    for (const Case &c : cases) {
        CurveRecords curves = patterned();
        const std::size_t upper = c.row >= 4 ? 3 : 0;
        curves[c.row % 4][103 + upper] = c.actionByte;
        curves[c.row % 4][104 + upper] = c.curveByte;
        const RowItems items = readRow(curves, c.row);
        EXPECT_EQ(shownItem(items.servo), c.servo) << c.row;
        EXPECT_EQ(shownItem(items.action), c.action) << c.row;
        EXPECT_EQ(shownItem(items.curve), c.curve) << c.row;
        EXPECT_EQ(shownItem(items.relay), c.relay) << c.row;
    }
}

TEST(AddressRows, AChoiceChangesOnlyItsNibble)
{
    struct Case {
        Column column;
        int item, actionAfter, curveAfter; // from 0x72 / 0x48
    };
    const Case cases[] = {{Column::Servo, 3, 0x78, 0x48}, {Column::Action, 2, 0x22, 0x48},
                          {Column::Action, 0, 0x02, 0x48}, {Column::Curve, 0, 0x72, 0x18},
                          {Column::Relay, 3, 0x72, 0x48},  {Column::Relay, 1, 0x72, 0x42}};
    for (int row = 0; row < RowCount; ++row) {
        for (const Case &c : cases) {
            CurveRecords curves = patterned();
            const RowPlace p = rowPlace(row);
            curves[p.record][static_cast<std::size_t>(p.actionEntry)] = 0x72;
            curves[p.record][static_cast<std::size_t>(p.curveEntry)] = 0x48;
            CurveRecords expected = curves;
            expected[p.record][static_cast<std::size_t>(p.actionEntry)] = c.actionAfter;
            expected[p.record][static_cast<std::size_t>(p.curveEntry)] = c.curveAfter;
            EXPECT_TRUE(setRowItem(curves, row, c.column, c.item));
            EXPECT_EQ(curves, expected) << row << " " << c.item;
            EXPECT_FALSE(setRowItem(curves, row, c.column, 4));
            EXPECT_FALSE(setRowItem(curves, row, c.column, -1));
            EXPECT_EQ(curves, expected) << row;
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
    const Case cases[] = {{Option::VoltageOff, {false, true, true, false}, {0xFD, 0x02, 0x3E, 0x81}},
                          {Option::PulsesOff, {true, true, false, false}, {0xFF, 0x04, 0x38, 0x81}},
                          {Option::NoInterrupt, {false, false, false, true}, {0xBF, 0x00, 0x3C, 0xC1}},
                          {Option::NoRepeat, {true, true, true, false}, {0xFF, 0x80, 0xBC, 0x01}}};
    for (const Case &c : cases) {
        CurveRecords curves = patterned();
        for (std::size_t r = 0; r < 4; ++r)
            curves[static_cast<int>(r)][100] = before[r];
        CurveRecords expected = curves;
        for (std::size_t r = 0; r < 4; ++r)
            expected[static_cast<int>(r)][100] = c.after[r];
        setOption(curves, c.option, c.boxes);
        EXPECT_EQ(curves, expected);
        for (int servo = 0; servo < 4; ++servo)
            EXPECT_EQ(hasOption(curves, servo, c.option), c.boxes[static_cast<std::size_t>(servo)]);
    }
}

TEST(TypeLayout, VisibleRowControlsByTypeAndAction)
{
    // type, row, action list index; l = label, s = servo, a = action, c = curve, r = relay
    struct Case {
        int typeCode, row, action;
        const char *shown;
    };
    const Case cases[] = {{210, 0, 0, "lac"},     {210, 3, 1, "lac"},   {210, 2, 2, "la"},   {210, 1, 3, "la"},
                          {210, 4, 0, ""},        {210, 7, 2, ""},      {16896, 0, 1, "lac"}, {16896, 5, 0, ""},
                          {211, 0, 0, "lsacr"},   {211, 6, 1, "lsacr"}, {211, 2, 2, "lsa"},  {211, 7, 3, "lsa"},
                          {211, 5, -1, "lsacr"},  {210, 0, -1, "lac"}};
    for (const Case &c : cases) {
        const RowVisibility v = rowVisibility(c.typeCode, c.row, c.action);
        const QString shown = QString(v.label ? "l" : "") + (v.servo ? "s" : "") + (v.action ? "a" : "") +
                              (v.curve ? "c" : "") + (v.relay ? "r" : "");
        EXPECT_EQ(shown, QLatin1String(c.shown)) << c.typeCode << " " << c.row << " " << c.action;
    }
    EXPECT_EQ(typeLayout(16896).rowLabels[1], QStringLiteral("Adresse 01 aus"));
    EXPECT_EQ(typeLayout(210).rowLabels[3], QStringLiteral("Adresse 04"));
    EXPECT_EQ(designRowLabel(7), QStringLiteral("Adresse 08:"));
}

} // namespace
