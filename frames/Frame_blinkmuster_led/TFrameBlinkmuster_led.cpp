#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"

#include <QGroupBox>
#include <QPushButton>

TFrameBlinkmuster_led::TFrameBlinkmuster_led(DecoderSession &session, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameBlinkmuster_led1"), DesignWidth, DesignHeight, parent)
{
    pnl_led_blinkmuster = new QWidget(this);
    pnl_led_blinkmuster->setObjectName(QStringLiteral("pnl_led_blinkmuster"));
    pnl_led_blinkmuster->setGeometry(0, 0, DesignWidth, DesignHeight);
    led_blinkmuster_btn_verwerfen = new QPushButton(QStringLiteral("Verwerfen"), pnl_led_blinkmuster);
    led_blinkmuster_btn_verwerfen->setObjectName(QStringLiteral("led_blinkmuster_btn_verwerfen"));
    led_blinkmuster_btn_verwerfen->setGeometry(445 - 90, 530, 80, 25);
    led_blinkmuster_btn_uebernehmen = new QPushButton(QStringLiteral("Übernehmen"), pnl_led_blinkmuster);
    led_blinkmuster_btn_uebernehmen->setObjectName(QStringLiteral("led_blinkmuster_btn_uebernehmen"));
    led_blinkmuster_btn_uebernehmen->setGeometry(445, 530, 80, 25);
    led_blinkmuster_btn_uebernehmen->setEnabled(false);
    connect(led_blinkmuster_btn_uebernehmen, &QPushButton::clicked, this, &TFrameBlinkmuster_led::led_blinkmuster_btn_uebernehmenClick);
    connect(led_blinkmuster_btn_verwerfen, &QPushButton::clicked, this, &TFrameBlinkmuster_led::led_blinkmuster_btn_verwerfenClick);
}

void TFrameBlinkmuster_led::SetUp(int frameWidth)
{
    loading = true;
    resize(frameWidth, height());
    led_blinkmuster_btn_uebernehmen->setEnabled(false);
    loading = false;
}

void TFrameBlinkmuster_led::Refresh()
{
}

void TFrameBlinkmuster_led::led_blinkmuster_btn_uebernehmenClick()
{
    led_blinkmuster_btn_uebernehmen->setEnabled(false);
}

void TFrameBlinkmuster_led::led_blinkmuster_btn_verwerfenClick()
{
    led_blinkmuster_btn_uebernehmen->setEnabled(false);
}
