// Pulse times of the servo decoders: the shown times, the button rules and the
// eight EEPROM bytes.
#include "frames/Frame_tamb_adr/PulseTimes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace PulseTimes;

namespace {

TEST(PulseTimes, ShownWithThreeDecimalsInTheLocale)
{
    struct Case {
        int offset, span, steps;
        const char *min, *max;
    };
    const Case cases[] = {{125, 0, 0, "1.000", "2.016"},    {125, 254, 0, "1.000", "2.016"},
                          {125, 255, 0, "1.000", "2.016"},  {125, 253, -1, "1.000", "2.008"},
                          {125, 127, 126, "1.000", "3.024"}, {125, 128, -126, "1.000", "1.008"},
                          {50, 248, -6, "0.400", "1.368"},  {255, 127, 126, "2.040", "4.064"}};
    for (const Case &c : cases) {
        EXPECT_EQ(spanSteps(c.span), c.steps) << c.span;
        EXPECT_EQ(timeText(minMs(c.offset), QLocale::c()), QLatin1String(c.min)) << c.offset;
        EXPECT_EQ(timeText(maxMs(c.offset, c.span), QLocale::c()), QLatin1String(c.max)) << c.offset << " " << c.span;
    }
    EXPECT_EQ(timeText(maxMs(125, 0), QLocale(QLocale::German)), QStringLiteral("2,016"));
}

TEST(PulseTimes, ButtonsAtBothEnds)
{
    struct Case {
        int before, step, offset, span;
    };
    const Case cases[] = {{50, -1, 50, 49},  {50, -10, 50, 40}, {55, -10, 50, 45}, {250, 10, 255, 7},
                          {255, 1, 255, 3},   {0, 1, 50, 1},      {127, 1, 128, 127}, {120, 10, 130, 127},
                          {128, -1, 127, 128}, {135, -10, 125, 128}, {1, -1, 50, 253}, {253, 1, 254, 1},
                          {5, -10, 50, 248},  {248, 10, 255, 5},  {0, -1, 50, 252},  {254, 1, 255, 2}};
    for (const Case &c : cases) {
        EXPECT_EQ(offsetAfterStep(c.before, c.step), c.offset) << c.before << " " << c.step;
        EXPECT_EQ(spanAfterStep(c.before, c.step), c.span) << c.before << " " << c.step;
    }
}

TEST(PulseTimes, SpanStepsMoveByTheStepUntilAnEndAndWrapThroughZero)
{
    for (int span = 1; span <= 253; ++span) {
        for (int step : ButtonSteps) {
            const int after = spanAfterStep(span, step);
            ASSERT_TRUE(after >= 1 && after <= 253) << span << " " << step;
            EXPECT_EQ(spanSteps(after), std::clamp(spanSteps(span) + step, -126, 126)) << span << " " << step;
        }
    }
}

TEST(PulseTimes, EightBytesInEepromOrder)
{
    FirmwareImage image;
    image.resetForLoad();
    const QStringList texts{"7D", "00", "32", "FF", "G1", "ff", "0A", "7"};
    for (int j = 0; j < 8; ++j)
        image.eeprom[0x60 + j] = texts[j];
    Values values;
    values.offset = {1, 2, 3, 4};
    values.span = {5, 6, 7, 8};
    values.read(image); // texts that are no byte keep the value
    EXPECT_EQ(values.bytes(), (std::array<int, 8>{125, 0, 50, 255, 3, 7, 10, 8}));

    writeBytes(image, values.bytes());
    EXPECT_EQ(image.eeprom[0x64] + image.eeprom[0x65] + image.eeprom[0x67], QStringLiteral("030708"));
    EXPECT_EQ(image.eeprom[0x5F] + image.eeprom[0x68], QStringLiteral("FFFF"));
}

} // namespace
