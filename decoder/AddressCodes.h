#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// An address found for a stored accessory code, with the output it selects.
struct AccessoryMatch {
    int address = 0;
    bool green = false;
};

// The two bytes of a DCC locomotive address as stored in a slot.
struct DccLocoBytes {
    QString low;
    QString high;
};

// The constant tables that translate between address numbers and the codes the
// decoders keep in their EEPROM. Codes are upper-case hex texts, byte 1 first.
class AddressCodeTables {
  public:
    static constexpr int MotAccessorySize = 350;
    static constexpr int MotAccessoryLast = 320;
    static constexpr int MotLocoSize = 350;
    static constexpr int MotLocoLast = 255;
    static constexpr int DccAccessorySize = 2100;
    static constexpr int DccAccessoryLast = 2044;
    static constexpr int DccLocoLast = 16128;
    static constexpr int MotFunctionLast = 4;
    static constexpr int DccFunctionLast = 12;

    AddressCodeTables();

    // The tables never change once built: one instance serves every session.
    static const AddressCodeTables &shared();

    // The entry of an address: Motorola accessories 0..320 (the green output;
    // 0 is "FFFFFF"), Motorola locomotives 1..255 (4 digits), DCC accessories
    // 1..2044 (the red output). The empty text for any other address.
    QString motAccessoryCode(int address) const;
    QString motLocoCode(int address) const;
    QString dccAccessoryCode(int address) const;

    // The red output of a Motorola accessory code: the top trit of byte 3 cleared.
    static QString motRedForm(const QString &code);
    // The green output of a DCC accessory code: the output bit of the packet set.
    static QString dccGreenForm(const QString &code);

    // Searches the addresses 0..maxAddress for the code; empty entries never match.
    // The lowest address wins, and at one address its own code before the other
    // output's form. Answered from an index built with the tables.
    std::optional<AccessoryMatch> findMotAccessory(const QString &code, int maxAddress) const;
    std::optional<AccessoryMatch> findDccAccessory(const QString &code, int maxAddress) const;
    std::optional<int> findMotLoco(const QString &code, int maxAddress) const;

    // Function codes by function number (1..4 / 1..12); empty for other numbers.
    static QString motFunctionCode(int function);
    static QString dccFunctionCode(int function);
    // Function number of a stored code, 0 when it is none of the list.
    static int motFunctionNumber(const QString &code);
    static int dccFunctionNumber(const QString &code);

    // DCC locomotive address a (0..16128): short addresses keep the high byte 0,
    // long ones (low > 127 or a > 255) get 0xC0 in it.
    static DccLocoBytes dccLocoBytes(int address);
    // Address of the stored bytes; a text that is no byte text counts 0.
    static int dccLocoAddress(const QString &low, const QString &high);

  private:
    // The entries as numbers, index = address; NoCode where there is none.
    static constexpr int NoCode = -1;
    std::array<int, MotAccessorySize> motAccessory_{};
    std::array<int, MotLocoSize> motLoco_{};
    std::array<int, DccAccessorySize> dccAccessory_{};

    void buildIndexes();
    static void fillMotAccessoryCodes(std::array<int, MotAccessorySize> &codes);
    static void fillMotLocoCodes(const std::array<int, MotAccessorySize> &accessory,
                                 std::array<int, MotLocoSize> &codes);
    static void fillDccAccessoryCodes(std::array<int, DccAccessorySize> &codes);

    // Each index: entries sorted by the key of their code (its hex digits as
    // a number), for each code the entry a search from address 0 upwards
    // would stop at. Entries stand for an address and output (see the *Key
    // functions), two bytes each.
    int motAccessoryKey(int entry) const;
    int dccAccessoryKey(int entry) const;
    int motLocoKey(int entry) const;
    std::vector<std::uint16_t> motAccessoryIndex_;
    std::vector<std::uint16_t> dccAccessoryIndex_;
    std::vector<std::uint16_t> motLocoIndex_;
};
