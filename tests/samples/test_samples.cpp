// Every sample firmware loads with its type, protocol and addresses, saves to the
// same file, and a file saved with other addresses loads back with those.
#include "WindowParts.h"
#include "SampleIndex.h"
#include "common/Samples.h"
#include "tests/app/MainWindowFixture.h"

#include "ui/Dialogs.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <memory>
#include <set>

namespace {

template <typename Bytes>
int firstDifference(const Bytes &a, const Bytes &b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return static_cast<int>(i);
    return -1;
}

void expectSameImage(const FirmwareImage &a, const FirmwareImage &b)
{
    EXPECT_EQ(firstDifference(a.rom, b.rom), -1) << "first differing ROM byte";
    EXPECT_EQ(firstDifference(a.eeprom, b.eeprom), -1) << "first differing EEPROM byte";
    EXPECT_EQ(a.idText, b.idText);
    EXPECT_EQ(a.configText, b.configText);
}

bool isEditable(const SampleSlot &slot) { return slot.form != '0'; }

// Another valid address for the slot, so that a save has something to change.
int changedAddress(const SampleSlot &slot, const QString &protocol)
{
    const bool mot = protocol == QStringLiteral("Mot");
    const int top = slot.form == 'f' ? (mot ? 255 : 16128) : (mot ? 320 : 2044);
    const int next = (slot.address * 7 + 3) % top + 1;
    return next == slot.address ? next % top + 1 : next;
}

int changedFunction(const SampleSlot &slot, const QString &protocol)
{
    const int top = protocol == QStringLiteral("Mot") ? 4 : 12;
    return slot.function % top + 1;
}

// The EEPROM bytes slot s keeps its code in.
std::array<int, 3> slotBytes(int s)
{
    const int j = s < 16 ? s : 64 + (s - 16) % 16;
    return {j, j + 16, j + 32};
}

class SampleFirmware : public MainWindowTest, public ::testing::WithParamInterface<SampleEntry> {
protected:

    std::unique_ptr<TFormMain> load(const QString &path)
    {
        auto window = std::make_unique<TFormMain>(dir.filePath(QStringLiteral("q.ini")));
        const auto before = Dialogs::recordedMessages().size();
        window->loadHexFile(path);
        const auto messages = Dialogs::recordedMessages();
        for (auto i = before; i < messages.size(); ++i)
            ADD_FAILURE() << "message on load: " << messages[i].text.toStdString();
        return window;
    }

    QString save(TFormMain &window, const QString &name)
    {
        const QString out = dir.filePath(name);
        const auto before = Dialogs::recordedMessages().size();
        Dialogs::presetSaveFileName(out);
        window.btn_saveClick();
        const auto messages = Dialogs::recordedMessages();
        for (auto i = before; i < messages.size(); ++i)
            ADD_FAILURE() << "message on save: " << messages[i].text.toStdString();
        EXPECT_TRUE(QFile::exists(out));
        return out;
    }
};

TEST_P(SampleFirmware, LoadsWithItsTypeProtocolAndAddresses)
{
    const auto w = load(sampleHex(GetParam().name));
    expectWindowShows(*w, GetParam());
    EXPECT_TRUE(w->btn_save->isEnabled());
}

TEST_P(SampleFirmware, SavesTheSameFileAndReloadsTheSameImage)
{
    const QString original = sampleHex(GetParam().name);
    const auto first = load(original);
    const QString saved = save(*first, QStringLiteral("same.hex"));
    // The samples are written in the dialect of the writer, so an unchanged
    // firmware comes back byte for byte.
    EXPECT_EQ(fileBytes(saved), fileBytes(original));
    const auto second = load(saved);
    expectSameImage(first->document().session().image, second->document().session().image);
    expectWindowShows(*second, GetParam());
}

TEST_P(SampleFirmware, ChangedAddressesLoadBack)
{
    SampleEntry changed = GetParam();
    if (changed.protocol == QStringLiteral("ohne") ||
        std::none_of(changed.slotList.begin(), changed.slotList.end(), isEditable))
        GTEST_SKIP() << "no slot to edit";

    const auto first = load(sampleHex(changed.name));
    bool toggled = false;
    std::vector<bool> codeBytes(FirmwareImage::EepromSize, false);
    for (SampleSlot &slot : changed.slotList) {
        if (!isEditable(slot))
            continue;
        for (int i : slotBytes(slot.slot))
            codeBytes[i] = true;
        slot.address = changedAddress(slot, changed.protocol);
        gridOf(*first).edtAddress[slot.slot]->setText(QString::number(slot.address));
        if (slot.form == 'f') {
            slot.function = changedFunction(slot, changed.protocol);
            gridOf(*first).edtFunction[slot.slot]->setText(QString::number(slot.function));
        } else if (!toggled) {
            gridOf(*first).btnRG[slot.slot]->click();
            slot.form = slot.form == 'g' ? 'r' : 'g';
            toggled = true;
        }
    }
    const FirmwareImage loaded = first->document().session().image;
    const auto second = load(save(*first, QStringLiteral("changed.hex")));
    expectWindowShows(*second, changed);

    EXPECT_EQ(firstDifference(second->document().session().image.rom, loaded.rom), -1) << "first differing ROM byte";
    for (int i = 0; i < FirmwareImage::EepromSize; ++i)
        if (!codeBytes[i]) {
            EXPECT_EQ(second->document().session().image.eeprom[i], loaded.eeprom[i]) << "EEPROM byte " << i << " outside the slots";
        }
}

std::string testName(const ::testing::TestParamInfo<SampleEntry> &info)
{
    std::string name = info.param.name;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleFirmware,
                         ::testing::ValuesIn(readSampleIndex(samplePath(QStringLiteral("index.txt")))), testName);

// Every row of the type table has samples, so a missing index would hide them all.
TEST(SampleIndex, ListsEveryTypeCodeAndProtocol)
{
    const auto entries = readSampleIndex(samplePath(QStringLiteral("index.txt")));
    std::set<std::pair<int, QString>> seen;
    for (const SampleEntry &entry : entries)
        seen.insert({entry.code, entry.protocol});
    std::set<int> codes;
    for (const auto &[code, protocol] : seen)
        codes.insert(code);
    EXPECT_EQ(codes.size(), 67u);
    EXPECT_GE(seen.size(), 2 * 67u - 1);
}

} // namespace
