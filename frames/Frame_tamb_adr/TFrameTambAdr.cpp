#include "frames/Frame_tamb_adr/TFrameTambAdr.h"

#include <QGroupBox>
#include <QPushButton>

TFrameTambAdr::TFrameTambAdr(TFormMain *mainWindow) : EditorFrame(mainWindow, QStringLiteral("FrameTambAdr1"), DesignWidth, DesignHeight)
{
    pnl_servo2 = new QWidget(this);
    pnl_servo2->setObjectName(QStringLiteral("pnl_servo2"));
    pnl_servo2->setGeometry(0, 0, DesignWidth, DesignHeight);

}

void TFrameTambAdr::LoadFromImage()
{
}
