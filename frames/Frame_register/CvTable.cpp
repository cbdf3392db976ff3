#include "frames/Frame_register/CvTable.h"

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
        {"CV1: Kurze Adresse", 0x60},
        {"CV15: Dekoder Sperren", 0x62},
        {"CV16: Dekoder Sperren", 0x63},
        {"CV17: Lange Adresse L", 0x64},
        {"CV18: Lange Adresse H", 0x65},
        {"CV29: Konfiguration", 0x68},
        {"CV48: Dekoder Betriebsart 1", 0x6D},
        {"CV50: Verzögerung 1", 0x6F},
        {"CV52: PWM-Wert 1", 0x71},
        {"CV53: PWM-Wert 2", 0x72},
        {"CV54: Länge Neon-Effekt", 0x73},
        {"CV61: Blinker Frequenz", 0x7A},
        {"CV62: Bremslicht Dauer", 0x7B},
        {"CV63: Bremslicht Schwelle", 0x7C},
        {"CV64: Bremslicht Dauer Stand", 0x7D},
        {"CV115: LISSY: Zug-Kategorie (1-4)", 0x83},
        {"CV140: Mapping Befehl 1", 0x9C},
        {"CV141: Mapping Befehl 2", 0x9D},
        {"CV142: Mapping Befehl 3", 0x9E},
        {"CV143: Mapping Befehl 4", 0x9F},
        {"CV144: Mapping Befehl 5", 0xA0},
        {"CV150: Betriebs-Art Out 1", 0xA6},
        {"CV151: Betriebs-Art Out 2", 0xA7},
        {"CV152: Betriebs-Art Out 3", 0xA8},
        {"CV153: Betriebs-Art Out 4", 0xA9},
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
