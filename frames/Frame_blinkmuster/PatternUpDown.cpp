#include "frames/Frame_blinkmuster/PatternUpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

PatternUpDown::PatternUpDown(QLineEdit *associate, int min, int max, int position, QWidget *parent)
    : QWidget(parent), associate_(associate), min_(min), max_(max), position_(position),
      up_(new QToolButton(this)), down_(new QToolButton(this))
{
    for (QToolButton *button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void PatternUpDown::stepBy(int steps)
{
    bool ok = false;
    const int shown = associate_->text().toInt(&ok);
    if (ok)
        position_ = std::clamp(shown, min_, max_);
    position_ = std::clamp(position_ + steps, min_, max_);
    associate_->setText(QString::number(position_));
}

void PatternUpDown::resizeEvent(QResizeEvent *)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
