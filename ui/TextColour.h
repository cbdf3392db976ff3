#pragma once
#include <QColor>

class QWidget;

// Black or white, whichever reads better on the background: by the
// background's relative luminance, not by the palette of the desktop, so a
// coloured field stays readable under a dark palette as under a light one.
QColor readableTextColour(const QColor &background);

// Gives the widget the background as its base colour and the readable text
// colour on it, in its palette and in its own style sheet, so that neither a
// dark palette nor an application style sheet hides them.
void setFieldColour(QWidget *field, const QColor &background);
