#include "frames/Frame_tamb/CurveFiles.h"

#include <QCoreApplication>

#include <variant>

namespace CurveFiles {

namespace {

// A line as a byte value: a decimal integer from 0 to 255, blanks around it
// allowed. Otherwise the warning that refuses the file at this line (counted
// from 1): a number outside a byte is as foreign to the file as a letter,
// since no editor writes one.
std::variant<int, QString> byteValue(const QString &line, int lineNumber)
{
    bool ok = false;
    const int value = line.trimmed().toInt(&ok, 10);
    if (!ok)
        return QCoreApplication::translate("CurveFiles", "Dieses File enthält ungültige Zeichen (kein Zahlenwert) in Zeile %1").arg(lineNumber);
    if (value < 0 || value > 255)
        return QCoreApplication::translate("CurveFiles", "Dieses File enthält einen Wert außerhalb von 0 bis 255 in Zeile %1").arg(lineNumber);
    return value;
}

QString emptyFileWarning()
{
    return QCoreApplication::translate("CurveFiles", "Dieses File ist leer");
}

QString tooShortWarning(int lines)
{
    return QCoreApplication::translate("CurveFiles", "Dieses File endet nach Zeile %1; %2 Zeilen erwartet").arg(lines).arg(SetLines);
}

void appendLine(QByteArray &content, int value)
{
    content += QByteArray::number(value);
    content += "\r\n";
}

// Byte t (0..255) of table 0 (records 0, 1) or table 1 (records 2, 3).
int &tableByte(CurveRecords &curves, int table, int t)
{
    return curves[2 * table + t / CurveRecords::Size][static_cast<std::size_t>(t % CurveRecords::Size)];
}

int tableByte(const CurveRecords &curves, int table, int t)
{
    return curves[2 * table + t / CurveRecords::Size][static_cast<std::size_t>(t % CurveRecords::Size)];
}

} // namespace

QString curveFileFilter()
{
    return QStringLiteral("CUR (*.cur);;TXT (*.txt);;*.* (*)");
}

QString curveFileSuffix()
{
    return QStringLiteral("CUR");
}

QString setFileFilter()
{
    return QStringLiteral("SET (*.set);;TXT (*.txt);;*.* (*)");
}

QString setFileSuffix()
{
    return QStringLiteral("SET");
}

QByteArray curveFileContent(const CurveRecords::Record &record)
{
    QByteArray content;
    const int count = CurveRecords::pointCount(record);
    for (int i = 0; i < count; ++i)
        appendLine(content, record[static_cast<std::size_t>(i)]);
    return content;
}

LoadResult loadCurveFile(const QStringList &lines, CurveRecords::Record &record)
{
    LoadResult result;
    int n = static_cast<int>(lines.size());
    if (n > MaxCurveLines) {
        result.warnings << QCoreApplication::translate("CurveFiles", "Nur die ersten 100 Zeilen dieses File werden verwendet");
        n = MaxCurveLines;
    }
    if (n == 0) {
        result.warnings << emptyFileWarning();
        return result;
    }
    // Read into a copy: the record changes only once every line has been read.
    CurveRecords::Record read = record;
    for (int k = 0; k < n; ++k) {
        const std::variant<int, QString> value = byteValue(lines[k], k + 1);
        if (const QString *warning = std::get_if<QString>(&value)) {
            result.warnings << *warning;
            return result;
        }
        read[static_cast<std::size_t>(k)] = std::get<int>(value);
    }
    read[CurveRecords::CountEntry] = n;
    record = read;
    result.complete = true;
    return result;
}

QByteArray setFileContent(const CurveRecords &curves)
{
    QByteArray content;
    for (int t = 0; t < 2 * CurveRecords::Size; ++t) {
        appendLine(content, tableByte(curves, 0, t));
        appendLine(content, tableByte(curves, 1, t));
    }
    return content;
}

LoadResult loadSetFile(const QStringList &lines, CurveRecords &curves)
{
    LoadResult result;
    const int n = static_cast<int>(lines.size());
    if (n > SetLines) {
        result.warnings << QCoreApplication::translate("CurveFiles", "Dieses File hat zu viele Zeilen (max. 512)");
        return result;
    }
    if (n == 0) {
        result.warnings << emptyFileWarning();
        return result;
    }
    // Read into a copy: the records change only once every line has been read.
    CurveRecords read = curves;
    for (int j = 0; j < SetLines; ++j) {
        if (j == n) {
            result.warnings << tooShortWarning(n);
            return result;
        }
        const std::variant<int, QString> value = byteValue(lines[j], j + 1);
        if (const QString *warning = std::get_if<QString>(&value)) {
            result.warnings << *warning;
            return result;
        }
        tableByte(read, j % 2, j / 2) = std::get<int>(value);
    }
    curves = read;
    result.complete = true;
    return result;
}

} // namespace CurveFiles
