// A whole HEX file: split into lines, loaded into the image, and - when it loads
// and can be written - regenerated and loaded again to the same memory.
#include "FuzzChecks.h"

#include "image/HexReader.h"
#include "image/HexRecord.h"
#include "image/HexWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = splitHexFileLines(fuzzBytes(data, size));
    if (checkHexLineCount(lines))
        return 0;
    FirmwareImage image;
    const HexLoadResult result = loadHexLines(image, lines);
    fuzzRequire(result.complete != result.error.has_value(), "a load either completes or names its error");
    requireWellFormedBytes(image);
    if (result.error)
        requireSafeMessage(result.error->text);
    if (!result.complete || checkWritableImage(image))
        return 0;

    image.lineCount = BuildHexLines(image);
    if (image.lineCount == 0) // a data byte that is no hex number
        return 0;
    FirmwareImage reloaded;
    const HexLoadResult again = loadHexLines(reloaded, splitHexFileLines(hexFileContent(image)));
    fuzzRequire(again.complete, "a written file loads without a message");
    fuzzRequire(reloaded.rom == image.rom, "written ROM loads back the same");
    fuzzRequire(reloaded.eeprom == image.eeprom, "written EEPROM loads back the same");
    fuzzRequire(reloaded.idText == image.idText, "written ID loads back the same");
    fuzzRequire(reloaded.configText == image.configText, "written CONFIG loads back the same");
    return 0;
}
