#include "frames/Frame_tamb/CurveRecords.h"

#include "image/HexByte.h"

#include <algorithm>

int CurveRecords::romIndex(int record, int entry)
{
    // Table 1 starts at word 0x500, table 2 at 0x600; each holds two records.
    const int word = (record < 2 ? 0x500 : 0x600) + (record % 2) * Size + entry;
    return 2 * word;
}

int CurveRecords::pointCount(const Record &record)
{
    return std::clamp(record[CountEntry], 1, MaxPoints);
}

CurveRecords CurveRecords::read(const FirmwareImage &image)
{
    CurveRecords curves;
    for (int r = 0; r < Count; ++r)
        for (int j = 0; j < Size; ++j)
            curves[r][static_cast<std::size_t>(j)] = HexByteValue(image.rom[static_cast<std::size_t>(romIndex(r, j))]);
    return curves;
}

void CurveRecords::write(FirmwareImage &image) const
{
    for (int r = 0; r < Count; ++r)
        for (int j = 0; j < Size; ++j)
            image.rom[static_cast<std::size_t>(romIndex(r, j))] =
                hexByte(std::clamp((*this)[r][static_cast<std::size_t>(j)], 0, 255));
}
