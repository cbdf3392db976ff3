// Load -> identify -> read slots -> build lines for a full-size firmware
// (2048 program words, 128 EEPROM bytes), through the core functions and through
// the main window as "HEX laden" and "HEX speichern" run them.
#include "ui/Dialogs.h"
#include "app/TFormMain.h"
#include "decoder/DecoderSession.h"
#include "image/HexReader.h"
#include "image/HexRecord.h"
#include "image/HexWriter.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

const QString FullSample = QStringLiteral(QUAXEL_FULL_SAMPLE);

QByteArray fullSampleBytes()
{
    QFile file(FullSample);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(FullSample));
        std::exit(1);
    }
    return file.readAll();
}

// Type, protocol and the 48 slots, as the load sequence finds them.
int identifyAndReadSlots(DecoderSession &session)
{
    session.identify();
    session.applyProtocolLimits();
    session.readSlots();
    int addressSum = 0;
    for (const SlotValues &slot : session.slotValues)
        addressSum += slot.address;
    return addressSum;
}

void BM_SplitAndLoadLines(benchmark::State &state)
{
    const QByteArray bytes = fullSampleBytes();
    FirmwareImage image;
    for (auto _ : state) {
        const HexLoadResult result = loadHexLines(image, splitHexFileLines(bytes));
        benchmark::DoNotOptimize(result.complete);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_SplitAndLoadLines)->Unit(benchmark::kMicrosecond);

void BM_IdentifyAndReadSlots(benchmark::State &state)
{
    DecoderSession session;
    session.readLines(splitHexFileLines(fullSampleBytes()));
    for (auto _ : state)
        benchmark::DoNotOptimize(identifyAndReadSlots(session));
}
BENCHMARK(BM_IdentifyAndReadSlots)->Unit(benchmark::kMicrosecond);

void BM_BuildHexLines(benchmark::State &state)
{
    FirmwareImage image;
    loadHexLines(image, splitHexFileLines(fullSampleBytes()));
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildHexLines(image));
}
BENCHMARK(BM_BuildHexLines)->Unit(benchmark::kMicrosecond);

// The whole path on the core: file bytes to regenerated lines.
void BM_CoreLoadIdentifyReadBuild(benchmark::State &state)
{
    const QByteArray bytes = fullSampleBytes();
    DecoderSession session;
    for (auto _ : state) {
        benchmark::DoNotOptimize(session.load(bytes).error.has_value());
        benchmark::DoNotOptimize(session.buildHexLines());
    }
}
BENCHMARK(BM_CoreLoadIdentifyReadBuild)->Unit(benchmark::kMicrosecond);

// The same path through the main window: "HEX laden" without its dialog (file
// read, type applied to the grid, slots shown), then the save's validation and
// record generation.
void BM_WindowLoadAndBuild(benchmark::State &state)
{
    QTemporaryDir dir;
    Dialogs::setRecordMessages(true);
    TFormMain window(dir.filePath(QStringLiteral("bench.ini")));
    for (auto _ : state) {
        window.loadHexFile(FullSample);
        benchmark::DoNotOptimize(window.WriteSlots());
        benchmark::DoNotOptimize(BuildHexLines(window.session.image));
    }
    if (!Dialogs::recordedMessages().isEmpty())
        state.SkipWithError("the window showed a message");
}
BENCHMARK(BM_WindowLoadAndBuild)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
