#pragma once
#include "frames/Frame_blinkmuster/BlinkPatterns.h"

#include <QImage>
#include <QWidget>

// A drawing surface of the pattern editors: keeps its own image, as large as
// the widget, and shows it. The editor draws into image() and calls update().
// Mouse presses, moves and releases are passed on with the strip's number.
class PatternImage : public QWidget {
    Q_OBJECT

public:
    PatternImage(int strip, QWidget *parent);

    int strip() const { return strip_; }
    QImage &image() { return image_; }
    const QImage &image() const { return image_; }

    // Fills the whole image with one colour.
    void fill(QColor colour);
    // Draws a step box: black outline from (left, top) to (right, bottom)
    // exclusive, red inside. Parts outside the image are cut off.
    void drawBox(const PatternStrip::Box &box);

signals:
    void mousePressed(int strip, int x, int y);
    void mouseMoved(int strip, int x, int y);
    void mouseReleased(int strip, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int strip_;
    QImage image_;
};
