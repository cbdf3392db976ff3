#pragma once
#include "frames/EditorFrame.h"

class QGroupBox;
class QPushButton;
class QWidget;

class TFrameTambAdr : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 405;
    static constexpr int DesignHeight = 525;

    explicit TFrameTambAdr(TFormMain *mainWindow);

    QWidget *pnl_servo2 = nullptr;

    void LoadFromImage();
};
