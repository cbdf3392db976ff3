#include "preferences/RecentFiles.h"

#include "preferences/IniFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString Section = QStringLiteral("Recent");

QString fileKey(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}

QString absolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFiles RecentFiles::fromIni(const IniFile &ini)
{
    RecentFiles recent;
    for (int i = 0; i < Capacity; ++i) {
        const QString path = ini.readExactString(Section, fileKey(i));
        if (!path.isEmpty() && QDir::isAbsolutePath(path) && !recent.files_.contains(path))
            recent.files_.append(QDir::cleanPath(path));
    }
    recent.folder_ = ini.readExactString(Section, QStringLiteral("Folder"));
    return recent;
}

void RecentFiles::writeTo(IniFile &ini) const
{
    for (int i = 0; i < Capacity; ++i) {
        if (i < files_.size())
            ini.writeExactString(Section, fileKey(i), files_.at(i));
        else
            ini.removeKey(Section, fileKey(i));
    }
    ini.writeExactString(Section, QStringLiteral("Folder"), folder_);
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString file = absolute(path);
    files_.removeAll(file);
    files_.prepend(file);
    while (files_.size() > Capacity)
        files_.removeLast();
    folder_ = QFileInfo(file).absolutePath();
}

void RecentFiles::remove(const QString &path)
{
    files_.removeAll(absolute(path));
}

namespace {

// The last `count` parts of a path split at its separators.
QString lastParts(const QStringList &parts, qsizetype count)
{
    return parts.mid(std::max<qsizetype>(0, parts.size() - count)).join(u'/');
}

} // namespace

QStringList distinguishingNames(const QStringList &paths)
{
    QList<QStringList> parts;
    for (const QString &path : paths)
        parts.append(QDir::cleanPath(path).split(u'/'));
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        qsizetype count = 1;
        const auto sharedByAnother = [&] {
            for (qsizetype j = 0; j < parts.size(); ++j)
                if (j != i && lastParts(parts[j], count) == lastParts(parts[i], count))
                    return true;
            return false;
        };
        while (count < parts[i].size() && sharedByAnother())
            ++count;
        names.append(lastParts(parts[i], count));
    }
    return names;
}
