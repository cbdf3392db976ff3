#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"

#include <QGroupBox>
#include <QPushButton>

TFrameBlinkmuster::TFrameBlinkmuster(DecoderSession &session, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameBlinkmuster1"), DesignWidth, DesignHeight, parent)
{
    pnl_blinkmuster = new QWidget(this);
    pnl_blinkmuster->setObjectName(QStringLiteral("pnl_blinkmuster"));
    pnl_blinkmuster->setGeometry(0, 0, DesignWidth, DesignHeight);
    blinkmuster_btn_verwerfen = new QPushButton(QStringLiteral("Verwerfen"), pnl_blinkmuster);
    blinkmuster_btn_verwerfen->setObjectName(QStringLiteral("blinkmuster_btn_verwerfen"));
    blinkmuster_btn_verwerfen->setGeometry(445 - 90, 445, 80, 25);
    blinkmuster_btn_uebernehmen = new QPushButton(QStringLiteral("Übernehmen"), pnl_blinkmuster);
    blinkmuster_btn_uebernehmen->setObjectName(QStringLiteral("blinkmuster_btn_uebernehmen"));
    blinkmuster_btn_uebernehmen->setGeometry(445, 445, 80, 25);
    blinkmuster_btn_uebernehmen->setEnabled(false);
    connect(blinkmuster_btn_uebernehmen, &QPushButton::clicked, this, &TFrameBlinkmuster::blinkmuster_btn_uebernehmenClick);
    connect(blinkmuster_btn_verwerfen, &QPushButton::clicked, this, &TFrameBlinkmuster::blinkmuster_btn_verwerfenClick);
}

void TFrameBlinkmuster::SetUp(int frameWidth)
{
    loading = true;
    resize(frameWidth, height());
    blinkmuster_btn_uebernehmen->setEnabled(false);
    loading = false;
}

void TFrameBlinkmuster::Refresh()
{
}

void TFrameBlinkmuster::blinkmuster_btn_uebernehmenClick()
{
    blinkmuster_btn_uebernehmen->setEnabled(false);
}

void TFrameBlinkmuster::blinkmuster_btn_verwerfenClick()
{
    blinkmuster_btn_uebernehmen->setEnabled(false);
}
