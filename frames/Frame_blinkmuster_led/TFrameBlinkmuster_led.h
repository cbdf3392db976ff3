#pragma once
#include "frames/Frame_blinkmuster/BlinkPatternView.h"

#include <array>

class DrawingSurface;
class UpDown;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The blink pattern editor of the LED decoder: four patterns of up to 100 steps
// over ten outputs, in the table at program words 0x300..0x6FF.
class TFrameBlinkmuster_led : public BlinkPatternView {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 540;
    static constexpr int DesignHeight = 570;
    static constexpr int Outputs = 10;

    TFrameBlinkmuster_led(DecoderSession &session, QWidget *parent);

    QWidget *pnl_led_blinkmuster = nullptr;
    QGroupBox *RadioGroup3 = nullptr;
    std::array<QRadioButton *, 4> led_blinkmuster_rad_a{}; // "Adresse 1" .. "Adresse 4"
    QCheckBox *led_blinkmuster_cbx_loop = nullptr;
    QLabel *led_blinkmuster_lbl_stretch = nullptr;
    QLineEdit *led_blinkmuster_edt_stretch = nullptr;
    UpDown *UpDown10 = nullptr;
    QLabel *led_blinkmuster_lbl_Anzahl = nullptr;
    QLineEdit *led_blinkmuster_edt_Anzahl = nullptr;
    UpDown *UpDown9 = nullptr;
    QLabel *led_blinkmuster_lbl_KurveInfo1 = nullptr;
    QLabel *led_blinkmuster_lbl_KurveInfo2 = nullptr;
    std::array<QLabel *, Outputs> led_blinkmuster_lbl_out{}; // "Out#1" .. "Out#10"
    std::array<DrawingSurface *, Outputs> Image_led_Blink{};
    std::array<QCheckBox *, Outputs> led_blinkmuster_cbx_out{};
    QLabel *Label41 = nullptr;
    std::array<QPushButton *, 4> led_blinkmuster_btn_copy{};
    QPushButton *led_blinkmuster_btn_verwerfen = nullptr;
    QPushButton *led_blinkmuster_btn_uebernehmen = nullptr;
    QPushButton *led_blinkmuster_btn_play = nullptr; // "Abspielen" / "Stopp"

private:
    // Places the address buttons, the loop box, the edits and labels in a row,
    // and the copy buttons beside the discard button.
    void arrangeControls() override;
};
