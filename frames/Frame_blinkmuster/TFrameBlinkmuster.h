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

// The blink pattern editor of the four-output blink decoder: four patterns of
// up to 50 steps in the table at program words 0x300..0x3FF.
class TFrameBlinkmuster : public BlinkPatternView {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 540;
    static constexpr int DesignHeight = 485;

    TFrameBlinkmuster(DecoderSession &session, QWidget *parent);

    QWidget *pnl_blinkmuster = nullptr;
    QGroupBox *RadioGroup2 = nullptr;
    std::array<QRadioButton *, 4> blinkmuster_rad_a{}; // "Adresse 1" .. "Adresse 4"
    QCheckBox *blinkmuster_cbx_loop = nullptr;
    QLabel *Label7 = nullptr;
    QLineEdit *blinkmuster_edt_stretch = nullptr;
    UpDown *UpDown4 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *blinkmuster_edt_Anzahl = nullptr;
    UpDown *UpDown3 = nullptr;
    QLabel *blinkmuster_lbl_KurveInfo1 = nullptr;
    QLabel *blinkmuster_lbl_KurveInfo2 = nullptr;
    std::array<QLabel *, 4> Label_out{}; // Label8 .. Label11, "Out#1" .. "Out#4"
    std::array<DrawingSurface *, 4> Image_Blink{};
    std::array<QCheckBox *, 4> blinkmuster_cbx_out{};
    QLabel *Label12 = nullptr;
    std::array<QPushButton *, 4> blinkmuster_btn_copy{};
    QPushButton *blinkmuster_btn_verwerfen = nullptr;
    QPushButton *blinkmuster_btn_uebernehmen = nullptr;
    QPushButton *blinkmuster_btn_play = nullptr; // "Abspielen" / "Stopp"
};
