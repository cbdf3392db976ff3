#pragma once
#include "frames/EditorFrame.h"

class QGroupBox;
class QPushButton;
class QWidget;

class TFrameRegister : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 940;
    static constexpr int DesignHeight = 571;

    TFrameRegister(DecoderSession &session, QWidget *parent);

    QWidget *pnl_cv = nullptr;

    void PrepareFrame();
    void LoadFromImage();
};
