#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_zusatz/ModesModel.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QWidget;
class UpDown;

// Where the frame puts its controls.
namespace ZusatzView {

// Name and place in the stack of each neon check box, in the order of
// Zusatz::neonBoxes().
struct NeonBoxPlace {
    const char *name;
    int top;
};
const std::array<NeonBoxPlace, Zusatz::NeonBoxCount> &neonBoxPlaces();
// Top of the tip label under the stacked boxes.
constexpr int NeonTipTop = 220;

// Tops inside the mode group and the group's own height and top: the
// explanation, the lock box, the radio buttons and the "Dumm Mode" box are
// stacked in this order, and the group sits 10 above the panel's bottom.
struct ModeGroupGeometry {
    int introTop = 0;
    int bit7Top = 0;
    std::array<int, Zusatz::ModeRadioCount> radioTops{};
    int bit6Top = 0;
    int height = 0;
    int top = 0;
};
struct ModeGroupHeights {
    int intro = 0;
    int bit7 = 0;
    int radio = 0;
    int bit6 = 0;
};
ModeGroupGeometry modeGroupGeometry(const Zusatz::ModeGroup &group, const ModeGroupHeights &heights, int panelHeight);

// The slider row of the fading and speed sliders: title at (16, 50), slider 20
// below it, end labels 3 below the slider's top, the right one right-aligned
// 16 from the panel's right edge, the slider between them with 10 to spare.
struct SliderRowGeometry {
    int titleLeft = 16;
    int titleTop = 50;
    int sliderLeft = 0;
    int sliderTop = 0;
    int sliderWidth = 0;
    int labelsTop = 0;
    int leftLabelLeft = 16;
    int rightLabelLeft = 0;
};
SliderRowGeometry sliderRowGeometry(int panelWidth, int leftLabelWidth, int rightLabelWidth);

} // namespace ZusatzView

// The editor of a decoder's operating mode, times and further byte parameters:
// shows its edit model and passes each user change to it. What it shows
// depends only on the decoder type; every accepted change goes into the EEPROM
// image at once.
class TFrameZusatz : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 320;
    static constexpr int DesignHeight = 691;
    // The mode group's place across the panel; the frame shows 10 beyond it.
    static constexpr int ModeGroupLeft = 10;
    static constexpr int ModeGroupWidth = 300;
    static constexpr int ShownWidth = ModeGroupLeft + ModeGroupWidth + 10;

    TFrameZusatz(DecoderSession &session, QWidget *parent);

    void loadFromSession() override;
    const Zusatz::ModesModel &model() const { return model_; }

    QWidget *pnl_Zusatz = nullptr;
    QLabel *lbl_zusatz = nullptr;
    QLineEdit *edt_zusatz = nullptr;
    UpDown *UpDown_Zusatz = nullptr;
    QLabel *lbl_zusatz2 = nullptr;
    QCheckBox *cbx_weiche_ab = nullptr;
    QLabel *lbl_MindestAnzahl = nullptr;
    QLineEdit *edt_mindestAnzahl = nullptr;
    UpDown *UpDown5 = nullptr;
    QSlider *TrackBar_01 = nullptr;
    QLabel *lbl_trackbar_01 = nullptr;
    QLabel *lbl_trackbar_01_l = nullptr;
    QLabel *lbl_trackbar_01_r = nullptr;
    QSlider *TrackBar_neon_1 = nullptr;
    QSlider *TrackBar_neon_2 = nullptr;
    QLabel *lbl_fNeon_01 = nullptr;
    QLabel *lbl_fNeon_02 = nullptr;
    QLabel *lbl_fNeon_03 = nullptr;
    // The neon check boxes in the order of the bit table: cbx_led_neon_1 .. _5, _7, _8.
    std::array<QCheckBox *, Zusatz::NeonBoxCount> neonBox{};
    QCheckBox *cbx_led_neon_1 = nullptr;
    QCheckBox *cbx_led_neon_2 = nullptr;
    QCheckBox *cbx_led_neon_3 = nullptr;
    QCheckBox *cbx_led_neon_4 = nullptr;
    QCheckBox *cbx_led_neon_5 = nullptr;
    QCheckBox *cbx_led_neon_7 = nullptr;
    QCheckBox *cbx_led_neon_8 = nullptr;
    QLabel *lbl_led_neon_1 = nullptr;
    QGroupBox *group_mode = nullptr;
    QLabel *lbl_mode = nullptr;
    std::array<QRadioButton *, Zusatz::ModeRadioCount> rad_mode{};
    QCheckBox *cbx_mode_bit6 = nullptr;
    QCheckBox *cbx_mode_bit7 = nullptr;

    std::array<QLabel *, Zusatz::ExtraFieldCount> extra_lbl{};
    std::array<QLineEdit *, Zusatz::ExtraFieldCount> extra_edt{};

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void makeValueControls();
    void makeMinimumCount();
    void makeSpeedSlider();
    void makeNeonSliders();
    void makeNeonBoxes();
    void makeModeGroup();
    void makeExtras();
    bool makeGroups(const Zusatz::Layout *layout);
    QList<QWidget *> designOrder() const;
    void keepDesignOrder();
    // Writes every control from the model, with the controls' signals blocked,
    // so that showing never runs a change handler.
    void showModel();
    void showValueField(const Zusatz::Layout *layout);
    void showModeGroup(const Zusatz::Layout *layout);
    void showSpeedSlider(const Zusatz::Layout *layout);
    void showNeonSliders(const Zusatz::Layout *layout);
    void showNeonBoxes(const Zusatz::Layout *layout);
    void showExtras();
    void layOutModeGroup(const Zusatz::ModeGroup &group);
    void checkModeRadio(std::optional<int> index);
    // A typed text: a refusal is shown, then the edit shows what the image holds.
    void takeEntry(QLineEdit *edit, const TypedEntry<int> &entry, int stored);
    void showStored(QLineEdit *edit, int stored);

    // The two explanations get their height the first time they are shown:
    // measuring them loads their smaller font, which most types never show.
    void fitExplanationHeight(QLabel *explanation, bool &fitted);
    bool modeExplanationFitted_ = false;
    bool neonExplanationFitted_ = false;

    Zusatz::ModesModel model_;
};
