// Slot changes by number and address series on the bundled samples: what the
// save's rules and the read-back refuse, and where a series first leaves the
// valid range.
#include "common/Samples.h"
#include "decoder/SlotChanges.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

const QString Signal = samplePath(QStringLiteral("full-457-led-signal-001-dcc.hex"));
const QString MotFunctions = samplePath(QStringLiteral("full-15872-led-function-decoder-mot.hex"));

std::size_t at(int slot)
{
    return static_cast<std::size_t>(slot);
}

// Each change alone on a freshly loaded file: the fault (slot, field and
// message), or the values the slot reads back with after the save.
TEST(SlotChanges, WrittenChangesReadBackOrAreNamed)
{
    const struct {
        const char *name;
        QString file;
        SlotChange change;
        const char *fault; // nullptr: written
        SlotField field;
        int address = 0; // read back when written
        bool green = false;
        int function = 0;
    } rows[] = {
        {"accessory address and output", Signal, {3, "17", true, {}}, nullptr, SlotField::Address, 17, true, 0},
        {"output alone keeps the address", Signal, {1, "", false, {}}, nullptr, SlotField::Address, -1, false, 0},
        {"address 0 clears an accessory slot", Signal, {2, "0", {}, {}}, nullptr, SlotField::Address, 0, false, 0},
        {"the save's message for no number",
         Signal,
         {3, "abc", {}, {}},
         "Ungültige Eingabe für <%1> ",
         SlotField::Address},
        {"the save's limit", Signal, {3, "2045", {}, {}}, "Adresse für <%1> ist zu gross", SlotField::Address},
        {"function number and address",
         MotFunctions,
         {2, "80", {}, QStringLiteral("3")},
         nullptr,
         SlotField::Address,
         80,
         false,
         3},
        {"function 0 passes the rules but has no code",
         MotFunctions,
         {2, "80", {}, QStringLiteral("0")},
         "die Funktions-Nummer 0 lässt sich nicht speichern: Funktions-Nummern gehen von 1 bis 4",
         SlotField::Function},
        {"address 0 has no Motorola locomotive code",
         MotFunctions,
         {2, "0", {}, {}},
         "die Adresse 0 kann dieser Decoder-Typ nicht speichern (der Slot läse sich als Adresse %2 zurück)",
         SlotField::Address},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DecoderSession session = loadedSession(row.file);
        const DecoderSession loaded = session;
        ASSERT_FALSE(checkSlotChanges(session, {row.change}));
        const auto fault = writeSlotChanges(session, {row.change});
        if (row.fault) {
            ASSERT_TRUE(fault);
            const int slot = row.change.slot;
            QString expected = QString::fromUtf8(row.fault);
            if (expected.contains(QStringLiteral("%1")))
                expected = expected.arg(session.slotLabel(slot));
            if (expected.contains(QStringLiteral("%2")))
                expected = expected.arg(loaded.slotValues[at(slot)].address);
            EXPECT_EQ(fault->message, expected);
            EXPECT_EQ(fault->slot, slot);
            EXPECT_EQ(fault->field, row.field);
            continue;
        }
        ASSERT_FALSE(fault) << fault->message.toStdString();
        session.readSlots();
        const SlotValues &back = session.slotValues[at(row.change.slot)];
        EXPECT_EQ(back.address, row.address < 0 ? loaded.slotValues[at(row.change.slot)].address : row.address);
        if (session.isAccessory())
            EXPECT_EQ(back.green, row.green);
        else
            EXPECT_EQ(back.function, row.function);
        for (int s = 0; s < DecoderSession::SlotCount; ++s) {
            if (s != row.change.slot) {
                EXPECT_EQ(storedSlotCode(session.image, s), storedSlotCode(loaded.image, s)) << "slot " << s;
            }
        }
    }
}

// The signal decoder (limit 2044) with every slot unused but the ones given:
// the file whose address first leaves the range, counted from 1.
TEST(SlotChanges, SeriesOverflowNamesTheEarliestFile)
{
    const struct {
        const char *name;
        std::vector<std::pair<int, int>> addresses; // slot, address
        int count;
        int step;
        int slot; // -1: the series fits
        int fileNumber = 0;
        qint64 address = 0;
    } rows[] = {
        {"one file never overflows", {{9, 2044}}, 1, INT_MAX, -1},
        {"the last file at the limit", {{9, 2040}}, 5, 1, -1},
        {"one file more", {{9, 2040}}, 6, 1, 9, 6, 2045},
        {"a step past the limit at once", {{9, 1}}, 2, INT_MAX, 9, 2, 1 + qint64(INT_MAX)},
        {"the largest count and step", {{9, 1}}, INT_MAX, INT_MAX, 9, 2, 1 + qint64(INT_MAX)},
        {"the slot that overflows first, not the first slot", {{9, 1000}, {10, 2000}}, 100, 10, 10, 6, 2050},
        {"unused slots do not climb", {}, INT_MAX, INT_MAX, -1},
        {"a slot the type does not name does not climb", {{40, 2044}}, 3, 1, -1},
    };
    DecoderSession base = loadedSession(Signal);
    ASSERT_EQ(base.addressLimit(), 2044);
    ASSERT_TRUE(base.slotShown(9) && base.slotShown(10) && !base.slotShown(40));
    for (SlotValues &values : base.slotValues)
        values.address = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DecoderSession first = base;
        for (const auto &[slot, address] : row.addresses)
            first.slotValues[at(slot)].address = address;
        const auto overflow = seriesOverflow(first, row.count, row.step);
        if (row.slot < 0) {
            EXPECT_FALSE(overflow);
            continue;
        }
        ASSERT_TRUE(overflow);
        EXPECT_EQ(overflow->slot, row.slot);
        EXPECT_EQ(overflow->fileNumber, row.fileNumber);
        EXPECT_EQ(overflow->address, row.address);
        EXPECT_EQ(overflow->message,
                  QStringLiteral("Adresse für <%1> ist zu gross (%2; höchstens 2044)")
                      .arg(first.slotLabel(row.slot))
                      .arg(row.address));
    }
}

} // namespace
