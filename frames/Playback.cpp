#include "frames/Playback.h"

#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

// Often enough that a 20 ms step is seen; the moment comes from the clock.
constexpr int TickMs = 10;

} // namespace

Playback::Playback(QPushButton *button, QWidget *frame, std::function<bool(qint64)> showAt)
    : QObject(frame), button_(button), showAt_(std::move(showAt))
{
    button_->setText(playText());
    connect(button_, &QPushButton::clicked, this, [this] { playing_ ? stop() : start(); });
    frame->installEventFilter(this);
}

Playback::~Playback() = default;

QString Playback::playText()
{
    return tr("Abspielen");
}

QString Playback::stopText()
{
    return tr("Stopp");
}

void Playback::useClock(std::unique_ptr<PlaybackClock> clock)
{
    clock_ = std::move(clock);
}

void Playback::startStandingAt(qint64 ms)
{
    useClock(std::make_unique<SetClock>(ms));
    start();
}

void Playback::start()
{
    if (!clock_)
        clock_ = std::make_unique<SteadyClock>();
    if (!timer_) {
        timer_ = new QTimer(this);
        timer_->setTimerType(Qt::PreciseTimer);
        timer_->setInterval(TickMs);
        connect(timer_, &QTimer::timeout, this, &Playback::tick);
    }
    clock_->restart();
    playing_ = true;
    button_->setText(stopText());
    timer_->start();
    emit playingChanged(true);
    tick();
}

void Playback::stop()
{
    if (!playing_)
        return;
    playing_ = false;
    timer_->stop();
    if (button_)
        button_->setText(playText());
    emit playingChanged(false);
}

void Playback::tick()
{
    if (playing_ && showAt_(clock_->elapsedMs()))
        stop();
}

bool Playback::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide)
        stop();
    return QObject::eventFilter(watched, event);
}

PlaybackLamp::PlaybackLamp(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PlaybackLamp::setState(State state)
{
    if (state == state_)
        return;
    state_ = state;
    update();
}

void PlaybackLamp::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(1, 1, -1, -1);
    switch (state_) {
    case State::NotDriven:
        painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        break;
    case State::Off:
        painter.setPen(Qt::black);
        painter.setBrush(QColor(70, 70, 70));
        break;
    case State::On:
        painter.setPen(Qt::black);
        painter.setBrush(QColor(255, 0, 0));
        break;
    }
    painter.drawEllipse(ring);
}

PlaybackStepFrame::PlaybackStepFrame(QWidget *strip) : QWidget(strip)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PlaybackStepFrame::place(int left, int right)
{
    setGeometry(left, 0, std::max(right - left, 2), parentWidget()->height());
}

void PlaybackStepFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(QColor(0, 0, 255), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}
