#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_blinkmuster/BlinkModel.h"

#include <array>
#include <vector>

class DrawingSurface;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the two blink pattern editors share: a view over a BlinkModel with
// four address buttons, strips painted with the mouse, count and stretch
// edits, loop and output check boxes, copy buttons and apply / discard. Each
// editor creates its own controls under its own names and hands them over with
// connectControls(). The controls are written only with their signals blocked,
// so their change handlers run for the user's input alone.
class BlinkPatternView : public EditorFrame {
    Q_OBJECT

    // First, as patternData refers into it.
    BlinkModel model_;

public:
    // The model's working copy of the table.
    const PatternTable &patternData;
    bool painting = false;
    // The strips' drawing scales, from strip 1.
    float valueScale = 0.0f;
    float stepWidth = 0.0f;
    int stripHeight = 0;

    ~BlinkPatternView() override;

    BlinkModel &model() { return model_; }

    // Draws the selected block's pattern onto the strips.
    void DrawPatterns();

    void loadFromSession() override;
    bool hasUnappliedChanges() const override { return model_.hasChanges(); }
    void applyChanges() override;
    void discardChanges() override;
    std::shared_ptr<const FrameState> workingCopy() const override;
    void restoreWorkingCopy(const FrameState &state) override;

protected:
    struct Controls {
        std::array<QRadioButton *, 4> addresses{};
        QCheckBox *loop = nullptr;
        QLineEdit *count = nullptr;
        QLineEdit *stretch = nullptr;
        QLabel *stepTime = nullptr;
        QLabel *totalTime = nullptr;
        std::vector<DrawingSurface *> strips;
        std::vector<QCheckBox *> outputs;
        std::array<QPushButton *, 4> copy{};
        QPushButton *discard = nullptr;
        QPushButton *apply = nullptr;
    };
    enum class BoxBottom { BelowStrip, StripBottom };

    BlinkPatternView(DecoderSession &session, const PatternLayout &layout, const QString &name, int designWidth,
                     int designHeight, QWidget *parent);

    // Takes the editor's controls and connects them to the model.
    // boxBottom: where step boxes end.
    void connectControls(const Controls &controls, BoxBottom boxBottom);

    // Strip scales from the height of strip 1; all strips get the width
    // frameWidth - left of strip 1 - 10.
    void fitStrips(int frameWidth);
    // Places the controls for the frame's width before it is loaded.
    virtual void arrangeControls() {}

private:
    // Writes the edits, boxes, buttons and labels from the model.
    void showSettings();
    // Shows the settings and the strips and whether changes wait.
    void showModel();
    void showChanged();
    void typed(QLineEdit *edit, const TypedEntry<int> &entry);
    void showStored(QLineEdit *edit, int stored);

    void stripMouseMove(int strip, int x, int y);

    Controls c_;
    BoxBottom boxBottom_ = BoxBottom::BelowStrip;
};
