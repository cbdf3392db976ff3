#include "app/WindowSettings.h"

#include "app/EditorFrameHost.h"
#include "preferences/IniFile.h"
#include "app/RecentFilesPanel.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

#include <unistd.h>

namespace {

const QString Raster = QStringLiteral("Raster");
const QString Window = QStringLiteral("Window");

// The settings file beside the executable where the user keeps files of his
// own there (a build folder), else in the user's configuration folder.
QString defaultSettingsPath()
{
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    const QFileInfo folder(executable.absolutePath());
    return chooseSettingsPath({executable.absoluteFilePath(), folder.isWritable(), folder.ownerId() == ::geteuid(),
                               QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)});
}

} // namespace

WindowSettings::WindowSettings(const QString &path) : path_(path.isEmpty() ? defaultSettingsPath() : path) {}

IniFile WindowSettings::read() const
{
    const InputFile file = readInputFile(path_);
    return file.error ? IniFile() : IniFile::fromBytes(file.content);
}

void WindowSettings::load(QWidget &window, EditorFrameHost &frames, RecentFilesPanel &recent)
{
    const IniFile ini = read();
    frames.rasterX = ini.readInteger(Raster, QStringLiteral("x"), 0);
    frames.rasterY = ini.readInteger(Raster, QStringLiteral("y"), 0);
    const int w = ini.readInteger(Window, QStringLiteral("Width"), 560);
    const int top = ini.readInteger(Window, QStringLiteral("Top"), 10);
    const int left = ini.readInteger(Window, QStringLiteral("Left"), 10);
    window.setMinimumSize(0, 0);
    window.resize(w, window.height());
    place(window, QPoint(left, top));
    recent.read(ini);
}

bool WindowSettings::save(QWidget &window, const EditorFrameHost &frames, const RecentFilesPanel &recent) const
{
    IniFile ini = read();
    ini.writeInteger(Raster, QStringLiteral("x"), frames.rasterX);
    ini.writeInteger(Raster, QStringLiteral("y"), frames.rasterY);
    ini.writeInteger(Window, QStringLiteral("Width"), window.width());
    ini.writeInteger(Window, QStringLiteral("Top"), clientPosition(window).y());
    ini.writeInteger(Window, QStringLiteral("Left"), clientPosition(window).x());
    recent.write(ini);
    if (const auto error = write(ini)) {
        Dialogs::warningOk(&window, fileMessage(path_, *error));
        return false;
    }
    return true;
}

bool WindowSettings::saveRecentFiles(const RecentFilesPanel &recent) const
{
    // A file in the settings file's place that cannot be read (too big, not a
    // regular file) is no settings file: a load or a save never replaces it.
    const InputFile file = readInputFile(path_);
    if (file.error && QFileInfo::exists(path_))
        return false;
    IniFile ini = file.error ? IniFile() : IniFile::fromBytes(file.content);
    recent.write(ini);
    return !write(ini);
}

std::optional<QString> WindowSettings::write(const IniFile &ini) const
{
    const QByteArray bytes = ini.toBytes();
    // Settings equal to the file's are not written again: a start that loads
    // the file already at the top of the recent list touches no disk.
    const InputFile current = readInputFile(path_);
    if (!current.error && current.content == bytes)
        return std::nullopt;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    return saveFileWhole(path_, bytes);
}

QPoint WindowSettings::clientPosition(const QWidget &window)
{
    return window.window()->geometry().topLeft();
}

void WindowSettings::place(QWidget &window, const QPoint &clientTopLeft)
{
    restoredPosition_ = clientTopLeft;
    // The inside of the window goes there; saved is the same kind of point, so
    // the window's frame never moves the window from one start to the next.
    if (window.isWindow())
        window.setGeometry(QRect(clientTopLeft, window.size()));
}
