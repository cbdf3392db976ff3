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
    // Takes the key out of the section, where it exists.
    void removeKey(const QString &section, const QString &key);
    QByteArray toBytes() const;

private:
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
