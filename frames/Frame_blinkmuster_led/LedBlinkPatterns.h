#pragma once
#include "frames/Frame_blinkmuster/BlinkPatterns.h"

// The table of the ten-output LED blink decoder: 4 blocks of 256 entries at
// words 0x300..0x6FF. Per block: low step bytes 0..99 (outputs 1..4 in bits
// 0..3), flags 100, count 101 (1..100), stretch 102, outputs 5..10 used in bits
// 0..5 of entry 103, high step bytes 128..227 (outputs 5..10 in bits 0..5).
// The copy buttons take over entries 0..254. The mouse reaches steps 0..99
// whatever the count.
const PatternLayout &ledBlinkPatternLayout();
