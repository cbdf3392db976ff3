#include "frames/Frame_zusatz/ModesModel.h"

#include "frames/ByteEntry.h"
#include "image/FirmwareImage.h"
#include "image/HexByte.h"

#include <algorithm>

namespace Zusatz {

ModesModel::ModesModel(FirmwareImage &image) : image_(image) {}

void ModesModel::load(int typeCode)
{
    state_ = ModesState{};
    state_.typeCode = typeCode;
    layout_ = layoutFor(typeCode);

    // The mode byte and the main parameter are read for every type; the radio
    // buttons and bit boxes follow the mode byte also where they stay hidden.
    std::vector<int> read{ModeByte, ValueByte};
    if (layout_) {
        if (layout_->minimumCount)
            read.push_back(MinimumCountByte);
        if (layout_->neonSliders) {
            read.push_back(NeonDarkByte);
            read.push_back(NeonBrightByte);
        }
        for (const ExtraField &field : layout_->extras)
            read.push_back(field.eepromIndex);
    }
    for (int index : read)
        state_.bytes[index] = image_.eeprom[index];

    if (layout_ && layout_->slider == Slider::Fading) {
        const FadingReading reading = readFadingCode(byteText(ValueByte));
        if (reading.rewrite)
            writeText(ValueByte, fadingCodes()[reading.position]);
    }
}

const QString &ModesModel::byteText(int index) const
{
    static const QString none;
    const auto it = state_.bytes.find(index);
    return it == state_.bytes.end() ? none : it->second;
}

int ModesModel::byteValue(int index) const
{
    return HexByteValue(byteText(index));
}

void ModesModel::writeText(int index, const QString &text)
{
    state_.bytes[index] = text;
    image_.eeprom[index] = text;
}

void ModesModel::writeByte(int index, int value)
{
    writeText(index, hexByte(value));
}

QString ModesModel::valueCaption() const
{
    return layout_ ? layout_->valueCaption : QString();
}

int ModesModel::valueMin() const
{
    return layout_ && layout_->valueEdit ? layout_->valueMin : NeutralMin;
}

int ModesModel::valueMax() const
{
    return layout_ && layout_->valueEdit ? layout_->valueMax : NeutralMax;
}

int ModesModel::value() const
{
    return byteValue(ValueByte);
}

QString ModesModel::secondsText() const
{
    return Zusatz::secondsText(value());
}

QString ModesModel::speedTitle() const
{
    return Zusatz::speedTitle(value());
}

int ModesModel::fadingPosition() const
{
    return readFadingCode(byteText(ValueByte)).position;
}

std::optional<int> ModesModel::modeRadio() const
{
    return modeRadioIndex(byteValue(ModeByte));
}

bool ModesModel::modeBit6() const
{
    return byteValue(ModeByte) & 0x40;
}

bool ModesModel::modeBit7() const
{
    return byteValue(ModeByte) & 0x80;
}

bool ModesModel::switchOff() const
{
    return switchOffChecked(byteText(ModeByte));
}

int ModesModel::neonDark() const
{
    return byteValue(NeonDarkByte);
}

int ModesModel::neonBright() const
{
    return byteValue(NeonBrightByte);
}

bool ModesModel::valueBit(int bit) const
{
    return value() & (1 << bit);
}

bool ModesModel::valueBitOffered(int bit) const
{
    return layout_ && bit >= 0 && bit < 8 && (layout_->neonBoxBits & (1 << bit));
}

int ModesModel::minimumCount() const
{
    return byteValue(MinimumCountByte);
}

int ModesModel::extraCount() const
{
    return layout_ ? std::min<int>(static_cast<int>(layout_->extras.size()), ExtraFieldCount) : 0;
}

QString ModesModel::extraCaption(int k) const
{
    return k >= 0 && k < extraCount() ? layout_->extras[static_cast<std::size_t>(k)].caption : QString();
}

int ModesModel::extraValue(int k) const
{
    return k >= 0 && k < extraCount() ? byteValue(layout_->extras[static_cast<std::size_t>(k)].eepromIndex) : 0;
}

void ModesModel::writeModeBits(std::optional<int> radioIndex, bool bit6, bool bit7)
{
    if (!layout_ || !layout_->mode.visible)
        return;
    writeByte(ModeByte, modeByteAfterClick(byteValue(ModeByte), radioIndex, layout_->mode.bit6, bit6,
                                           layout_->mode.bit7, bit7));
}

void ModesModel::chooseMode(int radioIndex)
{
    if (radioIndex < 0 || radioIndex >= ModeRadioCount)
        return;
    writeModeBits(radioIndex, modeBit6(), modeBit7());
}

void ModesModel::setModeBit6(bool on)
{
    writeModeBits(std::nullopt, on, modeBit7());
}

void ModesModel::setModeBit7(bool on)
{
    writeModeBits(std::nullopt, modeBit6(), on);
}

void ModesModel::setSwitchOff(bool on)
{
    if (layout_ && layout_->switchOffOption)
        writeText(ModeByte, switchOffText(on));
}

TypedEntry<int> ModesModel::typeValue(const QString &text)
{
    const TypedEntry<int> entry = checkValueInput(text, valueCaption(), valueMin(), valueMax());
    if (entry.isAccepted())
        writeByte(ValueByte, entry.value);
    return entry;
}

TypedEntry<int> ModesModel::typeMinimumCount(const QString &text)
{
    const TypedEntry<int> entry = checkMinimumCountInput(text);
    if (entry.isAccepted() && layout_ && layout_->minimumCount)
        writeByte(MinimumCountByte, entry.value);
    return entry;
}

TypedEntry<int> ModesModel::typeExtra(int k, const QString &text)
{
    if (k < 0 || k >= extraCount())
        return TypedEntry<int>::empty();
    const TypedEntry<int> entry = Typed::byteEntry(text);
    if (entry.isAccepted())
        writeByte(layout_->extras[static_cast<std::size_t>(k)].eepromIndex, entry.value);
    return entry;
}

void ModesModel::slideTo(int position)
{
    if (!layout_)
        return;
    if (layout_->slider == Slider::Fading && position >= 0 && position < FadingPositions)
        writeText(ValueByte, fadingCodes()[static_cast<std::size_t>(position)]);
    else if (layout_->slider == Slider::Speed)
        writeByte(ValueByte, position);
}

void ModesModel::setNeonDark(int level)
{
    if (layout_ && layout_->neonSliders)
        writeByte(NeonDarkByte, level);
}

void ModesModel::setNeonBright(int level)
{
    if (layout_ && layout_->neonSliders)
        writeByte(NeonBrightByte, level);
}

void ModesModel::setValueBit(int bit, bool on)
{
    if (!valueBitOffered(bit))
        return;
    const int mask = 1 << bit;
    writeByte(ValueByte, neonValue(value(), mask, on ? mask : 0));
}

} // namespace Zusatz
