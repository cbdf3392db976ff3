#pragma once
// HEX record lines built in tests, their checksums computed here and not by
// the writer under test.
#include <QList>
#include <QString>

// ":" count, address, type, data and the checksum, upper case. data is hex text.
inline QString hexRecord(int address, const QString &type, const QString &data)
{
    const int count = static_cast<int>(data.size() / 2);
    QString body =
        QStringLiteral("%1%2%3").arg(count, 2, 16, QLatin1Char('0')).arg(address, 4, 16, QLatin1Char('0')).arg(type)
        + data;
    body = body.toUpper();
    int sum = 0;
    for (int i = 0; i + 1 < body.size(); i += 2)
        sum += body.mid(i, 2).toInt(nullptr, 16);
    return QLatin1Char(':') + body
        + QStringLiteral("%1").arg((256 - sum % 256) % 256, 2, 16, QLatin1Char('0')).toUpper();
}

// A data record (type 00) of the bytes.
inline QString dataRecord(int address, const QList<int> &bytes)
{
    QString data;
    for (int b : bytes)
        data += QStringLiteral("%1").arg(b & 0xFF, 2, 16, QLatin1Char('0'));
    return hexRecord(address, QStringLiteral("00"), data);
}

// EEPROM bytes from index on, as the low bytes of the data words at 0x4200 + 2 * index.
inline QString eepromRecord(int index, const QList<int> &bytes)
{
    QList<int> words;
    for (int b : bytes)
        words << b << 0;
    return dataRecord(0x4200 + 2 * index, words);
}

const QString ExtendedAddressRecord = QStringLiteral(":020000040000FA");
const QString EndRecord = QStringLiteral(":00000001FF");
