#pragma once
#include <QColor>

class QWidget;

// Black or white, whichever reads better on the background: by the
// background's relative luminance, not by the palette of the desktop, so a
// coloured field stays readable under a dark palette as under a light one.
QColor readableTextColour(const QColor &background);

// Gives the widget the background as its base colour and the readable text
// colour on it.
void setFieldColour(QWidget *field, const QColor &background);
