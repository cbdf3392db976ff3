#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of arrow buttons beside an edit that step the number in the edit:
// a click reads the edit's number (or the last position), steps it by one
// within the range and writes it back as the edit's text, which runs the
// edit's own change handling.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(QLineEdit *buddy, QWidget *parent);

    void setRange(int min, int max);
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    // Sets the position and shows it in the edit.
    void setPosition(int position);
    int position() const { return position_; }

    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void step(int delta);

    QLineEdit *buddy_;
    QToolButton *up_;
    QToolButton *down_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
