#include "frames/Frame_register/TFrameRegister.h"

#include <QGroupBox>
#include <QPushButton>

TFrameRegister::TFrameRegister(DecoderSession &session, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameRegister1"), DesignWidth, DesignHeight, parent)
{
    pnl_cv = new QWidget(this);
    pnl_cv->setObjectName(QStringLiteral("pnl_cv"));
    pnl_cv->setGeometry(0, 0, DesignWidth, DesignHeight);

}

void TFrameRegister::PrepareFrame()
{
}

void TFrameRegister::LoadFromImage()
{
}
