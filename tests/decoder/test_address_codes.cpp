// The address code tables in both directions.
#include "decoder/AddressCodes.h"

#include <algorithm>
#include <array>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>
#include <set>

namespace {

const AddressCodeTables &tables()
{
    static const AddressCodeTables t;
    return t;
}

// Every entry of a table as its text, index = address, read through the
// tables' lookup.
template <std::size_t N>
std::array<QString, N> entriesOf(QString (AddressCodeTables::*entry)(int) const)
{
    std::array<QString, N> texts;
    for (std::size_t n = 0; n < N; ++n)
        texts[n] = (tables().*entry)(static_cast<int>(n));
    return texts;
}

const std::array<QString, AddressCodeTables::MotAccessorySize> &motAccessoryCodes()
{
    static const auto texts = entriesOf<AddressCodeTables::MotAccessorySize>(&AddressCodeTables::motAccessoryCode);
    return texts;
}

const std::array<QString, AddressCodeTables::MotLocoSize> &motLocoCodes()
{
    static const auto texts = entriesOf<AddressCodeTables::MotLocoSize>(&AddressCodeTables::motLocoCode);
    return texts;
}

const std::array<QString, AddressCodeTables::DccAccessorySize> &dccAccessoryCodes()
{
    static const auto texts = entriesOf<AddressCodeTables::DccAccessorySize>(&AddressCodeTables::dccAccessoryCode);
    return texts;
}

struct CodeRow {
    int address;
    const char *code;
};

TEST(MotAccessoryCodes, Rows)
{
    for (const CodeRow &row :
         {CodeRow{0, "FFFFFF"}, CodeRow{1, "0300C3"}, CodeRow{2, "0300F3"}, CodeRow{3, "0300CF"}, CodeRow{4, "0300FF"},
          CodeRow{5, "0200C3"}, CodeRow{9, "00C0C3"}, CodeRow{13, "03C0C3"}, CodeRow{305, "02E8C3"},
          CodeRow{313, "03A8C3"}, CodeRow{317, "0000C3"}, CodeRow{320, "0000FF"}})
        EXPECT_EQ(motAccessoryCodes()[row.address], QString::fromLatin1(row.code)) << row.address;
    EXPECT_TRUE(motAccessoryCodes()[321].isEmpty());
    EXPECT_TRUE(motAccessoryCodes()[349].isEmpty());
}

TEST(MotLocoCodes, Rows)
{
    for (const CodeRow &row :
         {CodeRow{1, "0300"}, CodeRow{2, "0200"}, CodeRow{3, "00C0"}, CodeRow{80, "0000"}, CodeRow{81, "0100"},
          CodeRow{82, "0180"}, CodeRow{83, "025C"}, CodeRow{123, "027C"}, CodeRow{145, "0040"}, CodeRow{189, "024C"},
          CodeRow{190, "026C"}, CodeRow{223, "0394"}, CodeRow{254, "03A4"}, CodeRow{255, "02A4"}})
        EXPECT_EQ(motLocoCodes()[row.address], QString::fromLatin1(row.code)) << row.address;
    for (int n = 1; n <= 80; ++n)
        EXPECT_EQ(motLocoCodes()[n], motAccessoryCodes()[4 * n - 3].left(4)) << n;
    for (int n : {0, 256, 320, 349})
        EXPECT_TRUE(motLocoCodes()[n].isEmpty()) << n;
}

TEST(DccAccessoryCodes, Rows)
{
    for (const CodeRow &row :
         {CodeRow{1, "79F005"}, CodeRow{2, "7BF405"}, CodeRow{3, "7DF805"}, CodeRow{4, "7FFC05"}, CodeRow{5, "7AF009"},
          CodeRow{253, "68D001"}, CodeRow{2041, "3710FD"}, CodeRow{2044, "311CFD"}})
        EXPECT_EQ(dccAccessoryCodes()[row.address], QString::fromLatin1(row.code)) << row.address;
    for (int n : {0, 2045, 2099})
        EXPECT_TRUE(dccAccessoryCodes()[n].isEmpty()) << n;
}

TEST(CodeForms, RedAndGreen)
{
    EXPECT_EQ(AddressCodeTables::motRedForm(QStringLiteral("0300C3")), QStringLiteral("030003"));
    EXPECT_EQ(AddressCodeTables::motRedForm(QStringLiteral("0300F3")), QStringLiteral("030033"));
    EXPECT_EQ(AddressCodeTables::motRedForm(QStringLiteral("0300CF")), QStringLiteral("03000F"));
    EXPECT_EQ(AddressCodeTables::motRedForm(QStringLiteral("0300FF")), QStringLiteral("03003F"));
    EXPECT_EQ(AddressCodeTables::dccGreenForm(QStringLiteral("79F005")), QStringLiteral("78F205"));
    EXPECT_EQ(AddressCodeTables::dccGreenForm(QStringLiteral("7BF405")), QStringLiteral("7AF605"));
    EXPECT_EQ(AddressCodeTables::dccGreenForm(QStringLiteral("7DF805")), QStringLiteral("7CFA05"));
    EXPECT_EQ(AddressCodeTables::dccGreenForm(QStringLiteral("7FFC05")), QStringLiteral("7EFE05"));
    EXPECT_EQ(AddressCodeTables::dccGreenForm(QStringLiteral("311CFD")), QStringLiteral("301EFD"));
    EXPECT_TRUE(AddressCodeTables::dccGreenForm(QString()).isEmpty());
    EXPECT_TRUE(AddressCodeTables::motRedForm(QString()).isEmpty());
}

// Decoding relies on every entry and every variant being distinct.
TEST(CodeForms, NoEntryOrVariantRepeats)
{
    std::set<QString> mot;
    for (int n = 0; n <= 320; ++n) {
        EXPECT_TRUE(mot.insert(motAccessoryCodes()[n]).second) << n;
        EXPECT_TRUE(mot.insert(AddressCodeTables::motRedForm(motAccessoryCodes()[n])).second) << n;
    }
    std::set<QString> dcc;
    for (int n = 1; n <= 2044; ++n) {
        EXPECT_TRUE(dcc.insert(dccAccessoryCodes()[n]).second) << n;
        EXPECT_TRUE(dcc.insert(AddressCodeTables::dccGreenForm(dccAccessoryCodes()[n])).second) << n;
    }
    std::set<QString> loco;
    for (int n = 1; n <= 255; ++n)
        EXPECT_TRUE(loco.insert(motLocoCodes()[n]).second) << n;
}

TEST(CodeLookup, FindsEveryAddressWithItsOutput)
{
    for (int n = 0; n <= 320; ++n) {
        const QString green = motAccessoryCodes()[n];
        const auto g = tables().findMotAccessory(green, 320);
        ASSERT_TRUE(g) << n;
        EXPECT_EQ(g->address, n);
        EXPECT_TRUE(g->green);
        const auto r = tables().findMotAccessory(AddressCodeTables::motRedForm(green), 320);
        ASSERT_TRUE(r) << n;
        EXPECT_EQ(r->address, n);
        EXPECT_FALSE(r->green);
    }
    for (int n = 1; n <= 2044; ++n) {
        const auto r = tables().findDccAccessory(dccAccessoryCodes()[n], 2044);
        ASSERT_TRUE(r) << n;
        EXPECT_EQ(r->address, n);
        EXPECT_FALSE(r->green);
        const auto g = tables().findDccAccessory(AddressCodeTables::dccGreenForm(dccAccessoryCodes()[n]), 2044);
        ASSERT_TRUE(g) << n;
        EXPECT_EQ(g->address, n);
        EXPECT_TRUE(g->green);
    }
    for (int n = 1; n <= 255; ++n)
        EXPECT_EQ(tables().findMotLoco(motLocoCodes()[n], 320), n);
}

TEST(CodeLookup, SearchStopsAtTheMaximumAndTheTable)
{
    EXPECT_FALSE(tables().findMotAccessory(QStringLiteral("0000FF"), 319));
    EXPECT_FALSE(tables().findDccAccessory(QStringLiteral("311CFD"), 2043));
    EXPECT_FALSE(tables().findMotLoco(QStringLiteral("02A4"), 254));
    // A maximum beyond the tables searches only what they hold.
    EXPECT_EQ(tables().findDccAccessory(QStringLiteral("311CFD"), 16128)->address, 2044);
    EXPECT_EQ(tables().findMotLoco(QStringLiteral("02A4"), 16128), 255);
    // Empty entries never match, and unknown codes decode to nothing.
    EXPECT_FALSE(tables().findMotLoco(QString(), 320));
    EXPECT_FALSE(tables().findDccAccessory(QString(), 2044));
    EXPECT_FALSE(tables().findDccAccessory(QStringLiteral("FFFFFF"), 2044));
    EXPECT_FALSE(tables().findMotAccessory(QStringLiteral("123456"), 320));
    EXPECT_FALSE(tables().findMotAccessory(QStringLiteral("FFFFFF"), -1));
}

TEST(CodeLookup, OutOfRangeIndexesGiveEmptyCodes)
{
    for (int n : {-5, 350, 99999})
        EXPECT_TRUE(tables().motAccessoryCode(n).isEmpty()) << n;
    for (int n : {-1, 0, 256, 400})
        EXPECT_TRUE(tables().motLocoCode(n).isEmpty()) << n;
    for (int n : {-1, 0, 2045, 2100, 16128})
        EXPECT_TRUE(tables().dccAccessoryCode(n).isEmpty()) << n;
}

TEST(FunctionCodes, BothProtocols)
{
    const char *mot[] = {"51", "05", "15", "55"};
    for (int f = 1; f <= 4; ++f) {
        EXPECT_EQ(AddressCodeTables::motFunctionCode(f), QString::fromLatin1(mot[f - 1]));
        EXPECT_EQ(AddressCodeTables::motFunctionNumber(QString::fromLatin1(mot[f - 1])), f);
    }
    const char *dcc[] = {"81", "82", "84", "88", "B1", "B2", "B4", "B8", "A1", "A2", "A4", "A8"};
    for (int f = 1; f <= 12; ++f) {
        EXPECT_EQ(AddressCodeTables::dccFunctionCode(f), QString::fromLatin1(dcc[f - 1]));
        EXPECT_EQ(AddressCodeTables::dccFunctionNumber(QString::fromLatin1(dcc[f - 1])), f);
    }
    for (int f : {0, -1, 5})
        EXPECT_TRUE(AddressCodeTables::motFunctionCode(f).isEmpty()) << f;
    for (int f : {0, 13})
        EXPECT_TRUE(AddressCodeTables::dccFunctionCode(f).isEmpty()) << f;
    EXPECT_EQ(AddressCodeTables::motFunctionNumber(QStringLiteral("81")), 0);
    EXPECT_EQ(AddressCodeTables::dccFunctionNumber(QStringLiteral("FF")), 0);
}

struct LocoRow {
    int address;
    const char *low;
    const char *high;
};

TEST(DccLocoAddress, ShortAndLong)
{
    for (const LocoRow &row :
         {LocoRow{0, "00", "00"}, LocoRow{100, "64", "00"}, LocoRow{127, "7F", "00"}, LocoRow{128, "80", "C0"},
          LocoRow{255, "FF", "C0"}, LocoRow{256, "00", "C1"}, LocoRow{300, "2C", "C1"}, LocoRow{16128, "00", "FF"}}) {
        const DccLocoBytes bytes = AddressCodeTables::dccLocoBytes(row.address);
        EXPECT_EQ(bytes.low, QString::fromLatin1(row.low)) << row.address;
        EXPECT_EQ(bytes.high, QString::fromLatin1(row.high)) << row.address;
        EXPECT_EQ(AddressCodeTables::dccLocoAddress(bytes.low, bytes.high), row.address);
    }
    EXPECT_EQ(AddressCodeTables::dccLocoAddress(QStringLiteral("FF"), QStringLiteral("FF")), 16383);
    EXPECT_EQ(AddressCodeTables::dccLocoAddress(QStringLiteral("zz"), QStringLiteral("C1")), 256);
}

// The searches compare numbers; they must find what a search over the code
// texts and their other-output forms finds, first match first, for every entry
// and for codes that are no entry (lower case, short, non-hex).
template <std::size_t N, class OtherForm>
std::optional<AccessoryMatch> textSearch(const std::array<QString, N> &codes, const QString &code, int maxAddress,
                                         bool entryIsGreen, OtherForm otherForm)
{
    for (int n = 0; n <= std::min(maxAddress, static_cast<int>(N) - 1); ++n) {
        if (codes[n].isEmpty())
            continue;
        if (code == codes[n])
            return AccessoryMatch{n, entryIsGreen};
        if (code == otherForm(codes[n]))
            return AccessoryMatch{n, !entryIsGreen};
    }
    return std::nullopt;
}

TEST(AccessorySearch, FindsWhatTheTextSearchFinds)
{
    const AddressCodeTables &t = tables();
    QStringList codes{QStringLiteral("79f005"), QStringLiteral("79F00"), QStringLiteral("0x1234"), QStringLiteral(" 79F005"),
                      QStringLiteral("FFFFFF"), QStringLiteral("000000")};
    for (const QString &c : motAccessoryCodes())
        codes << c << AddressCodeTables::motRedForm(c);
    for (const QString &c : dccAccessoryCodes())
        codes << c << AddressCodeTables::dccGreenForm(c);
    const auto same = [](const std::optional<AccessoryMatch> &a, const std::optional<AccessoryMatch> &b) {
        return a.has_value() == b.has_value() && (!a || (a->address == b->address && a->green == b->green));
    };
    for (const int maxAddress : {AddressCodeTables::MotAccessoryLast, AddressCodeTables::DccAccessoryLast, 100}) {
        for (const QString &code : codes) {
            EXPECT_TRUE(same(t.findMotAccessory(code, maxAddress),
                             textSearch(motAccessoryCodes(), code, maxAddress, true, &AddressCodeTables::motRedForm)))
                << code.toStdString() << " up to " << maxAddress;
            EXPECT_TRUE(same(t.findDccAccessory(code, maxAddress),
                             textSearch(dccAccessoryCodes(), code, maxAddress, false, &AddressCodeTables::dccGreenForm)))
                << code.toStdString() << " up to " << maxAddress;
        }
    }
}

} // namespace

namespace {

// The search as a plain scan from address 0 upwards: the reference the indexed
// lookups must answer exactly like, first match and limit included.
std::optional<AccessoryMatch> scanAccessory(const QString &code, int maxAddress, bool dcc)
{
    // Each entry with the other output's form.
    static const auto formsOf = [](bool dccTable) {
        std::vector<std::pair<QString, QString>> forms;
        const auto add = [&](const QString &e) {
            forms.emplace_back(e, dccTable ? AddressCodeTables::dccGreenForm(e) : AddressCodeTables::motRedForm(e));
        };
        if (dccTable)
            std::for_each(dccAccessoryCodes().begin(), dccAccessoryCodes().end(), add);
        else
            std::for_each(motAccessoryCodes().begin(), motAccessoryCodes().end(), add);
        return forms;
    };
    static const auto motForms = formsOf(false);
    static const auto dccForms = formsOf(true);
    const auto &forms = dcc ? dccForms : motForms;
    for (int n = 0; n <= std::min(maxAddress, static_cast<int>(forms.size()) - 1); ++n) {
        const auto &[entry, other] = forms[static_cast<std::size_t>(n)];
        if (entry.isEmpty())
            continue;
        if (code == entry)
            return AccessoryMatch{n, !dcc};
        if (code == other)
            return AccessoryMatch{n, dcc};
    }
    return std::nullopt;
}

std::optional<int> scanMotLoco(const QString &code, int maxAddress)
{
    for (int n = 0; n <= std::min(maxAddress, AddressCodeTables::MotLocoSize - 1); ++n)
        if (!motLocoCodes()[n].isEmpty() && code == motLocoCodes()[n])
            return n;
    return std::nullopt;
}

int address(const AccessoryMatch &m) { return m.address; }
int address(int n) { return n; }

bool sameMatch(const std::optional<AccessoryMatch> &a, const std::optional<AccessoryMatch> &b)
{
    return a.has_value() == b.has_value() && (!a || (a->address == b->address && a->green == b->green));
}

} // namespace

TEST(CodeLookup, IndexAnswersLikeAScanFromAddressZero)
{
    // Texts no entry has: lower case, other lengths, leading zeros, no hex at all.
    QStringList codes{QStringLiteral("000000"), QStringLiteral("FFFFFF"), QStringLiteral("ABCDEF"), QString(),
                      QStringLiteral("0300c3"), QStringLiteral("0300C"), QStringLiteral("00300C3"),
                      QStringLiteral("000300"), QStringLiteral("0300"), QStringLiteral("GGGGGG")};
    for (const QString &c : motAccessoryCodes())
        codes << c << AddressCodeTables::motRedForm(c) << c.left(4);
    for (const QString &c : dccAccessoryCodes())
        codes << c << AddressCodeTables::dccGreenForm(c);
    const auto upTo = [](auto match, int maxAddress) {
        return match && address(*match) <= maxAddress ? match : decltype(match){};
    };
    for (const QString &code : codes) {
        // One full scan each; a lower limit only drops a match beyond it.
        const auto mot = scanAccessory(code, 16128, false);
        const auto dcc = scanAccessory(code, 16128, true);
        const auto loco = scanMotLoco(code, 16128);
        for (const int maxAddress : {-1, 0, 1, 80, 81, 255, 319, 320, 349, 2043, 2044, 16128}) {
            SCOPED_TRACE(code.toStdString() + " up to " + std::to_string(maxAddress));
            EXPECT_TRUE(sameMatch(tables().findMotAccessory(code, maxAddress), upTo(mot, maxAddress)));
            EXPECT_TRUE(sameMatch(tables().findDccAccessory(code, maxAddress), upTo(dcc, maxAddress)));
            EXPECT_EQ(tables().findMotLoco(code, maxAddress), upTo(loco, maxAddress));
        }
    }
}
