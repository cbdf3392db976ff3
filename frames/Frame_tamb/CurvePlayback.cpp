#include "frames/Frame_tamb/CurvePlayback.h"

#include "frames/Frame_tamb/CurveDiagram.h"
#include "frames/Frame_tamb/CurveEditorRules.h"
#include "frames/Frame_tamb/CurveWidgets.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Playback.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int MarkerSize = 13;
constexpr int LampSize = 13;

// The ring that moves along the curve, centred on the point being played.
class CurveMarker : public QWidget {
public:
    explicit CurveMarker(QWidget *diagram) : QWidget(diagram)
    {
        setObjectName(QStringLiteral("servo_play_marker"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(MarkerSize, MarkerSize);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 0, 255), 2));
        painter.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
};

} // namespace

CurvePlayback::CurvePlayback(TFrameTamb &frame) : QObject(&frame), frame_(frame)
{
    // Below the key-action lists, left of "verwerfen".
    button_ = Widgets::button(frame.pnl_servo, QStringLiteral("servo_btn_play"), Playback::playText(),
                              tr("Spielt die gezeigte Kurve in Echtzeit ab"), QRect(176, 530, 80, 25));
    repeat_ = Widgets::named(new QCheckBox(tr("Wiederholen"), frame.pnl_servo), QStringLiteral("servo_cbx_repeat"));
    repeat_->setGeometry(262, 533, 95, 19);
    repeat_->setToolTip(tr("Die Kurve immer wieder abspielen"));
    playback_ = new Playback(button_, &frame, [this](qint64 ms) { return showAt(ms); });
    connect(playback_, &Playback::playingChanged, this, [this](bool playing) {
        if (playing)
            makeShowing();
    });
}

void CurvePlayback::makeShowing()
{
    if (!marker_) {
        marker_ = new CurveMarker(frame_.servo_Image1);
        readout_ = Widgets::label(frame_.pnl_servo, QStringLiteral("servo_lbl_play"), QString(), QRect(120, 93, 360, 16));
        // Clicks and file drops reach the frame below, as before playback.
        readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
        relayLamp_ = new PlaybackLamp(QStringLiteral("servo_lamp_relay"), frame_.pnl_servo);
        const QLabel *relay = frame_.Label_Servo_Relais;
        relayLamp_->setGeometry(relay->x() + relay->sizeHint().width() + 6, relay->y(), LampSize, LampSize);
        relayLamp_->setToolTip(tr("Relais beim Abspielen"));
    }
    marker_->show();
    readout_->show();
    relayLamp_->setVisible(!CurveEditorRules::isOneServoType(frame_.model().variant()));
}

bool CurvePlayback::showAt(qint64 ms)
{
    const ServoModel &model = frame_.model();
    const CurveTimeline::Moment moment = CurveTimeline::at(model.selectedRecord(), ms, repeat_->isChecked());
    const QPoint point = CurveDiagram::pointPosition(moment.point, moment.position, frame_.stepWidth,
                                                     frame_.stripHeight, frame_.valueScale);
    marker_->move(point - QPoint(MarkerSize / 2, MarkerSize / 2));
    relayLamp_->setState(moment.relayOn ? Lamp::On : Lamp::Off);
    std::optional<double> pulse;
    if (const auto servo = CurveTimeline::servoOfCurve(model.curves(), model.variant(), model.selectedCurve())) {
        const auto bytes = model.pulseBytes();
        pulse = CurveTimeline::pulseMs(moment.position, bytes[std::size_t(2 * *servo)],
                                       bytes[std::size_t(2 * *servo + 1)]);
    }
    readout_->setText(CurveTimeline::readoutText(moment.position, pulse, QLocale()));
    return moment.finished;
}

void CurvePlayback::end()
{
    playback_->stop();
    for (QWidget *shown : {marker_, static_cast<QWidget *>(relayLamp_), static_cast<QWidget *>(readout_)})
        if (shown)
            shown->hide();
}
