#include "frames/Frame_tamb_adr/TFrameTambAdr.h"

#include "image/HexByte.h"

#include <QGroupBox>
#include <QPushButton>

TFrameTambAdr::TFrameTambAdr(DecoderSession &session, CurveRecords &curveData, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameTambAdr1"), DesignWidth, DesignHeight, parent), curveData_(curveData)
{
    pnl_servo2 = new QWidget(this);
    pnl_servo2->setObjectName(QStringLiteral("pnl_servo2"));
    pnl_servo2->setGeometry(0, 0, DesignWidth, DesignHeight);
}

void TFrameTambAdr::LoadFromImage()
{
    for (int servo = 0; servo < 4; ++servo) {
        pulse_offset[servo] = HexByteValue(image().eeprom[0x60 + 2 * servo]);
        pulse_span[servo] = HexByteValue(image().eeprom[0x61 + 2 * servo]);
    }
    RefreshControls();
}

void TFrameTambAdr::RefreshControls()
{
}

std::array<int, 8> TFrameTambAdr::pulseBytes() const
{
    std::array<int, 8> bytes{};
    for (std::size_t servo = 0; servo < 4; ++servo) {
        bytes[2 * servo] = pulse_offset[servo];
        bytes[2 * servo + 1] = pulse_span[servo];
    }
    return bytes;
}
