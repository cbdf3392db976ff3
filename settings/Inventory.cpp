#include "settings/Inventory.h"

#include <QJsonArray>
#include <algorithm>
#include <map>
#include <tuple>

namespace Settings {

namespace {

using Key = std::tuple<QString, QString, int, QString>; // protocol, kind, address, output

Key keyOf(const InventoryRow &row)
{
    // An output letter is an accessory address; "F…" a locomotive address.
    const QString kind = row.output.startsWith(QLatin1Char('F')) ? QStringLiteral("function") : QStringLiteral("accessory");
    return {row.protocol, kind, row.address, row.output};
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

// The columns of the text table, each as wide as its widest field.
QString textTable(const std::vector<QStringList> &rows)
{
    std::vector<qsizetype> widths;
    for (const QStringList &row : rows) {
        widths.resize(std::max<std::size_t>(widths.size(), static_cast<std::size_t>(row.size())), 0);
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[static_cast<std::size_t>(c)] = std::max(widths[static_cast<std::size_t>(c)], row[c].size());
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += c + 1 < row.size() ? row[c].leftJustified(widths[static_cast<std::size_t>(c)] + 2) : row[c];
        text += line + QLatin1Char('\n');
    }
    return text;
}

} // namespace

void Inventory::add(const QString &file, const DecoderSession &session)
{
    if (session.protocol() == Protocol::None || (!session.isAccessory() && !session.isFunctionDecoder()))
        return;
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        const SlotValues &values = session.slotValues[static_cast<std::size_t>(s)];
        if (!session.isLabelled(s) || values.address == 0)
            continue;
        InventoryRow row;
        row.file = file;
        row.typeCode = session.typeCode();
        row.label = session.type() ? session.type()->label : QString();
        row.protocol = protocolPanelText(session.protocol());
        row.slot = s;
        row.slotLabel = session.slotLabel(static_cast<std::size_t>(s));
        row.address = values.address;
        row.output = session.isAccessory() ? QString(values.green ? QLatin1Char('g') : QLatin1Char('r'))
                                         : QStringLiteral("F%1").arg(values.function);
        rows_.push_back(row);
    }
}

std::vector<SharedAddress> Inventory::shared() const
{
    std::map<Key, std::vector<std::size_t>> byKey;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        byKey[keyOf(rows_[i])].push_back(i);
    std::vector<SharedAddress> list;
    for (const auto &[key, rows] : byKey) {
        if (rows.size() > 1)
            list.push_back({std::get<0>(key), std::get<2>(key), std::get<3>(key), rows});
    }
    return list;
}

QString Inventory::text() const
{
    std::vector<QStringList> table{{QStringLiteral("file"), QStringLiteral("type"), QStringLiteral("protocol"),
                                    QStringLiteral("slot"), QStringLiteral("address"), QStringLiteral("output")}};
    for (const InventoryRow &row : rows_)
        table.push_back({row.file, QStringLiteral("%1 %2").arg(row.typeCode).arg(row.label), row.protocol, row.slotLabel,
                         QString::number(row.address), row.output});
    QString text = textTable(table);
    const std::vector<SharedAddress> list = shared();
    if (list.empty())
        return text + QStringLiteral("\nNo address is shared.\n");
    text += QStringLiteral("\nShared addresses:\n");
    for (const SharedAddress &address : list) {
        text += QStringLiteral("%1 %2%3:\n").arg(address.protocol).arg(address.address).arg(address.output);
        for (std::size_t i : address.rows)
            text += QStringLiteral("  %1: %2\n").arg(rows_[i].file, rows_[i].slotLabel);
    }
    return text;
}

QString Inventory::csv() const
{
    std::vector<int> sharing(rows_.size(), 0);
    for (const SharedAddress &address : shared()) {
        for (std::size_t i : address.rows)
            sharing[i] = static_cast<int>(address.rows.size()) - 1;
    }
    QString text = QStringLiteral("file,type,label,protocol,slot,slot label,address,output,shared with\r\n");
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const InventoryRow &row = rows_[i];
        const QStringList fields{row.file, QString::number(row.typeCode), row.label, row.protocol, QString::number(row.slot),
                                 row.slotLabel, QString::number(row.address), row.output, QString::number(sharing[i])};
        QStringList quoted;
        for (const QString &field : fields)
            quoted.append(csvField(field));
        text += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text;
}

QJsonObject Inventory::json() const
{
    QJsonArray rows;
    for (const InventoryRow &row : rows_)
        rows.append(QJsonObject{{QStringLiteral("file"), row.file},           {QStringLiteral("typeCode"), row.typeCode},
                                {QStringLiteral("label"), row.label},         {QStringLiteral("protocol"), row.protocol},
                                {QStringLiteral("slot"), row.slot},           {QStringLiteral("slotLabel"), row.slotLabel},
                                {QStringLiteral("address"), row.address},     {QStringLiteral("output"), row.output}});
    QJsonArray sharedList;
    for (const SharedAddress &address : shared()) {
        QJsonArray users;
        for (std::size_t i : address.rows)
            users.append(static_cast<qint64>(i));
        sharedList.append(QJsonObject{{QStringLiteral("protocol"), address.protocol},
                                      {QStringLiteral("address"), address.address},
                                      {QStringLiteral("output"), address.output},
                                      {QStringLiteral("rows"), users}});
    }
    return {{QStringLiteral("rows"), rows}, {QStringLiteral("shared"), sharedList}};
}

} // namespace Settings
