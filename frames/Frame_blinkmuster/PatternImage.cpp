#include "frames/Frame_blinkmuster/PatternImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

QPoint pixelOf(const QMouseEvent *event)
{
    const QPointF p = event->position();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

} // namespace

PatternImage::PatternImage(int strip, QWidget *parent) : QWidget(parent), strip_(strip)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PatternImage::fill(QColor colour)
{
    if (image_.size() != size())
        image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(colour);
}

void PatternImage::drawBox(const PatternStrip::Box &box)
{
    // Straight into the 32-bit rows: a repaint draws up to a thousand boxes.
    const QRect bounds(0, 0, image_.width(), image_.height());
    const QRect outline = QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1)) & bounds;
    if (outline.isEmpty())
        return;
    uchar *bits = image_.bits();
    const qsizetype rowBytes = image_.bytesPerLine();
    const auto fill = [bits, rowBytes](const QRect &area, QRgb colour) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(bits + y * rowBytes);
            std::fill(row + area.left(), row + area.right() + 1, colour);
        }
    };
    fill(outline, qRgb(0, 0, 0));
    const QRect inside = QRect(QPoint(box.left + 1, box.top + 1), QPoint(box.right - 2, box.bottom - 2)) & bounds;
    if (!inside.isEmpty())
        fill(inside, qRgb(255, 0, 0));
}

void PatternImage::paintEvent(QPaintEvent *)
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

void PatternImage::resizeEvent(QResizeEvent *)
{
    // The drawing so far stays; new parts are white.
    if (image_.size() == size())
        return;
    QImage resized(size(), QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!resized.isNull())
        QPainter(&resized).drawImage(0, 0, image_);
    image_ = resized;
}

void PatternImage::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = pixelOf(event);
    emit mousePressed(strip_, p.x(), p.y());
}

void PatternImage::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = pixelOf(event);
    emit mouseMoved(strip_, p.x(), p.y());
}

void PatternImage::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = pixelOf(event);
    emit mouseReleased(strip_, p.x(), p.y());
}
