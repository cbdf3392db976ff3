#pragma once
// Two settings documents compared setting by setting, in the editors' terms
// and order: one line for each setting that differs, and a partial document
// of the second one's differing settings, which an apply takes.
#include <QJsonObject>
#include <QStringList>

namespace Settings {

struct Comparison {
    // "Adresse 03: 12g -> 14r", "Kurve 2: Anzahl Punkte 30 -> 20", …
    QStringList lines;
    // The format version and decoder of the second document, and each of its
    // settings that differs; everything else left out.
    QJsonObject partial;
    bool equal() const { return lines.isEmpty(); }
};

// A setting that one of the documents leaves out is not compared.
Comparison compareSettings(const QJsonObject &first, const QJsonObject &second);

} // namespace Settings
