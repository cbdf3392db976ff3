#pragma once
#include "decoder/AddressCodes.h"
#include "decoder/DecoderTypes.h"
#include "image/FirmwareImage.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// How the three EEPROM bytes of a slot are to be understood, from the decoder
// kind and the protocol of the loaded firmware.
enum class SlotCoding {
    MotAccessory,
    DccAccessory,
    MotLoco,
    DccLoco,
    AccessoryWithoutProtocol,
    LocoWithoutProtocol,
    None, // neither accessory nor locomotive slots: nothing is read or written
};

SlotCoding slotCoding(bool isAccessory, bool isFunctionDecoder, bool isMot, bool isDcc);

// EEPROM index of the first byte of slot s; the others follow at +16 and +32.
int slotEepromIndex(int slot);

// What the grid knows about one slot.
struct SlotValues {
    int address = 0;
    int function = 0;
    bool green = false;
    QString code;         // the slot's code as read or written
    QString functionCode; // the 2-digit function code
};

// Reads slot s from the EEPROM and decodes its address (searching 0..maxAddress)
// and function number. A code that matches nothing gives address 0, red output
// and function 0, so nothing of a previously loaded file lingers.
SlotValues readSlot(const FirmwareImage &image, int slot, SlotCoding coding, int maxAddress,
                    const AddressCodeTables &tables);

// The upper bound of the address check: Motorola locomotive codes exist only up
// to 255, whatever the protocol's limit.
int addressCheckLimit(SlotCoding coding, int maxAddress);

// The edits of one slot as the user left them.
struct SlotInput {
    QString label;
    QString addressText;
    QString functionText;
};

enum class SlotField { Address, Function };

// A rejected input: the message to show and the edit that gets the focus.
struct SlotFault {
    QString message;
    int slot = 0;
    SlotField field = SlotField::Address;
};

using SlotInputs = std::array<SlotInput, DecoderSlotCount>;
using SlotNumbers = std::array<int, DecoderSlotCount>;

// Checks the edits in the order the user is told about faults: the address of
// slot 0, then (when checkFunctions) the function numbers of all slots, then the
// addresses of slots 1..47. Every number converted before a fault is kept in
// addresses / functions. Slots without a label are checked only for being a
// number, never for their range.
std::optional<SlotFault> validateSlots(const SlotInputs &inputs, bool checkFunctions, int addressLimit, int maxFunction,
                                       SlotNumbers &addresses, SlotNumbers &functions);

// "Adresse für <label> ist zu gross": the save's message for an address above
// the limit.
QString addressTooLargeMessage(const QString &label);

// The six code digits currently stored for slot s.
QString storedSlotCode(const FirmwareImage &image, int slot);

// Encodes the slot's numbers into values.code (six digits) and, where a function
// number has a code, values.functionCode. Everything the numbers cannot give a
// code to (an address outside the table, Motorola locomotive address 0, an
// unknown function number, an unknown protocol) keeps the stored digits.
void encodeSlot(SlotCoding coding, SlotValues &values, const QString &storedCode, const AddressCodeTables &tables);

// Writes a six-digit code into the slot's three EEPROM bytes; a byte text that
// is not two hex digits is never written.
void storeSlotCode(FirmwareImage &image, int slot, const QString &code);
