#include "image/HexFile.h"

#include <QCoreApplication>

#include "image/SafeFile.h"
#include "image/SafeSave.h"

#include "image/HexReader.h"
#include "image/HexRecord.h"
#include "image/SafeText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

template <std::size_t N>
void compareBytes(const ByteTexts<N> &first, const ByteTexts<N> &second,
                  const std::function<QString(int)> &label, std::optional<ImageDifference> &difference)
{
    for (std::size_t k = 0; k < N; ++k) {
        if (first[k] == second[k])
            continue;
        if (!difference)
            difference = ImageDifference{label(static_cast<int>(k)), first[k], second[k], 0};
        ++difference->count;
    }
}

void compareText(const QString &name, const QString &first, const QString &second,
                 std::optional<ImageDifference> &difference)
{
    if (first == second)
        return;
    if (!difference)
        difference = ImageDifference{name, first, second, 0};
    ++difference->count;
}

std::optional<QString> compareReadBack(const InputFile &file, const FirmwareImage &saved, const QString &shownAs)
{
    // A fresh image: ID and CONFIG texts stay empty when the file lacks their record.
    FirmwareImage readBack;
    if (file.reason)
        return QCoreApplication::translate("HexFile", "Die gespeicherte Datei kann nicht zurückgelesen werden:\n%1").arg(fileMessage(shownAs, *file.reason));
    const QStringList lines = splitHexFileLines(file.content);
    std::optional<UserMessage> error = checkHexLineCount(lines);
    if (!error) {
        const HexLoadResult result = loadHexLines(readBack, lines);
        if (!result.complete)
            error = result.error.value_or(UserMessage{});
    }
    if (error)
        return QCoreApplication::translate("HexFile", "Die gespeicherte Datei kann nicht zurückgelesen werden:\n%1\n%2")
            .arg(shownPath(shownAs), QString(error->text).replace(u'\r', u'\n'));
    const auto difference = compareImages(saved, readBack);
    if (!difference)
        return std::nullopt;
    const auto shown = [](const QString &text) {
        return text.isEmpty() ? QCoreApplication::translate("HexFile", "fehlt") : QStringLiteral("0x") + quotedLine(text);
    };
    return QCoreApplication::translate("HexFile", "Die gespeicherte Datei enthält andere Daten als gespeichert:\n%1\n"
                          "%2: gespeichert %3, gelesen %4 (%5 Unterschiede)\nBitte nicht brennen!")
        .arg(shownPath(shownAs), difference->where, shown(difference->first), shown(difference->second))
        .arg(difference->count);
}

} // namespace

std::optional<ImageDifference> compareImages(const FirmwareImage &first, const FirmwareImage &second)
{
    std::optional<ImageDifference> difference;
    compareBytes(first.rom, second.rom,
                 [](int k) { return QStringLiteral("ROM 0x%1").arg(k, 4, 16, QLatin1Char('0')); }, difference);
    compareText(QStringLiteral("ID"), first.idText, second.idText, difference);
    compareText(QStringLiteral("CONFIG"), first.configText, second.configText, difference);
    compareBytes(first.eeprom, second.eeprom,
                 [](int k) { return QStringLiteral("EEPROM 0x%1").arg(k, 2, 16, QLatin1Char('0')); }, difference);
    return difference;
}

std::optional<QString> verifyHexFile(const QString &path, const FirmwareImage &saved)
{
    return sameImage(saved)(readInputFile(path), path);
}

ReadBackCheck sameImage(const FirmwareImage &saved)
{
    return [&saved](const InputFile &file, const QString &shownAs) { return compareReadBack(file, saved, shownAs); };
}

std::optional<QString> saveVerifiedHexFile(const QString &path, const QByteArray &content, const FirmwareImage &saved)
{
    return saveVerified(path, content, sameImage(saved));
}

QString droppedHexFile(const QList<QUrl> &urls)
{
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString path = pathFromFileUrl(urls.first().toEncoded());
    struct stat info {};
    if (!path.endsWith(QStringLiteral(".hex"), Qt::CaseInsensitive) || ::stat(pathBytes(path).constData(), &info) != 0
        || !S_ISREG(info.st_mode))
        return QString();
    return path;
}
