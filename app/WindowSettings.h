#pragma once
#include <QPoint>
#include <QString>
#include <optional>

class EditorFrameHost;
class IniFile;
class QWidget;
class RecentFilesPanel;

// The settings file: the servo curve editor's grid choices, the window's
// width and place, and the recent files. Read at start; written whole by
// "Ende", and the recent files alone whenever a file is loaded or saved.
class WindowSettings {
public:
    // path: the settings file; empty means the default place next to the
    // executable (or the user's configuration folder).
    explicit WindowSettings(const QString &path);

    // A file that cannot be read (missing, a FIFO, a device, too big) leaves
    // every setting at its default.
    void load(QWidget &window, EditorFrameHost &frames, RecentFilesPanel &recent);
    // False when the file could not be written (the error was shown).
    bool save(QWidget &window, const EditorFrameHost &frames, const RecentFilesPanel &recent) const;
    // Writes the recent files into the file, every other key as it is there;
    // false when the file could not be written (nothing is shown: the load or
    // save that changed the list went well, and "Ende" tells of the file).
    bool saveRecentFiles(const RecentFilesPanel &recent) const;
    QString path() const { return path_; }

    // Where the window's inside (without the frame of the window manager)
    // lies on the desktop, and placing it there.
    static QPoint clientPosition(const QWidget &window);
    void place(QWidget &window, const QPoint &clientTopLeft);
    QPoint restoredPosition() const { return restoredPosition_; }

private:
    IniFile read() const;
    std::optional<QString> write(const IniFile &ini) const;

    QString path_;
    QPoint restoredPosition_;
};
