// Playback in the blink and servo editors, in the window, driven by a clock
// the test sets: the lamps and the marker at chosen moments are those of the
// timelines, a pattern without loop and a curve played once end by
// themselves, another address, curve or file ends playback, and playing
// changes no byte and leaves no undo step.
#include "EditorFrames.h"
#include "app/TFormMain.h"
#include "frames/Frame_blinkmuster/BlinkTimeline.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"
#include "frames/Frame_tamb/CurveDiagram.h"
#include "frames/Frame_tamb/CurvePlayback.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Playback.h"
#include "tests/app/MainWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

namespace {

QString sample(const char *name) { return QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + QString::fromLatin1(name); }

// Gives a playback a clock that the test sets, and returns it.
SetClock *setClockOf(Playback &playback)
{
    auto clock = std::make_unique<SetClock>();
    SetClock *set = clock.get();
    playback.useClock(std::move(clock));
    return set;
}

class PlaybackTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window = std::make_unique<TFormMain>(settingsPath());
        window->show();
    }
    // The bytes a playback must never touch.
    struct Bytes {
        decltype(FirmwareImage::rom) rom;
        decltype(FirmwareImage::eeprom) eeprom;
        bool operator==(const Bytes &) const = default;
    };
    Bytes bytes() const { return {window->document().session().image.rom, window->document().session().image.eeprom}; }
    bool canUndo() const { return window->findChild<QAction *>(QStringLiteral("actUndo"))->isEnabled(); }

    std::unique_ptr<TFormMain> window;
};

// demo-blink: address 1 loops 16 steps of 200 ms on all four outputs, address
// 2 loops 24 steps of 100 ms on outputs 1 and 2 only, address 4 plays 12 steps
// of 400 ms once on output 1 only.
TEST_F(PlaybackTest, BlinkLampsFollowThePatternInTime)
{
    ASSERT_TRUE(window->loadHexFile(sample("demo-blink.hex")));
    TFrameBlinkmuster *f = editorFrame<TFrameBlinkmuster>(*window);
    const Bytes loaded = bytes();
    SetClock *clock = setClockOf(f->playback());
    EXPECT_TRUE(f->lamps().empty()) << "lamps are made at the first play";

    struct Moment {
        int address; // 0..3
        qint64 ms;
        bool playing; // after the tick
    };
    const Moment moments[] = {
        {1, 0, true},         {1, 99, true},   {1, 100, true}, {1, 2350, true},
        {1, 2400 + 150, true}, // looped: step 1 again
        {1, 36'000'000 + 730, true},
        {3, 0, true},          {3, 4399, true},
        {3, 4800, false}, // played once: the last step stays, the button is "Abspielen" again
        {0, 1234, true},
    };
    int shownAddress = -1;
    std::set<Lamp> seen;
    for (const Moment &m : moments) {
        clock->set(m.ms);
        if (m.address != shownAddress) {
            f->blinkmuster_rad_a[std::size_t(m.address)]->click();
            EXPECT_FALSE(f->playback().isPlaying()) << "another address ends playback";
            QTest::mouseClick(f->blinkmuster_btn_play, Qt::LeftButton);
            shownAddress = m.address;
        }
        f->playback().tick();
        const BlinkTimeline::Moment expected = BlinkTimeline::at(f->model().table(), m.address, m.ms);
        ASSERT_EQ(f->lamps().size(), 4U);
        for (std::size_t n = 0; n < 4; ++n) {
            EXPECT_EQ(f->lamps()[n]->state(), expected.lamps[n]) << "address " << m.address + 1 << ", " << m.ms
                                                                 << " ms, output " << n + 1;
            EXPECT_TRUE(f->lamps()[n]->isVisible());
            seen.insert(f->lamps()[n]->state());
        }
        EXPECT_EQ(f->playback().isPlaying(), m.playing) << m.ms << " ms";
        EXPECT_EQ(f->blinkmuster_btn_play->text(), m.playing ? QStringLiteral("Stopp") : QStringLiteral("Abspielen"));
    }
    EXPECT_EQ(seen, (std::set<Lamp>{Lamp::NotDriven, Lamp::Off, Lamp::On}));

    // An unapplied edit plays at once: output 1 no longer used.
    f->blinkmuster_cbx_out[0]->click();
    f->playback().tick();
    EXPECT_EQ(f->lamps()[0]->state(), Lamp::NotDriven);
    f->blinkmuster_cbx_out[0]->click();

    // Stopp stops; the lamps keep the moment.
    QTest::mouseClick(f->blinkmuster_btn_play, Qt::LeftButton);
    EXPECT_FALSE(f->playback().isPlaying());
    EXPECT_TRUE(f->lamps()[1]->isVisible());
    EXPECT_EQ(bytes(), loaded);

    // Another file hides the frame: playback ends.
    QTest::mouseClick(f->blinkmuster_btn_play, Qt::LeftButton);
    ASSERT_TRUE(f->playback().isPlaying());
    ASSERT_TRUE(window->loadHexFile(sample("demo-led-blink.hex")));
    EXPECT_FALSE(f->playback().isPlaying());
}

TEST_F(PlaybackTest, PlayingIsNoChangeAndNoUndoStep)
{
    ASSERT_TRUE(window->loadHexFile(sample("demo-led-blink.hex")));
    TFrameBlinkmuster_led *led = editorFrame<TFrameBlinkmuster_led>(*window);
    const Bytes loaded = bytes();
    SetClock *clock = setClockOf(led->playback());
    QTest::mouseClick(led->led_blinkmuster_btn_play, Qt::LeftButton);
    for (qint64 ms : {0, 130, 5000}) {
        clock->set(ms);
        led->playback().tick();
    }
    QTest::mouseClick(led->led_blinkmuster_btn_play, Qt::LeftButton);
    EXPECT_EQ(led->lamps().size(), 10U);
    EXPECT_FALSE(canUndo());
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(bytes(), loaded);

    ASSERT_TRUE(window->loadHexFile(sample("demo-servo.hex")));
    TFrameTamb *servo = editorFrame<TFrameTamb>(*window);
    const Bytes servoLoaded = bytes();
    setClockOf(servo->playback().playback())->set(700);
    servo->playback().repeat()->click();
    QTest::mouseClick(servo->playback().button(), Qt::LeftButton);
    QTest::mouseClick(servo->playback().button(), Qt::LeftButton);
    EXPECT_FALSE(canUndo());
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(bytes(), servoLoaded);
}

// The curve rises by 10 per point, the relay on at odd points: ten points of
// 200 ms.
TEST_F(PlaybackTest, CurveMarkerAndRelayLampFollowTheCurveInTime)
{
    ASSERT_TRUE(window->loadHexFile(sample("211-tamb-4-servo-dekoder-dcc.hex")));
    TFrameTamb *f = editorFrame<TFrameTamb>(*window);
    CurvePlayback &play = f->playback();
    ServoWorkingCopy copy = f->model().snapshot();
    for (int i = 0; i < 10; ++i)
        copy.curves[0][std::size_t(i)] = 10 * i | (i % 2 ? CurveRecords::RelayBit : 0);
    copy.curves[0][CurveRecords::CountEntry] = 10;
    copy.curves[0][CurveRecords::StretchEntry] = 10;
    f->restoreWorkingCopy(*frameStateOf(ServoEditorCopy{copy, true, 0}));
    SetClock *clock = setClockOf(play.playback());
    EXPECT_EQ(play.marker(), nullptr) << "the marker is made at the first play";

    QTest::mouseClick(play.button(), Qt::LeftButton);
    EXPECT_EQ(play.button()->text(), QStringLiteral("Stopp"));
    const auto servo = CurveTimeline::servoOfCurve(f->model().curves(), f->model().variant(), 0);
    struct Moment {
        qint64 ms;
        bool repeat;
        bool playing;
    };
    const Moment moments[] = {{0, false, true},    {199, false, true},  {200, false, true},
                              {1250, false, true}, {1799, false, true}, {1800, false, false}};
    for (const Moment &m : moments) {
        clock->set(m.ms);
        play.playback().tick();
        const CurveTimeline::Moment expected = CurveTimeline::at(f->model().selectedRecord(), m.ms, m.repeat);
        const QPoint centre = CurveDiagram::pointPosition(expected.point, expected.position, f->stepWidth,
                                                          f->stripHeight, f->valueScale);
        EXPECT_EQ(play.marker()->geometry().center(), centre) << m.ms << " ms";
        EXPECT_EQ(play.relayLamp()->state(), expected.relayOn ? Lamp::On : Lamp::Off) << m.ms << " ms";
        std::optional<double> pulse;
        if (servo) {
            const auto b = f->model().pulseBytes();
            pulse = CurveTimeline::pulseMs(expected.position, b[std::size_t(2 * *servo)], b[std::size_t(2 * *servo + 1)]);
        }
        EXPECT_EQ(play.readout()->text(), CurveTimeline::readoutText(expected.position, pulse, QLocale()));
        EXPECT_EQ(play.playback().isPlaying(), m.playing) << m.ms << " ms";
    }
    // Played once: the marker stays on the last point, the button plays again.
    EXPECT_TRUE(play.marker()->isVisible());
    EXPECT_EQ(play.button()->text(), QStringLiteral("Abspielen"));

    // Repeated, it starts again after the last point.
    play.repeat()->click();
    QTest::mouseClick(play.button(), Qt::LeftButton);
    clock->set(2000 + 450);
    play.playback().tick();
    EXPECT_TRUE(play.playback().isPlaying());
    EXPECT_EQ(play.marker()->geometry().center(),
              CurveDiagram::pointPosition(2, 20, f->stepWidth, f->stripHeight, f->valueScale));
    EXPECT_EQ(play.relayLamp()->state(), Lamp::Off);

    // Another curve ends playback; the marker goes.
    f->servo_rad_a[1]->click();
    EXPECT_FALSE(play.playback().isPlaying());
    EXPECT_FALSE(play.marker()->isVisible());
}

TEST_F(PlaybackTest, OneServoTypesShowNoRelayLamp)
{
    ASSERT_TRUE(window->loadHexFile(sample("210-tamb-kubo-servo-dekoder-dcc.hex")));
    CurvePlayback &play = editorFrame<TFrameTamb>(*window)->playback();
    setClockOf(play.playback());
    QTest::mouseClick(play.button(), Qt::LeftButton);
    EXPECT_FALSE(play.relayLamp()->isVisible());
    EXPECT_TRUE(play.marker()->isVisible());
    // The one servo: its pulse time is shown.
    EXPECT_TRUE(play.readout()->text().contains(QStringLiteral(" ms"))) << play.readout()->text().toStdString();
}

} // namespace
