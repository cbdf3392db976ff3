#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// An INI file held in memory: read whole, changed, written back whole. Sections
// and keys keep their order; names compare without regard to case.
class IniFile {
public:
    static IniFile fromBytes(const QByteArray &content);

    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    void writeInteger(const QString &section, const QString &key, int value);
    // A text value as written (without the blanks around it); the default when
    // the key is missing. Line breaks cannot be stored and end the text.
    QString readString(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    // A text kept exactly, line breaks and blanks around it included. Plain
    // texts are written as they are; any other goes in double quotes with
    // backslash escapes. A value without quotes reads as readString does.
    QString readExactString(const QString &section, const QString &key) const;
    void writeExactString(const QString &section, const QString &key, const QString &value);
    // Takes the key out of the section, where it exists.
    void removeKey(const QString &section, const QString &key);
    QByteArray toBytes() const;

private:
    void setEntry(const QString &section, const QString &key, const QString &stored);
    struct Section {
        QString name;
        QList<QPair<QString, QString>> entries;
    };
    Section *findSection(const QString &name);
    const Section *findSection(const QString &name) const;
    QList<Section> sections_;
};

// The settings file of an executable: its path with the extension replaced by
// "ini", or with ".ini" added when it has none.
QString settingsPathBesideExecutable(const QString &executablePath);

// What decides where the settings file goes.
struct SettingsPlaceFacts {
    QString executablePath;   // absolute
    bool folderWritable;      // the executable's folder can be written by the user
    bool folderOwnedByUser;   // ... and belongs to the user (root included)
    QString configFolder;     // the user's configuration folder for the program
};

// Beside the executable when the user may keep files there: a folder the user
// owns and can write to, outside the system's prefixes (/usr, /bin, /sbin,
// /lib, /opt, ...). Otherwise, even for root, in the configuration folder.
QString chooseSettingsPath(const SettingsPlaceFacts &facts);
