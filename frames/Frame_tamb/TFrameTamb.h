#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_tamb/CurveRecords.h"

class QGroupBox;
class QPushButton;
class QWidget;
class TFrameTambAdr;

class TFrameTamb : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 550;
    static constexpr int DesignHeight = 570;

    TFrameTamb(DecoderSession &session, QWidget *parent);

    // The working copy of the four curve records, shared with the servo address frame.
    CurveRecords curveData;
    // Grid choices; the main window keeps them in the settings file.
    int rasterX = 0;
    int rasterY = 0;

    // The servo address frame: its changes enable "übernehmen", which also
    // stores its pulse bytes.
    void setAddressFrame(TFrameTambAdr *frame);

    QWidget *pnl_servo = nullptr;
    QPushButton *servo_btn_verwerfen = nullptr;
    QPushButton *servo_btn_uebernehmen = nullptr;
    // Writes the working copy into the image.
    void servo_btn_uebernehmenClick();
    // Reloads the working copy from the image.
    void servo_btn_verwerfenClick();
    void LoadFromImage();

signals:
    void rasterChanged(int x, int y);

private:
    TFrameTambAdr *addressFrame_ = nullptr;
};
