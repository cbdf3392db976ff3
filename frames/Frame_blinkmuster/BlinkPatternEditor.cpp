#include "frames/Frame_blinkmuster/BlinkPatternEditor.h"

#include "frames/Frame_blinkmuster/PatternImage.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

BlinkPatternEditor::BlinkPatternEditor(DecoderSession &session, const PatternLayout &layout, const QString &name,
                                       int designWidth, int designHeight, QWidget *parent)
    : EditorFrame(session, name, designWidth, designHeight, parent), patternData(layout)
{
}

void BlinkPatternEditor::connectControls(const Controls &controls, BoxBottom boxBottom, bool stretchWaitsForLoading)
{
    c_ = controls;
    boxBottom_ = boxBottom;
    stretchWaitsForLoading_ = stretchWaitsForLoading;

    stripHeight = c_.strips.front()->height();
    valueScale = PatternStrip::valueScale(stripHeight);
    stepWidth = currentStepWidth();

    // A radio group turns the old button off as well: only the newly checked
    // one counts as the click.
    for (QRadioButton *button : c_.addresses)
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                addressClick();
        });
    connect(c_.loop, &QCheckBox::toggled, this, [this] { loopClick(); });
    for (int n = 0; n < static_cast<int>(c_.outputs.size()); ++n)
        connect(c_.outputs[std::size_t(n)], &QCheckBox::toggled, this, [this, n] { outputClick(n); });
    connect(c_.count, &QLineEdit::textChanged, this, [this] { countChange(); });
    connect(c_.stretch, &QLineEdit::textChanged, this, [this] { stretchChange(); });
    for (int k = 0; k < 4; ++k)
        connect(c_.copy[std::size_t(k)], &QPushButton::clicked, this, [this, k] { copyClick(k); });
    connect(c_.apply, &QPushButton::clicked, this, [this] { applyClick(); });
    connect(c_.discard, &QPushButton::clicked, this, [this] { discardClick(); });
    for (PatternImage *strip : c_.strips) {
        connect(strip, &PatternImage::mousePressed, this, &BlinkPatternEditor::stripMouseDown);
        connect(strip, &PatternImage::mouseMoved, this, &BlinkPatternEditor::stripMouseMove);
        connect(strip, &PatternImage::mouseReleased, this, &BlinkPatternEditor::stripMouseUp);
    }
}

int BlinkPatternEditor::SelectedBlock() const
{
    for (int k = 0; k < 4; ++k)
        if (c_.addresses[std::size_t(k)]->isChecked())
            return k;
    return 0;
}

void BlinkPatternEditor::fitStrips(int frameWidth)
{
    PatternImage *first = c_.strips.front();
    stripHeight = first->height();
    valueScale = PatternStrip::valueScale(stripHeight);
    const int width = frameWidth - first->x() - 10;
    for (PatternImage *strip : c_.strips)
        strip->resize(width, strip->height());
}

void BlinkPatternEditor::ReadPatterns()
{
    patternData.read(image());
}

void BlinkPatternEditor::WritePatterns()
{
    patternData.write(image());
}

void BlinkPatternEditor::ShowSettings()
{
    const PatternLayout &layout = patternData.layout();
    const int block = SelectedBlock();
    for (int k = 0; k < 4; ++k)
        c_.copy[std::size_t(k)]->setEnabled(k != block);
    // Each of these runs the control's handler when the shown value changes.
    c_.count->setText(QString::number(patternData.count(block)));
    c_.stretch->setText(QString::number(patternData.stretch(block)));
    c_.loop->setChecked(patternData.loop(block));
    for (int n = 0; n < layout.outputs; ++n)
        c_.outputs[std::size_t(n)]->setChecked(patternData.outputUsed(block, n));

    const int count = c_.count->text().toInt();
    const int stretch = c_.stretch->text().toInt();
    c_.stepTime->setText(stepTimeText(stretch));
    c_.totalTime->setText(totalTimeText(stretch, count));
}

float BlinkPatternEditor::currentStepWidth() const
{
    return PatternStrip::stepWidth(c_.strips.front()->width(), patternData.drawnSteps(SelectedBlock()));
}

void BlinkPatternEditor::DrawPatterns()
{
    const PatternLayout &layout = patternData.layout();
    for (int n = 0; n < layout.outputs; ++n) {
        PatternImage *strip = c_.strips[std::size_t(n)];
        strip->fill(Qt::white);
        strip->setVisible(c_.outputs[std::size_t(n)]->isChecked());
    }
    const int block = SelectedBlock();
    const int steps = patternData.drawnSteps(block);
    stepWidth = currentStepWidth();
    for (int i = 0; i < steps; ++i)
        for (int n = 0; n < layout.outputs; ++n) {
            const bool on = patternData.stepOn(block, n, i);
            c_.strips[std::size_t(n)]->drawBox(boxBottom_ == BoxBottom::BelowStrip
                                                   ? PatternStrip::blinkBox(i, on, stepWidth, stripHeight, valueScale)
                                                   : PatternStrip::ledBox(i, on, stepWidth, stripHeight, valueScale));
        }
    for (PatternImage *strip : c_.strips)
        strip->update();
}

void BlinkPatternEditor::Reload()
{
    ReadPatterns();
    ShowSettings();
    DrawPatterns();
}

void BlinkPatternEditor::Refresh()
{
    // A table read from the image may hold a count or stretch out of range
    // (an erased table reads 255). Showing it limits the value in the working
    // copy, but the user has changed nothing yet: the frame stays as clean as
    // its set-up left it, so an untouched file saves without a question.
    const bool changed = c_.apply->isEnabled();
    ShowSettings();
    DrawPatterns();
    c_.apply->setEnabled(changed);
}

void BlinkPatternEditor::markChanged()
{
    c_.apply->setEnabled(true);
}

void BlinkPatternEditor::countChange()
{
    const PatternLayout &layout = patternData.layout();
    const LimitedEntry entry = readLimitedEntry(c_.count->text(), layout.maxCount);
    if (entry.kind == LimitedEntry::Empty)
        return;
    if (entry.kind == LimitedEntry::Invalid) {
        Dialogs::warningCancel(this, entry.message);
        c_.count->setFocus();
        return;
    }
    patternData.setValue(SelectedBlock(), layout.countOffset, entry.value);
    stepWidth = PatternStrip::stepWidth(c_.strips.front()->width(), entry.value);
    DrawPatterns();
    if (!loading)
        ShowSettings();
    markChanged();
}

void BlinkPatternEditor::stretchChange()
{
    if (stretchWaitsForLoading_ && loading)
        return;
    const PatternLayout &layout = patternData.layout();
    const LimitedEntry entry = readLimitedEntry(c_.stretch->text(), layout.maxStretch);
    if (entry.kind == LimitedEntry::Empty)
        return;
    if (entry.kind == LimitedEntry::Invalid) {
        Dialogs::warningCancel(this, entry.message);
        c_.stretch->setFocus();
        return;
    }
    patternData.setValue(SelectedBlock(), layout.stretchOffset, entry.value);
    DrawPatterns();
    if (!loading)
        ShowSettings();
    markChanged();
}

void BlinkPatternEditor::addressClick()
{
    if (loading)
        return;
    ShowSettings();
    DrawPatterns();
}

void BlinkPatternEditor::loopClick()
{
    if (loading)
        return;
    patternData.setBit(SelectedBlock(), patternData.layout().loopBit(), c_.loop->isChecked());
    markChanged();
}

void BlinkPatternEditor::outputClick(int output)
{
    if (loading)
        return;
    patternData.setBit(SelectedBlock(), patternData.layout().usedBit(output),
                       c_.outputs[std::size_t(output)]->isChecked());
    DrawPatterns();
    markChanged();
}

void BlinkPatternEditor::copyClick(int block)
{
    patternData.copyBlock(block, SelectedBlock());
    DrawPatterns();
    ShowSettings();
    markChanged();
}

void BlinkPatternEditor::applyClick()
{
    WritePatterns();
    c_.apply->setEnabled(false);
}

void BlinkPatternEditor::discardClick()
{
    Reload();
    c_.apply->setEnabled(false);
}

void BlinkPatternEditor::stripMouseDown(int, int, int)
{
    painting = true;
}

void BlinkPatternEditor::stripMouseUp(int, int, int)
{
    painting = false;
}

void BlinkPatternEditor::stripMouseMove(int strip, int x, int y)
{
    if (!painting)
        return;
    const int block = SelectedBlock();
    // The width follows the block's count here too: the count edit's handler
    // does not run when a new count reads as the text already shown.
    stepWidth = currentStepWidth();
    const std::optional<int> step = paintedStep(patternData, block, x, stepWidth);
    if (!step)
        return;
    patternData.setBit(block, patternData.layout().stepBit(strip, *step),
                       PatternStrip::paintsOn(y, stripHeight, valueScale));
    DrawPatterns();
    markChanged();
}

bool BlinkPatternEditor::hasUnappliedChanges() const
{
    return c_.apply->isEnabled();
}

void BlinkPatternEditor::applyChanges()
{
    applyClick();
}

void BlinkPatternEditor::discardChanges()
{
    discardClick();
}
