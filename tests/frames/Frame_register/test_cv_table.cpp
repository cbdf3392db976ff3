// The CV list of the function decoder with CV support and its edit model.
#include "decoder/DecoderTypes.h"
#include "frames/Frame_register/CvListModel.h"
#include "frames/Frame_register/CvTable.h"
#include "image/FirmwareImage.h"

#include <gtest/gtest.h>

namespace {

TEST(CvTable, CaptionsAndEepromBytesOfTheCvDecoder)
{
    const struct {
        const char *caption;
        int eepromIndex;
    } expected[] = {
        {"CV1: Kurze Adresse", 0x60},          {"CV15: Dekoder Sperren", 0x62},
        {"CV16: Dekoder Sperren", 0x63},       {"CV17: Lange Adresse L", 0x64},
        {"CV18: Lange Adresse H", 0x65},       {"CV29: Konfiguration", 0x68},
        {"CV48: Dekoder Betriebsart 1", 0x6D}, {"CV50: Verzögerung 1", 0x6F},
        {"CV52: PWM-Wert 1", 0x71},            {"CV53: PWM-Wert 2", 0x72},
        {"CV54: Länge Neon-Effekt", 0x73},     {"CV61: Blinker Frequenz", 0x7A},
        {"CV62: Bremslicht Dauer", 0x7B},      {"CV63: Bremslicht Schwelle", 0x7C},
        {"CV64: Bremslicht Dauer Stand", 0x7D}, {"CV115: LISSY: Zug-Kategorie (1-4)", 0x83},
        {"CV140: Mapping Befehl 1", 0x9C},     {"CV141: Mapping Befehl 2", 0x9D},
        {"CV142: Mapping Befehl 3", 0x9E},     {"CV143: Mapping Befehl 4", 0x9F},
        {"CV144: Mapping Befehl 5", 0xA0},     {"CV150: Betriebs-Art Out 1", 0xA6},
        {"CV151: Betriebs-Art Out 2", 0xA7},   {"CV152: Betriebs-Art Out 3", 0xA8},
        {"CV153: Betriebs-Art Out 4", 0xA9},
    };
    const std::vector<Cv::Entry> &entries = Cv::entriesFor(17408);
    ASSERT_EQ(entries.size(), std::size(expected));
    for (std::size_t k = 0; k < entries.size(); ++k) {
        EXPECT_EQ(entries[k].caption, QString::fromUtf8(expected[k].caption)) << k;
        EXPECT_EQ(entries[k].eepromIndex, expected[k].eepromIndex) << k;
    }
    EXPECT_TRUE(Cv::entriesFor(17409).empty());
    EXPECT_TRUE(Cv::entriesFor(8).empty());
}

// Each EEPROM byte as expected, named by its index when not.
void expectEeprom(const decltype(FirmwareImage::eeprom) &actual, const decltype(FirmwareImage::eeprom) &expected)
{
    for (int i = 0; i < FirmwareImage::EepromSize; ++i)
        EXPECT_EQ(actual[i].toStdString(), expected[i].toStdString()) << "EEPROM byte " << i;
}

// Every value the model shows, in display order.
std::vector<int> shownValues(const Cv::CvListModel &model)
{
    std::vector<int> values;
    for (int k = 0; k < model.count(); ++k)
        values.push_back(model.value(k));
    return values;
}

// Loading never writes, not even a byte text that is no hex number; typing
// writes the typed entry's byte only and shows it; the bytes put back and
// loaded again show what the first load showed.
TEST(CvListModel, LoadWritesNothingAndEachEntryWritesOnlyItsByte)
{
    const struct {
        const char *stored; // text of CV1's byte 0x60 in the image
        int shown;          // the number its edit shows
        const char *typed;
        const char *written; // nullptr: refused or empty, nothing written
    } cases[] = {
        {"G1", 0x71, "7", "07"}, {"ab", 0xAB, "255", "FF"}, {"03", 3, "", nullptr},
        {"", 0, "x", nullptr},   {"0", 0, "256", nullptr},  {"FF", 255, " 12 ", "0C"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        FirmwareImage image;
        for (int i = 0; i < FirmwareImage::EepromSize; ++i)
            image.eeprom[i] = QStringLiteral("Q%1").arg(i % 10);
        image.eeprom[0x60] = QString::fromLatin1(c.stored);
        const auto before = image.eeprom;

        Cv::CvListModel model(image);
        model.load(CvDecoderTypeCode);
        expectEeprom(image.eeprom, before);
        ASSERT_EQ(model.count(), 25);
        EXPECT_EQ(model.value(0), c.shown);
        const std::vector<int> loaded = shownValues(model);

        const TypedEntry<int> entry = model.typeValue(0, QString::fromLatin1(c.typed));
        EXPECT_EQ(entry.isAccepted(), c.written != nullptr);
        auto expected = before;
        if (c.written)
            expected[0x60] = QString::fromLatin1(c.written);
        expectEeprom(image.eeprom, expected);
        EXPECT_EQ(shownValues(model) == loaded, c.written == nullptr);
        image.eeprom = before;
        model.load(CvDecoderTypeCode);
        EXPECT_EQ(shownValues(model), loaded);
    }

    // A type without CVs defines no entry and refuses nothing.
    FirmwareImage image;
    Cv::CvListModel model(image);
    model.load(8);
    EXPECT_EQ(model.count(), 0);
    EXPECT_TRUE(model.typeValue(0, QStringLiteral("x")).isEmpty());
}

} // namespace
