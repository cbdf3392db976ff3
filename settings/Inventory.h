#pragma once
// The addresses in use across many decoders: one row for each slot that holds
// an address, and the addresses that more than one slot answers to.
#include "decoder/DecoderSession.h"

#include <QJsonObject>
#include <QString>
#include <vector>

namespace Settings {

struct InventoryRow {
    QString file;     // as shown to the user
    int typeCode = 0;
    QString label;    // the decoder type's label
    QString protocol; // "Mot", "DCC"
    int slot = 0;
    QString slotLabel;
    int address = 0;
    // "g" / "r" for an accessory output, "F3" for a function number.
    QString output;
};

// Slots that answer to the same protocol, kind, address and output.
struct SharedAddress {
    QString protocol;
    int address = 0;
    QString output;
    std::vector<std::size_t> rows; // indexes into the rows, in their order
};

class Inventory {
public:
    // Adds every shown slot of a loaded decoder that holds an address (0
    // stands for unused and is left out).
    void add(const QString &file, const DecoderSession &session);

    const std::vector<InventoryRow> &rows() const { return rows_; }
    std::vector<SharedAddress> shared() const;

    // A text table, the shared addresses at its end.
    QString text() const;
    // One header row and one row per slot, comma-separated with quotes where a
    // field needs them; the last column counts the other slots that share the
    // address.
    QString csv() const;
    QJsonObject json() const;

private:
    std::vector<InventoryRow> rows_;
};

} // namespace Settings
