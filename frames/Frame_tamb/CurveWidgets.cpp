#include "frames/Frame_tamb/CurveWidgets.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
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

UpDownButtons::UpDownButtons(const QString &name, QLineEdit *buddy, int low, int high, int position, QWidget *parent)
    : QWidget(parent), buddy_(buddy), low_(low), high_(high), position_(position)
{
    setObjectName(name);
    const QRect edit = buddy->geometry();
    setGeometry(edit.right() + 1, edit.top(), 16, edit.height());
    up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    up->setGeometry(0, 0, 16, edit.height() / 2);
    down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    down->setGeometry(0, edit.height() / 2, 16, edit.height() - edit.height() / 2);
    up->setAutoRepeat(true);
    down->setAutoRepeat(true);
    connect(up, &QToolButton::clicked, this, [this] { step(1); });
    connect(down, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDownButtons::step(int delta)
{
    // Counts on from the number in the edit; text that is no number counts
    // from the last position.
    bool ok = false;
    const int shown = buddy_->text().trimmed().toInt(&ok);
    position_ = std::clamp((ok ? shown : position_) + delta, low_, high_);
    buddy_->setText(QString::number(position_));
}
