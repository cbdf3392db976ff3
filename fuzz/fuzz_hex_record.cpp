// One HEX line through the record parser: whatever it accepts stays inside the
// image and consists of two-character byte texts.
#include "FuzzChecks.h"

#include "image/HexRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = upperCaseLine(QString::fromLatin1(fuzzBytes(data, size)));
    const HexRecord record = parseHexRecord(line);
    for (const RecordByte &byte : record.bytes) {
        fuzzRequire(byte.text().size() == 2, "record byte text of two characters");
        if (record.target == RecordTarget::Rom)
            fuzzRequire(byte.index >= 0 && byte.index < FirmwareImage::RomSize, "ROM index inside the ROM");
        else if (record.target == RecordTarget::Eeprom)
            fuzzRequire(byte.index >= 0 && byte.index < FirmwareImage::EepromSize, "EEPROM index inside the EEPROM");
        else
            fuzzRequire(false, "bytes only for ROM and EEPROM records");
    }
    return 0;
}
