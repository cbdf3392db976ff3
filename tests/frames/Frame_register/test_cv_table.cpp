// The CV list of the function decoder with CV support and the place of its pairs.
#include "frames/Frame_register/CvTable.h"

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

TEST(CvTable, PairsFillFourColumnsOf21_21_21_1)
{
    const struct {
        int k, labelLeft, labelTop, editLeft, editTop;
    } cases[] = {
        {0, 5, 19, 175, 15},    {20, 5, 519, 175, 515},  {21, 235, 19, 405, 15}, {24, 235, 94, 405, 90},
        {41, 235, 519, 405, 515}, {42, 465, 19, 635, 15}, {62, 465, 519, 635, 515}, {63, 695, 19, 865, 15},
    };
    for (const auto &c : cases) {
        const Cv::PairPlace place = Cv::pairPlace(c.k);
        EXPECT_EQ(place.labelLeft, c.labelLeft) << c.k;
        EXPECT_EQ(place.labelTop, c.labelTop) << c.k;
        EXPECT_EQ(place.editLeft, c.editLeft) << c.k;
        EXPECT_EQ(place.editTop, c.editTop) << c.k;
    }
}

} // namespace
