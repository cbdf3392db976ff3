#pragma once
#include "frames/EditorFrame.h"

class QGroupBox;
class QPushButton;
class QWidget;

class TFrameTamb : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 550;
    static constexpr int DesignHeight = 570;

    explicit TFrameTamb(TFormMain *mainWindow);

    QWidget *pnl_servo = nullptr;
    QPushButton *servo_btn_verwerfen = nullptr;
    QPushButton *servo_btn_uebernehmen = nullptr;
    // Writes the working copy into the image.
    void servo_btn_uebernehmenClick();
    // Reloads the working copy from the image.
    void servo_btn_verwerfenClick();
    void LoadFromImage();
};
