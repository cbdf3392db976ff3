#include "cli/Inputs.h"

#include "cli/Messages.h"
#include "image/HexDamage.h"
#include "image/SafeFile.h"
#include "settings/SettingsSchema.h"

#include <QCoreApplication>
#include <QFileInfo>

bool acceptDamage(const HexDamage &damage, const QString &path, Damaged policy, CliOutput &o)
{
    if (!damage.any())
        return true;
    for (const QString &finding : damage.findings())
        printMessage(o, shownPath(path), finding);
    if (policy == Damaged::Warn)
        return true;
    printMessage(o, shownPath(path), QCoreApplication::translate("quaxel-cli", "abgelehnt: die Datei ist vielleicht beschädigt (--force nimmt sie trotzdem)"));
    return false;
}

bool loadHex(const QString &path, Damaged policy, LoadedHex &loaded, CliOutput &o)
{
    const InputFile file = readInputFile(path);
    if (file.error) {
        printMessage(o, QString(), *file.error);
        return false;
    }
    const DecoderSession::LoadOutcome outcome = loaded.session.load(file.content);
    if (outcome.error) {
        printMessage(o, shownPath(path), outcome.error->text);
        return false;
    }
    loaded.lines = outcome.lines;
    loaded.findings = outcome.damage.machineFindings();
    loaded.source = {shownPath(QFileInfo(path).fileName()), file.content, outcome.lines.version};
    return acceptDamage(outcome.damage, path, policy, o);
}

bool loadDocument(const QString &path, QJsonObject &document, CliOutput &o)
{
    const InputFile file = readInputFile(path);
    if (file.error) {
        printMessage(o, QString(), *file.error);
        return false;
    }
    const Settings::ReadDocument read = Settings::readDocument(file.content);
    if (read.fault) {
        printMessage(o, shownPath(path), read.fault->text());
        return false;
    }
    document = read.document;
    return true;
}
