#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

// The up-down arrows beside a number edit. A click reads the edit's number
// (its last position when the text is no number), steps it by one within the
// range and writes it back into the edit, which runs the edit's change handler.
class PatternUpDown : public QWidget {
    Q_OBJECT

public:
    PatternUpDown(QLineEdit *associate, int min, int max, int position, QWidget *parent);

    int position() const { return position_; }
    void stepBy(int steps);

    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLineEdit *associate_;
    int min_, max_, position_;
    QToolButton *up_;
    QToolButton *down_;
};
