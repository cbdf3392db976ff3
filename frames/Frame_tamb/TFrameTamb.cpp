#include "frames/Frame_tamb/TFrameTamb.h"

#include <QGroupBox>
#include <QPushButton>

TFrameTamb::TFrameTamb(TFormMain *mainWindow) : EditorFrame(mainWindow, QStringLiteral("FrameTamb1"), DesignWidth, DesignHeight)
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

void TFrameTamb::LoadFromImage()
{
    servo_btn_uebernehmen->setEnabled(false);
}

void TFrameTamb::servo_btn_uebernehmenClick()
{
    servo_btn_uebernehmen->setEnabled(false);
}

void TFrameTamb::servo_btn_verwerfenClick()
{
    servo_btn_uebernehmen->setEnabled(false);
}
