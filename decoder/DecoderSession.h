#pragma once
#include "decoder/AddressCodes.h"
#include "decoder/DecoderTypes.h"
#include "decoder/SlotRules.h"
#include "image/FirmwareImage.h"
#include "image/HexDamage.h"
#include "image/HexFile.h"
#include "image/HexReader.h"
#include "image/HexRecord.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>


// One loaded decoder firmware and everything recognised in it: the image, the
// type and protocol, the slot labels and limits, and the values of every slot. The
// main window, the command line, benchmarks and fuzz targets all run the load,
// identify, slot and save steps through here.
class DecoderSession {
public:
    // The session's own messages, as the window and the command line show them.
    static QString unrecognisedMessage() { return QCoreApplication::translate("DecoderSession", "Das HEX-File konnte leider nicht erkannt werden"); }
    static QString checksumProblemMessage() { return QCoreApplication::translate("DecoderSession", "Problem bei der Checksummen-Berechnung"); }

    static constexpr int SlotCount = DecoderSlotCount;
    static constexpr int DefaultSlotBreak = 15;

    DecoderSession();

    FirmwareImage image;
    // The file loaded or last saved; empty before the first load.
    QString filePath;

    // ---- what identification found (set by identify() only) ----
    const IdWords &ids() const { return ids_; }
    int typeCode() const { return ids_.typeCode; }
    Protocol protocol() const { return protocol_; }
    bool isMot() const { return protocol_ == Protocol::Motorola; }
    bool isDcc() const { return protocol_ == Protocol::Dcc; }
    // The type table's row, nullptr when unknown.
    const DecoderType *type() const { return type_; }
    bool isAccessory() const { return type_ && type_->kind == SlotKind::Accessory; }
    bool isFunctionDecoder() const { return type_ && type_->kind == SlotKind::Function; }
    // The slot after which the grid starts its second column.
    int breakAfter() const { return type_ ? type_->breakAfter : DefaultSlotBreak; }
    EditorFrameKind editorFrame() const { return type_ ? type_->frame : EditorFrameKind::None; }
    // The type's label of the slot, empty for a slot the type does not use.
    const QString &slotLabel(int slot) const { return slotLabels_[static_cast<std::size_t>(slot)]; }
    // A known type that names a slot, or the CV decoder.
    bool recognised() const;

    // ---- the slots ----
    int maxAddress = 0;
    int maxFunction = 0;
    std::array<SlotValues, SlotCount> slotValues;

    // ---- loading ----
    // A file of more lines than the image holds: the message, before anything changes.
    static std::optional<UserMessage> checkLineCount(const QStringList &lines);
    // Resets the image and parses every line into it; the first bad line ends
    // the load with its message, the bytes stored before it stay. The file's
    // name, where known, goes into the message of a file that was cut off.
    HexLoadResult readLines(const QStringList &lines, const QString &fileName = QString());
    // Type code and ID words, protocol, the type's row, slot labels, column
    // break, editor frame and whether the file counts as recognised.
    void identify();
    // The address and function limits of the protocol. Without a protocol the
    // limits stay as they were.
    void applyProtocolLimits();
    // Decodes every slot from the EEPROM.
    void readSlots();

    // The whole load of a file's content: line count, lines, identification,
    // limits and slots. The message of the first fault, if any; loaded tells
    // whether the image was touched at all.
    struct LoadOutcome {
        std::optional<UserMessage> error;
        bool imageTouched = false;
        HexLoadResult lines;
        // Signs of damage in a file that loaded.
        HexDamage damage;
    };
    LoadOutcome load(const QByteArray &content, const QString &fileName = QString());

    // ---- the slot rules for the loaded type ----
    bool isLabelled(int slot) const { return !slotLabel(slot).isEmpty(); }
    // The grid shows a slot the type names, and only when the file has a
    // protocol marker.
    bool slotShown(int slot) const { return protocol_ != Protocol::None && isLabelled(slot); }
    SlotCoding coding() const;
    // The upper bound the save applies to addresses (and names in the hints).
    int addressLimit() const;
    void toggleGreen(int slot);

    // ---- saving ----
    // Why the image cannot be written as a well-formed file, if anything.
    std::optional<QString> checkWritable() const;
    // Validates the edit texts of every slot and, when all hold, encodes the
    // numbers and writes the codes of the labelled slots into the EEPROM. The
    // first fault with its message and the edit that gets the focus.
    std::optional<SlotFault> writeSlots(const std::array<QString, SlotCount> &addressTexts,
                                        const std::array<QString, SlotCount> &functionTexts);
    // The same with the slots' own numbers as the texts.
    std::optional<SlotFault> writeSlots();
    // Regenerates every record; the number of lines, 0 after a checksum failure.
    int buildHexLines();
    // The regenerated lines as file content (CR LF).
    QByteArray fileContent() const;
    // Writes fileContent() to the file through the verified save: the message of
    // a write error or of a file that does not read back as the image (the old
    // file stays then); nothing on success.
    std::optional<QString> saveFile(const QString &path) const;

private:
    IdWords ids_;
    Protocol protocol_ = Protocol::None;
    const DecoderType *type_ = nullptr;
    std::array<QString, SlotCount> slotLabels_;

    void setMotorolaLimits();
    void setDccLimits();

    const AddressCodeTables *tables_ = &AddressCodeTables::shared();
};
