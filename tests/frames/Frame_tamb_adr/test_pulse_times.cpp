// Pulse times of the servo decoders: the shown times, the button rules and the
// eight EEPROM bytes.
#include "frames/Frame_tamb_adr/PulseTimes.h"

#include "image/HexByte.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace PulseTimes;

namespace {

struct TimeCase {
    int offset;
    int span;
    int steps;
    const char *minC;
    const char *maxC;
    const char *maxGerman;
};

class ShownTimes : public ::testing::TestWithParam<TimeCase> {};

TEST_P(ShownTimes, ThreeDecimalsInTheLocale)
{
    const TimeCase &c = GetParam();
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale plain = QLocale::c();
    EXPECT_EQ(spanSteps(c.span), c.steps);
    EXPECT_EQ(timeText(minMs(c.offset), plain), QString::fromLatin1(c.minC));
    EXPECT_EQ(timeText(maxMs(c.offset, c.span), plain), QString::fromLatin1(c.maxC));
    EXPECT_EQ(timeText(maxMs(c.offset, c.span), german), QString::fromLatin1(c.maxGerman));
}

INSTANTIATE_TEST_SUITE_P(PulseTimes, ShownTimes,
                         ::testing::Values(TimeCase{125, 0, 0, "1.000", "2.016", "2,016"},
                                           // the three bytes outside the button circle all mean k = 0
                                           TimeCase{125, 254, 0, "1.000", "2.016", "2,016"},
                                           TimeCase{125, 255, 0, "1.000", "2.016", "2,016"},
                                           TimeCase{125, 1, 0, "1.000", "2.016", "2,016"},
                                           TimeCase{125, 253, -1, "1.000", "2.008", "2,008"},
                                           TimeCase{125, 127, 126, "1.000", "3.024", "3,024"},
                                           TimeCase{125, 128, -126, "1.000", "1.008", "1,008"},
                                           TimeCase{50, 5, 4, "0.400", "1.448", "1,448"},
                                           TimeCase{50, 248, -6, "0.400", "1.368", "1,368"},
                                           TimeCase{255, 127, 126, "2.040", "4.064", "4,064"},
                                           TimeCase{0, 128, -126, "0.000", "0.008", "0,008"}));

struct StepCase {
    int before;
    int step;
    int after;
};

class OffsetButtons : public ::testing::TestWithParam<StepCase> {};

TEST_P(OffsetButtons, StayWithin50To255)
{
    const StepCase &c = GetParam();
    EXPECT_EQ(offsetAfterStep(c.before, c.step), c.after);
}

INSTANTIATE_TEST_SUITE_P(PulseTimes, OffsetButtons,
                         ::testing::Values(StepCase{50, -1, 50}, StepCase{50, -10, 50}, StepCase{55, -10, 50},
                                           StepCase{51, -1, 50}, StepCase{250, 10, 255}, StepCase{255, 1, 255},
                                           StepCase{254, 1, 255}, StepCase{100, -10, 90}, StepCase{100, 1, 101},
                                           // a byte below the range, as read from a file, jumps to 50
                                           StepCase{0, 1, 50}, StepCase{20, 10, 50}));

class SpanButtons : public ::testing::TestWithParam<StepCase> {};

TEST_P(SpanButtons, WrapThroughZeroAndStopAtTheEnds)
{
    const StepCase &c = GetParam();
    EXPECT_EQ(spanAfterStep(c.before, c.step), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    PulseTimes, SpanButtons,
    ::testing::Values(StepCase{127, 1, 127}, StepCase{127, 10, 127}, StepCase{120, 10, 127},
                      StepCase{128, -1, 128}, StepCase{128, -10, 128}, StepCase{135, -10, 128},
                      StepCase{1, -1, 253}, StepCase{253, 1, 1}, StepCase{5, -10, 248}, StepCase{250, 10, 7},
                      StepCase{248, 10, 5}, StepCase{7, -10, 250}, StepCase{126, 1, 127}, StepCase{128, 1, 129},
                      StepCase{127, -1, 126},
                      // bytes the buttons never produce take the same rules
                      StepCase{0, -1, 252}, StepCase{0, 1, 1}, StepCase{255, 1, 3}, StepCase{254, 1, 2},
                      StepCase{254, -1, 253}));

TEST(SpanButtons, EveryStepMovesTheStepCountByItsSizeUntilAnEnd)
{
    for (int span = 1; span <= 253; ++span) {
        for (int step : ButtonSteps) {
            const int after = spanAfterStep(span, step);
            ASSERT_GE(after, 1) << span << " " << step;
            ASSERT_LE(after, 253) << span << " " << step;
            EXPECT_EQ(spanSteps(after), std::clamp(spanSteps(span) + step, -126, 126)) << span << " " << step;
        }
    }
}

TEST(PulseBytes, ReadInEepromOrderAndWrittenBack)
{
    FirmwareImage image;
    image.resetForLoad();
    const std::array<QString, 8> texts{"7D", "00", "32", "FF", "FF", "80", "0A", "7F"};
    for (int j = 0; j < 8; ++j)
        image.eeprom[0x60 + j] = texts[static_cast<std::size_t>(j)];
    image.eeprom[0x5F] = QStringLiteral("11");
    image.eeprom[0x68] = QStringLiteral("22");

    Values values;
    values.read(image);
    EXPECT_EQ(values.offset, (std::array<int, 4>{125, 50, 255, 10}));
    EXPECT_EQ(values.span, (std::array<int, 4>{0, 255, 128, 127}));
    EXPECT_EQ(values.bytes(), (std::array<int, 8>{125, 0, 50, 255, 255, 128, 10, 127}));

    FirmwareImage out;
    out.resetForLoad();
    writeBytes(out, values.bytes());
    for (int j = 0; j < 8; ++j)
        EXPECT_EQ(out.eeprom[0x60 + j], texts[static_cast<std::size_t>(j)]) << j;
    EXPECT_EQ(out.eeprom[0x5F], QStringLiteral("FF"));
    EXPECT_EQ(out.eeprom[0x68], QStringLiteral("FF"));
}

TEST(PulseBytes, TextsThatAreNoByteKeepTheValue)
{
    FirmwareImage image;
    image.resetForLoad();
    image.eeprom[0x60] = QStringLiteral("G1");
    image.eeprom[0x61] = QStringLiteral("ff");
    image.eeprom[0x62] = QString();
    image.eeprom[0x63] = QStringLiteral("7");
    image.eeprom[0x64] = QStringLiteral("64");

    Values values;
    values.offset = {90, 91, 92, 93};
    values.span = {10, 11, 12, 13};
    values.read(image);
    EXPECT_EQ(values.offset, (std::array<int, 4>{90, 91, 100, 255}));
    EXPECT_EQ(values.span, (std::array<int, 4>{10, 11, 255, 255}));
}

} // namespace
