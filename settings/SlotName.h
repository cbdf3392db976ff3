#pragma once
// How the lists a person reads (the change lists, the inventory's text) name a
// slot: by its label, with its number where another slot of the same decoder
// has that label ("Halt (Slot 8)"), and by its number alone where it has no
// label ("Slot 12"). The machine formats keep label and number apart.
#include "decoder/DecoderTypes.h"

#include <QString>

namespace Settings {

// The label as it is to be shown: in the reader's language, escaped where it
// comes from a document.
QString slotName(const QString &label, qint64 slot, bool labelRepeats);

// A slot of a decoder type, named as above in the reader's language.
QString slotName(const DecoderType &type, int slot);

} // namespace Settings
