#pragma once
#include "image/FirmwareImage.h"

#include <QLocale>
#include <QString>
#include <array>

// The control pulse times of the four servos. Each servo has two EEPROM bytes:
// the offset (lower pulse time in units of 8 µs) and the span byte, a signed
// step count that sets the upper pulse time. Servo n (0..3) keeps them at
// 0x60 + 2n and 0x61 + 2n.
namespace PulseTimes {

constexpr int ServoCount = 4;
constexpr int FirstEepromByte = 0x60;
constexpr int ByteCount = 8;
// The offset buttons never leave this range.
constexpr int MinOffset = 50;
constexpr int MaxOffset = 255;

// Signed step count of a span byte: 0..127 count up (k = trunc(s * 127 / 128),
// 0..126), 128..255 count down (k = -trunc((255 - s) * 127 / 128), -126..0).
int spanSteps(int span);

// Pulse times in milliseconds: Min = offset * 8 µs, Max = (offset + 127 + k) * 8 µs.
double minMs(int offset);
double maxMs(int offset, int span);
// A time as the frame shows it: fixed point, three decimals, the locale's
// decimal separator.
QString timeText(double ms, const QLocale &locale);

// The steps of the four buttons beside each time: "<<", "<", ">", ">>".
constexpr std::array<int, 4> ButtonSteps{-10, -1, 1, 10};

// The offset after one button step, limited to 50..255.
int offsetAfterStep(int offset, int step);

// The span byte after one button step. The span bytes 1..253 form one circle
// of step counts (1..127 -> k 0..126, 128..253 -> k -126..-1): a step that
// leaves 1..253 wraps around through zero, and a step that would cross from
// one half to the other stops at its end (127 going up, 128 going down).
int spanAfterStep(int span, int step);

// The values of the four servos, as the frame keeps them between loads.
struct Values {
    std::array<int, ServoCount> offset{};
    std::array<int, ServoCount> span{};

    bool operator==(const Values &) const = default;

    // offset 0, span 0, offset 1, span 1, .. span 3: the order of EEPROM bytes
    // 0x60..0x67.
    std::array<int, ByteCount> bytes() const;

    // Reads the eight bytes from the EEPROM image. A byte whose text is no
    // two-digit upper-case hex text keeps the value it had.
    void read(const FirmwareImage &image);
};

// Writes eight pulse bytes into EEPROM 0x60..0x67 (each limited to 0..255).
void writeBytes(FirmwareImage &image, const std::array<int, ByteCount> &bytes);

} // namespace PulseTimes
