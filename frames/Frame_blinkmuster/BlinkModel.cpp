#include "frames/Frame_blinkmuster/BlinkModel.h"

#include "frames/FrameCopyJson.h"

#include <QCoreApplication>
#include <QJsonObject>

#include <algorithm>
#include <vector>

BlinkModel::BlinkModel(const PatternLayout &layout) : state_{PatternTable(layout), 0}
{
}

void BlinkModel::restore(const State &state, bool changed)
{
    state_ = state;
    changed_ = changed;
}

void BlinkModel::limitCount()
{
    const PatternLayout &l = layout();
    state_.table.setValue(state_.block, l.countOffset, std::clamp(count(), 1, l.maxCount));
}

void BlinkModel::limitStretch()
{
    const PatternLayout &l = layout();
    state_.table.setValue(state_.block, l.stretchOffset, std::clamp(stretch(), 1, l.maxStretch));
}

void BlinkModel::load(const FirmwareImage &image)
{
    state_.table.read(image);
    limitCount();
    if (layout().limitsStretchOnLoad)
        limitStretch();
    changed_ = false;
}

void BlinkModel::discard(const FirmwareImage &image)
{
    state_.table.read(image);
    limitCount();
    limitStretch();
    changed_ = false;
}

void BlinkModel::apply(FirmwareImage &image)
{
    state_.table.write(image);
    changed_ = false;
}

BlinkModel::Shown BlinkModel::shown(int block) const
{
    const PatternLayout &l = layout();
    const PatternTable &t = state_.table;
    // Only the bits that the boxes show count.
    int flags = t.value(block, l.flagsOffset) & 0xF1;
    int moreUsed = 0;
    for (int n = 4; n < l.outputs; ++n)
        moreUsed |= t.outputUsed(block, n) ? 1 << n : 0;
    return {t.count(block), t.stretch(block), flags, moreUsed};
}

void BlinkModel::selectBlock(int block)
{
    if (block == state_.block)
        return;
    const Shown before = shown(state_.block);
    state_.block = block;
    const Shown after = shown(block);
    // Each edit and box that now shows another value stores what it shows.
    limitCount();
    limitStretch();
    if (after != before)
        changed_ = true;
}

namespace {

TypedEntry<int> readEntry(const QString &text, int max)
{
    if (text.isEmpty())
        return TypedEntry<int>::empty();
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return TypedEntry<int>::refused(
            QCoreApplication::translate("BlinkModel", "Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..") +
            QString::number(max));
    return TypedEntry<int>::accepted(std::clamp(value, 1, max), value);
}

} // namespace

TypedEntry<int> BlinkModel::typeCount(const QString &text)
{
    const TypedEntry<int> entry = readEntry(text, layout().maxCount);
    if (entry.isAccepted()) {
        state_.table.setValue(state_.block, layout().countOffset, entry.value);
        changed_ = true;
    }
    return entry;
}

TypedEntry<int> BlinkModel::typeStretch(const QString &text)
{
    const TypedEntry<int> entry = readEntry(text, layout().maxStretch);
    if (entry.isAccepted()) {
        state_.table.setValue(state_.block, layout().stretchOffset, entry.value);
        changed_ = true;
    }
    return entry;
}

void BlinkModel::setLoop(bool on)
{
    state_.table.setBit(state_.block, layout().loopBit(), on);
    changed_ = true;
}

void BlinkModel::setOutputUsed(int output, bool used)
{
    state_.table.setBit(state_.block, layout().usedBit(output), used);
    changed_ = true;
}

void BlinkModel::copyFrom(int from)
{
    state_.table.copyBlock(from, state_.block);
    changed_ = true;
}

bool BlinkModel::paint(int output, int x, int y, int stripWidth, int stripHeight)
{
    return paintStroke(output, QPoint(x, y), QPoint(x, y), stripWidth, stripHeight);
}

bool BlinkModel::paintStroke(int output, QPoint from, QPoint to, int stripWidth, int stripHeight)
{
    const float stepWidth = PatternStrip::stepWidth(stripWidth, drawnSteps());
    if (!paintedStep(state_.table, state_.block, 0, stepWidth))
        return false;
    const auto stepAt = [&](int x) { return *paintedStep(state_.table, state_.block, x, stepWidth); };
    // A step's middle stands for it.
    const auto stepX = [&](int step) {
        return (PatternStrip::stepLeft(step, stepWidth) + PatternStrip::stepLeft(step + 1, stepWidth)) / 2;
    };
    const float valueScale = PatternStrip::valueScale(stripHeight);
    for (const QPoint &step : DrawingScale::strokeSteps(from, to, stepAt, stepX))
        state_.table.setBit(state_.block, layout().stepBit(output, step.x()),
                            PatternStrip::paintsOn(step.y(), stripHeight, valueScale));
    changed_ = true;
    return true;
}

int BlinkModel::paintableSteps() const
{
    const PatternLayout &l = layout();
    return l.paintSteps > 0 ? l.paintSteps : drawnSteps();
}

bool BlinkModel::setStep(int output, int step, bool on)
{
    if (output < 0 || output >= layout().outputs || step < 0 || step >= paintableSteps())
        return false;
    state_.table.setBit(state_.block, layout().stepBit(output, step), on);
    changed_ = true;
    return true;
}

// ---------------------------------------------------------------- kept copies

QJsonValue BlinkEditorCopy::toJson() const
{
    std::vector<int> bytes(static_cast<std::size_t>(table.size()));
    for (int t = 0; t < table.size(); ++t)
        bytes[static_cast<std::size_t>(t)] = table[t];
    return QJsonObject{{QStringLiteral("table"), FrameCopyJson::numbers(bytes)},
                       {QStringLiteral("changed"), changed},
                       {QStringLiteral("address"), shownBlock}};
}

std::optional<BlinkEditorCopy> BlinkEditorCopy::fromJson(const QJsonValue &value, const PatternLayout &layout)
{
    const QJsonObject object = value.toObject();
    const QJsonValue changed = object.value(QStringLiteral("changed"));
    std::vector<int> bytes(static_cast<std::size_t>(layout.tableSize()));
    const std::optional<int> block = FrameCopyJson::wholeNumber(object.value(QStringLiteral("address")), 0,
                                                                PatternLayout::Blocks - 1);
    if (!value.isObject() || object.size() != 3 || !changed.isBool() || !block
        || !FrameCopyJson::readNumbers(object.value(QStringLiteral("table")), 0, 255, bytes))
        return std::nullopt;
    BlinkEditorCopy read{PatternTable(layout), changed.toBool(), *block};
    for (int t = 0; t < read.table.size(); ++t)
        read.table[t] = bytes[static_cast<std::size_t>(t)];
    return read;
}
