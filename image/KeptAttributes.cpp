#include "image/KeptAttributes.h"

#include <QByteArrayList>

#include <cerrno>
#include <cstring>
#include <sys/xattr.h>

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

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
        return QStringLiteral("an access control list (ACL)");
    return QStringLiteral("the extended attribute %1").arg(QString::fromUtf8(name));
}

QString notKept(const QByteArray &name, int error)
{
    return QStringLiteral("has %1, which the replacement could not keep (%2); it is not written")
        .arg(attributeName(name), systemError(error));
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
    else if (!notSupported(errno))
        return QStringLiteral("its extended attributes cannot be read (%1); it is not written").arg(systemError(errno));

    const auto freshList =
        readGrowing([freshFd](char *data, size_t size) { return ::flistxattr(freshFd, data, size); });
    for (const QByteArray &name : freshList ? namesIn(*freshList) : QByteArrayList()) {
        if (kept.contains(name) || ::fremovexattr(freshFd, name.constData()) == 0 || errno == ENODATA)
            continue;
        // The system's own labels (security.*) come with every new file and
        // are not the user's to remove.
        if (!name.startsWith("security."))
            return QStringLiteral("would gain %1 from its folder, which the replacement could not remove (%2); "
                                  "it is not written")
                .arg(attributeName(name), systemError(errno));
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
