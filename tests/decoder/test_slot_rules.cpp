// Reading, checking and encoding the address slots.
#include "decoder/SlotRules.h"

#include <gtest/gtest.h>

namespace {

const AddressCodeTables &tables()
{
    static const AddressCodeTables t;
    return t;
}

FirmwareImage imageWithSlot(int slot, const QString &code)
{
    FirmwareImage image;
    image.resetForLoad();
    storeSlotCode(image, slot, code);
    return image;
}

TEST(SlotPlace, EepromIndexes)
{
    EXPECT_EQ(slotEepromIndex(0), 0);
    EXPECT_EQ(slotEepromIndex(15), 15);
    EXPECT_EQ(slotEepromIndex(16), 64);
    EXPECT_EQ(slotEepromIndex(31), 79);
    EXPECT_EQ(slotEepromIndex(32), 64);
    EXPECT_EQ(slotEepromIndex(47), 79);

    const FirmwareImage image = imageWithSlot(17, QStringLiteral("0102A3"));
    EXPECT_EQ(image.eeprom[0x41], QStringLiteral("01"));
    EXPECT_EQ(image.eeprom[0x51], QStringLiteral("02"));
    EXPECT_EQ(image.eeprom[0x61], QStringLiteral("A3"));
    EXPECT_EQ(storedSlotCode(image, 17), QStringLiteral("0102A3"));
}

TEST(SlotPlace, MalformedBytesAreNeverStored)
{
    FirmwareImage image = imageWithSlot(3, QStringLiteral("0300C3"));
    storeSlotCode(image, 3, QStringLiteral("12"));
    EXPECT_EQ(storedSlotCode(image, 3), QStringLiteral("1200C3"));
    storeSlotCode(image, 3, QStringLiteral("G1 2ab"));
    EXPECT_EQ(storedSlotCode(image, 3), QStringLiteral("1200AB"));
    storeSlotCode(image, 3, QString());
    EXPECT_EQ(storedSlotCode(image, 3), QStringLiteral("1200AB"));
}

TEST(SlotCodingChoice, FromKindAndProtocol)
{
    EXPECT_EQ(slotCoding(true, false, true, false), SlotCoding::MotAccessory);
    EXPECT_EQ(slotCoding(true, false, false, true), SlotCoding::DccAccessory);
    EXPECT_EQ(slotCoding(true, false, false, false), SlotCoding::AccessoryWithoutProtocol);
    EXPECT_EQ(slotCoding(false, true, true, false), SlotCoding::MotLoco);
    EXPECT_EQ(slotCoding(false, true, false, true), SlotCoding::DccLoco);
    EXPECT_EQ(slotCoding(false, true, false, false), SlotCoding::LocoWithoutProtocol);
    EXPECT_EQ(slotCoding(false, false, true, false), SlotCoding::None);
}

// ---------------------------------------------------------------- reading

struct ReadCase {
    SlotCoding coding;
    const char *stored;
    int maxAddress;
    int address;
    bool green;
    int function;
};

class ReadSlot : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadSlot, DecodesTheStoredCode)
{
    const ReadCase &c = GetParam();
    const FirmwareImage image = imageWithSlot(5, QString::fromLatin1(c.stored));
    const SlotValues values = readSlot(image, 5, c.coding, c.maxAddress, tables());
    EXPECT_EQ(values.address, c.address);
    EXPECT_EQ(values.green, c.green);
    EXPECT_EQ(values.function, c.function);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ReadSlot,
    ::testing::Values(ReadCase{SlotCoding::MotAccessory, "0300C3", 320, 1, true, 0},
                      ReadCase{SlotCoding::MotAccessory, "030003", 320, 1, false, 0},
                      ReadCase{SlotCoding::MotAccessory, "FFFFFF", 320, 0, true, 0}, // erased: 0, green
                      ReadCase{SlotCoding::MotAccessory, "0000FF", 320, 320, true, 0},
                      ReadCase{SlotCoding::MotAccessory, "123456", 320, 0, false, 0},
                      ReadCase{SlotCoding::DccAccessory, "79F005", 2044, 1, false, 0},
                      ReadCase{SlotCoding::DccAccessory, "78F205", 2044, 1, true, 0},
                      ReadCase{SlotCoding::DccAccessory, "311CFD", 2044, 2044, false, 0},
                      ReadCase{SlotCoding::DccAccessory, "FFFFFF", 2044, 0, false, 0}, // erased: no entry
                      ReadCase{SlotCoding::DccAccessory, "000000", 2044, 0, false, 0},
                      ReadCase{SlotCoding::MotLoco, "025C15", 320, 83, false, 3},
                      ReadCase{SlotCoding::MotLoco, "02A499", 320, 255, false, 0},
                      ReadCase{SlotCoding::DccLoco, "B80080", 16128, 0, false, 8},
                      ReadCase{SlotCoding::DccLoco, "A82CC1", 16128, 300, false, 12},
                      ReadCase{SlotCoding::DccLoco, "FFFFFF", 16128, 16383, false, 0}, // erased: above the limit
                      ReadCase{SlotCoding::AccessoryWithoutProtocol, "0300C3", 320, 0, false, 0},
                      ReadCase{SlotCoding::LocoWithoutProtocol, "025C15", 320, 0, false, 0},
                      ReadCase{SlotCoding::None, "0300C3", 320, 0, false, 0}));

TEST(ReadSlotCodes, KeepWhatWasRead)
{
    const FirmwareImage image = imageWithSlot(20, QStringLiteral("025C15"));
    const SlotValues mot = readSlot(image, 20, SlotCoding::MotLoco, 320, tables());
    EXPECT_EQ(mot.code, QStringLiteral("025C"));
    EXPECT_EQ(mot.functionCode, QStringLiteral("15"));
    const SlotValues dcc = readSlot(image, 20, SlotCoding::DccLoco, 16128, tables());
    EXPECT_EQ(dcc.functionCode, QStringLiteral("02"));
    const SlotValues acc = readSlot(image, 20, SlotCoding::AccessoryWithoutProtocol, 0, tables());
    EXPECT_EQ(acc.code, QStringLiteral("025C15"));
}

// ---------------------------------------------------------------- checking

SlotInputs inputsWithLabels(int labelled)
{
    SlotInputs inputs;
    for (int s = 0; s < DecoderSlotCount; ++s)
        inputs[s] = {s >= 1 && s <= labelled ? QStringLiteral("Out %1").arg(s) : QString(), QStringLiteral("0"),
                     QStringLiteral("0")};
    return inputs;
}

struct CheckOutcome {
    std::optional<SlotFault> fault;
    SlotNumbers addresses{};
    SlotNumbers functions{};
};

CheckOutcome check(const SlotInputs &inputs, bool functions, int addressLimit = 2044, int maxFunction = 12)
{
    CheckOutcome outcome;
    outcome.fault = validateSlots(inputs, functions, addressLimit, maxFunction, outcome.addresses, outcome.functions);
    return outcome;
}

struct FaultCase {
    int slot;
    bool functionEdit;
    const char *text;
    const char *message;
};

class CheckFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CheckFault, ExactMessageAndEdit)
{
    const FaultCase &c = GetParam();
    SlotInputs inputs = inputsWithLabels(5);
    (c.functionEdit ? inputs[c.slot].functionText : inputs[c.slot].addressText) = QString::fromUtf8(c.text);
    const CheckOutcome outcome = check(inputs, true);
    ASSERT_TRUE(outcome.fault);
    EXPECT_EQ(outcome.fault->message, QString::fromUtf8(c.message));
    EXPECT_EQ(outcome.fault->slot, c.slot);
    EXPECT_EQ(outcome.fault->field, c.functionEdit ? SlotField::Function : SlotField::Address);
}

INSTANTIATE_TEST_SUITE_P(Messages, CheckFault,
                         ::testing::Values(FaultCase{2, false, "abc", "Ungültige Eingabe für <Out 2> "},
                                           FaultCase{2, false, "", "Ungültige Eingabe für <Out 2> "},
                                           FaultCase{2, false, "99999999999", "Ungültige Eingabe für <Out 2> "},
                                           FaultCase{3, false, "-1", "Adresse für <Out 3> ist zu klein"},
                                           FaultCase{4, false, "2045", "Adresse für <Out 4> ist zu gross"},
                                           FaultCase{1, true, "x", "Ungültige Eingabe Funktion von <Out 1> "},
                                           FaultCase{5, true, "-2", "Funktions-Nummer für <Out 5> ist zu klein"},
                                           FaultCase{5, true, "13", "Funktions-Nummer für <Out 5> ist zu gross"},
                                           FaultCase{40, false, "1.5", "Ungültige Eingabe für <> "}));

TEST(CheckOrder, FunctionNumbersBeforeAddressesOfLaterSlots)
{
    SlotInputs inputs = inputsWithLabels(5);
    inputs[2].addressText = QStringLiteral("20000");
    inputs[5].functionText = QStringLiteral("x");
    EXPECT_EQ(check(inputs, true).fault->message, QStringLiteral("Ungültige Eingabe Funktion von <Out 5> "));
    // Without function numbers the address is reported.
    EXPECT_EQ(check(inputs, false).fault->message, QStringLiteral("Adresse für <Out 2> ist zu gross"));
}

TEST(CheckOrder, AddressOfSlotZeroComesFirst)
{
    SlotInputs inputs = inputsWithLabels(5);
    inputs[0].addressText = QStringLiteral("?");
    inputs[1].functionText = QStringLiteral("99");
    const CheckOutcome outcome = check(inputs, true);
    EXPECT_EQ(outcome.fault->slot, 0);
    EXPECT_EQ(outcome.fault->field, SlotField::Address);
}

TEST(CheckRange, HiddenSlotsAreNeverReported)
{
    SlotInputs inputs = inputsWithLabels(2);
    inputs[3].addressText = QStringLiteral("-5");
    inputs[4].addressText = QStringLiteral("99999");
    inputs[4].functionText = QStringLiteral("-7");
    inputs[0].addressText = QStringLiteral("5000");
    const CheckOutcome outcome = check(inputs, true);
    EXPECT_FALSE(outcome.fault);
    EXPECT_EQ(outcome.addresses[3], -5);
    EXPECT_EQ(outcome.addresses[4], 99999);
    EXPECT_EQ(outcome.functions[4], -7);
}

TEST(CheckRange, LimitsThemselvesPassAndNumbersBeforeAFaultAreKept)
{
    SlotInputs inputs = inputsWithLabels(4);
    inputs[1].addressText = QStringLiteral("2044");
    inputs[2].addressText = QStringLiteral(" 0 ");
    inputs[3].addressText = QStringLiteral("7");
    inputs[4].addressText = QStringLiteral("2045");
    inputs[1].functionText = QStringLiteral("12");
    const CheckOutcome outcome = check(inputs, true);
    ASSERT_TRUE(outcome.fault);
    EXPECT_EQ(outcome.fault->slot, 4);
    EXPECT_EQ(outcome.addresses[1], 2044);
    EXPECT_EQ(outcome.addresses[3], 7);
    EXPECT_EQ(outcome.functions[1], 12);
}

TEST(CheckRange, MotorolaLocomotivesStopAt255)
{
    EXPECT_EQ(addressCheckLimit(SlotCoding::MotLoco, 320), 255);
    EXPECT_EQ(addressCheckLimit(SlotCoding::MotAccessory, 320), 320);
    EXPECT_EQ(addressCheckLimit(SlotCoding::DccLoco, 16128), 16128);
    SlotInputs inputs = inputsWithLabels(2);
    inputs[1].addressText = QStringLiteral("256");
    EXPECT_EQ(check(inputs, true, addressCheckLimit(SlotCoding::MotLoco, 320), 4).fault->message,
              QStringLiteral("Adresse für <Out 1> ist zu gross"));
    inputs[1].addressText = QStringLiteral("255");
    EXPECT_FALSE(check(inputs, true, addressCheckLimit(SlotCoding::MotLoco, 320), 4).fault);
}

// ---------------------------------------------------------------- encoding

struct EncodeCase {
    SlotCoding coding;
    const char *stored;
    int address;
    bool green;
    int function;
    const char *code;
};

class EncodeSlot : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeSlot, GivesTheCode)
{
    const EncodeCase &c = GetParam();
    SlotValues values;
    values.address = c.address;
    values.green = c.green;
    values.function = c.function;
    encodeSlot(c.coding, values, QString::fromLatin1(c.stored), tables());
    EXPECT_EQ(values.code, QString::fromLatin1(c.code));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EncodeSlot,
    ::testing::Values(EncodeCase{SlotCoding::MotAccessory, "FFFFFF", 1, true, 0, "0300C3"},
                      EncodeCase{SlotCoding::MotAccessory, "FFFFFF", 1, false, 0, "030003"},
                      EncodeCase{SlotCoding::MotAccessory, "FFFFFF", 0, true, 0, "FFFFFF"},
                      EncodeCase{SlotCoding::MotAccessory, "0300C3", 320, false, 0, "00003F"},
                      EncodeCase{SlotCoding::MotAccessory, "0300C3", -5, true, 0, "0300C3"},
                      EncodeCase{SlotCoding::MotAccessory, "0300C3", 99999, true, 0, "0300C3"},
                      EncodeCase{SlotCoding::DccAccessory, "FFFFFF", 1, false, 0, "79F005"},
                      EncodeCase{SlotCoding::DccAccessory, "FFFFFF", 1, true, 0, "78F205"},
                      EncodeCase{SlotCoding::DccAccessory, "FFFFFF", 0, true, 0, "000000"},
                      EncodeCase{SlotCoding::DccAccessory, "FFFFFF", 2044, false, 0, "311CFD"},
                      EncodeCase{SlotCoding::DccAccessory, "79F005", 2045, false, 0, "79F005"},
                      EncodeCase{SlotCoding::DccAccessory, "79F005", -5, false, 0, "79F005"},
                      EncodeCase{SlotCoding::MotLoco, "FFFFFF", 83, false, 3, "025C15"},
                      EncodeCase{SlotCoding::MotLoco, "025C15", 1, false, 0, "030015"}, // unknown number keeps
                      EncodeCase{SlotCoding::MotLoco, "025C15", 0, false, 4, "025C55"}, // 0 keeps its bytes
                      EncodeCase{SlotCoding::MotLoco, "025C15", 300, false, 1, "025C51"},
                      EncodeCase{SlotCoding::DccLoco, "FFFFFF", 100, false, 1, "816400"},
                      EncodeCase{SlotCoding::DccLoco, "FFFFFF", 128, false, 12, "A880C0"},
                      EncodeCase{SlotCoding::DccLoco, "B82CC1", 16128, false, 0, "B800FF"},
                      EncodeCase{SlotCoding::DccLoco, "B82CC1", 16129, false, 0, "B82CC1"},
                      EncodeCase{SlotCoding::DccLoco, "B82CC1", -5, false, 13, "B82CC1"},
                      EncodeCase{SlotCoding::AccessoryWithoutProtocol, "123456", 1, true, 0, "123456"},
                      EncodeCase{SlotCoding::LocoWithoutProtocol, "025C15", 1, false, 1, "025C15"},
                      EncodeCase{SlotCoding::None, "025C15", 1, false, 1, "025C15"}));

TEST(EncodeSlotFunctionCode, IsReplacedOnlyByAKnownNumber)
{
    SlotValues values;
    values.functionCode = QStringLiteral("84");
    values.address = 3;
    values.function = 0;
    encodeSlot(SlotCoding::DccLoco, values, QStringLiteral("840300"), tables());
    EXPECT_EQ(values.functionCode, QStringLiteral("84"));
    values.function = 5;
    encodeSlot(SlotCoding::DccLoco, values, QStringLiteral("840300"), tables());
    EXPECT_EQ(values.functionCode, QStringLiteral("B1"));
    EXPECT_EQ(values.code, QStringLiteral("B10300"));
}

// Written codes read back as the numbers they came from.
TEST(EncodeSlotRoundTrip, ReadBackGivesTheNumbers)
{
    const struct {
        SlotCoding coding;
        int maxAddress;
        int address;
        bool green;
        int function;
    } cases[] = {{SlotCoding::MotAccessory, 320, 320, false, 0},  {SlotCoding::MotAccessory, 320, 17, true, 0},
                 {SlotCoding::DccAccessory, 2044, 2044, true, 0}, {SlotCoding::DccAccessory, 2044, 0, false, 0},
                 {SlotCoding::MotLoco, 320, 255, false, 4},       {SlotCoding::DccLoco, 16128, 16128, false, 9},
                 {SlotCoding::DccLoco, 16128, 127, false, 1}};
    for (const auto &c : cases) {
        FirmwareImage image;
        image.resetForLoad();
        SlotValues values;
        values.address = c.address;
        values.green = c.green;
        values.function = c.function;
        encodeSlot(c.coding, values, storedSlotCode(image, 30), tables());
        storeSlotCode(image, 30, values.code);
        const SlotValues back = readSlot(image, 30, c.coding, c.maxAddress, tables());
        EXPECT_EQ(back.address, c.address) << values.code.toStdString();
        EXPECT_EQ(back.green, c.green) << values.code.toStdString();
        EXPECT_EQ(back.function, c.function) << values.code.toStdString();
    }
}

} // namespace
