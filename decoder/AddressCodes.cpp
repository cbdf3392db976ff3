#include "decoder/AddressCodes.h"

#include "image/HexByte.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Motorola locomotive addresses 81..255 do not follow the trit rule.
constexpr const char *MotLocoCodesFrom81[] = {
    "0100", "0180", "025C", "01C0", "0120", "01A0", "0160", "01E0", "0110", "0190", "0150", "01D0", "0130", "01B0",
    "0170", "01F0", "0108", "0188", "0148", "01C8", "0128", "01A8", "0168", "01E8", "0118", "0198", "0158", "01D8",
    "0138", "01B8", "0178", "01F8", "0104", "0184", "0144", "01C4", "0124", "01A4", "0164", "01E4", "0114", "0194",
    "027C", "01D4", "0134", "01B4", "0174", "01F4", "010C", "018C", "014C", "01CC", "012C", "01AC", "016C", "01EC",
    "011C", "019C", "015C", "01DC", "013C", "01BC", "017C", "01FC", "0040", "0060", "0050", "0070", "0048", "0068",
    "0058", "0078", "0044", "0064", "0054", "0074", "004C", "006C", "005C", "007C", "0340", "0360", "0350", "0370",
    "0348", "0368", "0358", "0378", "0344", "0364", "0354", "0374", "034C", "036C", "035C", "037C", "0240", "0260",
    "0250", "0270", "0248", "0268", "0258", "0278", "0244", "0264", "0254", "0274", "024C", "026C", "0140", "0154",
    "0010", "0018", "0014", "001C", "0310", "0318", "0314", "031C", "0210", "0218", "0214", "021C", "00D0", "00D8",
    "00D4", "00DC", "03D0", "03D8", "03D4", "03DC", "02D0", "02D8", "02D4", "02DC", "0090", "0098", "0094", "009C",
    "0390", "0398", "0394", "039C", "0290", "0298", "0294", "029C", "0004", "0304", "0204", "00C4", "03C4", "02C4",
    "0084", "0384", "0284", "0034", "0334", "0234", "00F4", "03F4", "02F4", "00B4", "03B4", "02B4", "0024", "0324",
    "0224", "00E4", "03E4", "02E4", "00A4", "03A4", "02A4"};
static_assert(std::size(MotLocoCodesFrom81) == 255 - 80);

constexpr const char *MotFunctionCodes[] = {"51", "05", "15", "55"};
constexpr const char *DccFunctionCodes[] = {"81", "82", "84", "88", "B1", "B2", "B4", "B8", "A1", "A2", "A4", "A8"};

// A trit as two bits: 0 -> 00, 1 -> 11, 2 -> 10.
int tritBits(int trit)
{
    constexpr int bits[] = {0b00, 0b11, 0b10};
    return bits[trit];
}

int threeBytes(int b1, int b2, int b3)
{
    return (b1 << 16) | (b2 << 8) | b3;
}

// A code as its upper-case hex text of the given number of digits.
QString codeText(int value, int digits)
{
    static constexpr char16_t Digits[] = u"0123456789ABCDEF";
    QString text(digits, Qt::Uninitialized);
    QChar *out = text.data();
    for (int d = digits - 1; d >= 0; --d, value >>= 4)
        out[d] = QChar(Digits[value & 0xF]);
    return text;
}

// The index key of a code held as a number: the one codeKey gives its text.
int codeKeyOf(int value, int digits)
{
    return (digits << 24) | value;
}

// The red output of a Motorola accessory code as a number: the fifth digit's
// C becomes 0 and its F becomes 3.
int motRedValue(int code)
{
    const int digit = (code >> 4) & 0xF;
    return (digit == 0xC || digit == 0xF) ? (code & ~0xC0) : code;
}

// The green output of a DCC accessory code as a number: the fourth digit's
// bit 1 set where it was 0, 4, 8 or C, and the second digit's bit 0 flipped.
int dccGreenValue(int code)
{
    const int fourth = (code >> 8) & 0xF;
    if (fourth % 4 == 0)
        code |= 0x200;
    return code ^ 0x10000;
}

// A code text as an index key: its digits as a number, with the number of
// digits above them ("0300" and "000300" stay apart). Only a text of upper-case
// hex digits can equal a table entry, so any other text has no key.
std::optional<int> codeKey(const QString &code)
{
    if (code.isEmpty() || code.size() > 6)
        return std::nullopt;
    int key = 0;
    for (const QChar c : code) {
        const char16_t u = c.unicode();
        int digit = 0;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else
            return std::nullopt;
        key = 16 * key + digit;
    }
    return static_cast<int>(code.size() << 24) | key;
}

// The entries 0..count-1 sorted by their keys, for each key only the lowest
// entry (entries are numbered in the order a search would meet them).
template <class KeyOf> std::vector<std::uint16_t> sortedIndex(int count, KeyOf keyOf)
{
    std::vector<std::int64_t> keyed;
    keyed.reserve(static_cast<std::size_t>(count));
    for (int e = 0; e < count; ++e)
        keyed.push_back(std::int64_t{keyOf(e)} * 0x10000 + e);
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::uint16_t> index;
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        const std::int64_t key = keyed[i] >> 16;
        if (i == 0 || key != keyed[i - 1] >> 16)
            index.push_back(static_cast<std::uint16_t>(keyed[i] & 0xFFFF));
    }
    index.shrink_to_fit();
    return index;
}

QString replaceDigit(const QString &code, int position, QChar digit)
{
    QString result = code;
    result[position] = digit;
    return result;
}

int hexByteIndex(const QString &text)
{
    const HexByteTable &table = hexByteTable();
    const auto found = std::find(table.begin(), table.end(), text);
    return found == table.end() ? 0 : static_cast<int>(found - table.begin());
}

} // namespace

AddressCodeTables::AddressCodeTables()
{
    motAccessory_.fill(NoCode);
    motLoco_.fill(NoCode);
    dccAccessory_.fill(NoCode);
    fillMotAccessoryCodes(motAccessory_);
    fillMotLocoCodes(motAccessory_, motLoco_);
    fillDccAccessoryCodes(dccAccessory_);
    buildIndexes();
}

const AddressCodeTables &AddressCodeTables::shared()
{
    static const AddressCodeTables tables;
    return tables;
}

// Entries of the accessory indexes: 2 * address for the address's own code,
// 2 * address + 1 for the other output's form of it; so entries rise with the
// address, and at one address the own code comes first. The locomotive
// index's entries are the addresses.
int AddressCodeTables::motAccessoryKey(int entry) const
{
    const int code = motAccessory_[static_cast<std::size_t>(entry / 2)];
    return codeKeyOf(entry % 2 ? motRedValue(code) : code, 6);
}

int AddressCodeTables::dccAccessoryKey(int entry) const
{
    const int code = dccAccessory_[static_cast<std::size_t>(entry / 2)];
    return codeKeyOf(entry % 2 ? dccGreenValue(code) : code, 6);
}

int AddressCodeTables::motLocoKey(int entry) const
{
    return codeKeyOf(motLoco_[static_cast<std::size_t>(entry)], 4);
}

void AddressCodeTables::buildIndexes()
{
    // DCC accessory and locomotive address 0 have no entry: their NoCode keys
    // match no code text.
    motAccessoryIndex_ = sortedIndex(2 * (MotAccessoryLast + 1), [this](int e) { return motAccessoryKey(e); });
    dccAccessoryIndex_ = sortedIndex(2 * (DccAccessoryLast + 1), [this](int e) { return dccAccessoryKey(e); });
    motLocoIndex_ = sortedIndex(MotLocoLast + 1, [this](int e) { return motLocoKey(e); });
}

void AddressCodeTables::fillMotAccessoryCodes(std::array<int, MotAccessorySize> &codes)
{
    constexpr int byte3ByPair[] = {0xC3, 0xF3, 0xCF, 0xFF};
    codes[0] = 0xFFFFFF;
    for (int n = 1; n <= MotAccessoryLast; ++n) {
        const int decoder = (n - 1) / 4 + 1;
        const int pair = (n - 1) % 4;
        int v = decoder % 80;
        int trits[4];
        for (int &t : trits) {
            t = v % 3;
            v /= 3;
        }
        const int byte2 = (tritBits(trits[1]) << 6) | (tritBits(trits[2]) << 4) | (tritBits(trits[3]) << 2);
        codes[n] = threeBytes(tritBits(trits[0]), byte2, byte3ByPair[pair]);
    }
}

void AddressCodeTables::fillMotLocoCodes(const std::array<int, MotAccessorySize> &accessory,
                                         std::array<int, MotLocoSize> &codes)
{
    // The first two bytes of the accessory code of the decoder's first pair.
    for (int n = 1; n <= 80; ++n)
        codes[n] = accessory[4 * n - 3] >> 8;
    for (int n = 81; n <= MotLocoLast; ++n)
        codes[n] = static_cast<int>(std::strtol(MotLocoCodesFrom81[n - 81], nullptr, 16));
}

void AddressCodeTables::fillDccAccessoryCodes(std::array<int, DccAccessorySize> &codes)
{
    for (int n = 1; n <= DccAccessoryLast; ++n) {
        const int decoder = (n - 1) / 4 + 1;
        const int pair = (n - 1) % 4;
        const int p1 = 0x80 | (decoder & 0x3F);
        const int p2 = 0x80 | (((~(decoder >> 6)) & 7) << 4) | 0x08 | (pair << 1);
        codes[n] = threeBytes(p1 ^ p2, (p2 << 1) & 0xFF, ((decoder & 0x3F) << 2) | 0x01);
    }
}

namespace {

// The text of a table entry, or the empty text outside the table or where
// the table has no entry.
template <std::size_t N> QString entryAt(const std::array<int, N> &table, int index, int digits)
{
    if (index < 0 || index >= static_cast<int>(N) || table[static_cast<std::size_t>(index)] < 0)
        return {};
    return codeText(table[static_cast<std::size_t>(index)], digits);
}

} // namespace

QString AddressCodeTables::motAccessoryCode(int address) const
{
    return entryAt(motAccessory_, address, 6);
}

QString AddressCodeTables::motLocoCode(int address) const
{
    return entryAt(motLoco_, address, 4);
}

QString AddressCodeTables::dccAccessoryCode(int address) const
{
    return entryAt(dccAccessory_, address, 6);
}

QString AddressCodeTables::motRedForm(const QString &code)
{
    if (code.size() != 6)
        return code;
    if (code[4] == QLatin1Char('C'))
        return replaceDigit(code, 4, QLatin1Char('0'));
    if (code[4] == QLatin1Char('F'))
        return replaceDigit(code, 4, QLatin1Char('3'));
    return code;
}

QString AddressCodeTables::dccGreenForm(const QString &code)
{
    if (code.size() != 6)
        return code;
    QString green = code;
    const QChar d4 = code[3];
    if (d4 == QLatin1Char('0'))
        green[3] = QLatin1Char('2');
    else if (d4 == QLatin1Char('4'))
        green[3] = QLatin1Char('6');
    else if (d4 == QLatin1Char('8'))
        green[3] = QLatin1Char('A');
    else if (d4 == QLatin1Char('C'))
        green[3] = QLatin1Char('E');
    const int d2 = HexByteValue(QString(QLatin1Char('0')) + code[1]);
    green[1] = hexByte(d2 ^ 1)[1];
    return green;
}

namespace {

// The entry the code is indexed under, if any.
template <class KeyOf>
std::optional<int> indexedEntry(const std::vector<std::uint16_t> &index, const QString &code, KeyOf keyOf)
{
    const std::optional<int> key = codeKey(code);
    if (!key)
        return std::nullopt;
    const auto found = std::lower_bound(index.begin(), index.end(), *key,
                                        [&](std::uint16_t entry, int k) { return keyOf(entry) < k; });
    if (found == index.end() || keyOf(*found) != *key)
        return std::nullopt;
    return *found;
}

} // namespace

std::optional<AccessoryMatch> AddressCodeTables::findMotAccessory(const QString &code, int maxAddress) const
{
    const std::optional<int> entry = indexedEntry(motAccessoryIndex_, code, [this](int e) { return motAccessoryKey(e); });
    if (!entry || *entry / 2 > maxAddress)
        return std::nullopt;
    return AccessoryMatch{*entry / 2, *entry % 2 == 0}; // the own code is the green output
}

std::optional<AccessoryMatch> AddressCodeTables::findDccAccessory(const QString &code, int maxAddress) const
{
    const std::optional<int> entry = indexedEntry(dccAccessoryIndex_, code, [this](int e) { return dccAccessoryKey(e); });
    if (!entry || *entry / 2 > maxAddress)
        return std::nullopt;
    return AccessoryMatch{*entry / 2, *entry % 2 == 1}; // the own code is the red output
}

std::optional<int> AddressCodeTables::findMotLoco(const QString &code, int maxAddress) const
{
    const std::optional<int> entry = indexedEntry(motLocoIndex_, code, [this](int e) { return motLocoKey(e); });
    if (!entry || *entry > maxAddress)
        return std::nullopt;
    return *entry;
}

QString AddressCodeTables::motFunctionCode(int function)
{
    return (function >= 1 && function <= MotFunctionLast) ? QString::fromLatin1(MotFunctionCodes[function - 1])
                                                          : QString();
}

QString AddressCodeTables::dccFunctionCode(int function)
{
    return (function >= 1 && function <= DccFunctionLast) ? QString::fromLatin1(DccFunctionCodes[function - 1])
                                                          : QString();
}

int AddressCodeTables::motFunctionNumber(const QString &code)
{
    for (int f = 1; f <= MotFunctionLast; ++f) {
        if (code == QLatin1String(MotFunctionCodes[f - 1]))
            return f;
    }
    return 0;
}

int AddressCodeTables::dccFunctionNumber(const QString &code)
{
    for (int f = 1; f <= DccFunctionLast; ++f) {
        if (code == QLatin1String(DccFunctionCodes[f - 1]))
            return f;
    }
    return 0;
}

DccLocoBytes AddressCodeTables::dccLocoBytes(int address)
{
    const int low = address % 256;
    int high = address / 256;
    if (low > 127 || address > 255)
        high |= 0xC0;
    return {hexByte(low), hexByte(high)};
}

int AddressCodeTables::dccLocoAddress(const QString &low, const QString &high)
{
    return (hexByteIndex(high) & 0x3F) * 256 + hexByteIndex(low);
}
