// A blink pattern in time: the step at each moment, the end of a pattern
// without loop, and which lamps are lit, dark or left alone.
#include "frames/Frame_blinkmuster/BlinkTimeline.h"
#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"

#include <gtest/gtest.h>

namespace {

using BlinkTimeline::stepAt;

TEST(BlinkTimeline, StepAtEachMoment)
{
    struct Row {
        qint64 ms;
        int count, stretch;
        bool loop;
        int step;
        bool finished;
    };
    // Four steps of 5 x 20 = 100 ms unless a row says otherwise.
    const Row rows[] = {
        {0, 4, 5, false, 0, false},
        {99, 4, 5, false, 0, false},
        {100, 4, 5, false, 1, false},
        {399, 4, 5, false, 3, false},
        // Without loop the last step stays once its time is over.
        {400, 4, 5, false, 3, true},
        {86'400'000, 4, 5, false, 3, true},
        // With loop the pattern starts again, and an hour later a step is
        // where the clock says, not where summed ticks would put it.
        {400, 4, 5, true, 0, false},
        {3'600'000 + 250, 4, 5, true, 2, false},
        {-30, 4, 5, true, 0, false},
        // A count or stretch of 0 plays as 1: one step of 20 ms.
        {19, 0, 0, false, 0, false},
        {20, 0, 0, false, 0, true},
        {45, 3, 0, true, 2, false},
        // The largest step: 255 x 20 ms.
        {5099, 2, 255, false, 0, false},
        {5100, 2, 255, false, 1, false},
    };
    for (const Row &r : rows) {
        const BlinkTimeline::StepAt at = stepAt(r.ms, r.count, r.stretch, r.loop);
        EXPECT_EQ(at.step, r.step) << r.ms << " ms, count " << r.count << ", stretch " << r.stretch;
        EXPECT_EQ(at.finished, r.finished) << r.ms << " ms, count " << r.count << ", stretch " << r.stretch;
    }
}

TEST(BlinkTimeline, LampsOfTheBlockAtAMoment)
{
    constexpr Lamp N = Lamp::NotDriven, O = Lamp::Off, I = Lamp::On;
    // Four-output table, block 2: a walking light over four steps of 40 ms,
    // outputs 1, 2 and 4 used (output 3 left alone though its bits are set),
    // no loop. Block 1 holds other steps that must not show.
    PatternTable blink(blinkPatternLayout());
    const int base = 64;
    for (int i = 0; i < 4; ++i) {
        blink[i] = 0x0F;
        blink[base + i] = (1 << i) | 0x04;
    }
    blink[base + 53] = 4;
    blink[base + 54] = 2;
    blink[base + 55] = 0xB0;
    // Ten-output table, block 4: outputs 5..10 in the high step bytes; the
    // count 255 of an erased table plays as the editor's limit of 100 steps.
    PatternTable led(ledBlinkPatternLayout());
    const int top = 3 * 256;
    led[top + 100] = 0x11; // loop, output 1 used
    led[top + 101] = 0xFF;
    led[top + 102] = 1;
    led[top + 103] = 0x22; // outputs 6 and 10 used
    led[top + 128 + 2] = 0x20; // step 2: output 10 on
    led[top + 128 + 99] = 0x02; // step 99: output 6 on
    led[top + 99] = 0x01;

    struct Row {
        const PatternTable &table;
        int block;
        qint64 ms;
        int step;
        bool finished;
        std::vector<Lamp> lamps;
    };
    const Row rows[] = {
        {blink, 1, 0, 0, false, {I, O, N, O}},
        {blink, 1, 45, 1, false, {O, I, N, O}},
        {blink, 1, 159, 3, false, {O, O, N, I}},
        {blink, 1, 160, 3, true, {O, O, N, I}},
        {blink, 0, 0, 0, false, {N, N, N, N}},
        {led, 3, 2 * 20, 2, false, {O, N, N, N, N, O, N, N, N, I}},
        {led, 3, 99 * 20, 99, false, {I, N, N, N, N, I, N, N, N, O}},
        {led, 3, 100 * 20, 0, false, {O, N, N, N, N, O, N, N, N, O}},
    };
    for (const Row &r : rows) {
        const BlinkTimeline::Moment moment = BlinkTimeline::at(r.table, r.block, r.ms);
        EXPECT_EQ(moment, (BlinkTimeline::Moment{r.step, r.finished, r.lamps}))
            << r.table.layout().outputs << " outputs, block " << r.block << ", " << r.ms << " ms";
    }
}

} // namespace
