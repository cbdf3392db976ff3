#include "frames/Frame_register/CvTable.h"

#include <QCoreApplication>

#include "decoder/DecoderTypes.h"

namespace Cv {

namespace {

std::vector<Entry> cvDecoderEntries()
{
    // The positions follow no formula: they are where the firmware keeps each CV.
    static const struct {
        const char *caption;
        int eepromIndex;
    } rows[] = {
        {QT_TRANSLATE_NOOP("CvTable", "CV1: Kurze Adresse"), 0x60},
        {QT_TRANSLATE_NOOP("CvTable", "CV15: Dekoder Sperren"), 0x62},
        {QT_TRANSLATE_NOOP("CvTable", "CV16: Dekoder Sperren"), 0x63},
        {QT_TRANSLATE_NOOP("CvTable", "CV17: Lange Adresse L"), 0x64},
        {QT_TRANSLATE_NOOP("CvTable", "CV18: Lange Adresse H"), 0x65},
        {QT_TRANSLATE_NOOP("CvTable", "CV29: Konfiguration"), 0x68},
        {QT_TRANSLATE_NOOP("CvTable", "CV48: Dekoder Betriebsart 1"), 0x6D},
        {QT_TRANSLATE_NOOP("CvTable", "CV50: Verzögerung 1"), 0x6F},
        {QT_TRANSLATE_NOOP("CvTable", "CV52: PWM-Wert 1"), 0x71},
        {QT_TRANSLATE_NOOP("CvTable", "CV53: PWM-Wert 2"), 0x72},
        {QT_TRANSLATE_NOOP("CvTable", "CV54: Länge Neon-Effekt"), 0x73},
        {QT_TRANSLATE_NOOP("CvTable", "CV61: Blinker Frequenz"), 0x7A},
        {QT_TRANSLATE_NOOP("CvTable", "CV62: Bremslicht Dauer"), 0x7B},
        {QT_TRANSLATE_NOOP("CvTable", "CV63: Bremslicht Schwelle"), 0x7C},
        {QT_TRANSLATE_NOOP("CvTable", "CV64: Bremslicht Dauer Stand"), 0x7D},
        {QT_TRANSLATE_NOOP("CvTable", "CV115: LISSY: Zug-Kategorie (1-4)"), 0x83},
        {QT_TRANSLATE_NOOP("CvTable", "CV140: Mapping Befehl 1"), 0x9C},
        {QT_TRANSLATE_NOOP("CvTable", "CV141: Mapping Befehl 2"), 0x9D},
        {QT_TRANSLATE_NOOP("CvTable", "CV142: Mapping Befehl 3"), 0x9E},
        {QT_TRANSLATE_NOOP("CvTable", "CV143: Mapping Befehl 4"), 0x9F},
        {QT_TRANSLATE_NOOP("CvTable", "CV144: Mapping Befehl 5"), 0xA0},
        {QT_TRANSLATE_NOOP("CvTable", "CV150: Betriebs-Art Out 1"), 0xA6},
        {QT_TRANSLATE_NOOP("CvTable", "CV151: Betriebs-Art Out 2"), 0xA7},
        {QT_TRANSLATE_NOOP("CvTable", "CV152: Betriebs-Art Out 3"), 0xA8},
        {QT_TRANSLATE_NOOP("CvTable", "CV153: Betriebs-Art Out 4"), 0xA9},
    };
    std::vector<Entry> entries;
    for (const auto &row : rows)
        entries.push_back({QString::fromUtf8(row.caption), row.eepromIndex});
    return entries;
}

} // namespace

const std::vector<Entry> &entriesFor(int typeCode)
{
    static const std::vector<Entry> cvDecoder = cvDecoderEntries();
    static const std::vector<Entry> none;
    return typeCode == CvDecoderTypeCode ? cvDecoder : none;
}

} // namespace Cv
