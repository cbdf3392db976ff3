#include "image/HexReader.h"

#include <QCoreApplication>

#include "image/SafeFile.h"
#include "image/SafeText.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// Character at a 1-based position, or an empty text past the end of the line.
QString charAt(const QString &line, int position)
{
    return line.mid(position - 1, 1);
}

void readIdRecord(const QString &line, HexLoadResult &result)
{
    result.idRecordRead = true;
    result.id = charAt(line, 11);
    result.version = charAt(line, 15) + QLatin1Char('.') + charAt(line, 19) + charAt(line, 23);
}

template <std::size_t N>
void storeByte(ByteTexts<N> &bytes, const RecordByte &b)
{
    if (b.value >= 0)
        bytes.setValue(static_cast<std::size_t>(b.index), b.value);
    else
        bytes.set(static_cast<std::size_t>(b.index), b.oddText);
}

} // namespace

std::optional<UserMessage> checkLineCount(const QStringList &lines, const QString &code)
{
    if (lines.size() <= FirmwareImage::MaxLines)
        return std::nullopt;
    return UserMessage{QCoreApplication::translate("HexReader", "%1: Zu viele Zeilen im File (mehr als %2): %3 Zeilen")
                           .arg(code)
                           .arg(FirmwareImage::MaxLines)
                           .arg(lines.size()),
                       BoxKind::Plain};
}

std::optional<UserMessage> checkHexLineCount(const QStringList &lines)
{
    return checkLineCount(lines, QStringLiteral("E207"));
}

void storeRecord(FirmwareImage &image, HexRecord &&record)
{
    switch (record.target) {
    case RecordTarget::Rom:
        for (const RecordByte &b : record.bytes) {
            storeByte(image.rom, b);
            image.romTop = std::max(image.romTop, b.index);
        }
        break;
    case RecordTarget::Eeprom:
        for (const RecordByte &b : record.bytes) {
            storeByte(image.eeprom, b);
            image.eepromTop = std::max(image.eepromTop, b.index);
        }
        break;
    case RecordTarget::Id:
        if (record.error == RecordError::None)
            image.idText = std::move(record.text);
        break;
    case RecordTarget::Config:
        if (record.error == RecordError::None)
            image.configText = std::move(record.text);
        break;
    case RecordTarget::None:
        break;
    }
}

UserMessage readerMessage(RecordError error, const QString &fileLine)
{
    // The line comes from the file: shown escaped and cut to a sane length.
    const QString line = quotedLine(fileLine);
    switch (error) {
    case RecordError::RomOverflow:
        return {QCoreApplication::translate("HexReader", "E200: Überschreitung ROM-Adressbereich"), BoxKind::WarningCancel};
    case RecordError::UnexpectedAddress:
        return {QCoreApplication::translate("HexReader", "E201: Unerwartete Zeile: ") + line, BoxKind::Plain};
    case RecordError::BadEndOfFile:
        return {QCoreApplication::translate("HexReader", "E202: Unerwarteter End File Record: ") + line, BoxKind::Plain};
    case RecordError::Type02:
        return {QCoreApplication::translate("HexReader", "E203: Unerwartete Zeile im File: ") + line, BoxKind::Plain};
    case RecordError::Type03:
        return {QCoreApplication::translate("HexReader", "E204: Unerwartete Zeile im File: ") + line, BoxKind::Plain};
    case RecordError::BadExtendedAddress:
        return {QCoreApplication::translate("HexReader", "E205: Unerwarteter Extendet Linear Address Record: ") + line, BoxKind::Plain};
    case RecordError::UnknownType:
        return {QCoreApplication::translate("HexReader", "E206: Unerwartete Zeile im File: ") + line, BoxKind::Plain};
    case RecordError::Truncated:
        return {QCoreApplication::translate("HexReader", "E208: Zeile kürzer als ihre Byte-Anzahl: ") + line, BoxKind::Plain};
    case RecordError::EepromOverflow:
        return {QCoreApplication::translate("HexReader", "E209: Überschreitung EEPROM-Adressbereich"), BoxKind::WarningCancel};
    case RecordError::None:
        break;
    }
    return {};
}

UserMessage cutOffMessage(const QString &fileName, int lastLine)
{
    if (fileName.isEmpty())
        return {QCoreApplication::translate("HexReader", "E208: Die Datei endet mitten in einem Record (Zeile %1); sie ist wahrscheinlich abgeschnitten, etwa bei einem abgebrochenen Download.")
                    .arg(lastLine),
                BoxKind::Plain};
    return {QCoreApplication::translate("HexReader", "E208: Die Datei %1 endet mitten in einem Record (Zeile %2); sie ist wahrscheinlich abgeschnitten, etwa bei einem abgebrochenen Download.")
                .arg(shownPath(QFileInfo(fileName).fileName()), QString::number(lastLine)),
            BoxKind::Plain};
}

HexLoadResult loadHexLines(FirmwareImage &image, const QStringList &lines, const QString &fileName)
{
    HexLoadResult result;
    image.resetForLoad();
    const int count = static_cast<int>(std::min<qsizetype>(lines.size(), FirmwareImage::MaxLines));
    for (int n = 0; n < count; ++n)
        image.hexLines[n] = upperCaseLine(lines[n]);
    image.lineCount = count;

    for (int n = 0; n < count; ++n) {
        const QString &line = image.hexLines[n];
        HexRecord record = parseHexRecord(line);
        const RecordError error = record.error;
        storeRecord(image, std::move(record));
        if (error != RecordError::None) {
            const bool cutOff = error == RecordError::Truncated && n + 1 == lines.size();
            result.error = cutOff ? cutOffMessage(fileName, n + 1) : readerMessage(error, line);
            return result;
        }
        if (line.startsWith(QLatin1String(":08400")))
            readIdRecord(line, result);
    }
    result.complete = true;
    return result;
}
