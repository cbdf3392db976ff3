#include "ui/DrawingSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

DrawingSurface::DrawingSurface(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPoint DrawingSurface::pixelAt(const QPointF &position)
{
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

void DrawingSurface::fill(QColor colour)
{
    if (image_.size() != size())
        image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(colour);
}

void DrawingSurface::fillRect(const QRect &area, QRgb colour)
{
    // Straight into the 32-bit rows: a repaint of a pattern editor fills
    // thousands of rectangles.
    const QRect clipped = area & image_.rect();
    if (clipped.isEmpty())
        return;
    uchar *bits = image_.bits();
    const qsizetype rowBytes = image_.bytesPerLine();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(bits + y * rowBytes);
        std::fill(row + clipped.left(), row + clipped.right() + 1, colour);
    }
}

void DrawingSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    // Beyond a smaller image (before the first drawing after a resize) the
    // surface is white.
    if (image_.width() < width())
        painter.fillRect(image_.width(), 0, width() - image_.width(), height(), Qt::white);
    if (image_.height() < height())
        painter.fillRect(0, image_.height(), width(), height() - image_.height(), Qt::white);
}

void DrawingSurface::resizeEvent(QResizeEvent *)
{
    // The drawing so far stays; new parts are white.
    if (image_.size() == size())
        return;
    QImage resized(size(), QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!resized.isNull() && !image_.isNull())
        QPainter(&resized).drawImage(0, 0, image_);
    image_ = resized;
}

void DrawingSurface::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = pixelAt(event->position());
    emit mouseDown(p.x(), p.y());
}

void DrawingSurface::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = pixelAt(event->position());
    emit mouseMove(p.x(), p.y());
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = pixelAt(event->position());
    emit mouseUp(p.x(), p.y());
}
