#include "image/KeptAttributes.h"

#include "image/SystemErrors.h"

#include <QCoreApplication>
#include <QByteArrayList>

#include <cerrno>
#include <cstring>
#include <sys/xattr.h>

namespace {

bool notSupported(int error)
{
    return error == ENOTSUP || error == ENOSYS;
}

// Reads a list or a value whose size may change between asking and reading.
template <typename Read>
std::optional<QByteArray> readGrowing(Read read)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray bytes(static_cast<qsizetype>(size), '\0');
        const ssize_t got = read(bytes.data(), static_cast<size_t>(bytes.size()));
        if (got >= 0) {
            bytes.resize(got);
            return bytes;
        }
        if (errno != ERANGE)
            return std::nullopt;
    }
    errno = ERANGE;
    return std::nullopt;
}

QByteArrayList namesIn(const QByteArray &list)
{
    QByteArrayList names = list.split('\0');
    names.removeAll(QByteArray());
    return names;
}

// What a refusal calls the attribute.
QString attributeName(const QByteArray &name)
{
    if (name == "system.posix_acl_access")
        return QCoreApplication::translate("KeptAttributes", "eine Zugriffssteuerungsliste (ACL)");
    return QCoreApplication::translate("KeptAttributes", "das erweiterte Attribut %1").arg(QString::fromUtf8(name));
}

QString notKept(const QByteArray &name, int error)
{
    return QCoreApplication::translate("KeptAttributes", "hat %1, das der Ersatz nicht behalten konnte (%2); sie wird nicht geschrieben")
        .arg(attributeName(name), systemErrorText(error));
}

std::optional<QByteArray> freshValue(int fd, const QByteArray &name)
{
    return readGrowing([fd, &name](char *data, size_t size) { return ::fgetxattr(fd, name.constData(), data, size); });
}

} // namespace

std::optional<QString> keepExtendedAttributes(int freshFd, const QByteArray &oldPath)
{
    QByteArrayList kept;
    const auto oldList = readGrowing(
        [&oldPath](char *data, size_t size) { return ::listxattr(oldPath.constData(), data, size); });
    if (oldList)
        kept = namesIn(*oldList);
    else if (const int error = errno; !notSupported(error))
        return QCoreApplication::translate("KeptAttributes", "ihre erweiterten Attribute lassen sich nicht lesen (%1); sie wird nicht geschrieben").arg(systemErrorText(error));

    const auto freshList =
        readGrowing([freshFd](char *data, size_t size) { return ::flistxattr(freshFd, data, size); });
    for (const QByteArray &name : freshList ? namesIn(*freshList) : QByteArrayList()) {
        if (kept.contains(name) || ::fremovexattr(freshFd, name.constData()) == 0 || errno == ENODATA)
            continue;
        const int error = errno;
        // The system's own labels (security.*) come with every new file and
        // are not the user's to remove.
        if (!name.startsWith("security."))
            return QCoreApplication::translate("KeptAttributes", "bekäme %1 von ihrem Ordner, das der Ersatz nicht entfernen konnte (%2); sie wird nicht geschrieben")
                .arg(attributeName(name), systemErrorText(error));
    }

    for (const QByteArray &name : kept) {
        const auto value = readGrowing([&oldPath, &name](char *data, size_t size) {
            return ::getxattr(oldPath.constData(), name.constData(), data, size);
        });
        if (!value) {
            if (errno == ENODATA)
                continue; // removed meanwhile
            return notKept(name, errno);
        }
        if (freshValue(freshFd, name) == value)
            continue;
        if (::fsetxattr(freshFd, name.constData(), value->constData(), static_cast<size_t>(value->size()), 0) != 0)
            return notKept(name, errno);
    }
    return std::nullopt;
}
