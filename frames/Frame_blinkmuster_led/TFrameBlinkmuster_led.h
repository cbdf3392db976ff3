#pragma once
#include "frames/EditorFrame.h"

class QGroupBox;
class QPushButton;
class QWidget;

class TFrameBlinkmuster_led : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 540;
    static constexpr int DesignHeight = 570;

    TFrameBlinkmuster_led(DecoderSession &session, QWidget *parent);

    QWidget *pnl_led_blinkmuster = nullptr;
    QPushButton *led_blinkmuster_btn_verwerfen = nullptr;
    QPushButton *led_blinkmuster_btn_uebernehmen = nullptr;
    // Writes the working copy into the image.
    void led_blinkmuster_btn_uebernehmenClick();
    // Reloads the working copy from the image.
    void led_blinkmuster_btn_verwerfenClick();
    void SetUp(int frameWidth);
    void Refresh();
};
