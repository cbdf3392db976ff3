#include "frames/Frame_register/CvListModel.h"

#include "frames/ByteEntry.h"
#include "image/FirmwareImage.h"
#include "image/HexByte.h"

#include <algorithm>

namespace Cv {

CvListModel::CvListModel(FirmwareImage &image) : image_(image) {}

void CvListModel::load(int typeCode)
{
    state_ = CvListState{};
    state_.typeCode = typeCode;
    const std::vector<Entry> &entries = entriesFor(typeCode);
    const int count = std::min<int>(static_cast<int>(entries.size()), PairCount);
    for (int k = 0; k < count; ++k)
        state_.texts.push_back(image_.eeprom[entries[static_cast<std::size_t>(k)].eepromIndex]);
}

int CvListModel::eepromIndex(int k) const
{
    return entriesFor(state_.typeCode)[static_cast<std::size_t>(k)].eepromIndex;
}

QString CvListModel::caption(int k) const
{
    return k >= 0 && k < count() ? entriesFor(state_.typeCode)[static_cast<std::size_t>(k)].caption : QString();
}

int CvListModel::value(int k) const
{
    return k >= 0 && k < count() ? HexByteValue(state_.texts[static_cast<std::size_t>(k)]) : 0;
}

TypedEntry<int> CvListModel::typeValue(int k, const QString &text)
{
    if (k < 0 || k >= count())
        return TypedEntry<int>::empty();
    const TypedEntry<int> entry = Typed::byteEntry(text);
    if (entry.isAccepted()) {
        state_.texts[static_cast<std::size_t>(k)] = hexByte(entry.value);
        image_.eeprom[eepromIndex(k)] = hexByte(entry.value);
    }
    return entry;
}

} // namespace Cv
