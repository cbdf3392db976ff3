#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"

const PatternLayout &ledBlinkPatternLayout()
{
    static const PatternLayout layout = [] {
        PatternLayout l;
        l.blockSize = 256;
        l.outputs = 10;
        l.maxCount = 100;
        l.flagsOffset = 100;
        l.countOffset = 101;
        l.stretchOffset = 102;
        l.moreUsedOffset = 103;
        l.highStepOffset = 128;
        l.copyLength = 255;
        l.paintSteps = 100;
        l.limitsStretchOnLoad = false;
        return l;
    }();
    return layout;
}
