#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_blinkmuster/BlinkPatterns.h"

#include <array>
#include <vector>

class PatternImage;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the two blink pattern editors share: a working copy of a pattern table
// in the firmware's program memory, four addresses with one pattern each,
// strips painted with the mouse, count and stretch edits, loop and output check
// boxes, copy buttons and apply / discard. Each editor creates its own
// controls under its own names and hands them over with connectControls().
class BlinkPatternEditor : public EditorFrame {
    Q_OBJECT

public:
    PatternTable patternData;
    bool painting = false;
    float valueScale = 0.0f;
    float stepWidth = 0.0f;
    int stripHeight = 0;

    // Block 0..3 of the checked address button.
    int SelectedBlock() const;

    void ReadPatterns();
    void WritePatterns();
    void ShowSettings();
    void DrawPatterns();
    void Reload();
    // Shows the settings and the patterns of a freshly set up frame.
    void Refresh();

    bool hasUnappliedChanges() const override;
    void applyChanges() override;
    void discardChanges() override;

protected:
    struct Controls {
        std::array<QRadioButton *, 4> addresses{};
        QCheckBox *loop = nullptr;
        QLineEdit *count = nullptr;
        QLineEdit *stretch = nullptr;
        QLabel *stepTime = nullptr;
        QLabel *totalTime = nullptr;
        std::vector<PatternImage *> strips;
        std::vector<QCheckBox *> outputs;
        std::array<QPushButton *, 4> copy{};
        QPushButton *discard = nullptr;
        QPushButton *apply = nullptr;
    };
    enum class BoxBottom { BelowStrip, StripBottom };

    BlinkPatternEditor(DecoderSession &session, const PatternLayout &layout, const QString &name, int designWidth,
                       int designHeight, QWidget *parent);

    // Takes the editor's controls and connects them to the shared handlers.
    // boxBottom: where step boxes end; stretchWaitsForLoading: the stretch
    // edit's handler does nothing while loading.
    void connectControls(const Controls &controls, BoxBottom boxBottom, bool stretchWaitsForLoading);
    const Controls &controls() const { return c_; }

    // Strip scales from the height of strip 1; all strips get the width
    // frameWidth - left of strip 1 - 10.
    void fitStrips(int frameWidth);

    void countChange();
    void stretchChange();
    void addressClick();
    void loopClick();
    void outputClick(int output);
    void copyClick(int block);
    void applyClick();
    void discardClick();
    void stripMouseDown(int strip, int x, int y);
    void stripMouseMove(int strip, int x, int y);
    void stripMouseUp(int strip, int x, int y);

private:
    // Pixels per step of the selected block, from its (limited) count.
    float currentStepWidth() const;
    void markChanged();

    Controls c_;
    BoxBottom boxBottom_ = BoxBottom::BelowStrip;
    bool stretchWaitsForLoading_ = false;
};
