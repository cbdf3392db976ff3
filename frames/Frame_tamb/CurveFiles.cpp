#include "frames/Frame_tamb/CurveFiles.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace CurveFiles {

namespace {

// A line as a byte value: a decimal integer (blanks around it allowed), values
// above 255 become 255 and negative ones 0. Nothing for anything else.
std::optional<int> byteValue(const QString &line)
{
    bool ok = false;
    const int value = line.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return std::clamp(value, 0, 255);
}

QString invalidLineWarning(int line)
{
    return QCoreApplication::translate("CurveFiles", "Dieses File enthält ungültige Zeichen (kein Zahlenwert) in Zeile %1").arg(line);
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
        result.warnings << invalidLineWarning(1);
        return result;
    }
    // Read into a copy: the record changes only once every line has been read.
    CurveRecords::Record read = record;
    for (int k = 0; k < n; ++k) {
        const std::optional<int> value = byteValue(lines[k]);
        if (!value) {
            result.warnings << invalidLineWarning(k + 1);
            return result;
        }
        read[static_cast<std::size_t>(k)] = *value;
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
    // Read into a copy: the records change only once every pair has been read.
    CurveRecords read = curves;
    for (int j = 0; j < SetLines; ++j) {
        const std::optional<int> value = j < n ? byteValue(lines[j]) : std::nullopt;
        if (!value) {
            result.warnings << invalidLineWarning(j + 1);
            return result;
        }
        tableByte(read, j % 2, j / 2) = *value;
    }
    curves = read;
    result.complete = true;
    return result;
}

} // namespace CurveFiles
