// A second HEX file compared with a loaded firmware, as the information dialog
// does it.
#include "FuzzChecks.h"

#include "image/HexReader.h"
#include "image/HexRecord.h"
#include "info/InfoListing.h"

#include <QFile>

namespace {

FirmwareImage loadedDemo()
{
    FirmwareImage image;
    QFile file(QStringLiteral(QUAXEL_DEMO_SAMPLE));
    fuzzRequire(file.open(QIODevice::ReadOnly), "demo sample readable");
    fuzzRequire(loadHexLines(image, splitHexFileLines(file.readAll())).complete, "demo sample loads");
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const FirmwareImage image = loadedDemo();
    QStringList lines = splitHexFileLines(fuzzBytes(data, size));
    if (checkCompareLineCount(lines))
        return 0;
    for (QString &line : lines)
        line = upperCaseLine(line);
    const CompareListing listing = compareHexLines(image, lines);
    fuzzRequire(listing.eepromDiffs >= 0 && listing.romDiffs >= 0, "difference counts not negative");
    if (listing.error)
        requireSafeMessage(listing.error->text);
    (void)eepromDumpLines(image);
    return 0;
}
