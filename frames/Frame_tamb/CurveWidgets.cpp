#include "frames/Frame_tamb/CurveWidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

ImageSurface::ImageSurface(const QString &name, int x, int y, int width, int height, QWidget *parent)
    : QWidget(parent), picture(width, height, QImage::Format_RGB32)
{
    setObjectName(name);
    setGeometry(x, y, width, height);
    setCursor(Qt::CrossCursor);
    picture.fill(Qt::white);
}

void ImageSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

void ImageSurface::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    emit mouseDown(p.x(), p.y());
}

void ImageSurface::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    emit mouseMove(p.x(), p.y());
}

void ImageSurface::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    emit mouseUp(p.x(), p.y());
}
