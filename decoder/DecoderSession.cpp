#include "decoder/DecoderSession.h"

#include "image/HexWriter.h"

DecoderSession::DecoderSession() = default;

std::optional<UserMessage> DecoderSession::checkLineCount(const QStringList &lines)
{
    return checkHexLineCount(lines);
}

HexLoadResult DecoderSession::readLines(const QStringList &lines, const QString &fileName)
{
    return loadHexLines(image, lines, fileName);
}

void DecoderSession::identify()
{
    ids_ = readIdWords(image);
    protocol_ = detectProtocol(image);
    type_ = findDecoderType(ids_.typeCode);
    for (int s = 0; s < SlotCount; ++s)
        slotLabels_[static_cast<std::size_t>(s)] = type_ ? type_->slotLabel(s) : QString();
}

bool DecoderSession::recognised() const
{
    if (!type_)
        return false;
    if (typeCode() == CvDecoderTypeCode)
        return true;
    for (int s = 0; s < SlotCount; ++s) {
        if (isLabelled(s))
            return true;
    }
    return false;
}

void DecoderSession::setMotorolaLimits()
{
    maxAddress = AddressCodeTables::MotAccessoryLast;
    maxFunction = AddressCodeTables::MotFunctionLast;
}

void DecoderSession::setDccLimits()
{
    maxAddress = isAccessory() ? AddressCodeTables::DccAccessoryLast : AddressCodeTables::DccLocoLast;
    maxFunction = AddressCodeTables::DccFunctionLast;
}

void DecoderSession::applyProtocolLimits()
{
    if (isMot())
        setMotorolaLimits();
    else if (isDcc())
        setDccLimits();
}

SlotCoding DecoderSession::coding() const
{
    return slotCoding(isAccessory(), isFunctionDecoder(), isMot(), isDcc());
}

int DecoderSession::addressLimit() const
{
    return addressCheckLimit(coding(), maxAddress);
}

void DecoderSession::readSlots()
{
    const SlotCoding slotCoding = coding();
    for (int s = 0; s < SlotCount; ++s)
        slotValues[static_cast<std::size_t>(s)] = readSlot(image, s, slotCoding, maxAddress, *tables_);
}

DecoderSession::LoadOutcome DecoderSession::load(const QByteArray &content, const QString &fileName)
{
    LoadOutcome outcome;
    const QStringList lines = splitHexFileLines(content);
    if (auto tooLong = checkLineCount(lines)) {
        outcome.error = tooLong;
        return outcome;
    }
    outcome.imageTouched = true;
    outcome.lines = readLines(lines, fileName);
    if (!outcome.lines.complete) {
        outcome.error = outcome.lines.error;
        return outcome;
    }
    outcome.damage = findHexDamage(lines);
    identify();
    applyProtocolLimits();
    readSlots();
    return outcome;
}

void DecoderSession::toggleGreen(int slot)
{
    if (slot < 0 || slot >= SlotCount)
        return;
    SlotValues &values = slotValues[static_cast<std::size_t>(slot)];
    values.green = !values.green;
}

std::optional<QString> DecoderSession::checkWritable() const
{
    return checkWritableImage(image);
}

std::optional<SlotFault> DecoderSession::writeSlots(const std::array<QString, SlotCount> &addressTexts,
                                                    const std::array<QString, SlotCount> &functionTexts)
{
    SlotInputs inputs;
    for (std::size_t s = 0; s < SlotCount; ++s)
        inputs[s] = {slotLabels_[s], addressTexts[s], functionTexts[s]};
    SlotNumbers addresses{};
    SlotNumbers functions{};
    for (std::size_t s = 0; s < SlotCount; ++s) {
        addresses[s] = slotValues[s].address;
        functions[s] = slotValues[s].function;
    }
    const auto fault = validateSlots(inputs, isFunctionDecoder(), addressLimit(), maxFunction, addresses, functions);
    // Numbers converted before a fault are kept, as the grid shows them.
    for (std::size_t s = 0; s < SlotCount; ++s) {
        slotValues[s].address = addresses[s];
        slotValues[s].function = functions[s];
    }
    if (fault)
        return fault;

    const SlotCoding slotCoding = coding();
    for (int s = 0; s < SlotCount; ++s)
        encodeSlot(slotCoding, slotValues[static_cast<std::size_t>(s)], storedSlotCode(image, s), *tables_);
    if (!isAccessory() && !isFunctionDecoder())
        return std::nullopt;
    // Only the slots the type names are the decoder's; the others keep their bytes.
    for (int s = 0; s < SlotCount; ++s) {
        if (isLabelled(s))
            storeSlotCode(image, s, slotValues[static_cast<std::size_t>(s)].code);
    }
    return std::nullopt;
}

std::optional<SlotFault> DecoderSession::writeSlots()
{
    std::array<QString, SlotCount> addressTexts;
    std::array<QString, SlotCount> functionTexts;
    for (std::size_t s = 0; s < SlotCount; ++s) {
        addressTexts[s] = QString::number(slotValues[s].address);
        functionTexts[s] = QString::number(slotValues[s].function);
    }
    return writeSlots(addressTexts, functionTexts);
}

int DecoderSession::buildHexLines()
{
    image.lineCount = BuildHexLines(image);
    return image.lineCount;
}

QByteArray DecoderSession::fileContent() const
{
    return hexFileContent(image);
}

std::optional<QString> DecoderSession::saveFile(const QString &path) const
{
    return saveVerifiedHexFile(path, fileContent(), image);
}
