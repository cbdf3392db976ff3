#include "decoder/SlotRules.h"

#include "decoder/DecoderTypes.h"
#include "image/HexByte.h"

#include <QCoreApplication>

namespace {

constexpr int SecondByteOffset = 16;
constexpr int ThirdByteOffset = 32;

QString eepromByte(const FirmwareImage &image, int index)
{
    return image.eeprom[index];
}

bool isByteText(const QString &text)
{
    return text.size() == 2 && isHexText(text);
}

// The edit's text as a whole number; nothing for any other text.
std::optional<int> integerOf(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString withLabel(const char *pattern, const QString &label)
{
    return QCoreApplication::translate("SlotRules", pattern).arg(slotLabelText(label));
}

// The texts of one kind of number check; %1 is the slot's label.
struct NumberCheck {
    SlotField field;
    const char *noNumber;
    const char *tooSmall;
    const char *tooLarge;
};

const NumberCheck AddressCheck{SlotField::Address, QT_TRANSLATE_NOOP("SlotRules", "Ungültige Eingabe für <%1> "),
                               QT_TRANSLATE_NOOP("SlotRules", "Adresse für <%1> ist zu klein"),
                               QT_TRANSLATE_NOOP("SlotRules", "Adresse für <%1> ist zu gross")};
const NumberCheck FunctionCheck{SlotField::Function, QT_TRANSLATE_NOOP("SlotRules", "Ungültige Eingabe Funktion von <%1> "),
                                QT_TRANSLATE_NOOP("SlotRules", "Funktions-Nummer für <%1> ist zu klein"),
                                QT_TRANSLATE_NOOP("SlotRules", "Funktions-Nummer für <%1> ist zu gross")};

// Converts the text into numbers[slot]; a range fault counts only for a labelled slot.
std::optional<SlotFault> checkNumber(const NumberCheck &check, const SlotInput &input, int slot, int limit,
                                     SlotNumbers &numbers)
{
    const QString &text = check.field == SlotField::Address ? input.addressText : input.functionText;
    const std::optional<int> value = integerOf(text);
    if (!value)
        return SlotFault{withLabel(check.noNumber, input.label), slot, check.field};
    numbers[slot] = *value;
    if (input.label.isEmpty())
        return std::nullopt;
    if (*value < 0)
        return SlotFault{withLabel(check.tooSmall, input.label), slot, check.field};
    if (*value > limit)
        return SlotFault{withLabel(check.tooLarge, input.label), slot, check.field};
    return std::nullopt;
}

} // namespace

QString addressTooLargeMessage(const QString &label)
{
    return withLabel(AddressCheck.tooLarge, label);
}

namespace {

void readAccessorySlot(SlotValues &values, const std::optional<AccessoryMatch> &match)
{
    if (!match)
        return;
    values.address = match->address;
    values.green = match->green;
}

QString motAccessoryCode(const SlotValues &values, const QString &storedCode, const AddressCodeTables &tables)
{
    const QString entry = tables.motAccessoryCode(values.address);
    if (entry.isEmpty())
        return storedCode;
    return values.green ? entry : AddressCodeTables::motRedForm(entry);
}

QString dccAccessoryCode(const SlotValues &values, const QString &storedCode, const AddressCodeTables &tables)
{
    if (values.address == 0)
        return QStringLiteral("000000");
    const QString entry = tables.dccAccessoryCode(values.address);
    if (entry.isEmpty())
        return storedCode;
    return values.green ? AddressCodeTables::dccGreenForm(entry) : entry;
}

// Motorola locomotive: two address bytes, then the function code.
void encodeMotLoco(SlotValues &values, const QString &storedCode, const AddressCodeTables &tables)
{
    const QString entry = tables.motLocoCode(values.address);
    const QString addressPart = entry.isEmpty() ? storedCode.left(4) : entry;
    const QString functionCode = AddressCodeTables::motFunctionCode(values.function);
    if (!functionCode.isEmpty())
        values.functionCode = functionCode;
    values.code = addressPart + (functionCode.isEmpty() ? storedCode.mid(4, 2) : functionCode);
}

// DCC locomotive: the function code, then the address low and high bytes.
void encodeDccLoco(SlotValues &values, const QString &storedCode)
{
    const bool inRange = values.address >= 0 && values.address <= AddressCodeTables::DccLocoLast;
    QString addressPart = storedCode.mid(2, 4);
    if (inRange) {
        const DccLocoBytes bytes = AddressCodeTables::dccLocoBytes(values.address);
        addressPart = bytes.low + bytes.high;
    }
    const QString functionCode = AddressCodeTables::dccFunctionCode(values.function);
    if (!functionCode.isEmpty())
        values.functionCode = functionCode;
    values.code = (functionCode.isEmpty() ? storedCode.left(2) : functionCode) + addressPart;
}

} // namespace

SlotCoding slotCoding(bool isAccessory, bool isFunctionDecoder, bool isMot, bool isDcc)
{
    if (isAccessory)
        return isMot   ? SlotCoding::MotAccessory
               : isDcc ? SlotCoding::DccAccessory
                       : SlotCoding::AccessoryWithoutProtocol;
    if (isFunctionDecoder)
        return isMot ? SlotCoding::MotLoco : isDcc ? SlotCoding::DccLoco : SlotCoding::LocoWithoutProtocol;
    return SlotCoding::None;
}

int slotEepromIndex(int slot)
{
    if (slot < 16)
        return slot;
    return 64 + (slot - 16) % 16;
}

QString storedSlotCode(const FirmwareImage &image, int slot)
{
    const int j = slotEepromIndex(slot);
    return eepromByte(image, j) + eepromByte(image, j + SecondByteOffset) + eepromByte(image, j + ThirdByteOffset);
}

SlotValues readSlot(const FirmwareImage &image, int slot, SlotCoding coding, int maxAddress,
                    const AddressCodeTables &tables)
{
    SlotValues values;
    const int j = slotEepromIndex(slot);
    switch (coding) {
    case SlotCoding::MotAccessory:
        values.code = storedSlotCode(image, slot);
        readAccessorySlot(values, tables.findMotAccessory(values.code, maxAddress));
        break;
    case SlotCoding::DccAccessory:
        values.code = storedSlotCode(image, slot);
        readAccessorySlot(values, tables.findDccAccessory(values.code, maxAddress));
        break;
    case SlotCoding::AccessoryWithoutProtocol:
        values.code = storedSlotCode(image, slot);
        break;
    case SlotCoding::MotLoco:
        values.code = eepromByte(image, j) + eepromByte(image, j + SecondByteOffset);
        values.functionCode = eepromByte(image, j + ThirdByteOffset);
        values.address = tables.findMotLoco(values.code, maxAddress).value_or(0);
        values.function = AddressCodeTables::motFunctionNumber(values.functionCode);
        break;
    case SlotCoding::LocoWithoutProtocol:
        values.code = eepromByte(image, j) + eepromByte(image, j + SecondByteOffset);
        values.functionCode = eepromByte(image, j + ThirdByteOffset);
        break;
    case SlotCoding::DccLoco:
        values.functionCode = eepromByte(image, j);
        values.address = AddressCodeTables::dccLocoAddress(eepromByte(image, j + SecondByteOffset),
                                                           eepromByte(image, j + ThirdByteOffset));
        values.function = AddressCodeTables::dccFunctionNumber(values.functionCode);
        break;
    case SlotCoding::None:
        break;
    }
    return values;
}

int addressCheckLimit(SlotCoding coding, int maxAddress)
{
    if (coding == SlotCoding::MotLoco)
        return std::min(maxAddress, static_cast<int>(AddressCodeTables::MotLocoLast));
    return maxAddress;
}

std::optional<SlotFault> validateSlots(const SlotInputs &inputs, bool checkFunctions, int addressLimit, int maxFunction,
                                       SlotNumbers &addresses, SlotNumbers &functions)
{
    if (auto fault = checkNumber(AddressCheck, inputs[0], 0, addressLimit, addresses))
        return fault;
    if (checkFunctions) {
        for (int t = 0; t < DecoderSlotCount; ++t) {
            if (auto fault = checkNumber(FunctionCheck, inputs[t], t, maxFunction, functions))
                return fault;
        }
    }
    for (int s = 1; s < DecoderSlotCount; ++s) {
        if (auto fault = checkNumber(AddressCheck, inputs[s], s, addressLimit, addresses))
            return fault;
    }
    return std::nullopt;
}

void encodeSlot(SlotCoding coding, SlotValues &values, const QString &storedCode, const AddressCodeTables &tables)
{
    switch (coding) {
    case SlotCoding::MotAccessory:
        values.code = motAccessoryCode(values, storedCode, tables);
        break;
    case SlotCoding::DccAccessory:
        values.code = dccAccessoryCode(values, storedCode, tables);
        break;
    case SlotCoding::MotLoco:
        encodeMotLoco(values, storedCode, tables);
        break;
    case SlotCoding::DccLoco:
        encodeDccLoco(values, storedCode);
        break;
    case SlotCoding::AccessoryWithoutProtocol:
    case SlotCoding::LocoWithoutProtocol:
    case SlotCoding::None:
        values.code = storedCode;
        break;
    }
}

void storeSlotCode(FirmwareImage &image, int slot, const QString &code)
{
    const int j = slotEepromIndex(slot);
    const int offsets[] = {0, SecondByteOffset, ThirdByteOffset};
    for (int k = 0; k < 3; ++k) {
        const QString byteText = code.mid(2 * k, 2);
        if (isByteText(byteText))
            image.eeprom[j + offsets[k]] = byteText.toUpper();
    }
}
