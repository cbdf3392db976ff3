#include "settings/Inventory.h"

#include "decoder/AddressCodes.h"
#include "image/SafeFile.h"
#include "image/SystemErrors.h"
#include "settings/SlotName.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace Settings {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The run of digits at `at`, without its leading zeros; `at` moves past it.
QByteArrayView digitRun(QByteArrayView text, qsizetype &at)
{
    while (at < text.size() && text[at] == '0' && at + 1 < text.size() && isDigit(text[at + 1]))
        ++at;
    const qsizetype start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return text.sliced(start, at - start);
}

// Negative, zero or positive as a comes before, ties with or follows b.
int naturalComparison(QByteArrayView a, QByteArrayView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const QByteArrayView x = digitRun(a, i);
            const QByteArrayView y = digitRun(b, j);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int c = std::memcmp(x.data(), y.data(), static_cast<std::size_t>(x.size())))
                return c;
            continue;
        }
        if (a[i] != b[j])
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
        ++i;
        ++j;
    }
    return (a.size() - i > 0) - (b.size() - j > 0);
}

bool endsInHex(const char *name)
{
    const std::size_t size = std::strlen(name);
    return size >= 4 && strncasecmp(name + size - 4, ".hex", 4) == 0;
}

// One CSV field: quoted when it holds a separator, a quote or a line break; a
// leading = + - @ is kept from being read as a formula.
QString csvField(const QString &field)
{
    QString text = field;
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r')))
        return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return text;
}

// The slot as the text names it: by its label, with its number where the
// label repeats.
QString shownSlot(const InventoryRow &row)
{
    const DecoderType *type = findDecoderType(row.typeCode);
    return type ? slotName(*type, row.slot) : row.slotLabel;
}

QStringList textFields(const InventoryRow &row)
{
    return {row.file, QStringLiteral("%1 %2").arg(row.typeCode).arg(row.label), row.protocol, shownSlot(row),
            QString::number(row.address), row.output};
}

const QStringList &textHeader()
{
    static const QStringList header{QStringLiteral("file"),   QStringLiteral("type"),    QStringLiteral("protocol"),
                                    QStringLiteral("slot"),   QStringLiteral("address"), QStringLiteral("output")};
    return header;
}

// A line of the text table: every column but the last as wide as its widest field.
QString textLine(const QStringList &fields, const std::vector<qsizetype> &widths)
{
    QString line;
    for (qsizetype c = 0; c < fields.size(); ++c)
        line += c + 1 < fields.size() ? fields[c].leftJustified(widths[static_cast<std::size_t>(c)] + 2) : fields[c];
    return line + QLatin1Char('\n');
}

// An element of a JSON array at the given depth, as an indented document writes it.
QString indentedElement(const QJsonObject &object, int depth)
{
    const QString indent(4 * depth, QLatin1Char(' '));
    QStringList lines = QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        line.prepend(indent);
    return lines.join(QLatin1Char('\n'));
}

// A member of the top object holding an array, its elements written one by one.
void writeJsonArray(const Inventory::Sink &sink, const QString &name, std::size_t count,
                    const std::function<QJsonObject(std::size_t)> &element, bool last)
{
    sink(QStringLiteral("    \"%1\": [").arg(name));
    for (std::size_t i = 0; i < count; ++i)
        sink((i == 0 ? QStringLiteral("\n") : QStringLiteral(",\n")) + indentedElement(element(i), 2));
    sink(QStringLiteral("\n    ]") + (last ? QStringLiteral("\n") : QStringLiteral(",\n")));
}

} // namespace

bool naturallyBefore(QByteArrayView a, QByteArrayView b)
{
    const int natural = naturalComparison(a, b);
    return natural != 0 ? natural < 0 : a.compare(b) < 0;
}

InventorySources::InventorySources(const QString &argument)
{
    const QByteArray path = pathBytes(argument);
    struct stat info {};
    if (::stat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        // The file itself; its load says what is wrong with it.
        folder_ = path;
        names_ = QByteArray(1, '\0');
        starts_.push_back(0);
        return;
    }
    DIR *dir = ::opendir(path.constData());
    if (!dir) {
        error_ = fileMessage(argument, QCoreApplication::translate("Inventory", "der Ordner lässt sich nicht lesen: ") + systemErrorText(errno));
        return;
    }
    folder_ = path.endsWith('/') ? path : path + '/';
    while (const dirent *entry = ::readdir(dir)) {
        if (!endsInHex(entry->d_name))
            continue;
        starts_.push_back(static_cast<std::uint32_t>(names_.size()));
        names_.append(entry->d_name, static_cast<qsizetype>(std::strlen(entry->d_name) + 1));
    }
    ::closedir(dir);
    const char *names = names_.constData();
    std::sort(starts_.begin(), starts_.end(), [names](std::uint32_t a, std::uint32_t b) {
        return naturallyBefore(QByteArrayView(names + a), QByteArrayView(names + b));
    });
}

QString InventorySources::path(qsizetype k) const
{
    return pathFromBytes(folder_ + QByteArray(names_.constData() + starts_[static_cast<std::size_t>(k)]));
}

void Inventory::add(const QString &file, const DecoderSession &session)
{
    if (session.protocol() == Protocol::None || (!session.isAccessory() && !session.isFunctionDecoder()))
        return;
    const auto firstRow = static_cast<std::uint32_t>(rows_.size());
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        const SlotValues &values = session.slotValues[static_cast<std::size_t>(s)];
        if (!session.isLabelled(s) || values.address == 0)
            continue;
        Row row{};
        row.address = static_cast<std::uint16_t>(values.address);
        row.function = session.isAccessory() ? 0 : 1;
        row.slot = static_cast<std::uint8_t>(s);
        row.protocol = static_cast<std::uint8_t>(session.protocol());
        row.output = static_cast<std::uint8_t>(session.isAccessory() ? int(values.green) : values.function);
        rows_.push_back(row);
    }
    if (rows_.size() == firstRow)
        return;
    const QByteArray path = file.toUtf8();
    const QByteArray folder = path.left(path.lastIndexOf('/') + 1);
    if (folders_.empty() || folders_.back() != folder)
        folders_.push_back(folder);
    files_.push_back({static_cast<std::uint32_t>(folders_.size() - 1), static_cast<std::uint32_t>(names_.size()), firstRow,
                      session.typeCode()});
    names_ += QByteArrayView(path).sliced(folder.size());
}

// The numbers the slots hold fit the row's fields.
static_assert(AddressCodeTables::DccLocoLast < (1 << 15) && AddressCodeTables::DccAccessoryLast < (1 << 15));
static_assert(DecoderSession::SlotCount <= (1 << 6) && AddressCodeTables::DccFunctionLast < (1 << 8));

QString Inventory::nameOf(std::size_t fileIndex) const
{
    const File &file = files_[fileIndex];
    const qsizetype end = fileIndex + 1 < files_.size() ? files_[fileIndex + 1].nameStart : names_.size();
    return QString::fromUtf8(folders_[file.folder] + names_.sliced(file.nameStart, end - file.nameStart));
}

std::size_t Inventory::fileOfRow(std::size_t index) const
{
    const auto after = std::upper_bound(files_.begin(), files_.end(), index,
                                        [](std::size_t row, const File &file) { return row < file.firstRow; });
    return static_cast<std::size_t>(after - files_.begin()) - 1;
}

QString Inventory::slotNameOf(std::size_t index) const
{
    const DecoderType *type = findDecoderType(files_[fileOfRow(index)].typeCode);
    return type ? slotName(*type, rows_[index].slot) : QString();
}

InventoryRow Inventory::row(std::size_t index) const
{
    const Row &r = rows_[index];
    const std::size_t file = fileOfRow(index);
    const DecoderType *type = findDecoderType(files_[file].typeCode);
    return {nameOf(file),
            files_[file].typeCode,
            type ? type->label : QString(),
            protocolPanelText(static_cast<Protocol>(r.protocol)),
            r.slot,
            type ? type->slotLabel(r.slot) : QString(),
            r.address,
            outputText(r)};
}

QString Inventory::addressText(const Row &row)
{
    const QString address = QString::number(row.address);
    return row.function ? address + QStringLiteral(" / ") + outputText(row) : address + outputText(row);
}

QString Inventory::outputText(const Row &row)
{
    if (!row.function)
        return QString(row.output ? QLatin1Char('g') : QLatin1Char('r'));
    return QStringLiteral("F%1").arg(row.output);
}

// In the order of protocol text (DCC before Mot), kind (accessory before
// function), address and output text (g before r; F1, F10, F11, F12, F2 ...).
std::uint32_t Inventory::keyOf(const Row &row)
{
    const std::uint32_t protocol = static_cast<Protocol>(row.protocol) == Protocol::Dcc ? 0 : 1;
    std::uint32_t output = 0;
    if (!row.function)
        output = row.output ? 0 : 1;
    else
        output = row.output < 2 ? row.output : row.output >= 10 ? row.output - 8u : row.output + 6u;
    return protocol << 28 | std::uint32_t(row.function) << 27 | std::uint32_t(row.address) << 8 | output;
}

std::vector<std::uint32_t> Inventory::rowsByKey() const
{
    std::vector<std::uint32_t> order(rows_.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<std::uint32_t>(i);
    std::sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
        const std::uint32_t ka = keyOf(rows_[a]);
        const std::uint32_t kb = keyOf(rows_[b]);
        return ka != kb ? ka < kb : a < b;
    });
    return order;
}

void Inventory::forEachShared(const std::function<void(const std::uint32_t *, std::size_t)> &visit) const
{
    const std::vector<std::uint32_t> order = rowsByKey();
    for (std::size_t start = 0; start < order.size();) {
        std::size_t end = start + 1;
        while (end < order.size() && keyOf(rows_[order[end]]) == keyOf(rows_[order[start]]))
            ++end;
        if (end - start > 1)
            visit(order.data() + start, end - start);
        start = end;
    }
}

std::vector<SharedAddress> Inventory::shared() const
{
    std::vector<SharedAddress> list;
    forEachShared([this, &list](const std::uint32_t *first, std::size_t count) {
        const Row &r = rows_[*first];
        list.push_back({protocolPanelText(static_cast<Protocol>(r.protocol)), r.address, outputText(r),
                        std::vector<std::uint32_t>(first, first + count)});
    });
    return list;
}

bool Inventory::anyShared() const
{
    bool any = false;
    forEachShared([&any](const std::uint32_t *, std::size_t) { any = true; });
    return any;
}

void Inventory::writeText(const Sink &sink) const
{
    std::vector<qsizetype> widths;
    for (const QString &field : textHeader())
        widths.push_back(field.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const QStringList fields = textFields(row(i));
        for (qsizetype c = 0; c < fields.size(); ++c)
            widths[static_cast<std::size_t>(c)] = std::max(widths[static_cast<std::size_t>(c)], fields[c].size());
    }
    sink(textLine(textHeader(), widths));
    for (std::size_t i = 0; i < rows_.size(); ++i)
        sink(textLine(textFields(row(i)), widths));
    bool any = false;
    forEachShared([this, &sink, &any](const std::uint32_t *first, std::size_t count) {
        if (!any)
            sink(QCoreApplication::translate("Inventory", "\nGeteilte Adressen:\n"));
        any = true;
        const Row &r = rows_[*first];
        QString text = QStringLiteral("%1 %2:\n").arg(protocolPanelText(static_cast<Protocol>(r.protocol)), addressText(r));
        for (std::size_t k = 0; k < count; ++k)
            text += QStringLiteral("  %1: %2\n").arg(nameOf(fileOfRow(first[k])), slotNameOf(first[k]));
        sink(text);
    });
    if (!any)
        sink(QCoreApplication::translate("Inventory", "\nKeine Adresse wird geteilt.\n"));
}

void Inventory::writeCsv(const Sink &sink) const
{
    // The rows in the order of what they answer to: the others that share a
    // row's address are the run of its key there.
    const std::vector<std::uint32_t> order = rowsByKey();
    const auto users = [this, &order](std::size_t i) {
        const std::uint32_t key = keyOf(rows_[i]);
        const auto from = std::lower_bound(order.begin(), order.end(), key,
                                           [this](std::uint32_t row, std::uint32_t k) { return keyOf(rows_[row]) < k; });
        const auto to = std::upper_bound(from, order.end(), key,
                                         [this](std::uint32_t k, std::uint32_t row) { return k < keyOf(rows_[row]); });
        return to - from;
    };
    sink(QStringLiteral("file,type,label,protocol,slot,slot label,address,output,other slots sharing\r\n"));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const InventoryRow r = row(i);
        const QStringList fields{r.file, QString::number(r.typeCode), r.label, r.protocol, QString::number(r.slot),
                                 r.slotLabel, QString::number(r.address), r.output,
                                 QString::number(users(i) - 1)};
        QStringList quoted;
        for (const QString &field : fields)
            quoted.append(csvField(field));
        sink(quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n"));
    }
}

void Inventory::writeJson(const Sink &sink) const
{
    sink(QStringLiteral("{\n"));
    writeJsonArray(sink, QStringLiteral("rows"), rows_.size(), [this](std::size_t i) {
        const InventoryRow r = row(i);
        return QJsonObject{{QStringLiteral("file"), r.file},           {QStringLiteral("typeCode"), r.typeCode},
                           {QStringLiteral("label"), r.label},         {QStringLiteral("protocol"), r.protocol},
                           {QStringLiteral("slot"), r.slot},           {QStringLiteral("slotLabel"), r.slotLabel},
                           {QStringLiteral("address"), r.address},     {QStringLiteral("output"), r.output}};
    }, false);
    sink(QStringLiteral("    \"shared\": ["));
    bool any = false;
    forEachShared([this, &sink, &any](const std::uint32_t *first, std::size_t count) {
        const Row &r = rows_[*first];
        QJsonArray users;
        for (std::size_t k = 0; k < count; ++k)
            users.append(static_cast<qint64>(first[k]));
        const QJsonObject address{{QStringLiteral("protocol"), protocolPanelText(static_cast<Protocol>(r.protocol))},
                                  {QStringLiteral("address"), int(r.address)},
                                  {QStringLiteral("output"), outputText(r)},
                                  {QStringLiteral("rows"), users}};
        sink((any ? QStringLiteral(",\n") : QStringLiteral("\n")) + indentedElement(address, 2));
        any = true;
    });
    sink(QStringLiteral("\n    ]\n}\n"));
}

} // namespace Settings
