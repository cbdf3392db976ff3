// A curve file and a set file read into a working copy of the four curve
// records, as the servo curve editor's "laden" buttons do. Whatever the file
// holds, every record byte stays 0..255 and a load either completes or says
// why it was refused, leaving every record as it was; a set file that loads
// writes back to the same lines.
#include "FuzzChecks.h"

#include "frames/Frame_tamb/CurveFiles.h"
#include "image/HexRecord.h"

namespace {

void requireBytes(const CurveRecords &curves)
{
    for (const CurveRecords::Record &record : curves.records)
        for (const int value : record)
            fuzzRequire(value >= 0 && value <= 255, "every record entry stays a byte");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = splitHexFileLines(fuzzBytes(data, size));

    CurveRecords curves;
    for (CurveRecords::Record &record : curves.records)
        record.fill(0x5A);
    const CurveRecords before = curves;
    const CurveFiles::LoadResult curve = CurveFiles::loadCurveFile(lines, curves[1]);
    requireBytes(curves);
    fuzzRequire(curve.complete || !curve.warnings.isEmpty(), "a stopped curve load names its reason");
    fuzzRequire(curve.warnings.size() <= 2, "at most the line-count and one bad-line warning");
    for (const QString &warning : curve.warnings)
        requireSafeMessage(warning);
    if (!curve.complete)
        fuzzRequire(curves == before, "a refused curve file changes nothing");
    if (curve.complete) {
        const int count = curves[1][CurveRecords::CountEntry];
        fuzzRequire(count >= 1 && count <= 100, "a loaded curve has 1..100 points");
    }

    CurveRecords set = before;
    const CurveFiles::LoadResult loaded = CurveFiles::loadSetFile(lines, set);
    if (!loaded.complete)
        fuzzRequire(set == before, "a refused set file changes nothing");
    requireBytes(set);
    fuzzRequire(loaded.complete || loaded.warnings.size() == 1, "a refused set file gets exactly one warning");
    for (const QString &warning : loaded.warnings)
        requireSafeMessage(warning);
    if (loaded.complete) {
        CurveRecords again;
        const QStringList written = splitHexFileLines(CurveFiles::setFileContent(set));
        fuzzRequire(CurveFiles::loadSetFile(written, again).complete, "a written set file loads");
        fuzzRequire(again == set, "a written set file loads back the same records");
    }
    return 0;
}
