#pragma once
#include <QPoint>
#include <QString>

class EditorFrameHost;
class IniFile;
class QWidget;
class RecentFilesPanel;

// The settings file: the servo curve editor's grid choices, the window's
// width and place, and the recent files. Read at start, written by "Ende".
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

    // Where the window's inside (without the frame of the window manager)
    // lies on the desktop, and placing it there.
    static QPoint clientPosition(const QWidget &window);
    void place(QWidget &window, const QPoint &clientTopLeft);
    QPoint restoredPosition() const { return restoredPosition_; }

private:
    IniFile read() const;

    QString path_;
    QPoint restoredPosition_;
};
