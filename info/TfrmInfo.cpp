#include "info/TfrmInfo.h"

#include "app/TFormMain.h"

TfrmInfo::TfrmInfo(TFormMain *mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("HEX File Information"));
    resize(750, 700);
}
