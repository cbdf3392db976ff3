// The decoder session without any widget: every sample loads, is identified and
// decoded as its description says, saves back to the very same file, and a
// changed address survives the save and a new load.
#include "common/Samples.h"
#include "decoder/DecoderSession.h"
#include "samples/SampleList.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class SessionSample : public ::testing::TestWithParam<SampleEntry> {};

TEST_P(SessionSample, LoadsDecodesAndSavesTheSameFile)
{
    const SampleEntry &sample = GetParam();
    const QByteArray original = fileBytes(sampleHex(sample.name));
    DecoderSession session;
    const auto outcome = session.load(original);
    ASSERT_FALSE(outcome.error.has_value()) << outcome.error->text.toStdString();

    EXPECT_EQ(session.typeCode(), sample.code);
    EXPECT_EQ(protocolPanelText(session.protocol()), sample.protocol);
    EXPECT_TRUE(session.recognised());
    ASSERT_NE(session.type(), nullptr);
    EXPECT_EQ(session.type()->label, sample.label);
    if (session.protocol() != Protocol::None) {
        for (const SampleSlot &slot : sample.slotList) {
            SCOPED_TRACE("slot " + std::to_string(slot.slot));
            const SlotValues &values = session.slotValues[static_cast<std::size_t>(slot.slot)];
            EXPECT_TRUE(session.isLabelled(slot.slot));
            EXPECT_EQ(values.address, slot.address);
            if (slot.form == 'g' || slot.form == 'r') {
                EXPECT_EQ(values.green, slot.form == 'g');
            }
            if (slot.form == 'f') {
                EXPECT_EQ(values.function, slot.function);
            }
        }
    }

    ASSERT_FALSE(session.checkWritable().has_value());
    ASSERT_FALSE(session.writeSlots().has_value());
    ASSERT_GT(session.buildHexLines(), 0);
    EXPECT_EQ(session.fileContent(), original) << "unchanged slots save to the same file";
}

std::string sampleName(const ::testing::TestParamInfo<SampleEntry> &info)
{
    std::string name = info.param.name;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllSamples, SessionSample,
                         ::testing::ValuesIn(readSampleIndex(samplePath(QStringLiteral("index.txt")))), sampleName);

const SampleEntry *firstSampleWith(const std::vector<SampleEntry> &entries, const QString &protocol, bool accessory)
{
    for (const SampleEntry &e : entries) {
        const DecoderType *type = findDecoderType(e.code);
        if (e.protocol == protocol && type && (type->kind == SlotKind::Accessory) == accessory && !e.slotList.empty())
            return &e;
    }
    return nullptr;
}

// A changed address and output in the first described slot come back after save and load.
TEST(DecoderSession, ChangedSlotSurvivesSaveAndLoad)
{
    const auto entries = readSampleIndex(samplePath(QStringLiteral("index.txt")));
    for (const QString &protocol : {QStringLiteral("Mot"), QStringLiteral("DCC")}) {
        const SampleEntry *sample = firstSampleWith(entries, protocol, true);
        ASSERT_NE(sample, nullptr) << protocol.toStdString();
        SCOPED_TRACE(sample->name);
        DecoderSession session;
        ASSERT_FALSE(session.load(fileBytes(sampleHex(sample->name))).error);
        const int slot = sample->slotList.front().slot;
        std::array<QString, DecoderSession::SlotCount> addresses;
        std::array<QString, DecoderSession::SlotCount> functions;
        for (std::size_t s = 0; s < addresses.size(); ++s) {
            addresses[s] = QString::number(session.slotValues[s].address);
            functions[s] = QString::number(session.slotValues[s].function);
        }
        addresses[static_cast<std::size_t>(slot)] = QStringLiteral("17");
        const bool wasGreen = session.slotValues[static_cast<std::size_t>(slot)].green;
        session.toggleGreen(slot);
        ASSERT_FALSE(session.writeSlots(addresses, functions).has_value());
        ASSERT_GT(session.buildHexLines(), 0);

        DecoderSession reloaded;
        ASSERT_FALSE(reloaded.load(session.fileContent()).error);
        EXPECT_EQ(reloaded.slotValues[static_cast<std::size_t>(slot)].address, 17);
        EXPECT_EQ(reloaded.slotValues[static_cast<std::size_t>(slot)].green, !wasGreen);
    }
}

// A fault names its slot and field and leaves the EEPROM as it was.
TEST(DecoderSession, RejectedSlotLeavesTheImage)
{
    const auto entries = readSampleIndex(samplePath(QStringLiteral("index.txt")));
    const SampleEntry *sample = firstSampleWith(entries, QStringLiteral("DCC"), true);
    ASSERT_NE(sample, nullptr);
    DecoderSession session;
    ASSERT_FALSE(session.load(fileBytes(sampleHex(sample->name))).error);
    const auto eepromBefore = session.image.eeprom;
    const int slot = sample->slotList.back().slot;
    std::array<QString, DecoderSession::SlotCount> addresses;
    std::array<QString, DecoderSession::SlotCount> functions;
    for (std::size_t s = 0; s < addresses.size(); ++s)
        addresses[s] = functions[s] = QStringLiteral("0");
    addresses[static_cast<std::size_t>(slot)] = QString::number(session.addressLimit() + 1);
    const auto fault = session.writeSlots(addresses, functions);
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->slot, slot);
    EXPECT_EQ(fault->field, SlotField::Address);
    EXPECT_EQ(fault->message, QStringLiteral("Adresse für <%1> ist zu gross").arg(session.slotLabel(slot)));
    EXPECT_EQ(session.image.eeprom, eepromBefore);
}

// The load's first fault: too many lines leaves the image untouched, a bad
// record stops with its message after the image was reset.
TEST(DecoderSession, LoadFaults)
{
    DecoderSession session;
    QByteArray tooLong;
    for (int i = 0; i < 513; ++i)
        tooLong += ":00000001FF\r\n";
    const auto first = session.load(tooLong);
    ASSERT_TRUE(first.error.has_value());
    EXPECT_TRUE(first.error->text.startsWith(QStringLiteral("E207")));
    EXPECT_FALSE(first.imageTouched);

    const auto second = session.load(":020000040000FA\r\n:03000000\r\n");
    ASSERT_TRUE(second.error.has_value());
    EXPECT_TRUE(second.imageTouched);
    EXPECT_FALSE(second.lines.complete);
}

} // namespace
