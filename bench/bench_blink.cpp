// Painting speed of the LED blink pattern editor: a full repaint of its ten
// strips at 100 steps, and the moves of a 100-move mouse drag across a strip
// (every move paints one step and redraws all strips), and of a 5-move drag
// (every move paints 20 steps). The aim is under 1 ms a
// repaint and a move, so that drawing keeps up with the mouse.
#include "BenchMain.h"
#include "decoder/DecoderSession.h"
#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"
#include "image/HexByte.h"
#include "ui/DrawingSurface.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// An editor shown with address 1 at 100 steps, all ten outputs used and
// every other step on, so that half of all boxes are drawn.
struct Editor {
    DecoderSession session;
    std::unique_ptr<TFrameBlinkmuster_led> frame;

    Editor()
    {
        session.image.resetForLoad();
        // Type 221: its code as the literal of the first program word.
        session.image.rom[0] = hexByte(221);
        session.image.rom[1] = QStringLiteral("30");
        session.identify();
        const auto set = [this](int t, int value) { session.image.rom[std::size_t(0x600 + 2 * t)] = hexByte(value); };
        for (int i = 0; i < 100; ++i) {
            set(i, i % 2 ? 0x0F : 0x00);
            set(128 + i, i % 2 ? 0x00 : 0x3F);
        }
        set(100, 0xF1);
        set(101, 100);
        set(102, 10);
        set(103, 0x3F);
        frame = std::make_unique<TFrameBlinkmuster_led>(session, nullptr);
        frame->show();
        frame->loadFromSession();
        QApplication::processEvents();
    }
};

void send(QWidget *target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const QPointF local(pos);
    QMouseEvent event(type, local, target->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// The ten strip images drawn anew.
void BM_LedDrawTenStrips(benchmark::State &state)
{
    Editor editor;
    for (auto _ : state)
        editor.frame->DrawPatterns();
    benchmark::DoNotOptimize(editor.frame->Image_led_Blink[0]->image().constBits());
}
BENCHMARK(BM_LedDrawTenStrips)->Unit(benchmark::kMicrosecond);

// The same, and each strip painted onto the screen at once.
void BM_LedDrawAndShowTenStrips(benchmark::State &state)
{
    Editor editor;
    for (auto _ : state) {
        editor.frame->DrawPatterns();
        for (DrawingSurface *strip : editor.frame->Image_led_Blink)
            strip->repaint();
    }
}
BENCHMARK(BM_LedDrawAndShowTenStrips)->Unit(benchmark::kMicrosecond);

// One move of a drag: press, 100 moves from left to right across strip 3,
// release, over and over; every iteration is one move, with the strips painted
// onto the screen as an event loop would. Every other drag paints on, the
// others off.
void BM_LedDragMove(benchmark::State &state)
{
    Editor editor;
    DrawingSurface *strip = editor.frame->Image_led_Blink[2];
    const int width = strip->width();
    int move = 0;
    int drags = 0;
    for (auto _ : state) {
        const int y = (drags % 2) ? 5 : 30;
        if (move == 0)
            send(strip, QEvent::MouseButtonPress, {0, y}, Qt::LeftButton);
        send(strip, QEvent::MouseMove, {move * width / 100, y}, Qt::LeftButton);
        QApplication::sendPostedEvents();
        for (DrawingSurface *s : editor.frame->Image_led_Blink)
            s->repaint();
        if (++move == 100) {
            send(strip, QEvent::MouseButtonRelease, {width - 1, y}, Qt::NoButton);
            move = 0;
            ++drags;
        }
    }
}
BENCHMARK(BM_LedDragMove)->Unit(benchmark::kMicrosecond);

// The same for a fast drag: 5 moves across the strip, each one painting the
// 20 steps it passes over.
void BM_LedFastDragMove(benchmark::State &state)
{
    Editor editor;
    DrawingSurface *strip = editor.frame->Image_led_Blink[2];
    const int width = strip->width();
    int move = 0;
    int drags = 0;
    for (auto _ : state) {
        const int y = (drags % 2) ? 5 : 30;
        if (move == 0)
            send(strip, QEvent::MouseButtonPress, {0, y}, Qt::LeftButton);
        send(strip, QEvent::MouseMove, {(move + 1) * (width - 1) / 5, y}, Qt::LeftButton);
        QApplication::sendPostedEvents();
        for (DrawingSurface *s : editor.frame->Image_led_Blink)
            s->repaint();
        if (++move == 5) {
            send(strip, QEvent::MouseButtonRelease, {width - 1, y}, Qt::NoButton);
            move = 0;
            ++drags;
        }
    }
}
BENCHMARK(BM_LedFastDragMove)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
