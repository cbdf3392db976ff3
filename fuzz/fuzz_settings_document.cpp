// A settings document read, checked, written and read back, and applied to a
// decoder of each editor kind, then compared with the decoder's own settings.
// A refused document leaves the image as it was; an applied one leaves
// well-formed bytes.
#include "FuzzChecks.h"

#include "decoder/DecoderSession.h"
#include "settings/SettingsDiff.h"
#include "settings/SettingsDocument.h"

#include <QFile>
#include <QJsonObject>
#include <vector>

namespace {

// The samples whose types have an editor of each kind, loaded once.
const std::vector<DecoderSession> &decoders()
{
    static const std::vector<DecoderSession> loaded = [] {
        std::vector<DecoderSession> sessions;
        for (const char *name : {"211-tamb-4-servo-dekoder-dcc.hex", "210-tamb-kubo-servo-dekoder-mot.hex",
                                 "221-led-blinkmuster-dcc.hex", "1-kandor-blinkmuster-mot.hex",
                                 "624-led-dekoder-neon-ab-v3-48-dcc.hex", "2769152-kandor-rimno-f-dekoder-neon-ab-v0-60-dcc.hex",
                                 "615-led-dekoder-ampel-ab-v3-41-dcc.hex", "17408-f-dekoder-mit-cv-dcc.hex",
                                 "full-15872-led-function-decoder-mot.hex", "8-torvel-no-protocol.hex"}) {
            QFile file(QStringLiteral(QUAXEL_SAMPLES_DIR "/") + QLatin1String(name));
            fuzzRequire(file.open(QIODevice::ReadOnly), "sample readable");
            DecoderSession session;
            fuzzRequire(!session.load(file.readAll()).error, "sample loads");
            sessions.push_back(session);
        }
        return sessions;
    }();
    return loaded;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Settings::ReadDocument read = Settings::readDocument(fuzzBytes(data, size));
    if (read.fault) {
        requireSafeMessage(read.fault->text());
        return 0;
    }
    // The document as written reads back: no raw control character, no fault.
    const QByteArray written = Settings::documentText(read.document);
    fuzzRequire(!holdsRawControl(QString::fromUtf8(written)), "no raw control character in a written document");
    fuzzRequire(!Settings::readDocument(written).fault, "a written document reads back");
    for (const DecoderSession &decoder : decoders()) {
        // The document is made to name each decoder's type, so that it reaches the editors.
        QJsonObject document = read.document;
        QJsonObject type = document.value(QStringLiteral("decoder")).toObject();
        type[QStringLiteral("typeCode")] = decoder.typeCode();
        document[QStringLiteral("decoder")] = type;

        DecoderSession session = decoder;
        if (const auto fault = Settings::applySettings(session, document)) {
            requireSafeMessage(fault->text());
            fuzzRequire(session.image.rom == decoder.image.rom && session.image.eeprom == decoder.image.eeprom,
                        "a refused document leaves the image as it was");
            continue;
        }
        requireWellFormedBytes(session.image);
        DecoderSession before = decoder;
        const QJsonObject own = Settings::exportSettings(before, {QStringLiteral("f.hex"), QByteArray(), QString()});
        Settings::compareSettings(own, document);
    }
    return 0;
}
