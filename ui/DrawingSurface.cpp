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

namespace {

// Straight into the 32-bit rows: a repaint of a pattern editor fills
// thousands of rectangles. The area lies within the image.
void fillClipped(uchar *bits, qsizetype rowBytes, const QRect &area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(bits + y * rowBytes);
        std::fill(row + area.left(), row + area.right() + 1, colour);
    }
}

} // namespace

void DrawingSurface::fillRect(const QRect &area, QRgb colour)
{
    const QRect clipped = area & image_.rect();
    if (!clipped.isEmpty())
        fillClipped(image_.bits(), image_.bytesPerLine(), clipped, colour);
}

void DrawingSurface::fillBox(const QRect &box, QRgb border, QRgb inside)
{
    const QRect bounds = image_.rect();
    const QRect outline = box & bounds;
    if (outline.isEmpty())
        return;
    uchar *bits = image_.bits();
    const qsizetype rowBytes = image_.bytesPerLine();
    fillClipped(bits, rowBytes, outline, border);
    const QRect within =
        QRect(QPoint(box.left() + 1, box.top() + 1), QPoint(box.right() - 1, box.bottom() - 1)) & bounds;
    if (!within.isEmpty())
        fillClipped(bits, rowBytes, within, inside);
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
