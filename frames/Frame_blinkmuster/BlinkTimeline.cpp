#include "frames/Frame_blinkmuster/BlinkTimeline.h"

#include <algorithm>

namespace BlinkTimeline {

StepAt stepAt(qint64 ms, int count, int stretch, bool loop)
{
    const qint64 steps = std::max(count, 1);
    const qint64 stepMs = qint64(std::max(stretch, 1)) * MsPerStretch;
    const qint64 passed = std::max<qint64>(ms, 0) / stepMs;
    if (loop)
        return {int(passed % steps), false};
    if (passed >= steps)
        return {int(steps - 1), true};
    return {int(passed), false};
}

Moment at(const PatternTable &table, int block, qint64 ms)
{
    const StepAt now = stepAt(ms, table.drawnSteps(block), table.stretch(block), table.loop(block));
    Moment moment;
    moment.step = now.step;
    moment.finished = now.finished;
    const int outputs = table.layout().outputs;
    moment.lamps.reserve(std::size_t(outputs));
    for (int n = 0; n < outputs; ++n) {
        if (!table.outputUsed(block, n))
            moment.lamps.push_back(Lamp::NotDriven);
        else
            moment.lamps.push_back(table.stepOn(block, n, now.step) ? Lamp::On : Lamp::Off);
    }
    return moment;
}

} // namespace BlinkTimeline
