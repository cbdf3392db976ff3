#include "frames/Frame_tamb_adr/PulseTimes.h"

#include "image/HexByte.h"

#include <algorithm>

namespace PulseTimes {

namespace {

constexpr double StepMs = 0.008;

} // namespace

int spanSteps(int span)
{
    if (span <= 127)
        return static_cast<int>(span * 127.0 / 128.0);
    return -static_cast<int>((255 - span) * 127.0 / 128.0);
}

double minMs(int offset)
{
    return offset * StepMs;
}

double maxMs(int offset, int span)
{
    return (offset + 127 + spanSteps(span)) * StepMs;
}

QString timeText(double ms, const QLocale &locale)
{
    return locale.toString(ms, 'f', 3);
}

int offsetAfterStep(int offset, int step)
{
    return std::clamp(offset + step, MinOffset, MaxOffset);
}

int spanAfterStep(int span, int step)
{
    int n = span + step;
    if (n > 253)
        n -= 253;
    else if (n < 1)
        n += 253;
    else if (n > 127 && span <= 127)
        n = 127;
    else if (n < 128 && span >= 128)
        n = 128;
    return n;
}

std::array<int, ByteCount> Values::bytes() const
{
    std::array<int, ByteCount> out{};
    for (std::size_t servo = 0; servo < ServoCount; ++servo) {
        out[2 * servo] = offset[servo];
        out[2 * servo + 1] = span[servo];
    }
    return out;
}

void Values::read(const FirmwareImage &image)
{
    for (std::size_t j = 0; j < ByteCount; ++j) {
        const QString &text = image.eeprom[FirstEepromByte + j];
        // Only a text that is one of the 256 byte texts counts.
        if (hexByte(HexByteValue(text)) != text)
            continue;
        int &member = (j % 2 == 0) ? offset[j / 2] : span[j / 2];
        member = HexByteValue(text);
    }
}

void writeBytes(FirmwareImage &image, const std::array<int, ByteCount> &bytes)
{
    for (std::size_t j = 0; j < ByteCount; ++j)
        image.eeprom[FirstEepromByte + j] = hexByte(std::clamp(bytes[j], 0, 255));
}

} // namespace PulseTimes
