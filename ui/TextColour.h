#pragma once
#include <QColor>

class QWidget;

// Black or white, whichever reads better on the background: by the
// background's relative luminance, not by the palette of the desktop, so a
// field stays readable under a dark palette as under a light one.
QColor readableTextColour(const QColor &background);

// Gives the widget a light background as its base colour and black text on
// it, in its palette and in its own style sheet, so that neither a dark
// palette nor an application style sheet hides them. Black reads best on
// every field colour the window uses: white, red and green.
void setFieldColour(QWidget *field, const QColor &background);

// The contrast ratio of two colours, (L1 + 0.05) / (L2 + 0.05) of their
// relative luminances, the lighter one above: 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

// A disabled field whose value is to be read: its text keeps the palette's
// normal text colour where that reads on the disabled background, else black
// or white, so that no look greys it into its background. The field stays
// disabled. For the palette the field has when this is called.
void keepReadableWhenDisabled(QWidget *field);
