#include "image/SafeFile.h"

#include "image/SafeText.h"
#include "image/SystemErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Length of the valid UTF-8 sequence at bytes[i], or 0 when there is none;
// code gets the character it stands for.
int utf8SequenceLength(const QByteArray &bytes, qsizetype i, char32_t &code)
{
    const auto at = [&bytes](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    int length = 0;
    unsigned lowest = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    code = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (at(i + k) & 0x3F);
    }
    // Overlong forms, encoded surrogates and code points past U+10FFFF are no UTF-8.
    if (code < lowest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

QString pathFromBytes(const QByteArray &bytes)
{
    QString path;
    path.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t code = 0;
        const int length = utf8SequenceLength(bytes, i, code);
        if (length == 0) {
            path += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        // Not QString::fromUtf8: it drops a byte-order mark at its start, a
        // character the name holds.
        if (QChar::requiresSurrogates(code)) {
            path += QChar(QChar::highSurrogate(code));
            path += QChar(QChar::lowSurrogate(code));
        } else {
            path += QChar(static_cast<char16_t>(code));
        }
        i += length;
    }
    return path;
}

QByteArray pathBytes(const QString &path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        const bool kept = i < path.size() && path[i].unicode() >= 0xDC80 && path[i].unicode() <= 0xDCFF
                          && (i == 0 || !path[i - 1].isHighSurrogate());
        if (i < path.size() && !kept)
            continue;
        bytes += QStringView(path).mid(start, i - start).toUtf8();
        if (kept)
            bytes += static_cast<char>(path[i].unicode() - 0xDC00);
        start = i + 1;
    }
    return bytes;
}

namespace {

bool entryExists(const QByteArray &path)
{
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0;
}

// The entry of the folder that Qt lists as `listed`, when exactly one is.
std::optional<QByteArray> entryListedAs(const QByteArray &folder, const QString &listed)
{
    DIR *dir = ::opendir(folder.isEmpty() ? "/" : folder.constData());
    if (!dir)
        return std::nullopt;
    std::optional<QByteArray> found;
    int matches = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (QFile::decodeName(entry->d_name) == listed) {
            found = QByteArray(entry->d_name);
            ++matches;
        }
    }
    ::closedir(dir);
    return matches == 1 ? found : std::nullopt;
}

} // namespace

QString existingPathFor(const QString &listed)
{
    const QByteArray bytes = pathBytes(listed);
    if (entryExists(bytes) || !listed.contains(QChar::ReplacementCharacter))
        return listed;
    const QStringList parts = listed.split(u'/');
    QByteArray path = pathBytes(parts.first());
    for (qsizetype k = 1; k < parts.size(); ++k) {
        QByteArray next = path + '/' + pathBytes(parts[k]);
        if (!entryExists(next) && parts[k].contains(QChar::ReplacementCharacter)) {
            const auto entry = entryListedAs(path, parts[k]);
            if (!entry)
                return listed;
            next = path + '/' + *entry;
        }
        path = next;
    }
    return pathFromBytes(path);
}

QString pathFromFileUrl(const QByteArray &encodedUrl)
{
    const QUrl url = QUrl::fromEncoded(encodedUrl);
    if (!url.isLocalFile())
        return QString();
    return pathFromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QString shownPath(const QString &path)
{
    return escapedText(QDir::toNativeSeparators(path));
}

QString fileMessage(const QString &path, const QString &what)
{
    return QStringLiteral("%1:\n%2").arg(shownPath(path), what);
}

QString fileKindName(unsigned mode)
{
    switch (mode & S_IFMT) {
    case S_IFIFO:
        return QCoreApplication::translate("SafeFile", "ein FIFO (benannte Pipe)");
    case S_IFCHR:
        return QCoreApplication::translate("SafeFile", "ein zeichenorientiertes Gerät");
    case S_IFBLK:
        return QCoreApplication::translate("SafeFile", "ein blockorientiertes Gerät");
    case S_IFSOCK:
        return QCoreApplication::translate("SafeFile", "ein Socket");
    case S_IFDIR:
        return QCoreApplication::translate("SafeFile", "ein Ordner");
    case S_IFLNK:
        return QCoreApplication::translate("SafeFile", "ein symbolischer Link");
    default:
        return QCoreApplication::translate("SafeFile", "keine reguläre Datei");
    }
}

InputFile readInputFile(const QString &path, qint64 maxSize)
{
    InputFile result;
    const auto refuse = [&result, &path](const QString &why) {
        result.reason = why;
        result.error = fileMessage(path, why);
        return result;
    };
    const auto notRegular = [&refuse](unsigned mode) {
        return refuse(QCoreApplication::translate("SafeFile", "ist %1, keine reguläre Datei; sie wird nicht gelesen").arg(fileKindName(mode)));
    };
    const QByteArray name = pathBytes(path);
    // A device is refused before it is opened: opening some has effects of its own.
    struct stat info {};
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return notRegular(info.st_mode);
    // O_NONBLOCK: should a FIFO take the file's place meanwhile, opening it
    // does not wait for a writer; fstat then refuses it.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return refuse(systemErrorText(errno));
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &info) != 0)
        return refuse(systemErrorText(errno));
    if (!S_ISREG(info.st_mode))
        return notRegular(info.st_mode);
    const auto tooBig = [&refuse, maxSize](qint64 size) {
        return refuse(QCoreApplication::translate("SafeFile", "ist zu groß (%1 Bytes): keine gültige Datei hat mehr als %2; sie wird nicht gelesen")
                          .arg(size)
                          .arg(maxSize));
    };
    if (info.st_size > maxSize)
        return tooBig(info.st_size);
    // The size is only a hint (the file may grow, /proc reports 0): read on
    // until the end, but never more than one byte past the bound.
    const qint64 limit = maxSize + 1;
    result.content.resize(static_cast<qsizetype>(std::min<qint64>(info.st_size + 1, limit)));
    qsizetype filled = 0;
    for (;;) {
        if (filled == result.content.size()) {
            if (filled >= limit)
                break;
            result.content.resize(static_cast<qsizetype>(std::min<qint64>(2 * filled + 4096, limit)));
        }
        const ssize_t got = ::read(fd, result.content.data() + filled, static_cast<size_t>(result.content.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            result.content.clear();
            return refuse(systemErrorText(error));
        }
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > maxSize) {
        result.content.clear();
        return tooBig(filled);
    }
    result.content.resize(filled);
    result.content.squeeze();
    return result;
}
