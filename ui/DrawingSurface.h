#pragma once
#include <QImage>
#include <QWidget>

class QPointF;

// A drawing surface of the editors: keeps its own image, as large as the
// widget, and shows it. The editor draws into image() and calls update().
// Mouse presses, moves and releases are passed on in image pixels: the pixel
// under the cursor, whatever fraction of it the position gives.
class DrawingSurface : public QWidget {
    Q_OBJECT

public:
    explicit DrawingSurface(QWidget *parent);

    QImage &image() { return image_; }
    const QImage &image() const { return image_; }

    // The pixel that holds a mouse position: each coordinate rounded down.
    static QPoint pixelAt(const QPointF &position);

    // Makes the image as large as the widget and fills it with one colour.
    void fill(QColor colour);
    // Fills a rectangle of pixels; parts outside the image are cut off.
    void fillRect(const QRect &area, QRgb colour);
    // A box: a one-pixel border around its inside, both filled; nothing when
    // the border lies wholly outside the image.
    void fillBox(const QRect &box, QRgb border, QRgb inside);

signals:
    void mouseDown(int x, int y);
    void mouseMove(int x, int y);
    void mouseUp(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage image_;
};
