#include "info/InfoListing.h"

#include <QCoreApplication>

#include "image/HexReader.h"
#include "image/SafeText.h"

#include <algorithm>

namespace {

constexpr int BytesPerDumpLine = 16;
constexpr int BytesPerDumpHalf = 8;
constexpr int RomBlockSize = 256;

QString upperHex(int value)
{
    return QString::number(value, 16).toUpper();
}

QString lowerHex(int value)
{
    return QString::number(value, 16);
}

// The bytes first .. last (at most 16) as "XXXXXXXXXXXXXXXX XXXXXXXXXXXXXXXX".
template <std::size_t N>
QString dumpBytes(const ByteTexts<N> &bytes, int first, int last)
{
    QString text;
    for (int j = first; j <= last; ++j) {
        if (j - first == BytesPerDumpHalf)
            text += QLatin1Char(' ');
        text += bytes[j];
    }
    return text;
}

QString eepromDumpLabel(int start)
{
    return start == 0 ? QStringLiteral("0x000:") : QStringLiteral("0x0") + upperHex(start) + QLatin1Char(':');
}

QString romDumpLabel(int start)
{
    if (start == 0)
        return QStringLiteral("0x0000:");
    const QString prefix = start < 256 ? QStringLiteral("0x00") : QStringLiteral("0x0");
    return prefix + upperHex(start) + QLatin1Char(':');
}

QString eepromDiffLabel(int index)
{
    return (index <= 15 ? QStringLiteral("0x0") : QStringLiteral("0x")) + lowerHex(index);
}

QString romDiffLabel(int index)
{
    QString prefix;
    if (index <= 15)
        prefix = QStringLiteral("0x000");
    else if (index <= 255)
        prefix = QStringLiteral("0x00");
    else
        prefix = QStringLiteral("0x0");
    return prefix + lowerHex(index);
}

QString fileValues(const QString &first, const QString &second)
{
    return QStringLiteral("File1:0x%1 - File2:0x%2").arg(first, second);
}

void compareEepromBytes(const FirmwareImage &image, const HexRecord &record, CompareListing &listing)
{
    for (const RecordByte &b : record.bytes) {
        if (image.eeprom[b.index] == b.text())
            continue;
        listing.eepromLines.append(QStringLiteral("EE%1: ").arg(eepromDiffLabel(b.index))
                                   + fileValues(image.eeprom[b.index], b.text()));
        ++listing.eepromDiffs;
    }
}

void compareRomBytes(const FirmwareImage &image, const HexRecord &record, CompareListing &listing)
{
    for (const RecordByte &b : record.bytes) {
        if (image.rom[b.index] == b.text())
            continue;
        listing.romLines.append(QStringLiteral("ROM %1: ").arg(romDiffLabel(b.index))
                                + fileValues(image.rom[b.index], b.text()));
        ++listing.romDiffs;
    }
}

// ID and CONFIG differences stand apart from the ROM lines by a blank line.
bool compareText(const QString &name, const QString &imageText, const QString &fileText, CompareListing &listing)
{
    if (imageText == fileText)
        return false;
    listing.romLines.append(QStringLiteral(" "));
    listing.romLines.append(name + QStringLiteral(": ") + fileValues(imageText, fileText));
    return true;
}

void compareRecord(const FirmwareImage &image, const HexRecord &record, CompareListing &listing)
{
    switch (record.target) {
    case RecordTarget::Eeprom:
        compareEepromBytes(image, record, listing);
        break;
    case RecordTarget::Rom:
        compareRomBytes(image, record, listing);
        break;
    case RecordTarget::Id:
        if (record.error == RecordError::None && compareText(QStringLiteral("ID"), image.idText, record.text, listing))
            ++listing.idDiffs;
        break;
    case RecordTarget::Config:
        if (record.error == RecordError::None
            && compareText(QStringLiteral("CONFIG"), image.configText, record.text, listing))
            ++listing.configDiffs;
        break;
    case RecordTarget::None:
        break;
    }
}

QString summaryLine(int count, const QString &where)
{
    return QString::asprintf("%4i", count) + QCoreApplication::translate("InfoListing", " gefundene Unterschiede ") + where;
}

void appendSummary(CompareListing &listing)
{
    listing.eepromLines.append(QStringLiteral(" "));
    listing.romLines.append(QStringLiteral(" "));
    listing.eepromLines.append(summaryLine(listing.eepromDiffs, QCoreApplication::translate("InfoListing", "im EEprom")));
    listing.romLines.append(summaryLine(listing.romDiffs, QCoreApplication::translate("InfoListing", "im ROM")));
    listing.romLines.append(summaryLine(listing.idDiffs, QCoreApplication::translate("InfoListing", "in ID")));
    listing.romLines.append(summaryLine(listing.configDiffs, QCoreApplication::translate("InfoListing", "in Config")));
}

} // namespace

QStringList eepromDumpLines(const FirmwareImage &image)
{
    QStringList lines;
    for (int start = 0; start <= image.eepromTop; start += BytesPerDumpLine) {
        const int last = std::min(start + BytesPerDumpLine - 1, image.eepromTop);
        lines.append(eepromDumpLabel(start) + dumpBytes(image.eeprom, start, last));
    }
    return lines;
}

QStringList romDumpLines(const FirmwareImage &image)
{
    QStringList lines;
    for (int start = 0; start <= image.romTop; start += BytesPerDumpLine) {
        if (start % RomBlockSize == 0)
            lines.append(QStringLiteral(" "));
        const int last = std::min(start + BytesPerDumpLine - 1, image.romTop);
        lines.append(romDumpLabel(start) + dumpBytes(image.rom, start, last));
    }
    return lines;
}

std::optional<UserMessage> checkCompareLineCount(const QStringList &lines)
{
    return checkLineCount(lines, QStringLiteral("E307"));
}

UserMessage compareMessage(RecordError error, const QString &fileLine)
{
    // The line comes from the file: shown escaped and cut to a sane length.
    const QString line = quotedLine(fileLine);
    switch (error) {
    case RecordError::RomOverflow:
        return {QCoreApplication::translate("InfoListing", "E200: Überschreitung ROM-Adressbereich"), BoxKind::WarningCancel};
    case RecordError::UnexpectedAddress:
        return {QCoreApplication::translate("InfoListing", "E301: Unerwartete Zeile: ") + line, BoxKind::Plain};
    case RecordError::BadEndOfFile:
        return {QCoreApplication::translate("InfoListing", "E302: Unerwarteter End File Record: ") + line, BoxKind::Plain};
    case RecordError::Type02:
        return {QCoreApplication::translate("InfoListing", "E303: Unerwartete Zeile im File: ") + line, BoxKind::Plain};
    case RecordError::Type03:
        return {QCoreApplication::translate("InfoListing", "E304: Unerwartete Zeile im File: ") + line, BoxKind::Plain};
    case RecordError::BadExtendedAddress:
        return {QCoreApplication::translate("InfoListing", "E305: Unerwarteter Extendet Linear Address Record: ") + line, BoxKind::Plain};
    case RecordError::UnknownType:
        return {QCoreApplication::translate("InfoListing", "E300: Unerwartete Zeile im File: ") + line, BoxKind::Plain};
    case RecordError::Truncated:
        return {QCoreApplication::translate("InfoListing", "E308: Zeile kürzer als ihre Byte-Anzahl: ") + line, BoxKind::Plain};
    case RecordError::EepromOverflow:
        return {QCoreApplication::translate("InfoListing", "E309: Überschreitung EEPROM-Adressbereich"), BoxKind::WarningCancel};
    case RecordError::None:
        break;
    }
    return {};
}

bool compareHexLine(const FirmwareImage &image, const QString &line, CompareListing &listing)
{
    const HexRecord record = parseHexRecord(line);
    compareRecord(image, record, listing);
    if (record.error == RecordError::None)
        return true;
    listing.error = compareMessage(record.error, line);
    return false;
}

CompareListing compareHexLines(const FirmwareImage &image, const QStringList &lines)
{
    CompareListing listing;
    for (const QString &line : lines) {
        if (!compareHexLine(image, line, listing))
            return listing;
    }
    appendSummary(listing);
    return listing;
}
