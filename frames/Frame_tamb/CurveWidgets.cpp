#include "frames/Frame_tamb/CurveWidgets.h"

ImageSurface::ImageSurface(const QString &name, int x, int y, int width, int height, QWidget *parent)
    : DrawingSurface(parent), picture(image())
{
    setObjectName(name);
    picture = QImage(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    setGeometry(x, y, width, height);
    setCursor(Qt::CrossCursor);
}
