#pragma once
#include "frames/PlaybackClock.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QPushButton;
class QTimer;

// The play/stop button of an editor and the time behind it. A press on
// "Abspielen" starts the clock and shows the moment it gives at every tick
// until the editor says the play is over or "Stopp" is pressed. Playback reads
// the editor's working copy and writes nothing. It stops by itself when the
// frame it belongs to is hidden. The timer and the clock are made on the
// first press.
class Playback : public QObject {
    Q_OBJECT

public:
    // showAt shows the moment `ms` after the start and returns true when the
    // play is over (the last moment stays shown).
    Playback(QPushButton *button, QWidget *frame, std::function<bool(qint64 ms)> showAt);
    ~Playback() override;

    bool isPlaying() const { return playing_; }
    void start();
    void stop();
    // Shows the clock's moment now, as a tick does.
    void tick();
    // The clock from now on (a test's or a picture's); the system's otherwise.
    void useClock(std::unique_ptr<PlaybackClock> clock);
    // Starts with a clock that stands `ms` after the start: a picture of that moment.
    void startStandingAt(qint64 ms);

    static QString playText();
    static QString stopText();

signals:
    // Playback started or ended, by any cause.
    void playingChanged(bool playing);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Guarded: the frame's controls may go before this object when the frame ends.
    QPointer<QPushButton> button_;
    std::function<bool(qint64)> showAt_;
    std::unique_ptr<PlaybackClock> clock_;
    QTimer *timer_ = nullptr;
    bool playing_ = false;
};

// A round lamp that shows an output or a relay: lit, dark, or, for an output
// that a pattern leaves alone, an empty dashed ring.
class PlaybackLamp : public QWidget {
    Q_OBJECT

public:
    using State = Lamp;
    PlaybackLamp(const QString &name, QWidget *parent);

    State state() const { return state_; }
    void setState(State state);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    State state_ = State::NotDriven;
};

// The frame around the step being played on a pattern strip: a blue outline
// over the strip, which stays as it was drawn.
class PlaybackStepFrame : public QWidget {
    Q_OBJECT

public:
    explicit PlaybackStepFrame(QWidget *strip);

    // Stands over the pixels left..right-1 of the strip, its whole height.
    void place(int left, int right);

protected:
    void paintEvent(QPaintEvent *event) override;
};
