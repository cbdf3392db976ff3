#pragma once
// What a sample firmware holds, as samples/index.txt lists it.
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>
#include <vector>

struct SampleSlot {
    int slot = 0;
    int address = 0;
    char form = '0'; // 'g' / 'r' accessory output, 'f' function number, '0' erased
    int function = 0;
};

struct SampleEntry {
    std::string name;
    int code = 0;
    QString protocol; // the text of status panel 2: "Mot", "DCC" or "ohne"
    QString label;    // the text of status panel 3
    std::vector<SampleSlot> slotList;
};

inline void PrintTo(const SampleEntry &entry, std::ostream *os) { *os << entry.name; }
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

inline SampleSlot parseSampleSlot(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+):(\\d+)(g|r|f(\\d+))?$"));
    const QRegularExpressionMatch m = form.match(text);
    SampleSlot slot;
    if (!m.hasMatch()) {
        ADD_FAILURE() << "bad slot in samples/index.txt: " << text.toStdString();
        return slot;
    }
    slot.slot = m.captured(1).toInt();
    slot.address = m.captured(2).toInt();
    if (!m.captured(3).isEmpty())
        slot.form = m.captured(3).at(0).toLatin1();
    slot.function = m.captured(4).toInt();
    return slot;
}

// One entry per line: name, type code, protocol, label, slots, separated by tabs.
inline std::vector<SampleEntry> readSampleIndex(const QString &path)
{
    std::vector<SampleEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 5)
            continue;
        SampleEntry entry{fields[0].toStdString(), fields[1].toInt(), fields[2], fields[3], {}};
        for (const QString &slot : fields[4].split(QLatin1Char(' '), Qt::SkipEmptyParts))
            entry.slotList.push_back(parseSampleSlot(slot));
        entries.push_back(entry);
    }
    return entries;
}

