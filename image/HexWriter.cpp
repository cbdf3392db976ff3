#include "image/HexWriter.h"

#include "image/HexByte.h"

#include <QStringList>

namespace {

const QString ErrorText = QStringLiteral("error");

QString recordText(int count, int address, const QString &type, const QString &data)
{
    return hexByte(count) + hexByte(address / 256) + hexByte(address % 256) + type + data;
}

// Appends ":" + record + checksum; false when the checksum cannot be computed.
bool appendRecord(FirmwareImage &image, int &next, const QString &record)
{
    const QString checksum = RecordChecksum(record);
    if (checksum == ErrorText)
        return false;
    image.hexLines[next++] = QLatin1Char(':') + record + checksum;
    return true;
}

bool appendRomRecords(FirmwareImage &image, int &next)
{
    for (int start = 0; start <= image.romTop; start += 16) {
        const int end = std::min(start + 15, image.romTop);
        QString data;
        data.reserve(2 * (end - start + 1));
        for (int k = start; k <= end; ++k)
            data += image.rom[k];
        if (!appendRecord(image, next, recordText(end - start + 1, start, QStringLiteral("00"), data)))
            return false;
    }
    return true;
}

bool appendIdRecord(FirmwareImage &image, int &next)
{
    QString data;
    for (QChar c : std::as_const(image.idText))
        data += QLatin1Char('0') + QString(c) + QStringLiteral("00");
    return appendRecord(image, next, QStringLiteral("08400000") + data);
}

bool appendEepromRecords(FirmwareImage &image, int &next)
{
    for (int start = 0; start <= image.eepromTop; start += 8) {
        const int end = std::min(start + 7, image.eepromTop);
        QString data;
        for (int i = start; i <= end; ++i)
            data += image.eeprom[i] + QStringLiteral("00");
        const int address = 0x4200 + 2 * start;
        if (!appendRecord(image, next, recordText(2 * (end - start + 1), address, QStringLiteral("00"), data)))
            return false;
    }
    return true;
}

} // namespace

QString RecordChecksum(QStringView recordText)
{
    const qsizetype n = recordText.size() / 2;
    int sum = 0;
    for (qsizetype j = 0; j < n; ++j) {
        const QStringView pair = recordText.mid(2 * j, 2);
        if (!isHexText(pair))
            return ErrorText;
        sum += HexByteValue(pair);
    }
    return hexByte((256 - sum % 256) % 256);
}

int BuildHexLines(FirmwareImage &image)
{
    for (QString &line : image.hexLines)
        line.clear();
    image.raiseTopsToEdits();
    int next = 0;
    image.hexLines[next++] = QStringLiteral(":020000040000FA");
    const bool built = appendRomRecords(image, next) && appendIdRecord(image, next)
                       && appendRecord(image, next, QStringLiteral("02400E00") + image.configText)
                       && appendEepromRecords(image, next);
    if (!built)
        return 0;
    image.hexLines[next++] = QStringLiteral(":00000001FF");
    return next;
}

std::optional<QString> checkWritableImage(const FirmwareImage &image)
{
    if (image.idText.size() != 4)
        return QStringLiteral("Das HEX-File kann nicht geschrieben werden: die ID \"%1\" hat nicht vier Stellen.")
            .arg(image.idText);
    if (image.configText.size() != 4 || !isHexText(image.configText))
        return QStringLiteral(
                   "Das HEX-File kann nicht geschrieben werden: der Config-Wert \"%1\" ist keine vierstellige Hex-Zahl.")
            .arg(image.configText);
    return std::nullopt;
}

QByteArray hexFileContent(const FirmwareImage &image)
{
    QByteArray content;
    for (int n = 0; n < image.lineCount; ++n) {
        content += image.hexLines[n].toLatin1();
        content += "\r\n";
    }
    return content;
}
