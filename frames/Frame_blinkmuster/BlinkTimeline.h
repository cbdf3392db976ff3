#pragma once
#include "frames/Frame_blinkmuster/BlinkPatterns.h"
#include "frames/PlaybackClock.h"

#include <QtGlobal>
#include <vector>

// A blink pattern in time, as the decoder plays it: each step lasts stretch x
// 20 ms, the steps run from 0 to count - 1, a pattern with its loop flag starts
// again after its last step, one without stops there and keeps the last step
// on its outputs. An output whose "used" bit is clear is left alone.
namespace BlinkTimeline {

constexpr int MsPerStretch = 20;

struct Moment {
    int step = 0;
    // A pattern without its loop flag has played to its end.
    bool finished = false;
    std::vector<Lamp> lamps; // one per output of the layout
    bool operator==(const Moment &) const = default;
};

// The step shown at `ms` after the start for a pattern of `count` steps of
// `stretch` x 20 ms. Count and stretch below 1 play as 1: a step takes time.
struct StepAt {
    int step = 0;
    bool finished = false;
};
StepAt stepAt(qint64 ms, int count, int stretch, bool loop);

// The outputs of a block at `ms` after the start, with the block's count and
// stretch as the working copy holds them (the editor limits them when it
// shows the block); a count beyond what a pattern holds plays as that maximum.
Moment at(const PatternTable &table, int block, qint64 ms);

} // namespace BlinkTimeline
