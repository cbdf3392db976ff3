// The window at a display scale on a screen too small for its layout: it fits
// the screen and everything in it can be scrolled into view. The screen and
// the scale come from the environment (see CMakeLists.txt):
// QUAXEL_EXPECT_SCREEN names the logical size the scale leaves.
#include "MainWindowFixture.h"
#include "app/MainWindowHost.h"

#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

namespace {

class Scaling : public MainWindowTest, public ::testing::WithParamInterface<const char *> {};

bool wholeInView(const MainWindowHost &host, const QWidget *control)
{
    const QRect inView(control->mapTo(host.viewport(), QPoint(0, 0)), control->size());
    return host.viewport()->rect().contains(inView);
}

} // namespace

TEST_P(Scaling, WindowFitsAndEveryButtonCanBeReached)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QString expected = qEnvironmentVariable("QUAXEL_EXPECT_SCREEN");
    if (!expected.isEmpty()) {
        const QSize logical = screen->geometry().size();
        EXPECT_EQ(QStringLiteral("%1x%2").arg(logical.width()).arg(logical.height()), expected)
            << "the scale factor took effect";
    }
    auto *form = new TFormMain(settingsPath());
    MainWindowHost host(form);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    ASSERT_TRUE(form->loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + QString::fromLatin1(GetParam())));
    QTest::qWait(250); // the host looks at its frame once shown

    const QRect available = screen->availableGeometry();
    EXPECT_TRUE(available.contains(host.frameGeometry()))
        << "window " << host.frameGeometry().width() << "x" << host.frameGeometry().height() << " at "
        << host.frameGeometry().x() << "," << host.frameGeometry().y() << " on " << available.width() << "x"
        << available.height();
    EXPECT_EQ(host.horizontalScrollBar()->maximum(), std::max(0, form->width() - host.viewport()->width()));
    EXPECT_EQ(host.verticalScrollBar()->maximum(), std::max(0, form->height() - host.viewport()->height()));
    for (QPushButton *button : {form->btn_load, form->btn_save, form->btn_info, form->btn_close}) {
        host.ensureWidgetVisible(button, 0, 0);
        EXPECT_TRUE(wholeInView(host, button)) << button->text().toStdString();
    }
    // The window does not grow past what it shows.
    EXPECT_LE(host.width(), form->width() + host.verticalScrollBar()->sizeHint().width());
    EXPECT_LE(host.height(), form->height() + host.horizontalScrollBar()->sizeHint().height());
}

// The widest and the highest layouts: the servo frames, the blink editor and
// the start window.
INSTANTIATE_TEST_SUITE_P(Samples, Scaling,
                         ::testing::Values("demo-servo.hex", "demo-blink.hex", "demo-led-blink.hex",
                                           "17408-f-dekoder-mit-cv-dcc.hex"));

// One decoder type after another in the same window, at a scale where the
// window system rounds the window's size to whole device pixels and may give
// it a logical pixel less than asked (as X11 does at 1.5). Where the screen
// holds the editor whole, the window has its size and shows no scroll bar,
// as when its file is the first one loaded.
TEST_F(MainWindowTest, TypeSwitchKeepsTheSizeTheEditorNeeds)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    auto *form = new TFormMain(settingsPath());
    MainWindowHost host(form);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    int checked = 0;
    for (const char *sample : {"demo.hex", "demo-servo.hex", "demo-blink.hex", "demo-servo.hex"}) {
        ASSERT_TRUE(form->loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + QString::fromLatin1(sample)));
        QTest::qWait(250);
        const QSize framed = host.frameGeometry().size() - host.size() + form->size();
        if (framed.width() > available.width() || framed.height() > available.height())
            continue; // too large for this screen: it scrolls
        ++checked;
        EXPECT_EQ(host.size(), form->size()) << sample;
        EXPECT_TRUE(available.contains(host.frameGeometry())) << sample;
        // The window system's rounding, as the window would get it.
        host.setMinimumSize(0, 0);
        host.resize(form->size() - QSize(1, 1));
        QApplication::processEvents();
        EXPECT_FALSE(host.horizontalScrollBar()->isVisible()) << sample;
        EXPECT_FALSE(host.verticalScrollBar()->isVisible()) << sample;
    }
    if (qEnvironmentVariable("QUAXEL_EXPECT_SCREEN") == QLatin1String("1067x800")) {
        EXPECT_EQ(checked, 4) << "every editor fits that screen";
    }
}
