#pragma once
#include "ui/DrawingSurface.h"

// The curve editor's drawing surface, placed and named at once: code paints
// into `picture` (the surface's own image), calls update(), and the widget
// shows it. Mouse presses, moves (while a button is held) and releases are
// passed on as the surface's image pixels.
class ImageSurface : public DrawingSurface {
    Q_OBJECT

public:
    ImageSurface(const QString &name, int x, int y, int width, int height, QWidget *parent);

    QImage &picture;
};
