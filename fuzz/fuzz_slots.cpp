// A HEX file loaded, identified and its 48 slots read, re-encoded and stored,
// as the load and save sequences do it with unchanged edits.
#include "FuzzChecks.h"

#include "decoder/DecoderSession.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DecoderSession session;
    if (session.load(fuzzBytes(data, size)).error)
        return 0;

    for (const SlotValues &values : session.slotValues)
        fuzzRequire(values.address >= 0 && values.address <= 16383, "decoded address inside 0..16383");
    // The save refuses addresses above the limit; the slots it accepts are
    // re-encoded and stored.
    if (!session.writeSlots())
        requireWellFormedBytes(session.image);
    return 0;
}
