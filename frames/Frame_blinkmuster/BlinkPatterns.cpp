#include "frames/Frame_blinkmuster/BlinkPatterns.h"

#include <QCoreApplication>

#include "image/HexByte.h"

#include <algorithm>
#include <cmath>

PatternBit PatternLayout::stepBit(int output, int step) const
{
    if (output < 4)
        return {step, output};
    return {highStepOffset + step, output - 4};
}

PatternBit PatternLayout::usedBit(int output) const
{
    if (output < 4)
        return {flagsOffset, 4 + output};
    return {moreUsedOffset, output - 4};
}

PatternTable::PatternTable(const PatternLayout &layout)
    : layout_(&layout), entries_(static_cast<std::size_t>(layout.tableSize()), 0)
{
}

void PatternTable::read(const FirmwareImage &image)
{
    for (int t = 0; t < size(); ++t)
        (*this)[t] = HexByteValue(image.rom[static_cast<std::size_t>(PatternLayout::romIndex(t))]);
}

void PatternTable::write(FirmwareImage &image) const
{
    for (int t = 0; t < size(); ++t)
        image.rom[static_cast<std::size_t>(PatternLayout::romIndex(t))] = hexByte((*this)[t]);
}

bool PatternTable::bit(int block, PatternBit where) const
{
    return (value(block, where.offset) >> where.bit) & 1;
}

void PatternTable::setBit(int block, PatternBit where, bool on)
{
    const int mask = 1 << where.bit;
    const int old = value(block, where.offset);
    setValue(block, where.offset, on ? (old | mask) : (old & ~mask));
}

int PatternTable::drawnSteps(int block) const
{
    return std::clamp(count(block), 0, layout_->maxCount);
}

void PatternTable::copyBlock(int from, int to)
{
    for (int j = 0; j < layout_->copyLength; ++j)
        setValue(to, j, value(from, j));
}

namespace PatternStrip {

int stepLeft(int step, float stepWidth)
{
    return static_cast<int>(std::trunc(static_cast<double>(step) * static_cast<double>(stepWidth)));
}

int boxTop(bool on, int stripHeight, float valueScale)
{
    const double v = on ? 100.0 : 0.0;
    return static_cast<int>(std::trunc(static_cast<double>(stripHeight) - v * static_cast<double>(valueScale)));
}

Box blinkBox(int step, bool on, float stepWidth, int stripHeight, float valueScale)
{
    const int top = boxTop(on, stripHeight, valueScale);
    return {stepLeft(step, stepWidth), top, stepLeft(step + 1, stepWidth), 100 - top};
}

Box ledBox(int step, bool on, float stepWidth, int stripHeight, float valueScale)
{
    return {stepLeft(step, stepWidth), boxTop(on, stripHeight, valueScale), stepLeft(step + 1, stepWidth),
            stripHeight};
}

std::optional<int> stepAt(int x, float stepWidth, int lastStep)
{
    if (lastStep < 0)
        return std::nullopt;
    const float exact = static_cast<float>(x) / stepWidth;
    // Far outside the strip the quotient may not fit an int; the limits decide.
    if (!(exact < static_cast<float>(lastStep)))
        return lastStep;
    if (!(exact > 0.0f))
        return 0;
    return std::clamp(static_cast<int>(std::trunc(exact)), 0, lastStep);
}

bool paintsOn(int y, int stripHeight, float valueScale)
{
    const float level = static_cast<float>(stripHeight - y) / valueScale;
    return level > 50.0f;
}

} // namespace PatternStrip

std::optional<int> paintedStep(const PatternTable &table, int block, int x, float stepWidth)
{
    const PatternLayout &layout = table.layout();
    const int steps = layout.paintSteps > 0 ? layout.paintSteps : table.drawnSteps(block);
    return PatternStrip::stepAt(x, stepWidth, steps - 1);
}

QString stepTimeText(int stretch)
{
    return QCoreApplication::translate("BlinkPatterns", "Zeit-Raster = ") + QString::number(stretch * 20) + QCoreApplication::translate("BlinkPatterns", " ms");
}

QString totalTimeText(int stretch, int count)
{
    return QCoreApplication::translate("BlinkPatterns", "Gesamtzeit = ") + QString::number(static_cast<qint64>(stretch) * 20 * count) +
           QCoreApplication::translate("BlinkPatterns", " ms");
}

const PatternLayout &blinkPatternLayout()
{
    static const PatternLayout layout = [] {
        PatternLayout l;
        l.blockSize = 64;
        l.outputs = 4;
        l.maxCount = 50;
        l.countOffset = 53;
        l.stretchOffset = 54;
        l.flagsOffset = 55;
        l.copyLength = 64;
        l.paintSteps = 0;
        return l;
    }();
    return layout;
}
