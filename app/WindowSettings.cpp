#include "app/WindowSettings.h"

#include "app/EditorFrameHost.h"
#include "app/IniFile.h"
#include "app/RecentFilesPanel.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

namespace {

const QString Raster = QStringLiteral("Raster");
const QString Window = QStringLiteral("Window");

// The settings file beside the executable, or in the user's configuration
// folder when the executable's folder cannot be written.
QString defaultSettingsPath()
{
    const QString besideExecutable = settingsPathBesideExecutable(QCoreApplication::applicationFilePath());
    if (QFileInfo(QFileInfo(besideExecutable).absolutePath()).isWritable())
        return besideExecutable;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder).filePath(QFileInfo(besideExecutable).fileName());
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

    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (const auto error = saveFileWhole(path_, ini.toBytes())) {
        Dialogs::warningOk(&window, fileMessage(path_, *error));
        return false;
    }
    return true;
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
