#include "settings/Inventory.h"

#include "image/SafeFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <map>
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

QStringList textFields(const InventoryRow &row)
{
    return {row.file, QStringLiteral("%1 %2").arg(row.typeCode).arg(row.label), row.protocol, row.slotLabel,
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
        error_ = fileMessage(argument, QStringLiteral("the folder cannot be read: ") + QString::fromLocal8Bit(std::strerror(errno)));
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
    const auto fileIndex = static_cast<std::uint32_t>(files_.size());
    bool any = false;
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        const SlotValues &values = session.slotValues[static_cast<std::size_t>(s)];
        if (!session.isLabelled(s) || values.address == 0)
            continue;
        const int output = session.isAccessory() ? int(values.green) : values.function;
        rows_.push_back({fileIndex, values.address, static_cast<std::int16_t>(s), static_cast<std::int16_t>(output)});
        any = true;
    }
    if (!any)
        return;
    const QByteArray name = file.toUtf8();
    files_.push_back({static_cast<std::uint32_t>(names_.size()), static_cast<std::uint32_t>(name.size()), session.typeCode(), session.type(), session.protocol(), session.isAccessory()});
    names_ += name;
}

QString Inventory::nameOf(const File &file) const
{
    return QString::fromUtf8(names_.constData() + file.nameStart, file.nameSize);
}

InventoryRow Inventory::row(std::size_t index) const
{
    const Row &r = rows_[index];
    const File &f = files_[r.file];
    return {nameOf(f),
            f.typeCode,
            f.type ? f.type->label : QString(),
            protocolPanelText(f.protocol),
            r.slot,
            f.type ? f.type->slotLabel(r.slot) : QString(),
            r.address,
            outputText(r)};
}

QString Inventory::outputText(const Row &row) const
{
    if (files_[row.file].accessory)
        return QString(row.output ? QLatin1Char('g') : QLatin1Char('r'));
    return QStringLiteral("F%1").arg(row.output);
}

Inventory::Key Inventory::keyOf(const Row &row) const
{
    const File &file = files_[row.file];
    return {file.protocol, file.accessory, row.address, row.output};
}

// In the order of protocol text, kind (accessory before function), address
// and output text, as they read.
std::vector<SharedAddress> Inventory::shared() const
{
    std::map<Key, std::vector<std::uint32_t>> byKey;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        byKey[keyOf(rows_[i])].push_back(static_cast<std::uint32_t>(i));
    std::vector<SharedAddress> list;
    for (auto &[key, rows] : byKey) {
        if (rows.size() > 1)
            list.push_back({protocolPanelText(std::get<0>(key)), std::get<2>(key), outputText(rows_[rows.front()]),
                            std::move(rows)});
    }
    const auto order = [](const SharedAddress &a) {
        return std::tuple(a.protocol, a.output.startsWith(QLatin1Char('F')), a.address, a.output);
    };
    std::sort(list.begin(), list.end(), [&order](const SharedAddress &a, const SharedAddress &b) { return order(a) < order(b); });
    return list;
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
    const std::vector<SharedAddress> list = shared();
    if (list.empty()) {
        sink(QStringLiteral("\nNo address is shared.\n"));
        return;
    }
    sink(QStringLiteral("\nShared addresses:\n"));
    for (const SharedAddress &address : list) {
        QString text = QStringLiteral("%1 %2%3:\n").arg(address.protocol).arg(address.address).arg(address.output);
        for (std::uint32_t i : address.rows) {
            const Row &r = rows_[i];
            const File &f = files_[r.file];
            text += QStringLiteral("  %1: %2\n").arg(nameOf(f), f.type ? f.type->slotLabel(r.slot) : QString());
        }
        sink(text);
    }
}

void Inventory::writeCsv(const Sink &sink) const
{
    // The count of each address is all that is kept for the last column.
    std::map<Key, int> users;
    for (const Row &r : rows_)
        ++users[keyOf(r)];
    sink(QStringLiteral("file,type,label,protocol,slot,slot label,address,output,shared with\r\n"));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const InventoryRow r = row(i);
        const QStringList fields{r.file, QString::number(r.typeCode), r.label, r.protocol, QString::number(r.slot),
                                 r.slotLabel, QString::number(r.address), r.output,
                                 QString::number(users[keyOf(rows_[i])] - 1)};
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
    const std::vector<SharedAddress> list = shared();
    writeJsonArray(sink, QStringLiteral("shared"), list.size(), [&list](std::size_t k) {
        const SharedAddress &address = list[k];
        QJsonArray users;
        for (std::uint32_t i : address.rows)
            users.append(static_cast<qint64>(i));
        return QJsonObject{{QStringLiteral("protocol"), address.protocol},
                           {QStringLiteral("address"), address.address},
                           {QStringLiteral("output"), address.output},
                           {QStringLiteral("rows"), users}};
    }, true);
    sink(QStringLiteral("}\n"));
}

} // namespace Settings
