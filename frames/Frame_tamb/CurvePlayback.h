#pragma once
#include "frames/Frame_tamb/CurveTimeline.h"

#include <QObject>

class Playback;
class PlaybackLamp;
class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;
class TFrameTamb;

// Playback in the servo curve editor: "Abspielen" moves a marker along the
// shown curve in real time, lights a lamp for the relay (on the types with a
// relay strip) and shows the position, or the pulse time where the address
// rows give the curve exactly one servo. The curve plays once, or again and
// again while "Wiederholen" is checked (a view choice, kept in no file).
// The marker, the lamp and the readout are made at the first play.
class CurvePlayback : public QObject {
    Q_OBJECT

public:
    explicit CurvePlayback(TFrameTamb &frame);

    QPushButton *button() const { return button_; }
    QCheckBox *repeat() const { return repeat_; }
    Playback &playback() { return *playback_; }
    // Made at the first play: null before.
    QWidget *marker() const { return marker_; }
    PlaybackLamp *relayLamp() const { return relayLamp_; }
    QLabel *readout() const { return readout_; }

    // Another file or curve: playback ends and its marker, lamp and readout go.
    void end();

private:
    void makeShowing();
    bool showAt(qint64 ms);

    TFrameTamb &frame_;
    QPushButton *button_ = nullptr;
    QCheckBox *repeat_ = nullptr;
    Playback *playback_ = nullptr;
    QWidget *marker_ = nullptr;
    PlaybackLamp *relayLamp_ = nullptr;
    QLabel *readout_ = nullptr;
};
