#include "image/HexDamage.h"

#include "image/HexRecord.h"

#include <QCoreApplication>

#include <utility>

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// True when every character after the colon is a hex digit, they pair up, and
// the pairs add up to 0 modulo 256.
bool checksumHolds(const QString &line)
{
    const qsizetype digits = line.size() - 1;
    if (digits <= 0 || digits % 2 != 0)
        return false;
    int sum = 0;
    for (qsizetype i = 1; i < line.size(); i += 2) {
        const int high = hexDigit(line[i]);
        const int low = hexDigit(line[i + 1]);
        if (high < 0 || low < 0)
            return false;
        sum += high * 16 + low;
    }
    return sum % 256 == 0;
}

// An end record: type 01 in characters 7 and 8.
bool isEndRecord(const QString &line)
{
    return line.size() >= 9 && line[7] == u'0' && line[8] == u'1';
}

// The areas of the image that no data record of the lines reaches.
QStringList areasWithoutRecords(const QStringList &lines)
{
    bool reached[5] = {}; // by RecordTarget
    for (const QString &line : lines) {
        if (line.startsWith(u':'))
            reached[static_cast<int>(parseHexRecord(upperCaseLine(line)).target)] = true;
    }
    QStringList missing;
    const std::pair<RecordTarget, const char *> areas[] = {
        {RecordTarget::Rom, "ROM"}, {RecordTarget::Id, "ID"}, {RecordTarget::Config, "CONFIG"}, {RecordTarget::Eeprom, "EEPROM"}};
    for (const auto &[target, name] : areas) {
        if (!reached[static_cast<int>(target)])
            missing << QString::fromLatin1(name);
    }
    return missing;
}

} // namespace

QStringList HexDamage::findings() const
{
    return findingTexts(true);
}

QStringList HexDamage::machineFindings() const
{
    return findingTexts(false);
}

QStringList HexDamage::findingTexts(bool translated) const
{
    const auto text = [translated](const char *source) {
        return translated ? QCoreApplication::translate("HexDamage", source) : QString::fromUtf8(source);
    };
    QStringList texts;
    if (badChecksumLines > 0)
        texts << text(QT_TRANSLATE_NOOP("HexDamage", "Die Datei ist vielleicht beschädigt: %1 Zeile(n) mit falscher Prüfsumme (erste: Zeile %2)."))
                     .arg(badChecksumLines)
                     .arg(firstBadLine);
    if (missingEndRecord)
        texts << text(QT_TRANSLATE_NOOP("HexDamage", "Die Datei endet ohne End-Record; sie ist vielleicht abgeschnitten."));
    const QString areas = areasWithoutRecords.join(QStringLiteral(", "));
    if (areasWithoutRecords.contains(QStringLiteral("EEPROM")))
        texts << text(QT_TRANSLATE_NOOP("HexDamage", "Für %1 enthält die Datei keine Records: die angezeigten Einstellungen sind gelöschte Bytes (FF), und Speichern bringt sie nicht zurück."))
                     .arg(areas);
    else if (!areasWithoutRecords.isEmpty())
        texts << text(QT_TRANSLATE_NOOP("HexDamage", "Für %1 enthält die Datei keine Records; Speichern bringt sie nicht zurück.")).arg(areas);
    return texts;
}

HexDamage findHexDamage(const QStringList &lines)
{
    HexDamage damage;
    damage.missingEndRecord = true;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        if (!line.startsWith(u':'))
            continue;
        if (isEndRecord(line)) {
            damage.missingEndRecord = false;
            break;
        }
        if (!checksumHolds(line) && damage.badChecksumLines++ == 0)
            damage.firstBadLine = static_cast<int>(n + 1);
    }
    if (damage.missingEndRecord)
        damage.areasWithoutRecords = areasWithoutRecords(lines);
    return damage;
}
