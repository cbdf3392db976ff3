#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_tamb/CurveRecords.h"

#include <array>

class QGroupBox;
class QPushButton;
class QWidget;

// Address rows, option bits and pulse times of the servo decoders. The rows and
// options live in the curve editor's working copy; the pulse times are this
// frame's own until the curve editor applies them.
class TFrameTambAdr : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 405;
    static constexpr int DesignHeight = 525;

    // curveData: the curve editor's working copy, shared with it.
    TFrameTambAdr(DecoderSession &session, CurveRecords &curveData, QWidget *parent);

    QWidget *pnl_servo2 = nullptr;

    void LoadFromImage();
    // Shows the options, assignments and pulse times of the working copy
    // without running any change handler.
    void RefreshControls();
    // The eight EEPROM values for 0x60..0x67: offset and span of servo 1..4.
    std::array<int, 8> pulseBytes() const;

signals:
    // Every change the user makes here; the curve editor enables its apply button.
    void valuesChanged();

private:
    CurveRecords &curveData_;
    std::array<int, 4> pulse_offset{};
    std::array<int, 4> pulse_span{};
};
