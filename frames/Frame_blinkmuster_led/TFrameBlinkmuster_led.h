#pragma once
#include "frames/Frame_blinkmuster/BlinkPatternEditor.h"

#include <array>

class PatternImage;
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
class TFrameBlinkmuster_led : public BlinkPatternEditor {
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
    std::array<PatternImage *, Outputs> Image_led_Blink{};
    std::array<QCheckBox *, Outputs> led_blinkmuster_cbx_out{};
    QLabel *Label41 = nullptr;
    std::array<QPushButton *, 4> led_blinkmuster_btn_copy{};
    QPushButton *led_blinkmuster_btn_verwerfen = nullptr;
    QPushButton *led_blinkmuster_btn_uebernehmen = nullptr;

    void SetUp(int frameWidth);
    void loadFromSession() override;

    void led_blinkmuster_edt_AnzahlChange() { countChange(); }
    void led_blinkmuster_edt_stretchChange() { stretchChange(); }
    void led_blinkmuster_rad_axClick() { addressClick(); }
    void led_blinkmuster_cbx_loopClick() { loopClick(); }
    // One handler for the ten output boxes; output is 0..9.
    void led_blinkmuster_cbx_outsClick(int output) { outputClick(output); }
    void led_blinkmuster_btn_copy1Click() { copyClick(0); }
    void led_blinkmuster_btn_copy2Click() { copyClick(1); }
    void led_blinkmuster_btn_copy3Click() { copyClick(2); }
    void led_blinkmuster_btn_copy4Click() { copyClick(3); }
    // Writes the working copy into the image.
    void led_blinkmuster_btn_uebernehmenClick() { applyClick(); }
    // Reloads the working copy from the image.
    void led_blinkmuster_btn_verwerfenClick() { discardClick(); }
    void Image_led_BlinkxMouseDown(int strip, int x, int y) { stripMouseDown(strip, x, y); }
    void Image_led_BlinkxMouseMove(int strip, int x, int y) { stripMouseMove(strip, x, y); }
    void Image_led_BlinkxMouseUp(int strip, int x, int y) { stripMouseUp(strip, x, y); }

private:
    // Places the address buttons, the loop box, the edits and labels in a row,
    // and the copy buttons beside the discard button.
    void arrangeRows();
};
