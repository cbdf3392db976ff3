// A full repaint of the servo curve diagram and its relay strip: 100 points,
// the finest grid (70 vertical, 10 horizontal divisions), every other relay on.
#include "BenchMain.h"
#include "frames/Frame_tamb/CurveView.h"
#include "frames/Frame_tamb/CurveShapes.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

CurveRecords::Record fullCurve()
{
    CurveRecords::Record record{};
    record[CurveRecords::CountEntry] = 100;
    CurveShapes::generate(record, CurveShapes::Generator::HalfSine);
    for (int i = 0; i < 100; i += 2)
        record[static_cast<std::size_t>(i)] |= CurveRecords::RelayBit;
    return record;
}

void BM_RepaintCurveAndRelayStrip(benchmark::State &state)
{
    const CurveRecords::Record record = fullCurve();
    QImage diagram(530, 201, QImage::Format_RGB32);
    QImage strip(530, 57, QImage::Format_RGB32);
    for (auto _ : state) {
        const float stepWidth = CurveView::drawCurve(diagram, record, 70, 10);
        CurveView::drawRelayStrip(strip, record, stepWidth, 70);
        benchmark::DoNotOptimize(diagram.constBits());
        benchmark::DoNotOptimize(strip.constBits());
    }
}
BENCHMARK(BM_RepaintCurveAndRelayStrip)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
