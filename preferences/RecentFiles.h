#pragma once
#include <QString>
#include <QStringList>

class IniFile;

// The files loaded or saved last, newest first, and the folder the file
// dialogs start in. Kept in the settings file's own section "Recent" (keys
// File1..File8 and Folder) beside the window's keys.
class RecentFiles {
public:
    static constexpr int Capacity = 8;

    static RecentFiles fromIni(const IniFile &ini);
    void writeTo(IniFile &ini) const;

    // Puts the file first (once only) and remembers its folder; the oldest
    // beyond the capacity drop out. Relative paths are made absolute.
    void add(const QString &path);
    void remove(const QString &path);
    QStringList files() const { return files_; }

    // The folder last used; empty when none is known.
    QString folder() const { return folder_; }

private:
    QStringList files_;
    QString folder_;
};

// The names a list of files shows: each file's name with as many of its
// folders as tell it apart from the others ("a/servo.hex", "b/servo.hex",
// "out.hex"), in the list's order.
QStringList distinguishingNames(const QStringList &paths);
