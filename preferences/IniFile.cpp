#include "preferences/IniFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <QRegularExpression>

IniFile IniFile::fromBytes(const QByteArray &content)
{
    IniFile ini;
    const QList<QByteArray> lines = content.split('\n');
    for (QByteArray raw : lines) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            ini.sections_.append({line.mid(1, line.size() - 2).trimmed(), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || ini.sections_.isEmpty())
            continue;
        ini.sections_.last().entries.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
    return ini;
}

IniFile::Section *IniFile::findSection(const QString &name)
{
    for (Section &s : sections_) {
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    return const_cast<IniFile *>(this)->findSection(name);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const Section *s = findSection(section);
    if (!s)
        return defaultValue;
    for (const auto &entry : s->entries) {
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0) {
            bool ok = false;
            const int value = entry.second.toInt(&ok);
            return ok ? value : defaultValue;
        }
    }
    return defaultValue;
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    if (const Section *s = findSection(section)) {
        for (const auto &entry : s->entries) {
            if (entry.first.compare(key, Qt::CaseInsensitive) == 0)
                return entry.second;
        }
    }
    return defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    setEntry(section, key, value.section(QRegularExpression(QStringLiteral("[\\r\\n]")), 0, 0).trimmed());
}

void IniFile::setEntry(const QString &section, const QString &key, const QString &oneLine)
{
    Section *s = findSection(section);
    if (!s) {
        sections_.append({section, {}});
        s = &sections_.last();
    }
    for (auto &entry : s->entries) {
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0) {
            entry.second = oneLine;
            return;
        }
    }
    s->entries.append({key, oneLine});
}

void IniFile::removeKey(const QString &section, const QString &key)
{
    if (Section *s = findSection(section)) {
        s->entries.removeIf([&key](const QPair<QString, QString> &entry) {
            return entry.first.compare(key, Qt::CaseInsensitive) == 0;
        });
    }
}

QByteArray IniFile::toBytes() const
{
    QByteArray out;
    for (qsizetype i = 0; i < sections_.size(); ++i) {
        if (i > 0)
            out += "\r\n";
        out += '[' + sections_[i].name.toUtf8() + "]\r\n";
        for (const auto &entry : sections_[i].entries)
            out += entry.first.toUtf8() + '=' + entry.second.toUtf8() + "\r\n";
    }
    return out;
}

namespace {

// A half of a surrogate pair without its other half: how a file name keeps a
// byte that is no UTF-8. Written as UTF-8 it would become '?'.
bool isLoneSurrogate(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text.at(i - 1).isHighSurrogate();
    return false;
}

// A character that the quoted form writes as \uXXXX.
bool needsUnicodeEscape(const QString &text, qsizetype i)
{
    return text.at(i).category() == QChar::Other_Control || isLoneSurrogate(text, i);
}

// A text that reads back as it is without quotes: no control characters, no
// lone surrogates, no blanks around it, not beginning with a double quote.
bool isPlainText(const QString &value)
{
    if (value != value.trimmed() || value.startsWith(u'"'))
        return false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (needsUnicodeEscape(value, i))
            return false;
    }
    return true;
}

QString quoted(const QString &value)
{
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\' || c == u'"')
            out += u'\\' + QString(c);
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (needsUnicodeEscape(value, i))
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + u'"';
}

// The text of a quoted value; a null string when the quoting is broken.
QString unquoted(const QString &stored)
{
    QString out;
    for (qsizetype i = 1; i + 1 < stored.size(); ++i) {
        const QChar c = stored.at(i);
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++i + 1 >= stored.size())
            return QString();
        switch (stored.at(i).unicode()) {
        case 'n': out += u'\n'; break;
        case 'r': out += u'\r'; break;
        case 't': out += u'\t'; break;
        case '\\': out += u'\\'; break;
        case '"': out += u'"'; break;
        case 'u': {
            // Four hex digits, all before the closing quote.
            if (i + 4 >= stored.size() - 1)
                return QString();
            bool ok = false;
            const uint code = stored.mid(i + 1, 4).toUInt(&ok, 16);
            if (!ok)
                return QString();
            out += QChar(static_cast<char16_t>(code));
            i += 4;
            break;
        }
        default:
            return QString();
        }
    }
    return out.isNull() ? QStringLiteral("") : out;
}

} // namespace

QString IniFile::readExactString(const QString &section, const QString &key) const
{
    const QString stored = readString(section, key);
    if (stored.size() >= 2 && stored.startsWith(u'"') && stored.endsWith(u'"'))
        return unquoted(stored);
    return stored;
}

void IniFile::writeExactString(const QString &section, const QString &key, const QString &value)
{
    setEntry(section, key, isPlainText(value) ? value : quoted(value));
}

QString chooseSettingsPath(const SettingsPlaceFacts &facts)
{
    const QString beside = settingsPathBesideExecutable(facts.executablePath);
    static const char *const systemPrefixes[] = {"/usr/", "/bin/", "/sbin/", "/lib/", "/lib64/", "/opt/", "/snap/", "/nix/"};
    const QString folder = QFileInfo(facts.executablePath).absolutePath() + u'/';
    const bool underSystemPrefix = std::any_of(std::begin(systemPrefixes), std::end(systemPrefixes),
                                               [&folder](const char *prefix) { return folder.startsWith(QLatin1String(prefix)); });
    if (facts.folderWritable && facts.folderOwnedByUser && !underSystemPrefix)
        return beside;
    return QDir(facts.configFolder).filePath(QFileInfo(beside).fileName());
}

QString settingsPathBesideExecutable(const QString &executablePath)
{
    const QFileInfo info(executablePath);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return executablePath + QStringLiteral(".ini");
    return executablePath.left(executablePath.size() - suffix.size()) + QStringLiteral("ini");
}
