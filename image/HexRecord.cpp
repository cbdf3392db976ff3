#include "image/HexRecord.h"

#include "image/FirmwareImage.h"
#include "image/HexByte.h"

#include <algorithm>

namespace {

// Characters counted from 1, as in the record layout; missing ones are empty.
QString charsAt(const QString &line, int position, int count)
{
    return line.mid(position - 1, count);
}

bool isUpperHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F');
}

int upperHexValue(QChar c)
{
    const char16_t u = c.unicode();
    return u <= u'9' ? u - u'0' : u - u'A' + 10;
}

// The two characters at the position as the byte at index. An upper-case hex
// pair, the usual case, is kept as its value, without a text of its own.
RecordByte oddRecordByteAt(const QString &line, int position, int index)
{
    return {index, -1, QStringView(line).mid(position - 1, 2).toString()};
}

RecordByte recordByteAt(const QString &line, int position, int index)
{
    if (position < line.size()) {
        const QChar high = line[position - 1];
        const QChar low = line[position];
        if (isUpperHexDigit(high) && isUpperHexDigit(low))
            return {index, 16 * upperHexValue(high) + upperHexValue(low), {}};
    }
    return oddRecordByteAt(line, position, index);
}

int byteAt(const QString &line, int position)
{
    return HexByteValue(QStringView(line).mid(position - 1, 2));
}

bool reaches(const QString &line, int lastPosition)
{
    return line.size() >= lastPosition;
}

void parseRomData(const QString &line, int count, int high, int low, HexRecord &record)
{
    record.target = RecordTarget::Rom;
    if (!reaches(line, 9 + 2 * count)) {
        record.error = RecordError::Truncated;
        return;
    }
    const int start = 256 * high + low;
    record.bytes.reserve(count);
    for (int j = 0; j < count; ++j) {
        const int index = start + j;
        if (index >= FirmwareImage::RomSize) {
            record.error = RecordError::RomOverflow;
            return;
        }
        record.bytes.push_back(recordByteAt(line, 10 + 2 * j, index));
    }
}

void parseEepromData(const QString &line, int count, int start, HexRecord &record)
{
    record.target = RecordTarget::Eeprom;
    const int words = count / 2;
    if (words > 0 && !reaches(line, 11 + 4 * (words - 1))) {
        record.error = RecordError::Truncated;
        return;
    }
    record.bytes.reserve(std::max(words, 0));
    for (int j = 0; j < words; ++j) {
        const int index = start + j;
        if (index >= FirmwareImage::EepromSize) {
            record.error = RecordError::EepromOverflow;
            return;
        }
        record.bytes.push_back(recordByteAt(line, 10 + 4 * j, index));
    }
}

void parseIdData(const QString &line, int count, HexRecord &record)
{
    record.target = RecordTarget::Id;
    const int words = count / 2;
    if (words > 0 && !reaches(line, 11 + 4 * (words - 1))) {
        record.error = RecordError::Truncated;
        return;
    }
    for (int j = 0; j < words; ++j)
        record.text += charsAt(line, 11 + 4 * j, 1);
}

void parseConfigData(const QString &line, int count, HexRecord &record)
{
    record.target = RecordTarget::Config;
    if (!reaches(line, 9 + 2 * count)) {
        record.error = RecordError::Truncated;
        return;
    }
    record.text = charsAt(line, 10, 2 * count);
}

void parseData(const QString &line, HexRecord &record)
{
    const int count = byteAt(line, 2);
    const int high = byteAt(line, 4);
    const int low = byteAt(line, 6);
    if (high <= 0x0F)
        parseRomData(line, count, high, low, record);
    else if (high == 0x42)
        parseEepromData(line, count, low / 2, record);
    else if (high == 0x43)
        parseEepromData(line, count, low / 2 + 128, record);
    else if (high == 0x40 && low == 0x00)
        parseIdData(line, count, record);
    else if (high == 0x40 && low == 0x0E)
        parseConfigData(line, count, record);
    else if (high != 0x40)
        record.error = RecordError::UnexpectedAddress;
}

} // namespace

HexRecord parseHexRecord(const QString &line)
{
    HexRecord record;
    const QStringView type = QStringView(line).mid(7, 2);
    if (type == QLatin1String("00"))
        parseData(line, record);
    else if (type == QLatin1String("01")) {
        if (line != QLatin1String(":00000001FF"))
            record.error = RecordError::BadEndOfFile;
    } else if (type == QLatin1String("02"))
        record.error = RecordError::Type02;
    else if (type == QLatin1String("03"))
        record.error = RecordError::Type03;
    else if (type == QLatin1String("04")) {
        if (line != QLatin1String(":020000040000FA"))
            record.error = RecordError::BadExtendedAddress;
    } else if (type != QLatin1String("05"))
        record.error = RecordError::UnknownType;
    return record;
}

QStringList splitHexFileLines(const QByteArray &content)
{
    QByteArrayView bytes(content);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    // Each line is taken from the bytes straight into its own text.
    QStringList lines;
    const char *const end = bytes.data() + bytes.size();
    const char *start = bytes.data();
    for (const char *p = start; p < end; ++p) {
        if (*p != '\r' && *p != '\n')
            continue;
        lines.append(QString::fromLatin1(start, p - start));
        if (*p == '\r' && p + 1 < end && p[1] == '\n')
            ++p;
        start = p + 1;
    }
    if (start < end)
        lines.append(QString::fromLatin1(start, end - start));
    return lines;
}

QString upperCaseLine(const QString &line)
{
    const auto lower = [](QChar c) { return c.unicode() >= u'a' && c.unicode() <= u'z'; };
    if (std::none_of(line.cbegin(), line.cend(), lower))
        return line; // shares the text, no copy
    QString upper = line;
    for (QChar &c : upper) {
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return upper;
}
