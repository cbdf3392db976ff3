// The recovery file a window left behind: read, and when accepted, written
// again and read back with the same content.
#include "FuzzChecks.h"

#include "document/RecoveryDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    auto read = RecoveryDocument::fromBytes(fuzzBytes(data, size));
    const auto *doc = std::get_if<std::unique_ptr<RecoveryDocument>>(&read);
    if (!doc)
        return 0;
    const QByteArray written = (*doc)->toBytes();
    auto again = RecoveryDocument::fromBytes(written);
    const auto *back = std::get_if<std::unique_ptr<RecoveryDocument>>(&again);
    fuzzRequire(back != nullptr, "a written recovery file reads back");
    fuzzRequire((*back)->toBytes() == written, "a recovery file reads back as written");
    (void)(*back)->loadedContent();
    return 0;
}
