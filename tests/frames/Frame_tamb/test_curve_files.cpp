// Curve files and set files: exact content, loading rules and warnings.
#include "frames/Frame_tamb/CurveFiles.h"
#include "image/HexRecord.h"

#include <gtest/gtest.h>

#include <vector>

using namespace CurveFiles;
using Record = CurveRecords::Record;

namespace {

const QString TooManyCurveLines = QStringLiteral("Nur die ersten 100 Zeilen dieses File werden verwendet");
const QString TooManySetLines = QStringLiteral("Dieses File hat zu viele Zeilen (max. 512)");

const QString EmptyFile = QStringLiteral("Dieses File ist leer");

QString invalidLine(int line)
{
    return QStringLiteral("Dieses File enthält ungültige Zeichen (kein Zahlenwert) in Zeile %1").arg(line);
}

QString outsideAByte(int line)
{
    return QStringLiteral("Dieses File enthält einen Wert außerhalb von 0 bis 255 in Zeile %1").arg(line);
}

QString endsAfter(int line)
{
    return QStringLiteral("Dieses File endet nach Zeile %1; 512 Zeilen erwartet").arg(line);
}

// Every byte of every record different from its neighbours.
CurveRecords sampleCurves()
{
    CurveRecords curves;
    for (int r = 0; r < CurveRecords::Count; ++r)
        for (int j = 0; j < CurveRecords::Size; ++j)
            curves[r][static_cast<std::size_t>(j)] = (r * 71 + j * 29 + 5) % 256;
    return curves;
}

QStringList numbers(int n, int first = 0)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << QString::number((first + i) % 256);
    return lines;
}

} // namespace

TEST(CurveFile, ContentIsTheCountedPointsWithCrLf)
{
    Record r{};
    for (int i = 0; i < 100; ++i)
        r[static_cast<std::size_t>(i)] = 7;
    r[0] = 0;
    r[4] = 64 | CurveRecords::RelayBit;
    r[9] = 255;
    r[CurveRecords::CountEntry] = 10;
    EXPECT_EQ(curveFileContent(r), QByteArray("0\r\n7\r\n7\r\n7\r\n192\r\n7\r\n7\r\n7\r\n7\r\n255\r\n"));

    Record loaded{};
    const LoadResult result = loadCurveFile(splitHexFileLines(curveFileContent(r)), loaded);
    EXPECT_TRUE(result.complete);
    EXPECT_TRUE(result.warnings.isEmpty());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(loaded[static_cast<std::size_t>(i)], r[static_cast<std::size_t>(i)]);
    EXPECT_EQ(loaded[CurveRecords::CountEntry], 10);

    r[CurveRecords::CountEntry] = 0; // counts as one point
    EXPECT_EQ(curveFileContent(r), QByteArray("0\r\n"));
    r[CurveRecords::CountEntry] = 180; // at most 100
    EXPECT_EQ(splitHexFileLines(curveFileContent(r)).size(), 100);
}

namespace {

struct CurveLoadCase {
    const char *name;
    QStringList lines;
    QStringList warnings;
    bool complete;
    std::vector<int> points; // expected points 0.. (prefix)
    int count;               // expected count entry
};

class LoadCurve : public ::testing::TestWithParam<CurveLoadCase> {};

} // namespace

TEST_P(LoadCurve, StoresPointsAndCount)
{
    const CurveLoadCase &c = GetParam();
    Record r{};
    r.fill(33);
    r[CurveRecords::CountEntry] = 10;
    const LoadResult result = loadCurveFile(c.lines, r);
    EXPECT_EQ(result.warnings, c.warnings);
    EXPECT_EQ(result.complete, c.complete);
    for (std::size_t i = 0; i < c.points.size(); ++i)
        EXPECT_EQ(r[i], c.points[i]) << "point " << i;
    EXPECT_EQ(r[CurveRecords::CountEntry], c.count);
    for (int j = 102; j < CurveRecords::Size; ++j)
        EXPECT_EQ(r[static_cast<std::size_t>(j)], 33);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadCurve,
    ::testing::Values(
        CurveLoadCase{"five", {"1", "2", "3", "4", "5"}, {}, true, {1, 2, 3, 4, 5, 33}, 5},
        CurveLoadCase{"hundredTwenty", numbers(120, 1), {TooManyCurveLines}, true, {1, 2, 3}, 100},
        CurveLoadCase{"thirdLineBad", {"10", "20", "x", "40"}, {invalidLine(3)}, false, {33, 33, 33, 33}, 10},
        CurveLoadCase{"lastLineBad", numbers(99, 1) << "x", {invalidLine(100)}, false, {33, 33, 33}, 10},
        CurveLoadCase{"badAfterTruncation", numbers(100) << "x", {TooManyCurveLines}, true, {0, 1}, 100},
        CurveLoadCase{"emptyLine", {"10", ""}, {invalidLine(2)}, false, {33, 33}, 10},
        CurveLoadCase{"limits", {"255", "0", " 17 ", "+3"}, {}, true, {255, 0, 17, 3, 33}, 4},
        // A number no editor writes would switch a relay on (bit 7): refused, nothing changes.
        CurveLoadCase{"above255", {"10", "20", "300", "40"}, {outsideAByte(3)}, false, {33, 33, 33, 33}, 10},
        CurveLoadCase{"justAbove", {"256"}, {outsideAByte(1)}, false, {33}, 10},
        CurveLoadCase{"negative", {"10", "-1"}, {outsideAByte(2)}, false, {33, 33}, 10},
        CurveLoadCase{"hugeNumber", {"99999999999"}, {invalidLine(1)}, false, {33}, 10},
        CurveLoadCase{"decimal", {"1.5", "2"}, {invalidLine(1)}, false, {33}, 10},
        CurveLoadCase{"noLines", {}, {EmptyFile}, false, {33}, 10}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SetFile, LayoutInterleavesTheTwoTables)
{
    const CurveRecords curves = sampleCurves();
    const QStringList lines = splitHexFileLines(setFileContent(curves));
    ASSERT_EQ(lines.size(), 512);
    for (int t = 0; t < 128; ++t) {
        EXPECT_EQ(lines[2 * t].toInt(), curves[0][static_cast<std::size_t>(t)]);
        EXPECT_EQ(lines[2 * t + 1].toInt(), curves[2][static_cast<std::size_t>(t)]);
        EXPECT_EQ(lines[256 + 2 * t].toInt(), curves[1][static_cast<std::size_t>(t)]);
        EXPECT_EQ(lines[257 + 2 * t].toInt(), curves[3][static_cast<std::size_t>(t)]);
    }
    EXPECT_TRUE(setFileContent(curves).endsWith("\r\n"));
    EXPECT_EQ(setFileContent(curves).count('\n'), 512);
    EXPECT_EQ(setFileContent(curves).count('\r'), 512);
}

TEST(SetFile, RoundTripReproducesEveryByte)
{
    const CurveRecords curves = sampleCurves();
    const QByteArray content = setFileContent(curves);
    CurveRecords loaded;
    const LoadResult result = loadSetFile(splitHexFileLines(content), loaded);
    EXPECT_TRUE(result.complete);
    EXPECT_TRUE(result.warnings.isEmpty());
    EXPECT_EQ(loaded, curves);
    EXPECT_EQ(setFileContent(loaded), content);
}

namespace {

struct SetLoadCase {
    const char *name;
    QStringList lines;
    QStringList warnings;
    bool loaded; // every pair comes from the file (value = line index % 256), or none
};

class LoadSet : public ::testing::TestWithParam<SetLoadCase> {};

QStringList withLine(QStringList lines, int index, const QString &text)
{
    lines[index] = text;
    return lines;
}

} // namespace

TEST_P(LoadSet, StoresEveryPairOrNone)
{
    const SetLoadCase &c = GetParam();
    const CurveRecords before = sampleCurves();
    CurveRecords curves = before;
    const LoadResult result = loadSetFile(c.lines, curves);
    EXPECT_EQ(result.warnings, c.warnings);
    EXPECT_EQ(result.complete, c.warnings.isEmpty());
    for (int t = 0; t < 256; ++t) {
        const int r0 = t / 128;
        const auto j = static_cast<std::size_t>(t % 128);
        if (c.loaded) {
            EXPECT_EQ(curves[r0][j], (2 * t) % 256) << "byte " << t;
            EXPECT_EQ(curves[r0 + 2][j], (2 * t + 1) % 256) << "byte " << t;
        } else {
            EXPECT_EQ(curves[r0][j], before[r0][j]) << "byte " << t;
            EXPECT_EQ(curves[r0 + 2][j], before[r0 + 2][j]) << "byte " << t;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadSet,
    ::testing::Values(SetLoadCase{"complete", numbers(512), {}, true},
                      SetLoadCase{"tooLong", numbers(513), {TooManySetLines}, false},
                      SetLoadCase{"hundredLines", numbers(100), {endsAfter(100)}, false},
                      SetLoadCase{"secondOfPairMissing", numbers(101), {endsAfter(101)}, false},
                      SetLoadCase{"lastLineMissing", numbers(511), {endsAfter(511)}, false},
                      SetLoadCase{"badLineBeforeTheEnd", withLine(numbers(300), 7, "7a"), {invalidLine(8)}, false},
                      SetLoadCase{"above255", withLine(numbers(512), 4, "999"), {outsideAByte(5)}, false},
                      SetLoadCase{"lastAbove255", withLine(numbers(512), 511, "256"), {outsideAByte(512)}, false},
                      SetLoadCase{"negative", withLine(numbers(512), 1, "-1"), {outsideAByte(2)}, false},
                      SetLoadCase{"firstLineBad", withLine(numbers(512), 0, "x"), {invalidLine(1)}, false},
                      SetLoadCase{"secondOfPairBad", withLine(numbers(512), 7, "7a"), {invalidLine(8)}, false},
                      SetLoadCase{"firstOfPairBad", withLine(numbers(512), 300, "-"), {invalidLine(301)}, false},
                      SetLoadCase{"lastLineBad", withLine(numbers(512), 511, "1 2"), {invalidLine(512)}, false},
                      SetLoadCase{"empty", {}, {EmptyFile}, false}),
    [](const auto &info) { return std::string(info.param.name); });

// The bounds themselves are bytes.
TEST(SetFile, ValuesOutsideAByteAreRefusedNotLimited)
{
    QStringList lines = numbers(512);
    lines[0] = QStringLiteral("255");
    lines[1] = QStringLiteral("0");
    CurveRecords curves;
    EXPECT_TRUE(loadSetFile(lines, curves).complete);
    EXPECT_EQ(curves[0][0], 255);
    EXPECT_EQ(curves[2][0], 0);
    lines[0] = QStringLiteral("300");
    const CurveRecords before = curves;
    EXPECT_EQ(loadSetFile(lines, curves).warnings, QStringList{outsideAByte(1)});
    EXPECT_EQ(curves, before);
}
