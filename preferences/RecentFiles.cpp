#include "preferences/RecentFiles.h"

#include "preferences/IniFile.h"

#include <QDir>
#include <QFileInfo>

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
