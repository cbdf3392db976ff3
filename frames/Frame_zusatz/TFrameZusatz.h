#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_zusatz/ZusatzRules.h"

#include <array>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QWidget;
class UpDown;

// The editor of a decoder's operating mode, times and further byte parameters.
// What it shows depends only on the decoder type; every accepted change goes
// into the EEPROM image at once.
class TFrameZusatz : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 320;
    static constexpr int DesignHeight = 691;

    TFrameZusatz(DecoderSession &session, QWidget *parent);

    // Every control back to the neutral state.
    void PrepareFrame();
    // Reads the image and sets up and fills the type's controls.
    void LoadFromImage();
    void loadFromSession() override;

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
    std::array<int, Zusatz::ExtraFieldCount> extra_pos{};
    int extra_count = 0;
    int zusatz_value = 0;
    int zusatz_min = Zusatz::NeutralMin;
    int zusatz_max = Zusatz::NeutralMax;

    // Change handlers.
    void rad_modexClick(std::optional<int> radioIndex);
    void cbx_weiche_abClick();
    void edt_zusatzChange();
    void edt_mindestAnzahlChange();
    void TrackBar_01Change();
    void TrackBar_neon_1Change();
    void TrackBar_neon_2Change();
    void cbx_led_neon_x_Click();
    void ExtraValueChange(int k);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void applyLayout(const Zusatz::Layout &layout, int &extraFields);
    void showSliderRow();
    void showNeonSliders();
    void layOutModeGroup(const Zusatz::ModeGroup &group);
    void checkModeRadio(std::optional<int> index);
    void neonSliderChange(QSlider *slider, int eepromIndex);
    void writeByte(int index, int value);
};
