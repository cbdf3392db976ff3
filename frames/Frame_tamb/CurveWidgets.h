#pragma once
#include <QImage>
#include <QWidget>


// A drawing surface that keeps its own picture: code paints into `picture`,
// calls update(), and the widget shows it. Mouse presses, moves (while a
// button is held) and releases are passed on with the widget's coordinates.
class ImageSurface : public QWidget {
    Q_OBJECT

public:
    ImageSurface(const QString &name, int x, int y, int width, int height, QWidget *parent);

    QImage picture;

signals:
    void mouseDown(int x, int y);
    void mouseMove(int x, int y);
    void mouseUp(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

