// quaxel-cli info: what the window shows of a HEX file, as text or JSON.
#include "cli/Command.h"
#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/SafeFile.h"
#include "info/InfoListing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

const char *const InfoHelp =
    "Usage: quaxel-cli info FILE.hex [--json]\n"
    "\n"
    "Loads FILE as \"HEX laden\" does and prints what the window shows: the decoder\n"
    "type code and label, version, ID, protocol, every slot of the type with its\n"
    "address and red/green output (g, r) or function number (/N), the type words,\n"
    "the ID words and the config word.\n"
    "\n"
    "  --json   one JSON object instead of text\n"
    "  --help   this text\n"
    "\n"
    "A file with record checksums that do not add up, or without an end record,\n"
    "is read all the same; each such finding is printed on standard error (and\n"
    "listed as \"warnings\" with --json).\n"
    "\n"
    "Exit status: 0 loaded and recognised, 1 the file cannot be loaded or its type\n"
    "is not recognised (what was read is printed all the same), 2 wrong command line.\n";

// The value in the form --slot takes: "12g", "12r" or "12/3".
QString slotValueText(const DecoderSession &session, int slot)
{
    const SlotValues &values = session.slotValues[static_cast<std::size_t>(slot)];
    if (session.isAccessory())
        return QString::number(values.address) + (values.green ? QLatin1Char('g') : QLatin1Char('r'));
    return QString::number(values.address) + QLatin1Char('/') + QString::number(values.function);
}

QString slotKindName(const DecoderSession &session)
{
    if (session.isAccessory())
        return QStringLiteral("accessory");
    if (session.isFunctionDecoder())
        return QStringLiteral("function");
    return QStringLiteral("none");
}

QJsonObject infoJson(const QString &path, const DecoderSession &session, const HexLoadResult &lines,
                     const QStringList &warnings)
{
    QJsonObject info;
    if (!warnings.isEmpty())
        info[QStringLiteral("warnings")] = QJsonArray::fromStringList(warnings);
    info[QStringLiteral("file")] = shownPath(path);
    info[QStringLiteral("typeCode")] = session.typeCode();
    info[QStringLiteral("label")] = session.type() ? session.type()->label : QString();
    info[QStringLiteral("recognised")] = session.recognised();
    info[QStringLiteral("version")] = lines.version;
    info[QStringLiteral("id")] = lines.id;
    info[QStringLiteral("protocol")] = protocolPanelText(session.protocol());
    info[QStringLiteral("slotKind")] = slotKindName(session);
    info[QStringLiteral("typeWords")] = QJsonObject{
        {QStringLiteral("id1"), session.ids().id1}, {QStringLiteral("id2"), session.ids().id2},
        {QStringLiteral("id3"), session.ids().id3}};
    info[QStringLiteral("idWords")] = session.image.idText;
    info[QStringLiteral("config")] = session.image.configText;
    info[QStringLiteral("slots")] = Settings::slotsJson(session);
    return info;
}

QString infoText(const QString &path, const DecoderSession &session, const HexLoadResult &lines)
{
    const auto row = [](const QString &name, const QString &value) {
        return (name + QLatin1Char(':')).leftJustified(12) + value + QLatin1Char('\n');
    };
    QString text;
    text += row(QStringLiteral("File"), shownPath(path));
    text += row(QStringLiteral("Type"), QString::number(session.typeCode())
                                            + (session.type() ? QStringLiteral("  ") + session.type()->label
                                                            : QStringLiteral("  (unknown)")));
    text += row(QStringLiteral("Version"), lines.version);
    text += row(QStringLiteral("ID"), lines.id);
    text += row(QStringLiteral("Protocol"), protocolPanelText(session.protocol()));
    text += row(QStringLiteral("Type words"), idPanelText(session.ids()));
    text += row(QStringLiteral("ID words"), session.image.idText);
    text += row(QStringLiteral("Config"), session.image.configText);
    qsizetype labelWidth = 0;
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (session.slotShown(s))
            labelWidth = std::max(labelWidth, session.slotLabel(s).size());
    }
    if (labelWidth == 0)
        return text;
    text += QStringLiteral("Slots (%1):\n").arg(slotKindName(session));
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (!session.slotShown(s))
            continue;
        text += QStringLiteral("%1  %2  %3\n")
                    .arg(s, 4)
                    .arg(session.slotLabel(s).leftJustified(labelWidth), slotValueText(session, s));
    }
    return text;
}

class InfoCommand : public Command {
public:
    InfoCommand() : Command(QStringLiteral("info"), InfoHelp, {flag(QStringLiteral("json"))}) {}

private:
    CliOutput execute() override
    {
        if (files().size() != 1)
            return commandLineFault(QStringLiteral("one HEX file expected"));
        CliOutput o;
        const QString path = files().first();
        LoadedHex loaded;
        if (!loadHex(path, Damaged::Warn, loaded, o)) {
            o.exitCode = CliExit::Refused;
            return o;
        }
        const DecoderSession &session = loaded.session;
        if (!session.recognised()) {
            printMessage(o, shownPath(path), DecoderSession::unrecognisedMessage());
            o.exitCode = CliExit::Refused;
        }
        if (isSet(QStringLiteral("json")))
            o.out = QString::fromUtf8(
                QJsonDocument(infoJson(path, session, loaded.lines, loaded.findings)).toJson(QJsonDocument::Indented));
        else
            o.out = printable(infoText(path, session, loaded.lines));
        return o;
    }
};

} // namespace

std::unique_ptr<Command> makeInfoCommand()
{
    return std::make_unique<InfoCommand>();
}
