#include "ui/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

UpDown::UpDown(QLineEdit *buddy, QWidget *parent) : QWidget(parent), buddy_(buddy)
{
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    up_->setAutoRepeat(true);
    up_->setFocusPolicy(Qt::NoFocus);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    down_->setAutoRepeat(true);
    down_->setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
    resize(17, 21);
}

UpDown::UpDown(QLineEdit *buddy, int min, int max, int position, QWidget *parent) : UpDown(buddy, parent)
{
    setRange(min, max);
    position_ = std::clamp(position, min_, max_);
}

void UpDown::setRange(int min, int max)
{
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
}

void UpDown::setPosition(int position)
{
    position_ = std::clamp(position, min_, max_);
    buddy_->setText(QString::number(position_));
}

void UpDown::stepBy(int delta)
{
    bool ok = false;
    const int typed = buddy_->text().trimmed().toInt(&ok);
    const int from = ok ? typed : position_;
    setPosition(std::clamp(from, min_, max_) + delta);
}

void UpDown::resizeEvent(QResizeEvent *)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
