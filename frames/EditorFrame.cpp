#include "frames/EditorFrame.h"

EditorFrame::EditorFrame(DecoderSession &session, const QString &name, int designWidth, int designHeight,
                         QWidget *parent)
    : QFrame(parent), session_(session)
{
    setObjectName(name);
    resize(designWidth, designHeight);
    hide();
}
