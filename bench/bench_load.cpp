// Load -> identify -> read slots -> build lines for a full-size firmware
// (2048 program words, 128 EEPROM bytes) and for a file of the full 512 lines,
// through the decoder session and through the main window as "HEX laden" and
// "HEX speichern" run them. BM_ReadFileLines is the floor the others are
// measured against: the same file read and split into lines, nothing more.
#include "BenchMain.h"
#include "ui/Dialogs.h"
#include "app/TFormMain.h"
#include "decoder/DecoderSession.h"
#include "image/HexReader.h"
#include "image/HexRecord.h"
#include "image/HexByte.h"
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
// The full sample written again with 8-byte records: exactly 512 lines, the
// most a HEX file may have.
QString fullLengthFile(const QTemporaryDir &dir)
{
    DecoderSession session;
    session.load(fullSampleBytes());
    const FirmwareImage &image = session.image;
    QStringList records{QStringLiteral("020000040000FA")};
    const auto addRecord = [&records](int address, const QString &data) {
        const QString text = hexByte(static_cast<int>(data.size() / 2)) + hexByte(address / 256) + hexByte(address % 256)
                             + QStringLiteral("00") + data;
        records << text + RecordChecksum(text);
    };
    constexpr int RomRecords = 476;
    for (int r = 0; r < RomRecords; ++r) {
        QString data;
        for (int k = 8 * r; k < 8 * r + 8; ++k)
            data += image.rom[k];
        addRecord(8 * r, data);
    }
    QString id;
    for (QChar c : image.idText)
        id += QLatin1Char('0') + QString(c) + QStringLiteral("00");
    records << QStringLiteral("08400000") + id + RecordChecksum(QStringLiteral("08400000") + id);
    records << QStringLiteral("02400E00") + image.configText + RecordChecksum(QStringLiteral("02400E00") + image.configText);
    for (int r = 0; r < 32; ++r) {
        QString data;
        for (int i = 4 * r; i < 4 * r + 4; ++i)
            data += image.eeprom[i] + QStringLiteral("00");
        addRecord(0x4200 + 8 * r, data);
    }
    records << QStringLiteral("00000001FF");
    QByteArray content;
    for (const QString &record : records)
        content += ':' + record.toLatin1() + "\r\n";
    const QString path = dir.filePath(QStringLiteral("full-length.hex"));
    QFile file(path);
    if (records.size() != FirmwareImage::MaxLines || !file.open(QIODevice::WriteOnly)
        || file.write(content) != content.size()) {
        std::fprintf(stderr, "cannot write the 512-line file\n");
        std::exit(1);
    }
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

// The floor: the 512-line file read from disk and split into lines.
void BM_ReadFileLines(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = fullLengthFile(dir);
    for (auto _ : state)
        benchmark::DoNotOptimize(splitHexFileLines(readAll(path)).size());
}
BENCHMARK(BM_ReadFileLines)->Unit(benchmark::kMicrosecond);

// The 512-line file read, loaded, identified and its slots decoded.
void BM_SessionLoadFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = fullLengthFile(dir);
    DecoderSession session;
    for (auto _ : state) {
        if (session.load(readAll(path)).error)
            state.SkipWithError("the file did not load");
        benchmark::DoNotOptimize(session.slotValues[1].address);
    }
}
BENCHMARK(BM_SessionLoadFile)->Unit(benchmark::kMicrosecond);

// Every record of the full image generated again.
void BM_SessionBuildLines(benchmark::State &state)
{
    QTemporaryDir dir;
    DecoderSession session;
    session.load(readAll(fullLengthFile(dir)));
    for (auto _ : state)
        benchmark::DoNotOptimize(session.buildHexLines());
}
BENCHMARK(BM_SessionBuildLines)->Unit(benchmark::kMicrosecond);

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
        benchmark::DoNotOptimize(window.document().writeSlots().has_value());
        benchmark::DoNotOptimize(BuildHexLines(window.document().session().image));
    }
    if (!Dialogs::recordedMessages().isEmpty())
        state.SkipWithError("the window showed a message");
}
BENCHMARK(BM_WindowLoadAndBuild)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
