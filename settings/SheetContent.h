#pragma once
// What a decoder's data sheet shows: the file, the decoder, its slots, its
// modes and CVs in the editors' terms, its blink patterns and its servo
// curves with their times. Gathered from the settings document of the
// decoder, so that the sheet names every setting as the editors and the
// settings export do; laid out on paper elsewhere.
#include "decoder/DecoderSession.h"
#include "settings/SettingsDocument.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

namespace Sheet {

// What the window or the command line hands over for a sheet.
struct Input {
    // The decoder as it is to be shown: for the window its slot edits and
    // the editors' working copies written, for the command line the file as
    // loaded.
    DecoderSession session;
    // The file's name (no folder), its bytes and its version.
    Settings::Source source;
    QDate printed;
    // The window's language: the date and the decimal separator of times.
    QLocale locale;
    // The window shows changes that are not saved.
    bool unsaved = false;
};

// A named value, as "Mode Auswahl" / "Mode 2: Dumm-Mode".
struct Row {
    QString name;
    QString value;
    bool operator==(const Row &) const = default;
};

struct Section {
    QString title;
    std::vector<Row> rows;
};

// A table with a header row.
struct Table {
    QStringList columns;
    std::vector<QStringList> rows;
};

// One blink pattern as a timing diagram: for each output whether it is
// driven and whether it is on in each of the pattern's steps.
struct PatternDiagram {
    QString title;
    QString settings; // count, stretch, loop
    QString stepTime;
    QString totalTime;
    int steps = 0;
    int stepMs = 0; // one step's time
    std::vector<QString> outputNames;
    std::vector<bool> outputUsed;
    std::vector<std::vector<bool>> on; // [output][step]
};

// One servo curve as a plot: its positions 0..127 one step apart, and the
// relay bit of each point where the decoder has relays.
struct CurvePlot {
    QString title;
    QString settings; // count, stretch, key action
    QString stepTime;
    QString curveTime;
    // The pulse times of the servos whose address rows play the curve.
    QString pulseTimes;
    int stepMs = 0;
    std::vector<int> positions;
    std::vector<bool> relays; // empty without relays
};

struct Content {
    QString title;
    QString unsavedNote; // empty when the sheet shows the file as saved
    std::vector<Row> file;    // name, SHA-256, date
    std::vector<Row> decoder; // type, label, version, protocol
    QString slotTitle;
    Table slotTable;
    std::vector<Section> settings; // modes, CVs, servo addresses and servos
    QString patternTitle;
    std::vector<PatternDiagram> patterns;
    QString curveTitle;
    std::vector<CurvePlot> curves;
    // The words of a diagram's scale.
    QString msUnit;
    QString positionAxis;
    QString relayName;
    QString unusedOutput;
};

// Everything the sheet shows, in the language of the translations installed.
Content gather(Input input);

} // namespace Sheet
