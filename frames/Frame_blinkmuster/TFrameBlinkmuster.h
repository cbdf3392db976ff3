#pragma once
#include "frames/EditorFrame.h"

class QGroupBox;
class QPushButton;
class QWidget;

class TFrameBlinkmuster : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 540;
    static constexpr int DesignHeight = 485;

    TFrameBlinkmuster(DecoderSession &session, QWidget *parent);

    QWidget *pnl_blinkmuster = nullptr;
    QPushButton *blinkmuster_btn_verwerfen = nullptr;
    QPushButton *blinkmuster_btn_uebernehmen = nullptr;
    // Writes the working copy into the image.
    void blinkmuster_btn_uebernehmenClick();
    // Reloads the working copy from the image.
    void blinkmuster_btn_verwerfenClick();
    void SetUp(int frameWidth);
    void Refresh();
};
