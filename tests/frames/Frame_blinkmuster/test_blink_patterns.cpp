// The pattern tables of the four-output and the ten-output blink decoders, and
// the strip arithmetic shared by both pattern editors.
#include "frames/Frame_blinkmuster/BlinkModel.h"
#include "frames/Frame_blinkmuster/BlinkPatterns.h"
#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"
#include "image/HexByte.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const PatternLayout &blink = blinkPatternLayout();
const PatternLayout &led = ledBlinkPatternLayout();

TEST(PatternLayouts, WhereStepsFlagsAndBlocksLie)
{
    struct Place {
        const PatternLayout &layout;
        int block, offset, romIndex;
    };
    // Block n entry t: rom[0x600 + 2 * (blockSize * (n - 1) + t)].
    for (const Place &p : {Place{blink, 0, 0, 0x600}, {blink, 3, 63, 0x7FE}, {blink, 1, 53, 0x6EA},
                           {led, 1, 131, 0x906}, {led, 2, 0, 0xA00}, {led, 3, 255, 0xDFE}})
        EXPECT_EQ(PatternLayout::romIndex(p.layout.blockBase(p.block) + p.offset), p.romIndex)
            << p.layout.outputs << " outputs, block " << p.block << ", offset " << p.offset;

    struct Bit {
        PatternBit where, expected;
    };
    const Bit bits[] = {
        {blink.stepBit(2, 7), {7, 2}},   {blink.usedBit(0), {55, 4}},    {blink.usedBit(3), {55, 7}},
        {blink.loopBit(), {55, 0}},      {led.stepBit(3, 99), {99, 3}},  {led.stepBit(4, 0), {128, 0}},
        {led.stepBit(6, 3), {131, 2}},   {led.stepBit(9, 99), {227, 5}}, {led.usedBit(3), {100, 7}},
        {led.usedBit(4), {103, 0}},      {led.usedBit(8), {103, 4}},     {led.loopBit(), {100, 0}},
    };
    for (const Bit &b : bits)
        EXPECT_EQ(b.where, b.expected) << b.expected.offset << "/" << b.expected.bit;
    EXPECT_EQ(blink.tableSize(), 256);
    EXPECT_EQ(led.tableSize(), 1024);
}

TEST(PatternTable, ReadsPaintsCopiesAndLimitsTheDrawnSteps)
{
    // Even ROM entry k holds (k / 2) mod 256: table entry t reads (0x300 + t) mod 256.
    FirmwareImage image;
    for (int k = 0; k < FirmwareImage::RomSize; ++k)
        image.rom[std::size_t(k)] = (k % 2) ? QStringLiteral("3F") : hexByte((k / 2) & 0xFF);
    PatternTable table(led);
    table.read(image);
    for (int t = 0; t < 1024; ++t)
        ASSERT_EQ(table[t], t & 0xFF) << t;

    // One bit changes, the high bits of a step byte stay.
    table[256 + 131] = 0xF2;
    table.setBit(1, led.stepBit(6, 3), true);
    table.setBit(1, led.stepBit(5, 3), false);
    EXPECT_EQ(table[256 + 131], 0xF4);

    // The copy takes 64 entries in the four-output table, 255 in the LED table.
    for (const auto &[layout, copied] : {std::pair{&blink, 64}, {&led, 255}}) {
        PatternTable t(*layout);
        for (int e = 0; e < t.size(); ++e)
            t[e] = e % 251;
        t.copyBlock(1, 3);
        for (int j = 0; j < layout->blockSize; ++j)
            ASSERT_EQ(t.value(3, j), j < copied ? t.value(1, j) : (3 * layout->blockSize + j) % 251) << j;
    }

    // An erased table says 255 steps; drawing stays within the block's steps.
    struct Drawn {
        const PatternLayout &layout;
        int count, drawn;
    };
    for (const Drawn &d : {Drawn{blink, 255, 50}, {blink, 51, 50}, {blink, 7, 7}, {blink, 0, 0},
                           {led, 255, 100}, {led, 100, 100}}) {
        PatternTable t(d.layout);
        t.setValue(2, d.layout.countOffset, d.count);
        EXPECT_EQ(t.drawnSteps(2), d.drawn) << d.layout.outputs << " outputs, count " << d.count;
    }
}

TEST(PatternStrip, StepUnderTheMouseStaysInTheBlock)
{
    // A strip of 530 pixels; the four-output editor reaches steps 0..count-1,
    // the LED editor steps 0..99 whatever the count.
    struct Case {
        const PatternLayout &layout;
        int count, x;
        std::optional<int> step;
    };
    const Case cases[] = {
        {blink, 10, 0, 0},     {blink, 10, 51, 0},     {blink, 10, 52, 1},   {blink, 10, 525, 9},
        {blink, 10, 5000, 9},  {blink, 10, -400, 0},   {blink, 255, 800, 49}, {blink, 0, 100, std::nullopt},
        {led, 10, 100, 1},     {led, 10, 525, 10},     {led, 10, 6000, 99},   {led, 255, 3000, 99},
        {led, 0, 30, 0},
    };
    for (const Case &c : cases) {
        PatternTable table(c.layout);
        table.setValue(0, c.layout.countOffset, c.count);
        const float width = PatternStrip::stepWidth(530, table.drawnSteps(0));
        EXPECT_EQ(paintedStep(table, 0, c.x, width), c.step)
            << c.layout.outputs << " outputs, count " << c.count << ", x " << c.x;
    }
}

TEST(PatternStrip, BoxesAndPaintLevels)
{
    // Strip height 41: scale 0.3203125; an on step reaches up to y 8.
    const float scale41 = PatternStrip::valueScale(41);
    EXPECT_EQ(PatternStrip::blinkBox(2, true, 52.0f, 41, scale41), (PatternStrip::Box{104, 8, 156, 92}));
    EXPECT_EQ(PatternStrip::blinkBox(2, false, 52.0f, 41, scale41), (PatternStrip::Box{104, 41, 156, 59}));
    // Strip height 38 of the LED editor: boxes end at the strip's bottom.
    const float scale38 = PatternStrip::valueScale(38);
    EXPECT_EQ(PatternStrip::ledBox(0, true, 5.0f, 38, scale38), (PatternStrip::Box{0, 8, 5, 38}));
    EXPECT_EQ(PatternStrip::ledBox(0, false, 5.0f, 38, scale38), (PatternStrip::Box{0, 38, 5, 38}));

    // The step width is a 32-bit float: 90 / 7 rounds down, so seven steps end
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

    // The count edits of the two editors (1..50, 1..100) and a stretch edit
    // (1..200), typed into a model.
    using Kind = TypedEntry<int>::Kind;
    struct Entry {
        const char *text;
        int max;
        Kind kind;
        int value;
    };
    const Entry entries[] = {
        {"", 50, Kind::Empty, 0},        {"75", 50, Kind::Accepted, 50},
        {"0", 50, Kind::Accepted, 1},      {"-4", 200, Kind::Accepted, 1},
        {"150", 100, Kind::Accepted, 100}, {"abc", 200, Kind::Refused, 0},
        {"12a", 100, Kind::Refused, 0},  {"99999999999", 50, Kind::Refused, 0},
    };
    for (const Entry &e : entries) {
        BlinkModel model(e.max == 100 ? led : blink);
        const QString text = QString::fromUtf8(e.text);
        const TypedEntry<int> got = e.max == 200 ? model.typeStretch(text) : model.typeCount(text);
        EXPECT_EQ(got.kind, e.kind) << e.text;
        if (e.kind == Kind::Accepted) {
            EXPECT_EQ(got.value, e.value) << e.text;
            EXPECT_EQ(e.max == 200 ? model.stretch() : model.count(), e.value) << "stored: " << e.text;
        }
        if (e.kind == Kind::Refused) {
            EXPECT_EQ(got.message, QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..") +
                                       QString::number(e.max));
        }
        EXPECT_EQ(model.hasChanges(), e.kind == Kind::Accepted) << e.text;
    }
}

// An image whose table is erased but for block 2: count 20, stretch 3.
FirmwareImage erasedBut2(const PatternLayout &layout)
{
    FirmwareImage image;
    image.resetForLoad();
    image.rom[std::size_t(PatternLayout::romIndex(layout.blockBase(1) + layout.countOffset))] = hexByte(20);
    image.rom[std::size_t(PatternLayout::romIndex(layout.blockBase(1) + layout.stretchOffset))] = hexByte(3);
    return image;
}

TEST(BlinkModel, LoadingAndSwitchingLimitTheShownBlock)
{
    // Loading limits the shown block's count (the LED editor keeps the stretch
    // as read) and leaves the model clean; discarding limits both. A switch to
    // a block that shows other settings is a change, limited on the way.
    struct Case {
        const PatternLayout &layout;
        int loadedStretch;
    };
    for (const Case &c : {Case{blink, 200}, {led, 255}}) {
        SCOPED_TRACE(c.layout.outputs);
        const int countAt = c.layout.countOffset, stretchAt = c.layout.stretchOffset;
        FirmwareImage image = erasedBut2(c.layout);
        BlinkModel model(c.layout);
        model.load(image);
        EXPECT_EQ(model.count(), c.layout.maxCount);
        EXPECT_EQ(model.stretch(), c.loadedStretch);
        EXPECT_FALSE(model.hasChanges());

        model.selectBlock(1);
        EXPECT_EQ(model.count(), 20);
        EXPECT_EQ(model.stretch(), 3);
        EXPECT_TRUE(model.hasChanges()) << "other settings shown";
        model.discard(image);
        EXPECT_FALSE(model.hasChanges());
        model.selectBlock(1); // the same block: nothing happens
        EXPECT_FALSE(model.hasChanges());

        model.selectBlock(2);
        EXPECT_EQ(model.table().value(2, countAt), c.layout.maxCount);
        EXPECT_EQ(model.table().value(2, stretchAt), c.layout.maxStretch);
        EXPECT_EQ(model.table().value(3, countAt), 255) << "blocks not shown keep what was read";
        model.discard(image);
        EXPECT_EQ(model.table().value(2, stretchAt), c.layout.maxStretch) << "the shown block";
        EXPECT_EQ(model.table().value(1, countAt), 20);
        EXPECT_FALSE(model.hasChanges());
    }
}

TEST(BlinkModel, ChangesStayInTheWorkingCopyUntilApplied)
{
    for (const PatternLayout *layout : {&blink, &led}) {
        SCOPED_TRACE(layout->outputs);
        FirmwareImage image = erasedBut2(*layout);
        BlinkModel model(*layout);
        model.load(image);
        model.selectBlock(3);
        model.discard(image);
        const BlinkModel::State loaded = model.snapshot();

        // Each change is a change, made in the shown block only, until applied.
        const std::function<void()> changes[] = {
            [&] { model.setLoop(false); },
            [&] { model.setOutputUsed(layout->outputs - 1, false); },
            [&] { model.copyFrom(1); },
            [&] { model.typeStretch(QStringLiteral("7")); },
            [&] { ASSERT_TRUE(model.paint(layout->outputs - 1, 3, 37, 530, 38)); },
        };
        for (const auto &change : changes) {
            model.restore(loaded);
            model.apply(image);
            ASSERT_FALSE(model.hasChanges());
            const FirmwareImage clean = image;
            change();
            EXPECT_TRUE(model.hasChanges());
            EXPECT_EQ(image.rom, clean.rom) << "nothing reaches the image before apply";
            for (int block = 0; block < 3; ++block)
                for (int j = 0; j < layout->blockSize; ++j)
                    ASSERT_EQ(model.table().value(block, j), loaded.table.value(block, j)) << block << "/" << j;
            model.apply(image);
            EXPECT_FALSE(model.hasChanges());
            PatternTable written(*layout);
            written.read(image);
            EXPECT_EQ(written, model.table());
        }
        model.restore(loaded);
        EXPECT_EQ(model.snapshot(), loaded);
    }
}

} // namespace
