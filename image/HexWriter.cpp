#include "image/HexWriter.h"

#include "image/HexByte.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

const QString ErrorText = QStringLiteral("error");

// One record line built in a single buffer, its checksum summed on the way.
// A byte text that is not two hex digits makes the checksum fail, as
// RecordChecksum does for the whole record.
class RecordLine {
public:
    explicit RecordLine(int dataBytes) { line_.reserve(1 + 2 * (5 + dataBytes)); line_ += QLatin1Char(':'); }

    void addByte(int value)
    {
        line_ += hexByte(value);
        sum_ += value;
    }
    void addText(QStringView pair)
    {
        if (pair.size() != 2 || !isHexText(pair)) {
            valid_ = false;
            line_ += pair;
            return;
        }
        line_ += pair;
        sum_ += HexByteValue(pair);
    }
    void addHeader(int count, int address, int type)
    {
        addByte(count);
        addByte(address / 256);
        addByte(address % 256);
        addByte(type);
    }
    // Appends the checksum and stores the line; false when it cannot be computed.
    bool finishInto(FirmwareImage &image, int &next)
    {
        if (!valid_)
            return false;
        line_ += hexByte((256 - sum_ % 256) % 256);
        image.hexLines[next++] = line_;
        return true;
    }

private:
    QString line_;
    int sum_ = 0;
    bool valid_ = true;
};

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
        RecordLine record(end - start + 1);
        record.addHeader(end - start + 1, start, 0x00);
        for (int k = start; k <= end; ++k)
            record.addText(image.rom.at(k));
        if (!record.finishInto(image, next))
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
        RecordLine record(2 * (end - start + 1));
        record.addHeader(2 * (end - start + 1), 0x4200 + 2 * start, 0x00);
        for (int i = start; i <= end; ++i) {
            record.addText(image.eeprom.at(i));
            record.addByte(0x00);
        }
        if (!record.finishInto(image, next))
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
        return QCoreApplication::translate("HexWriter", "Das HEX-File kann nicht geschrieben werden: die ID \"%1\" hat nicht vier Stellen.")
            .arg(image.idText);
    if (image.configText.size() != 4 || !isHexText(image.configText))
        return QCoreApplication::translate("HexWriter", "Das HEX-File kann nicht geschrieben werden: der Config-Wert \"%1\" ist keine vierstellige Hex-Zahl.")
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
