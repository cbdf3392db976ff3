#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

// The up-down arrows beside a number edit: a click reads the edit's number (the
// last position when the text is no number), limits it to the range, steps it
// by one within the range and writes it back as the edit's text, which runs the
// edit's own change handling. The same control serves every editor.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(QLineEdit *buddy, QWidget *parent);
    // Range and position given; the edit's text is left as it is.
    UpDown(QLineEdit *buddy, int min, int max, int position, QWidget *parent);

    void setRange(int min, int max);
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    // Sets the position and shows it in the edit.
    void setPosition(int position);
    int position() const { return position_; }
    void stepBy(int steps);

    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:

    QLineEdit *buddy_;
    QToolButton *up_;
    QToolButton *down_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
