#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_blinkmuster/BlinkModel.h"

#include <array>
#include <functional>
#include <vector>

class DrawingSurface;
class Playback;
class PlaybackLamp;
class PlaybackStepFrame;
class UpDown;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the two blink pattern editors share: a view over a BlinkModel with
// four address buttons, strips painted with the mouse, count and stretch
// edits, loop and output check boxes, copy buttons and apply / discard. Each
// editor makes the controls both have with makeControls() from its own design,
// adds its strips and output boxes, and hands them over with connectControls().
// The controls are written only with their signals blocked,
// so their change handlers run for the user's input alone.
class BlinkPatternView : public EditorFrame {
    Q_OBJECT

    BlinkModel model_;

public:
    bool painting = false;
    // Where the stroke stands: the press, then each position the mouse moved to.
    QPoint strokeAt;
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
    void restoreWorkingCopyAsShown(const FrameState &state) override;
    bool playAt(qint64 ms) override;

    // Plays the shown address's pattern on lamps beside the strips.
    Playback &playback() { return *playback_; }
    // The lamps of the outputs, made at the first play; empty before.
    const std::vector<PlaybackLamp *> &lamps() const { return lamps_; }

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
        QPushButton *play = nullptr;
    };
    enum class BoxBottom { BelowStrip, StripBottom };

    // Where an editor puts the controls both editors have, and the names they
    // differ in. The address buttons start at (10, 20) in their group; each
    // edit has its arrows right beside it; the copy buttons follow each other
    // at the pitch; discard and apply sit at the right, at buttonsTop.
    struct Design {
        QString prefix; // of the names both editors form alike: "blinkmuster_", "led_blinkmuster_"
        QString groupName;
        QRect group;
        QPoint addressPitch;
        QRect loop;
        QString stretchLabelName;
        QRect stretchLabel;
        QRect stretchEdit;
        QString stretchArrowsName;
        QString countLabelName;
        QRect countLabel;
        QRect countEdit;
        QString countArrowsName;
        QRect stepTime;
        QRect totalTime;
        QString copyLabelName;
        QRect copyLabel;
        QRect firstCopy;
        int copyPitch = 0;
        int buttonsTop = 0;
        QRect play; // the play/stop button, where the design left room
    };
    struct MadeControls {
        Controls controls; // without strips and outputs
        QWidget *panel = nullptr;
        QGroupBox *group = nullptr;
        QLabel *stretchLabel = nullptr;
        UpDown *stretchArrows = nullptr;
        QLabel *countLabel = nullptr;
        UpDown *countArrows = nullptr;
        QLabel *copyLabel = nullptr;
    };
    // Makes the panel "pnl_" + prefix over the whole frame and on it the
    // controls of the design, in the order of the design: makeStrips adds the
    // editor's strips and output boxes after the edits, before the buttons.
    MadeControls makeControls(const Design &design, const std::function<void(QWidget *panel)> &makeStrips);

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

    // Shows the outputs `ms` after the start on the lamps; true when a pattern
    // without loop has played to its end.
    bool showPlaybackAt(qint64 ms);
    void makeLamps();
    // Another address or file: playback ends and its lamps go.
    void endPlayback();

    Controls c_;
    Playback *playback_ = nullptr;
    std::vector<PlaybackLamp *> lamps_;
    std::vector<PlaybackStepFrame *> stepFrames_;
    BoxBottom boxBottom_ = BoxBottom::BelowStrip;
};
