// A HEX file loaded, identified and its 48 slots read, re-encoded and stored,
// as the load and save sequences do it with unchanged edits.
#include "FuzzChecks.h"

#include "decoder/AddressCodes.h"
#include "decoder/DecoderTypes.h"
#include "decoder/SlotRules.h"
#include "image/HexReader.h"
#include "image/HexRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const AddressCodeTables tables;
    const QStringList lines = splitHexFileLines(fuzzBytes(data, size));
    if (checkHexLineCount(lines))
        return 0;
    FirmwareImage image;
    if (!loadHexLines(image, lines).complete)
        return 0;

    const DecoderType *type = findDecoderType(readIdWords(image).typeCode);
    const Protocol protocol = detectProtocol(image);
    const SlotKind kind = type ? type->kind : SlotKind::Neither;
    const SlotCoding coding = slotCoding(kind == SlotKind::Accessory, kind == SlotKind::Function,
                                         protocol == Protocol::Motorola, protocol == Protocol::Dcc);
    const int maxAddress = protocol == Protocol::Motorola ? 320 : kind == SlotKind::Accessory ? 2044 : 16128;
    for (int s = 0; s < DecoderSlotCount; ++s) {
        SlotValues values = readSlot(image, s, coding, maxAddress, tables);
        fuzzRequire(values.address >= 0 && values.address <= 16383, "decoded address inside 0..16383");
        if (values.address > addressCheckLimit(coding, maxAddress))
            continue; // the save would refuse this slot
        const QString stored = storedSlotCode(image, s);
        encodeSlot(coding, values, stored, tables);
        storeSlotCode(image, s, values.code);
    }
    requireWellFormedBytes(image);
    return 0;
}
