#pragma once
#include <QImage>
#include <QWidget>

class QLineEdit;
class QToolButton;

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

// Two arrow buttons beside an edit that count the edit's number up or down
// within low..high and write it back into the edit.
class UpDownButtons : public QWidget {
    Q_OBJECT

public:
    UpDownButtons(const QString &name, QLineEdit *buddy, int low, int high, int position, QWidget *parent);

    QToolButton *up = nullptr;
    QToolButton *down = nullptr;

private:
    void step(int delta);

    QLineEdit *buddy_;
    int low_;
    int high_;
    int position_;
};
