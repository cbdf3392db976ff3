#pragma once
#include <QElapsedTimer>
#include <QtGlobal>

// What a lamp of a playing editor shows: an output or relay switched on or
// off, or an output that the pattern leaves alone.
enum class Lamp { NotDriven, Off, On };

// Where playback takes its time from: the milliseconds since it started. The
// playing editors ask the clock at every tick and show the moment it gives,
// so that the ticks' own delays never add up.
class PlaybackClock {
public:
    virtual ~PlaybackClock() = default;
    // Playback starts: the time runs from 0.
    virtual void restart() = 0;
    virtual qint64 elapsedMs() const = 0;
};

// The system's monotonic clock.
class SteadyClock : public PlaybackClock {
public:
    void restart() override { timer_.start(); }
    qint64 elapsedMs() const override { return timer_.isValid() ? timer_.elapsed() : 0; }

private:
    QElapsedTimer timer_;
};

// A clock that stands where it is set: for a picture of a chosen moment and
// for tests. A restart leaves it where it stands.
class SetClock : public PlaybackClock {
public:
    explicit SetClock(qint64 ms = 0) : ms_(ms) {}
    void restart() override {}
    qint64 elapsedMs() const override { return ms_; }
    void set(qint64 ms) { ms_ = ms; }

private:
    qint64 ms_;
};
