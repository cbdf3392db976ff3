// The save as the window runs it, through the decoder session: a file that
// loads is saved with its slots unchanged and loaded again. The second load must
// find the same image, type and slots; a rejected file gets exactly one message.
#include "FuzzChecks.h"

#include "decoder/DecoderSession.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DecoderSession session;
    const DecoderSession::LoadOutcome first = session.load(fuzzBytes(data, size));
    if (first.error) {
        fuzzRequire(!first.error->text.isEmpty(), "a rejected file gets its message");
        fuzzRequire(first.error->text.startsWith(QLatin1Char('E')), "the message carries its number");
        requireSafeMessage(first.error->text);
        return 0;
    }
    requireWellFormedBytes(session.image);
    if (session.checkWritable() || session.writeSlots() || session.buildHexLines() == 0)
        return 0; // refused before anything is written

    const FirmwareImage saved = session.image;
    DecoderSession reloaded;
    const DecoderSession::LoadOutcome second = reloaded.load(session.fileContent());
    fuzzRequire(!second.error, "a saved file loads without a message");
    fuzzRequire(reloaded.image.rom == saved.rom, "saved ROM loads back the same");
    fuzzRequire(reloaded.image.eeprom == saved.eeprom, "saved EEPROM loads back the same");
    fuzzRequire(reloaded.image.idText == saved.idText, "saved ID loads back the same");
    fuzzRequire(reloaded.image.configText == saved.configText, "saved CONFIG loads back the same");
    fuzzRequire(reloaded.typeCode() == session.typeCode() && reloaded.protocol() == session.protocol(),
                "the type and protocol stay");
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (!session.isLabelled(s))
            continue;
        const SlotValues &a = session.slotValues[static_cast<std::size_t>(s)];
        const SlotValues &b = reloaded.slotValues[static_cast<std::size_t>(s)];
        fuzzRequire(a.address == b.address, "a saved slot reads back its address");
        fuzzRequire(a.green == b.green, "a saved slot reads back its output");
        fuzzRequire(a.function == b.function, "a saved slot reads back its function number");
    }
    return 0;
}
