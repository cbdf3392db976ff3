#include "cli/SettingsCommands.h"

#include "decoder/DecoderSession.h"
#include "image/HexFile.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "image/SafeText.h"
#include "settings/Inventory.h"
#include "settings/SettingsDiff.h"
#include "settings/SettingsDocument.h"

#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonDocument>
#include <optional>

namespace {

const QString Program = QStringLiteral("quaxel-cli");

const char *const ExportHelp =
    "Usage: quaxel-cli export FILE.hex [-o DOC.json]\n"
    "\n"
    "Loads FILE as \"HEX laden\" does and writes its settings document: every\n"
    "setting the editors show for its decoder type (slots, modes, CVs, blink\n"
    "patterns, servo settings and curves), with the decoder and the source file's\n"
    "name and SHA-256. The format is described in docs/settings-format.md.\n"
    "\n"
    "  -o, --output DOC.json   the file to write; without it, or with '-', the\n"
    "                          document goes to standard output\n"
    "  --help                  this text\n"
    "  --                      ends the options\n"
    "\n"
    "A file with bad record checksums or without an end record is read all the\n"
    "same; each finding is printed on standard error.\n"
    "\n"
    "Exit status: 0 written, 1 the file cannot be loaded, is not recognised or the\n"
    "document cannot be written, 2 wrong command line.\n";

const char *const ApplyHelp =
    "Usage: quaxel-cli apply FILE.hex DOC.json -o OUT.hex [--force]\n"
    "\n"
    "Loads FILE, puts the settings of DOC into it through the editors' rules, as\n"
    "if they were typed into the window, writes OUT with the same writer as\n"
    "\"HEX speichern\" and reads it back to verify it. A setting DOC leaves out\n"
    "keeps its value. DOC may come from another version of the same decoder type;\n"
    "a document for another type is refused.\n"
    "\n"
    "  -o, --output OUT.hex   the file to write (required); '-' writes the HEX text\n"
    "                         to standard output, without reading it back\n"
    "  --force                use an input with bad record checksums or without an\n"
    "                         end record (refused otherwise)\n"
    "  --help                 this text\n"
    "  --                     ends the options\n"
    "\n"
    "All or nothing: a document that is no JSON, has another format version, an\n"
    "unknown key or a value of the wrong kind or range, or a setting that the rules\n"
    "refuse, stops the command with a message naming the JSON path of the setting\n"
    "(and the window's message where it has one); nothing is written.\n"
    "\n"
    "Exit status: 0 written and verified, 1 refused or not verified, 2 wrong command line.\n";

const char *const SettingsDiffHelp =
    "Usage: quaxel-cli diff --settings A B [--json] [--force]\n"
    "\n"
    "Compares the settings of A and B, each a HEX file or a settings document, and\n"
    "prints one line for each setting that differs, in the editors' terms:\n"
    "\"Adresse 03: 12g -> 14r\", \"Kurve 2: Anzahl Punkte 30 -> 20\". A setting\n"
    "that a document leaves out is not compared.\n"
    "\n"
    "  --settings  compare settings, not bytes\n"
    "  --json      print a partial settings document of B's differing settings\n"
    "              instead, which 'apply' takes\n"
    "  --force     compare HEX files with bad record checksums or without an end\n"
    "              record (refused otherwise)\n"
    "  --help      this text\n"
    "  --          ends the options\n"
    "\n"
    "Exit status: 0 every setting is equal, 1 a setting differs, 2 an error.\n";

const char *const InventoryHelp =
    "Usage: quaxel-cli inventory [--csv | --json] [--strict] FILE.hex|FOLDER...\n"
    "\n"
    "Lists every address in use across many decoders, one row per slot: file, type,\n"
    "protocol, slot label, address and output (g, r) or function (F3). A FOLDER\n"
    "stands for the .hex files in it (not those of its subfolders). Addresses that\n"
    "two slots share (the same protocol, address and output, in one file or in\n"
    "several) are listed at the end; sharing may be intended and is no error.\n"
    "\n"
    "  --csv      a comma-separated table with one header row; its last column\n"
    "             counts the other slots that share the row's address\n"
    "  --json     the rows and the shared addresses as JSON\n"
    "  --strict   exit with status 1 when an address is shared\n"
    "  --help     this text\n"
    "  --         ends the options\n"
    "\n"
    "A file that cannot be loaded is named on standard error and left out.\n"
    "\n"
    "Exit status: 0 listed, 1 an address is shared and --strict is given, 2 a file\n"
    "could not be loaded or a wrong command line.\n";

// A message: control characters from a file or the command line escaped.
void printMessage(CliOutput &o, const QString &context, const QString &text)
{
    QString message = text;
    message.replace(u'\r', u'\n');
    o.err += Program + QStringLiteral(": ") + (context.isEmpty() ? QString() : escapedText(context) + QStringLiteral(": "))
             + escapedText(message, true) + QLatin1Char('\n');
}

CliOutput commandLineFault(const QString &command, const QString &text)
{
    const QString name = Program + QLatin1Char(' ') + command;
    return {CliExit::Failed, QString(),
            name + QStringLiteral(": ") + escapedText(text) + QStringLiteral("\nTry '") + name + QStringLiteral(" --help'.\n")};
}

// The options of one command, read by Qt's parser: "--", "--name=value" and
// unknown options as the other commands have them.
struct Options {
    QCommandLineParser parser;
    QString error;
    bool help = false;

    Options(const QStringList &args, const QList<QCommandLineOption> &options)
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
        parser.addOptions(options);
        if (!parser.parse(QStringList{Program} + args))
            error = parser.errorText();
        help = parser.isSet(QStringLiteral("help"));
    }
    QStringList files() const { return parser.positionalArguments(); }
    bool isSet(const QString &name) const { return parser.isSet(name); }
};

QCommandLineOption flag(const QString &name) { return QCommandLineOption(name); }
QCommandLineOption outputOption()
{
    return QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("FILE"));
}

struct Loaded {
    DecoderSession session;
    Settings::Source source;
};

// Loads a HEX file as "HEX laden" does; a damaged one is refused unless forced.
bool loadHex(const QString &path, Loaded &loaded, CliOutput &o, bool refuseDamage)
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
    loaded.source = {shownPath(QFileInfo(path).fileName()), file.content, Settings::versionOf(outcome.lines)};
    for (const QString &finding : outcome.damage.findings())
        printMessage(o, shownPath(path), finding);
    if (refuseDamage && outcome.damage.any()) {
        printMessage(o, shownPath(path), QStringLiteral("refused: the file may be damaged (--force uses it all the same)"));
        return false;
    }
    return true;
}

// Reads and checks a settings document: false after its message.
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

// Writes a finished text to a file the hostile-path rules allow, or to
// standard output for "-".
bool writeOutput(const QString &path, const QByteArray &content, CliOutput &o)
{
    if (path == QStringLiteral("-")) {
        o.out = QString::fromUtf8(content);
        return true;
    }
    if (const auto failure = saveVerified(path, content)) {
        printMessage(o, QString(), *failure);
        return false;
    }
    return true;
}

std::optional<QString> singleOutput(const Options &options)
{
    const QStringList outputs = options.parser.values(QStringLiteral("output"));
    if (outputs.size() != 1 || outputs.first().isEmpty())
        return std::nullopt;
    return outputs.first();
}

// A file that starts with '{' is taken for a settings document, any other for HEX.
bool looksLikeDocument(const QByteArray &content)
{
    return content.trimmed().startsWith('{');
}

bool settingsOf(const QString &path, bool refuseDamage, QJsonObject &document, CliOutput &o)
{
    const InputFile file = readInputFile(path);
    if (file.error) {
        printMessage(o, QString(), *file.error);
        return false;
    }
    if (looksLikeDocument(file.content))
        return loadDocument(path, document, o);
    Loaded loaded;
    if (!loadHex(path, loaded, o, refuseDamage))
        return false;
    document = Settings::exportSettings(loaded.session, loaded.source);
    return true;
}

// The files an inventory argument stands for: the file itself, or the .hex
// files of a folder in name order.
struct InventoryFiles {
    QString folder; // what goes before each name
    QStringList names;
    QString path(qsizetype k) const { return folder + names[k]; }
};

InventoryFiles inventoryFiles(const QString &argument)
{
    const QFileInfo info(argument);
    if (!info.isDir() || info.isSymLink())
        return {QString(), {argument}};
    // QDirIterator keeps no file information of the entries, as a sorted
    // QDir listing does, and the folder is kept once: a folder of many files
    // costs only their names.
    InventoryFiles files;
    QDirIterator entries(argument, {QStringLiteral("*.hex"), QStringLiteral("*.HEX")}, QDir::Files | QDir::Hidden);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QString name = entries.fileName();
        if (files.names.isEmpty())
            files.folder = path.chopped(name.size());
        files.names.append(name);
    }
    files.names.sort();
    return files;
}

} // namespace

bool isSettingsDiff(const QStringList &args)
{
    for (const QString &arg : args) {
        if (arg == QStringLiteral("--"))
            return false;
        if (arg == QStringLiteral("--settings"))
            return true;
    }
    return false;
}

CliOutput runExport(const QStringList &args)
{
    const QString command = QStringLiteral("export");
    const Options options(args, {outputOption()});
    if (options.help)
        return {CliExit::Ok, QString::fromUtf8(ExportHelp), QString()};
    if (!options.error.isEmpty())
        return commandLineFault(command, options.error);
    if (options.files().size() != 1)
        return commandLineFault(command, QStringLiteral("one HEX file expected"));
    const QStringList outputs = options.parser.values(QStringLiteral("output"));
    if (outputs.size() > 1 || (outputs.size() == 1 && outputs.first().isEmpty()))
        return commandLineFault(command, QStringLiteral("at most one output file expected (-o DOC.json)"));

    CliOutput o;
    o.exitCode = CliExit::Refused;
    const QString input = options.files().first();
    Loaded loaded;
    if (!loadHex(input, loaded, o, false))
        return o;
    if (!loaded.session.recognised()) {
        printMessage(o, shownPath(input), DecoderSession::unrecognisedMessage());
        return o;
    }
    const QByteArray text = Settings::documentText(Settings::exportSettings(loaded.session, loaded.source));
    if (!writeOutput(outputs.isEmpty() ? QStringLiteral("-") : outputs.first(), text, o))
        return o;
    o.exitCode = CliExit::Ok;
    return o;
}

CliOutput runApply(const QStringList &args)
{
    const QString command = QStringLiteral("apply");
    const Options options(args, {outputOption(), flag(QStringLiteral("force"))});
    if (options.help)
        return {CliExit::Ok, QString::fromUtf8(ApplyHelp), QString()};
    if (!options.error.isEmpty())
        return commandLineFault(command, options.error);
    if (options.files().size() != 2)
        return commandLineFault(command, QStringLiteral("a HEX file and a settings document expected"));
    const auto output = singleOutput(options);
    if (!output)
        return commandLineFault(command, QStringLiteral("one output file expected (-o OUT.hex)"));

    CliOutput o;
    o.exitCode = CliExit::Refused;
    const QString input = options.files()[0];
    const QString documentPath = options.files()[1];
    Loaded loaded;
    if (!loadHex(input, loaded, o, !options.isSet(QStringLiteral("force"))))
        return o;
    if (!loaded.session.recognised())
        printMessage(o, shownPath(input), DecoderSession::unrecognisedMessage());
    QJsonObject document;
    if (!loadDocument(documentPath, document, o))
        return o;
    if (const auto fault = Settings::applySettings(loaded.session, document)) {
        printMessage(o, shownPath(documentPath), fault->text());
        return o;
    }
    if (*output == QStringLiteral("-")) {
        o.out = QString::fromLatin1(loaded.session.fileContent());
        o.exitCode = CliExit::Ok;
        return o;
    }
    if (const auto failure = loaded.session.saveFile(*output)) {
        printMessage(o, QString(), *failure);
        return o;
    }
    o.out = escapedText(QStringLiteral("written and verified: %1\n").arg(shownPath(*output)), true);
    o.exitCode = CliExit::Ok;
    return o;
}

CliOutput runSettingsDiff(const QStringList &args)
{
    const QString command = QStringLiteral("diff");
    const Options options(args, {flag(QStringLiteral("settings")), flag(QStringLiteral("json")), flag(QStringLiteral("force"))});
    if (options.help)
        return {CliExit::Ok, QString::fromUtf8(SettingsDiffHelp), QString()};
    if (!options.error.isEmpty())
        return commandLineFault(command, options.error);
    if (options.files().size() != 2)
        return commandLineFault(command, QStringLiteral("two HEX files or settings documents expected"));

    CliOutput o;
    o.exitCode = CliExit::Failed;
    const bool refuseDamage = !options.isSet(QStringLiteral("force"));
    QJsonObject first;
    QJsonObject second;
    if (!settingsOf(options.files()[0], refuseDamage, first, o) || !settingsOf(options.files()[1], refuseDamage, second, o))
        return o;
    const Settings::Comparison comparison = Settings::compareSettings(first, second);
    if (options.isSet(QStringLiteral("json")))
        o.out = QString::fromUtf8(Settings::documentText(comparison.partial));
    else
        o.out = escapedText(comparison.lines.join(QLatin1Char('\n')) + (comparison.equal() ? QString() : QStringLiteral("\n")), true);
    o.exitCode = comparison.equal() ? CliExit::Ok : CliExit::Differ;
    return o;
}

CliOutput runInventory(const QStringList &args, const OutputSink &sink)
{
    const QString command = QStringLiteral("inventory");
    const Options options(args, {flag(QStringLiteral("csv")), flag(QStringLiteral("json")), flag(QStringLiteral("strict"))});
    if (options.help)
        return {CliExit::Ok, QString::fromUtf8(InventoryHelp), QString()};
    if (!options.error.isEmpty())
        return commandLineFault(command, options.error);
    if (options.files().isEmpty())
        return commandLineFault(command, QStringLiteral("at least one HEX file or folder expected"));
    if (options.isSet(QStringLiteral("csv")) && options.isSet(QStringLiteral("json")))
        return commandLineFault(command, QStringLiteral("--csv and --json exclude each other"));

    CliOutput o;
    bool failed = false;
    Settings::Inventory inventory;
    for (const QString &argument : options.files()) {
        const InventoryFiles files = inventoryFiles(argument);
        for (qsizetype k = 0; k < files.names.size(); ++k) {
            const QString path = files.path(k);
            Loaded loaded;
            if (!loadHex(path, loaded, o, false)) {
                failed = true;
                continue;
            }
            inventory.add(shownPath(path), loaded.session);
        }
    }
    const OutputSink write = sink ? sink : OutputSink([&o](const QString &piece) { o.out += piece; });
    if (options.isSet(QStringLiteral("csv")))
        inventory.writeCsv(write);
    else if (options.isSet(QStringLiteral("json")))
        inventory.writeJson(write);
    else
        inventory.writeText([&write](const QString &piece) { write(escapedText(piece, true)); });
    if (failed)
        o.exitCode = CliExit::Failed;
    else if (options.isSet(QStringLiteral("strict")) && !inventory.shared().empty())
        o.exitCode = CliExit::Refused;
    else
        o.exitCode = CliExit::Ok;
    return o;
}
