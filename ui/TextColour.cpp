#include "ui/TextColour.h"

#include <QPalette>
#include <QWidget>
#include <cmath>

namespace {

double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

} // namespace

QColor readableTextColour(const QColor &background)
{
    // The contrast of white and of black against the background, as in the
    // usual contrast ratio (L1 + 0.05) / (L2 + 0.05); the larger one wins.
    const double l = luminance(background);
    const double withWhite = 1.05 / (l + 0.05);
    const double withBlack = (l + 0.05) / 0.05;
    return withBlack >= withWhite ? QColor(Qt::black) : QColor(Qt::white);
}

void setFieldColour(QWidget *field, const QColor &background)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, readableTextColour(background));
    field->setPalette(palette);
}
