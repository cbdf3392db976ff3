#include "ui/TextColour.h"

#include <QApplication>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <algorithm>
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

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableTextColour(const QColor &background)
{
    // The contrast of white and of black against the background; the larger
    // one wins.
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

void keepReadableWhenDisabled(QWidget *field)
{
    // What the usual guidance asks of body text.
    constexpr double ReadableContrast = 4.5;
    QPalette palette = field->palette();
    const QColor background = palette.color(QPalette::Disabled, QPalette::Base);
    const QColor normal = palette.color(QPalette::Active, QPalette::Text);
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     contrastRatio(normal, background) >= ReadableContrast ? normal : readableTextColour(background));
    field->setPalette(palette);
}

void setFieldColour(QWidget *field, const QColor &background)
{
    const QColor text(Qt::black);
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
