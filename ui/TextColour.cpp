#include "ui/TextColour.h"

#include <QApplication>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace {

// a^2.4 for a in [0, 1], as a squared times the fifth root of a squared; the
// root by Newton's method, which falls from 1 onto it. Computed here rather
// than by std::pow: that would map the maths library's pow tables into the
// process for the sake of a few field colours.
double powerTwoPointFour(double a)
{
    const double square = a * a;
    if (square <= 0.0)
        return 0.0;
    double root = 1.0;
    for (int i = 0; i < 64; ++i) {
        const double fourth = (root * root) * (root * root);
        const double next = (4.0 * root + square / fourth) / 5.0;
        if (next >= root)
            break;
        root = next;
    }
    return square * root;
}

double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : powerTwoPointFour((channel + 0.055) / 1.055);
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
    const QColor text = readableTextColour(background);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    field->setPalette(palette);
    // An application style sheet that styles the field's class would paint
    // over the palette; the field's own sheet comes before any other. Without
    // one the palette is enough, and no style sheet machinery is loaded.
    const auto *application = qobject_cast<QApplication *>(QCoreApplication::instance());
    if ((!application || application->styleSheet().isEmpty()) && field->styleSheet().isEmpty())
        return;
    const QString sheet = QStringLiteral("%1 { background-color: %2; color: %3; }")
                              .arg(QString::fromLatin1(field->metaObject()->className()), background.name(),
                                   text.name());
    if (field->styleSheet() != sheet)
        field->setStyleSheet(sheet);
}
