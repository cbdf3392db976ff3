#include "cli/CliCommands.h"
#include "cli/Messages.h"
#include "image/DesktopLanguage.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"

#include <QCoreApplication>

#include <cstdio>
#include <optional>

namespace {

// The whole text, NUL bytes and all: fputs would stop at the first one.
void print(const QString &text, std::FILE *stream)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

} // namespace

int main(int argc, char *argv[])
{
    ignoreFileSizeLimitSignal();
    // Arguments keep the bytes the system gave: a file name that is no UTF-8
    // is read and written under exactly its name.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(pathFromBytes(QByteArray(argv[i])));
    // The texts for people in the desktop's language, as the window chooses it.
    // The German texts are the sources themselves; only English needs the
    // application that holds the translation, and a run in German is spared it.
    std::optional<QCoreApplication> application;
    if (const ProgramLanguage language = desktopLanguage(); language != ProgramLanguage::German) {
        application.emplace(argc, argv);
        installLanguage(language);
    }
    // Output that grows with the input goes out as it is made.
    const CliOutput result = runCli(arguments, [](const QString &piece) { print(piece, stdout); });
    print(result.out, stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        // Output that did not arrive is no success, least of all with -o -:
        // the command failed, whatever it did before.
        print(result.err + programName() + QStringLiteral(": ")
                  + QCoreApplication::translate("quaxel-cli", "Standardausgabe: Schreibfehler") + u'\n', stderr);
        return result.failedStatus;
    }
    print(result.err, stderr);
    return result.exitCode;
}
