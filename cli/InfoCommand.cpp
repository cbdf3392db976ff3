// quaxel-cli info: what the window shows of a HEX file, as text or JSON.
#include "cli/Command.h"

#include "cli/Commands.h"
#include "cli/Inputs.h"
#include "cli/Messages.h"

#include "image/SafeFile.h"
#include "info/InfoListing.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

const char *const InfoHelp = QT_TRANSLATE_NOOP("quaxel-cli",
    "Aufruf: quaxel-cli info FILE.hex [--json]\n"
    "\n"
    "Lädt FILE wie \"HEX laden\" und gibt aus, was das Fenster zeigt: Code und\n"
    "Bezeichnung des Decoder-Typs, Version, ID, Protokoll, jeden Slot des Typs mit\n"
    "seiner Adresse und dem roten/grünen Ausgang (g, r) oder der Funktions-Nummer\n"
    "(/N), die Typ-Worte, die ID-Worte und das Config-Wort.\n"
    "\n"
    "  --json   ein JSON-Objekt statt Text\n"
    "  --help   dieser Text\n"
    "\n"
    "Eine Datei, deren Record-Prüfsummen nicht aufgehen, oder ohne End-Record wird\n"
    "trotzdem gelesen; jeder solche Befund wird auf der Standardfehlerausgabe\n"
    "gemeldet (und mit --json als \"warnings\" aufgeführt).\n"
    "\n"
    "Exit-Status: 0 geladen und erkannt, 1 die Datei lässt sich nicht laden oder ihr\n"
    "Typ wird nicht erkannt (was gelesen wurde, wird trotzdem ausgegeben), 2 falsche\n"
    "Befehlszeile.\n");

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

// The kind of the slots as a person reads it; the JSON keeps slotKindName().
QString slotKindText(const DecoderSession &session)
{
    if (session.isAccessory())
        return QCoreApplication::translate("quaxel-cli", "Zubehör");
    if (session.isFunctionDecoder())
        return QCoreApplication::translate("quaxel-cli", "Funktion");
    return QCoreApplication::translate("quaxel-cli", "keine");
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
    text += row(QCoreApplication::translate("quaxel-cli", "Datei"), shownPath(path));
    text += row(QCoreApplication::translate("quaxel-cli", "Typ"), QString::number(session.typeCode())
                                            + (session.type() ? QStringLiteral("  ") + session.type()->label
                                                            : QCoreApplication::translate("quaxel-cli", "  (unbekannt)")));
    text += row(QStringLiteral("Version"), lines.version);
    text += row(QStringLiteral("ID"), lines.id);
    text += row(QCoreApplication::translate("quaxel-cli", "Protokoll"), protocolPanelText(session.protocol()));
    text += row(QCoreApplication::translate("quaxel-cli", "Typ-Wörter"), idPanelText(session.ids()));
    text += row(QCoreApplication::translate("quaxel-cli", "ID-Wörter"), session.image.idText);
    text += row(QStringLiteral("Config"), session.image.configText);
    qsizetype labelWidth = 0;
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (session.slotShown(s))
            labelWidth = std::max(labelWidth, slotLabelText(session.slotLabel(s)).size());
    }
    if (labelWidth == 0)
        return text;
    text += QCoreApplication::translate("quaxel-cli", "Slots (%1):\n").arg(slotKindText(session));
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        if (!session.slotShown(s))
            continue;
        text += QStringLiteral("%1  %2  %3\n")
                    .arg(s, 4)
                    .arg(slotLabelText(session.slotLabel(s)).leftJustified(labelWidth), slotValueText(session, s));
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
            return commandLineFault(QCoreApplication::translate("quaxel-cli", "eine HEX-Datei erwartet"));
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
