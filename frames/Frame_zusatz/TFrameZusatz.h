#pragma once
#include "frames/EditorFrame.h"

class QGroupBox;
class QPushButton;
class QWidget;

class TFrameZusatz : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 320;
    static constexpr int DesignHeight = 691;

    TFrameZusatz(DecoderSession &session, QWidget *parent);

    QWidget *pnl_Zusatz = nullptr;
    QGroupBox *group_mode = nullptr;
    void PrepareFrame();
    void LoadFromImage();
};
