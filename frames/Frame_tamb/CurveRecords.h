#pragma once
#include "image/FirmwareImage.h"

#include <array>

// The four servo curve records of the servo decoders, as the curve editor and
// the servo address frame work on them: record r (0..3) entry j = byte j of the
// record. Records 0 and 1 are the low bytes of program words 0x500..0x5FF,
// records 2 and 3 those of 0x600..0x6FF; high bytes are neither read nor written.
struct CurveRecords {
    static constexpr int Count = 4;
    static constexpr int Size = 128;
    static constexpr int MaxPoints = 100;
    static constexpr int MaxStretch = 200;
    // Entries of a record.
    static constexpr int OptionsEntry = 100;
    static constexpr int CountEntry = 101;
    static constexpr int StretchEntry = 102;
    static constexpr int KeyActionEntry = 110;
    // A curve point: bits 0..6 the servo position, bit 7 the relay.
    static constexpr int PositionMask = 0x7F;
    static constexpr int RelayBit = 0x80;
    static constexpr int MaxPosition = 127;

    using Record = std::array<int, Size>;
    std::array<Record, Count> records{};

    Record &operator[](int r) { return records[static_cast<std::size_t>(r)]; }
    const Record &operator[](int r) const { return records[static_cast<std::size_t>(r)]; }
    bool operator==(const CurveRecords &) const = default;

    // The two parts of a curve point.
    static constexpr int position(int point) { return point & PositionMask; }
    static constexpr bool relayOn(int point) { return (point & RelayBit) != 0; }

    // Number of points of a record: its count entry limited to 1..100.
    static int pointCount(const Record &record);

    // ROM index of entry j of record r (even entries only).
    static int romIndex(int record, int entry);

    // Reads all four records from the image (every byte 0..255).
    static CurveRecords read(const FirmwareImage &image);
    // Writes all 512 bytes into the even ROM entries of the two tables. Each
    // value is limited to 0..255 before it is written.
    void write(FirmwareImage &image) const;
};
