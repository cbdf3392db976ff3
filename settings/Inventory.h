#pragma once
// The addresses in use across many decoders: one row for each slot that holds
// an address, and the addresses that more than one slot answers to.
#include "decoder/DecoderSession.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace Settings {

// The files an inventory argument stands for. A folder (a link to one is
// followed) stands for every entry in it whose name ends in ".hex", in any
// case, whatever the entry is: one that cannot be read as a file (a FIFO, a
// dangling link, a link loop, no permission) is listed all the same, so that
// its load names it. Names are kept as the bytes the system gives and come in
// natural order (x-2 before x-10). Anything else is the one file it names.
class InventorySources {
public:
    explicit InventorySources(const QString &argument);

    qsizetype size() const { return static_cast<qsizetype>(starts_.size()); }
    QString path(qsizetype k) const;
    // Why the folder could not be listed, naming it.
    const std::optional<QString> &error() const { return error_; }

private:
    QByteArray folder_; // the folder's path with its trailing '/'
    // The names one after the other, each ended by a NUL (which no name
    // holds), and where each starts, in their order.
    QByteArray names_;
    std::vector<std::uint32_t> starts_;
    std::optional<QString> error_;
};

// Natural order of two names: runs of digits compare by their numbers, the rest
// byte by byte; names equal so (x-2, x-02) fall back to plain byte order.
bool naturallyBefore(QByteArrayView a, QByteArrayView b);

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
    std::vector<std::uint32_t> rows; // indexes into the rows, in their order
};

// The rows are kept in four bytes each, the texts once per file and the
// folders once, and the tables are written piece by piece: an inventory of
// many thousand files takes little more memory than one of a hundred.
class Inventory {
public:
    // Takes each piece of a table as it is written.
    using Sink = std::function<void(const QString &)>;

    // Adds every shown slot of a loaded decoder that holds an address (0
    // stands for unused and is left out).
    void add(const QString &file, const DecoderSession &session);

    InventoryRow row(std::size_t index) const;
    std::vector<SharedAddress> shared() const;
    bool anyShared() const;

    // A text table, the shared addresses at its end; slots named by label,
    // and number where their type repeats the label.
    void writeText(const Sink &sink) const;
    // One header row and one row per slot, comma-separated with quotes where a
    // field needs them; the last column counts the other slots that share the
    // address.
    void writeCsv(const Sink &sink) const;
    // The rows and the shared addresses as indented JSON.
    void writeJson(const Sink &sink) const;

private:
    struct File {
        std::uint32_t folder = 0;    // in folders_
        std::uint32_t nameStart = 0; // in names_, up to the next file's
        std::uint32_t firstRow = 0;  // its rows run up to the next file's
        std::int32_t typeCode = 0;
    };
    // One slot. The protocol and kind are the file's, kept here too, so that
    // rows are ordered by what they answer to without looking up their file.
    struct Row {
        std::uint16_t address : 15;
        std::uint16_t function : 1; // a function decoder's slot, not an accessory's
        std::uint8_t slot : 6;
        std::uint8_t protocol : 2;  // a Protocol
        // The output: 1 green, 0 red; or the function number.
        std::uint8_t output = 0;
    };
    // What a row answers to: protocol, kind, address and output, as one number
    // that orders them as their texts read.
    static std::uint32_t keyOf(const Row &row);
    static QString outputText(const Row &row);
    // What the row answers to as the text names it: "77g", "3 / F1".
    static QString addressText(const Row &row);
    // The index of the file a row belongs to.
    std::size_t fileOfRow(std::size_t index) const;
    QString nameOf(std::size_t fileIndex) const;
    // The slot's label, with its number where the label repeats (SlotName.h).
    QString slotNameOf(std::size_t index) const;
    // Every row's index, in the order of keyOf, then of their place.
    std::vector<std::uint32_t> rowsByKey() const;
    // Calls back for each run of more than one row that answers alike.
    void forEachShared(const std::function<void(const std::uint32_t *first, std::size_t count)> &visit) const;

    std::vector<QByteArray> folders_;
    // The files' names, after their folder, one after the other, UTF-8.
    QByteArray names_;
    // Deques: no copy of the whole list while it grows.
    std::deque<File> files_;
    std::deque<Row> rows_;
};

} // namespace Settings
