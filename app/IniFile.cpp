#include "app/IniFile.h"

#include <QFileInfo>
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
    const QString oneLine = value.section(QRegularExpression(QStringLiteral("[\\r\\n]")), 0, 0).trimmed();
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

QString settingsPathBesideExecutable(const QString &executablePath)
{
    const QFileInfo info(executablePath);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return executablePath + QStringLiteral(".ini");
    return executablePath.left(executablePath.size() - suffix.size()) + QStringLiteral("ini");
}
