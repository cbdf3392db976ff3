// The blink pattern table of the four-output decoder and the strip arithmetic
// shared by both pattern editors.
#include "frames/Frame_blinkmuster/BlinkPatterns.h"
#include "image/HexByte.h"

#include <gtest/gtest.h>

namespace {

// An image whose ROM bytes all differ from their neighbours: even entry k holds
// (k / 2) mod 256, odd entries "3F".
FirmwareImage numberedImage()
{
    FirmwareImage image;
    for (int k = 0; k < FirmwareImage::RomSize; ++k)
        image.rom[static_cast<std::size_t>(k)] = (k % 2) ? QStringLiteral("3F") : hexByte((k / 2) & 0xFF);
    return image;
}

TEST(BlinkPatternTable, ReadsTheLowBytesOfWords0x300To0x3FF)
{
    PatternTable table(blinkPatternLayout());
    table.read(numberedImage());
    ASSERT_EQ(table.size(), 256);
    // Word 0x300 + t holds (0x300 + t) mod 256 = t.
    for (int t = 0; t < 256; ++t)
        EXPECT_EQ(table[t], t) << t;
    EXPECT_EQ(table.count(1), 64 + 53);
    EXPECT_EQ(table.stretch(3), 192 + 54);
}

TEST(BlinkPatternTable, WriteTouchesOnlyTheEvenRomEntriesOfTheTable)
{
    const FirmwareImage before = numberedImage();
    FirmwareImage image = before;
    PatternTable table(blinkPatternLayout());
    for (int t = 0; t < table.size(); ++t)
        table[t] = 255 - (t & 0x7F);
    table.write(image);
    for (int k = 0; k < FirmwareImage::RomSize; ++k) {
        const bool inTable = k >= 0x600 && k <= 0x7FE && k % 2 == 0;
        const QString expected = inTable ? hexByte(255 - (((k - 0x600) / 2) & 0x7F)) : before.rom[std::size_t(k)];
        ASSERT_EQ(image.rom[std::size_t(k)], expected) << "rom index " << k;
    }
}

TEST(BlinkPatternTable, BitsOfAStepAndOfTheFlags)
{
    const PatternLayout &layout = blinkPatternLayout();
    struct Case {
        PatternBit where;
        PatternBit expected;
    };
    const Case cases[] = {
        {layout.stepBit(0, 0), {0, 0}},  {layout.stepBit(2, 7), {7, 2}},   {layout.stepBit(3, 49), {49, 3}},
        {layout.usedBit(0), {55, 4}},    {layout.usedBit(3), {55, 7}},     {layout.loopBit(), {55, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.where, c.expected) << c.expected.offset << "/" << c.expected.bit;

    // Painting output 3 of step 7 in block 4 sets one bit and keeps the rest.
    PatternTable table(layout);
    table[192 + 7] = 0xF2;
    table.setBit(3, layout.stepBit(2, 7), true);
    EXPECT_EQ(table[192 + 7], 0xF6);
    table.setBit(3, layout.stepBit(1, 7), false);
    EXPECT_EQ(table[192 + 7], 0xF4);
    EXPECT_TRUE(table.stepOn(3, 2, 7));
    EXPECT_FALSE(table.stepOn(2, 2, 7));
}

TEST(BlinkPatternTable, CopyTakesTheWholeBlockAndDrawnStepsStayInsideIt)
{
    PatternTable table(blinkPatternLayout());
    for (int t = 0; t < 256; ++t)
        table[t] = t % 251;
    table.copyBlock(1, 3);
    for (int j = 0; j < 64; ++j)
        EXPECT_EQ(table[192 + j], table[64 + j]) << j;
    EXPECT_EQ(table[0], 0); // the other blocks stay

    // An erased table says 255 steps; a block holds 50 at most.
    for (const auto [count, drawn] : {std::pair{255, 50}, {51, 50}, {50, 50}, {7, 7}, {0, 0}}) {
        table.setValue(2, 53, count);
        EXPECT_EQ(table.drawnSteps(2), drawn) << count;
    }
}

struct StepCase {
    int stripWidth, steps, x;
    std::optional<int> step; // the four-output editor: steps 0..count-1
};

TEST(PatternStrip, StepUnderTheMouseStaysWithinTheCount)
{
    const StepCase cases[] = {
        {530, 10, 0, 0},      {530, 10, 51, 0},       {530, 10, 52, 1},     {530, 10, 519, 9},
        {530, 10, 525, 9},    {530, 10, 5000, 9},     {530, 10, -3, 0},     {530, 10, -400, 0},
        {530, 50, 520, 49},   {530, 0, 100, std::nullopt},
    };
    PatternTable table(blinkPatternLayout());
    for (const StepCase &c : cases) {
        table.setValue(0, 53, c.steps);
        const float width = PatternStrip::stepWidth(c.stripWidth, table.drawnSteps(0));
        EXPECT_EQ(paintedStep(table, 0, c.x, width), c.step) << c.steps << " steps, x " << c.x;
    }
    // An erased count draws 50 steps over the strip; the mouse stays in them.
    table.setValue(0, 53, 255);
    EXPECT_EQ(paintedStep(table, 0, 800, PatternStrip::stepWidth(530, table.drawnSteps(0))), 49);
}

TEST(PatternStrip, BoxesAndPaintLevels)
{
    // Strip height 41: scale 0.3203125; an on step reaches up to y 8.
    const float scale41 = PatternStrip::valueScale(41);
    EXPECT_EQ(scale41, 0.3203125f);
    EXPECT_EQ(PatternStrip::blinkBox(2, true, 52.0f, 41, scale41), (PatternStrip::Box{104, 8, 156, 92}));
    EXPECT_EQ(PatternStrip::blinkBox(2, false, 52.0f, 41, scale41), (PatternStrip::Box{104, 41, 156, 59}));
    // Strip height 38 of the ten-output editor: boxes end at the strip's bottom.
    const float scale38 = PatternStrip::valueScale(38);
    EXPECT_EQ(PatternStrip::ledBox(0, true, 5.0f, 38, scale38), (PatternStrip::Box{0, 8, 5, 38}));
    EXPECT_EQ(PatternStrip::ledBox(0, false, 5.0f, 38, scale38), (PatternStrip::Box{0, 38, 5, 38}));

    // The step width is a 32-bit float; 90 / 7 rounds down, so seven steps end
    // at x 89, not at 90 as a product rounded to float would give.
    EXPECT_EQ(PatternStrip::stepLeft(7, PatternStrip::stepWidth(100, 7)), 89);
    EXPECT_EQ(PatternStrip::stepLeft(3, PatternStrip::stepWidth(530, 3)), 519);
    EXPECT_EQ(PatternStrip::stepWidth(530, 0), 520.0f);

    // Above level 50 paints on: y 24 and higher up in a 41-pixel strip, y 23 in
    // a 38-pixel strip; exactly 50 (y 39 of 64) paints off.
    struct Level {
        int height, y;
        bool on;
    };
    for (const Level &l : {Level{41, 24, true}, {41, 25, false}, {41, -10, true}, {41, 60, false},
                           {38, 23, true}, {38, 24, false}, {64, 38, true}, {64, 39, false}})
        EXPECT_EQ(PatternStrip::paintsOn(l.y, l.height, PatternStrip::valueScale(l.height)), l.on)
            << l.height << "/" << l.y;
}

TEST(PatternTexts, TimesAndEditEntries)
{
    EXPECT_EQ(stepTimeText(10), QStringLiteral("Zeit-Raster = 200 ms"));
    EXPECT_EQ(totalTimeText(10, 10), QStringLiteral("Gesamtzeit = 2000 ms"));
    EXPECT_EQ(totalTimeText(255, 255), QStringLiteral("Gesamtzeit = 1300500 ms"));

    struct Entry {
        const char *text;
        int max;
        LimitedEntry::Kind kind;
        int value;
    };
    const Entry entries[] = {
        {"", 50, LimitedEntry::Empty, 0},        {"75", 50, LimitedEntry::Number, 50},
        {"0", 50, LimitedEntry::Number, 1},      {"-4", 200, LimitedEntry::Number, 1},
        {"150", 100, LimitedEntry::Number, 100}, {"200", 200, LimitedEntry::Number, 200},
        {"abc", 200, LimitedEntry::Invalid, 0},  {"12a", 100, LimitedEntry::Invalid, 0},
        {"99999999999", 50, LimitedEntry::Invalid, 0},
    };
    for (const Entry &e : entries) {
        const LimitedEntry got = readLimitedEntry(QString::fromUtf8(e.text), e.max);
        EXPECT_EQ(got.kind, e.kind) << e.text;
        if (e.kind == LimitedEntry::Number)
            EXPECT_EQ(got.value, e.value) << e.text;
        if (e.kind == LimitedEntry::Invalid)
            EXPECT_EQ(got.message, QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..") +
                                       QString::number(e.max));
    }
}

} // namespace
