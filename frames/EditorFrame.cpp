#include "frames/EditorFrame.h"

#include "app/TFormMain.h"

EditorFrame::EditorFrame(TFormMain *mainWindow, const QString &name, int designWidth, int designHeight)
    : QFrame(mainWindow), mainWindow_(mainWindow)
{
    setObjectName(name);
    resize(designWidth, designHeight);
    hide();
}
