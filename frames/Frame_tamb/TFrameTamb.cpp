#include "frames/Frame_tamb/TFrameTamb.h"

#include "frames/Frame_tamb_adr/TFrameTambAdr.h"
#include "image/HexByte.h"

#include <QGroupBox>
#include <QPushButton>

TFrameTamb::TFrameTamb(DecoderSession &session, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameTamb1"), DesignWidth, DesignHeight, parent)
{
    pnl_servo = new QWidget(this);
    pnl_servo->setObjectName(QStringLiteral("pnl_servo"));
    pnl_servo->setGeometry(0, 0, DesignWidth, DesignHeight);
    servo_btn_verwerfen = new QPushButton(QStringLiteral("verwerfen"), pnl_servo);
    servo_btn_verwerfen->setObjectName(QStringLiteral("servo_btn_verwerfen"));
    servo_btn_verwerfen->setGeometry(455 - 90, 530, 80, 25);
    servo_btn_uebernehmen = new QPushButton(QStringLiteral("übernehmen"), pnl_servo);
    servo_btn_uebernehmen->setObjectName(QStringLiteral("servo_btn_uebernehmen"));
    servo_btn_uebernehmen->setGeometry(455, 530, 80, 25);
    servo_btn_uebernehmen->setEnabled(false);
    connect(servo_btn_uebernehmen, &QPushButton::clicked, this, &TFrameTamb::servo_btn_uebernehmenClick);
    connect(servo_btn_verwerfen, &QPushButton::clicked, this, &TFrameTamb::servo_btn_verwerfenClick);
}

void TFrameTamb::setAddressFrame(TFrameTambAdr *frame)
{
    addressFrame_ = frame;
    connect(frame, &TFrameTambAdr::valuesChanged, this, [this] { servo_btn_uebernehmen->setEnabled(true); });
}

void TFrameTamb::LoadFromImage()
{
    curveData = CurveRecords::read(image());
    if (addressFrame_)
        addressFrame_->RefreshControls();
    servo_btn_uebernehmen->setEnabled(false);
}

void TFrameTamb::servo_btn_uebernehmenClick()
{
    curveData.write(image());
    if (addressFrame_) {
        const std::array<int, 8> pulses = addressFrame_->pulseBytes();
        for (std::size_t k = 0; k < pulses.size(); ++k)
            image().eeprom[0x60 + k] = hexByte(pulses[k]);
    }
    servo_btn_uebernehmen->setEnabled(false);
}

void TFrameTamb::servo_btn_verwerfenClick()
{
    curveData = CurveRecords::read(image());
    if (addressFrame_)
        addressFrame_->RefreshControls();
    servo_btn_uebernehmen->setEnabled(false);
}
