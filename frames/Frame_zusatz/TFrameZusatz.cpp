#include "frames/Frame_zusatz/TFrameZusatz.h"

#include <QGroupBox>
#include <QPushButton>

TFrameZusatz::TFrameZusatz(DecoderSession &session, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameZusatz1"), DesignWidth, DesignHeight, parent)
{
    pnl_Zusatz = new QWidget(this);
    pnl_Zusatz->setObjectName(QStringLiteral("pnl_Zusatz"));
    pnl_Zusatz->setGeometry(0, 0, DesignWidth, DesignHeight);
    group_mode = new QGroupBox(pnl_Zusatz);
    group_mode->setObjectName(QStringLiteral("group_mode"));
    group_mode->setGeometry(10, 100, 300, 200);
    group_mode->hide();
}

void TFrameZusatz::PrepareFrame()
{
    group_mode->hide();
    group_mode->move(10, 100);
}

void TFrameZusatz::LoadFromImage()
{
}
