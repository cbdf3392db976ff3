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

// The two characters at the position as a byte text. An upper-case hex pair,
// the usual case, shares its text from the hexByte table instead of a copy.
int upperHexValue(QChar c)
{
    const char16_t u = c.unicode();
    return u <= u'9' ? u - u'0' : u - u'A' + 10;
}

QString byteTextAt(const QString &line, int position, const HexByteTable &table)
{
    const QStringView pair = QStringView(line).mid(position - 1, 2);
    if (pair.size() == 2 && isUpperHexDigit(pair[0]) && isUpperHexDigit(pair[1]))
        return table[static_cast<std::size_t>(16 * upperHexValue(pair[0]) + upperHexValue(pair[1]))];
    return pair.toString();
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
    const HexByteTable &table = hexByteTable();
    record.bytes.reserve(count);
    for (int j = 0; j < count; ++j) {
        const int index = start + j;
        if (index >= FirmwareImage::RomSize) {
            record.error = RecordError::RomOverflow;
            return;
        }
        record.bytes.push_back({index, byteTextAt(line, 10 + 2 * j, table)});
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
    const HexByteTable &table = hexByteTable();
    record.bytes.reserve(std::max(words, 0));
    for (int j = 0; j < words; ++j) {
        const int index = start + j;
        if (index >= FirmwareImage::EepromSize) {
            record.error = RecordError::EepromOverflow;
            return;
        }
        record.bytes.push_back({index, byteTextAt(line, 10 + 4 * j, table)});
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
    QByteArray bytes = content;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QString text = QString::fromLatin1(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
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
