#pragma once
#include "frames/DrawingScale.h"
#include "image/FirmwareImage.h"

#include <QString>
#include <optional>
#include <vector>

// The blink pattern tables of the blink decoders and the arithmetic of their
// pattern strips. A table is the low bytes of consecutive program words from
// 0x300 on, split into four blocks, one per decoder address. Each block holds
// the step bytes of its pattern (which outputs are on during a step), the
// number of steps, a stretch factor (one step lasts stretch x 20 ms), the loop
// flag and the mask of outputs the pattern drives.

// One bit of a block: entry offset within the block and bit number.
struct PatternBit {
    int offset = 0;
    int bit = 0;
    bool operator==(const PatternBit &) const = default;
};

// Where a decoder family keeps its values inside a block.
struct PatternLayout {
    static constexpr int Blocks = 4;
    static constexpr int FirstWord = 0x300;

    int blockSize = 0;       // entries per block
    int outputs = 0;         // outputs (strips) of a pattern
    int maxCount = 0;        // the count is kept within 1..maxCount
    int maxStretch = 200;    // the stretch factor is kept within 1..maxStretch
    int countOffset = 0;
    int stretchOffset = 0;
    int flagsOffset = 0;     // bit 0 loop, bits 4..7 outputs 1..4 used
    int moreUsedOffset = -1; // bits 0.. outputs 5.. used; -1 when there are none
    int highStepOffset = -1; // step i of outputs 5.. lives at this offset + i; -1: none
    int copyLength = 0;      // entries that the copy buttons take over
    // Steps a mouse position may reach: 0 means the steps of the pattern's
    // count (0..count-1), otherwise 0..paintSteps-1 whatever the count.
    int paintSteps = 0;
    // Whether loading limits the stretch of the shown block as it limits the
    // count (the ten-output editor shows the stretch as read).
    bool limitsStretchOnLoad = true;

    int tableSize() const { return Blocks * blockSize; }
    // First entry of block 0..3.
    int blockBase(int block) const { return block * blockSize; }
    // Step bit of output 0..outputs-1 in step i.
    PatternBit stepBit(int output, int step) const;
    // The bit that says output 0..outputs-1 is driven by the pattern.
    PatternBit usedBit(int output) const;
    PatternBit loopBit() const { return {flagsOffset, 0}; }

    // ROM index of table entry t: the low byte of program word 0x300 + t.
    static int romIndex(int entry) { return 2 * (FirstWord + entry); }
};

// The working copy of a pattern table: entry t = table byte t (0..255).
class PatternTable {
public:
    explicit PatternTable(const PatternLayout &layout);

    const PatternLayout &layout() const { return *layout_; }
    int size() const { return static_cast<int>(entries_.size()); }
    int operator[](int entry) const { return entries_[static_cast<std::size_t>(entry)]; }
    int &operator[](int entry) { return entries_[static_cast<std::size_t>(entry)]; }
    bool operator==(const PatternTable &other) const { return entries_ == other.entries_; }

    // Reads every entry from the low bytes of the table's program words.
    void read(const FirmwareImage &image);
    // Writes every entry into the even ROM entries of the table; the high
    // bytes of the words stay as they are.
    void write(FirmwareImage &image) const;

    int value(int block, int offset) const { return (*this)[layout_->blockBase(block) + offset]; }
    void setValue(int block, int offset, int value) { (*this)[layout_->blockBase(block) + offset] = value; }
    bool bit(int block, PatternBit where) const;
    void setBit(int block, PatternBit where, bool on);

    int count(int block) const { return value(block, layout_->countOffset); }
    int stretch(int block) const { return value(block, layout_->stretchOffset); }
    bool stepOn(int block, int output, int step) const { return bit(block, layout_->stepBit(output, step)); }
    bool outputUsed(int block, int output) const { return bit(block, layout_->usedBit(output)); }
    bool loop(int block) const { return bit(block, layout_->loopBit()); }

    // Steps drawn for a block: its count, limited to what a pattern can hold
    // (a count read from an erased table is 255).
    int drawnSteps(int block) const;
    // Takes over the first copyLength entries of block `from` into block `to`.
    void copyBlock(int from, int to);

private:
    const PatternLayout *layout_;
    std::vector<int> entries_;
};

// The pattern strip arithmetic. Scales are 32-bit floats; the products with
// them are formed in double from the float values and then truncated toward
// zero.
namespace PatternStrip {
// Pixels per value unit: strip height / 128; pixels per step: (strip width -
// 10) / steps, no steps counting as one.
using DrawingScale::stepWidth;
using DrawingScale::valueScale;
// Left edge of step i (also the right edge of step i - 1).
int stepLeft(int step, float stepWidth);
// Top of the box of a step: 100 units high when the output is on, 0 when off.
int boxTop(bool on, int stripHeight, float valueScale);

// A step box as the drawing uses it: outline from (left, top) inclusive to
// (right, bottom) exclusive, filled inside the outline.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Box &) const = default;
};
// Box of step i in the four-output editor: from the top down to 100 - top.
Box blinkBox(int step, bool on, float stepWidth, int stripHeight, float valueScale);
// Box of step i in the ten-output editor: from the top down to the strip's bottom.
Box ledBox(int step, bool on, float stepWidth, int stripHeight, float valueScale);

// Step under mouse position x: trunc(x / stepWidth) in float, limited to
// 0..lastStep. No step when lastStep < 0.
std::optional<int> stepAt(int x, float stepWidth, int lastStep);
// True when a mouse at height y switches the output on: (stripHeight - y) /
// valueScale above 50.
bool paintsOn(int y, int stripHeight, float valueScale);
} // namespace PatternStrip

// The step the mouse at x paints in the given block, limited to the block's
// steps as the layout allows; none when the block has no steps to paint.
std::optional<int> paintedStep(const PatternTable &table, int block, int x, float stepWidth);

// The two time texts of a pattern.
QString stepTimeText(int stretch);
QString totalTimeText(int stretch, int count);

// The table of the four-output blink decoder: 4 blocks of 64 entries at words
// 0x300..0x3FF; steps 0..52, count 53, stretch 54, flags 55.
const PatternLayout &blinkPatternLayout();
