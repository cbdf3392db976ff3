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
#include <QString>
#include <QStringList>
#include <array>
#include <optional>


// One loaded decoder firmware and everything recognised in it: the image, the
// type and protocol, the slot labels and limits, and the 48 slot values. The
// main window, the command line, benchmarks and fuzz targets all run the load,
// identify, slot and save steps through here.
class DecoderSession {
public:
    // The session's own messages, as the window and the command line show them.
    static QString unrecognisedMessage() { return QStringLiteral("Das HEX-File konnte leider nicht erkannt werden"); }
    static QString checksumProblemMessage() { return QStringLiteral("Problem bei der Checksummen-Berechnung"); }

    static constexpr int SlotCount = DecoderSlotCount;
    static constexpr int DefaultSlotBreak = 15;

    DecoderSession();

    FirmwareImage image;
    // The file loaded or last saved; empty before the first load.
    QString filePath;

    // ---- what identification found ----
    IdWords ids;
    int typeCode = 0;
    Protocol protocol = Protocol::None;
    bool isMot = false;
    bool isDcc = false;
    bool isAccessory = false;
    bool isFunctionDecoder = false;
    const DecoderType *type = nullptr; // the type table's row, nullptr when unknown
    std::array<QString, SlotCount> slotLabels;
    int breakAfter = DefaultSlotBreak;
    EditorFrameKind editorFrame = EditorFrameKind::None;
    bool recognised = false;

    // ---- the slots ----
    int maxAddress = 0;
    int maxFunction = 0;
    std::array<SlotValues, SlotCount> slotValues;

    // ---- loading ----
    // A file of more than 512 lines: the message, before anything changes.
    static std::optional<UserMessage> checkLineCount(const QStringList &lines);
    // Resets the image and parses every line into it; the first bad line ends
    // the load with its message, the bytes stored before it stay.
    HexLoadResult readLines(const QStringList &lines);
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
    LoadOutcome load(const QByteArray &content);

    // ---- the slot rules for the loaded type ----
    bool isLabelled(int slot) const { return !slotLabels[static_cast<std::size_t>(slot)].isEmpty(); }
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
    // Writes fileContent() to the file and reads the file back: the message of a
    // write error or of a file that does not hold the image; nothing on success.
    // afterWrite runs between writing the file and reading it back.
    std::optional<QString> saveFile(const QString &path, const AfterWriteHook &afterWrite = {}) const;

private:
    void setMotorolaLimits();
    void setDccLimits();

    const AddressCodeTables *tables_ = &AddressCodeTables::shared();
};
