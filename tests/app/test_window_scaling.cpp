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
