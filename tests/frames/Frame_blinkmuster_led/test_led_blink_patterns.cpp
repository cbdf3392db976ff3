// The 1024-entry table of the ten-output LED blink decoder.
#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"
#include "image/HexByte.h"

#include <gtest/gtest.h>

namespace {

TEST(LedBlinkPatternTable, BlocksLieInTheLowBytesOfWords0x300To0x6FF)
{
    const PatternLayout &layout = ledBlinkPatternLayout();
    ASSERT_EQ(layout.tableSize(), 1024);
    // Block n entry t is rom[0x600 + 0x200 (n - 1) + 2t].
    struct Case {
        int block, offset, romIndex;
    };
    for (const Case &c : {Case{0, 0, 0x600}, {0, 101, 0x6CA}, {1, 131, 0x906}, {2, 0, 0xA00}, {3, 255, 0xDFE}})
        EXPECT_EQ(PatternLayout::romIndex(layout.blockBase(c.block) + c.offset), c.romIndex) << c.block << "/" << c.offset;

    FirmwareImage before;
    for (int k = 0; k < FirmwareImage::RomSize; ++k)
        before.rom[std::size_t(k)] = hexByte((k * 7) & 0xFF);
    PatternTable table(layout);
    table.read(before);
    EXPECT_EQ(table[256 + 131], (0x906 * 7) & 0xFF);
    for (int t = 0; t < 1024; ++t)
        table[t] ^= 0x5A;
    FirmwareImage image = before;
    table.write(image);
    for (int k = 0; k < FirmwareImage::RomSize; ++k) {
        const bool inTable = k >= 0x600 && k <= 0xDFE && k % 2 == 0;
        const QString expected = inTable ? hexByte(((k * 7) & 0xFF) ^ 0x5A) : before.rom[std::size_t(k)];
        ASSERT_EQ(image.rom[std::size_t(k)], expected) << "rom index " << k;
    }
}

TEST(LedBlinkPatternTable, OutputsOneToFourUseTheLowStepBytesFiveToTenTheHighOnes)
{
    const PatternLayout &layout = ledBlinkPatternLayout();
    struct Case {
        PatternBit where, expected;
    };
    const Case cases[] = {
        {layout.stepBit(0, 0), {0, 0}},      {layout.stepBit(3, 99), {99, 3}}, {layout.stepBit(4, 0), {128, 0}},
        {layout.stepBit(6, 3), {131, 2}},    {layout.stepBit(9, 99), {227, 5}}, {layout.usedBit(0), {100, 4}},
        {layout.usedBit(3), {100, 7}},       {layout.usedBit(4), {103, 0}},     {layout.usedBit(8), {103, 4}},
        {layout.usedBit(9), {103, 5}},       {layout.loopBit(), {100, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.where, c.expected) << c.expected.offset << "/" << c.expected.bit;
}

TEST(LedBlinkPatternTable, CopyLeavesEntry255AndTheMouseReachesStep99)
{
    PatternTable table(ledBlinkPatternLayout());
    for (int t = 0; t < 1024; ++t)
        table[t] = (t * 3) & 0xFF;
    const int kept = table[3 * 256 + 255];
    table.copyBlock(0, 3);
    for (int j = 0; j < 255; ++j)
        ASSERT_EQ(table[768 + j], table[j]) << j;
    EXPECT_EQ(table[768 + 255], kept);

    // Right of the last drawn step, the mouse still edits steps up to 99 and no further.
    struct Case {
        int count, x;
        int step;
    };
    for (const Case &c : {Case{10, 100, 1}, {10, 519, 9}, {10, 6000, 99}, {100, 519, 99}, {255, 3000, 99},
                          {0, 30, 0}, {100, -50, 0}}) {
        table.setValue(1, 101, c.count);
        const float width = PatternStrip::stepWidth(530, table.drawnSteps(1));
        EXPECT_EQ(paintedStep(table, 1, c.x, width), c.step) << c.count << " steps, x " << c.x;
    }
}

} // namespace
