#include "image/StagingNames.h"

#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray Marker = QByteArrayLiteral(".quaxel-");
constexpr int RandomLength = 6;
// Room for the marker, the process number and the random part within the
// 255 bytes a name may have.
constexpr qsizetype MaxKeptNameBytes = 200;

QByteArray randomPart()
{
    static const char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray part(RandomLength, 'x');
    for (char &c : part)
        c = Alphabet[QRandomGenerator::system()->bounded(static_cast<int>(sizeof Alphabet - 1))];
    return part;
}

bool isAlphanumeric(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool processRuns(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

} // namespace

QByteArray stagingName(const QByteArray &target)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    const QByteArray name = target.mid(slash + 1).left(MaxKeptNameBytes);
    return folder + '.' + name + Marker + QByteArray::number(::getpid()) + '-' + randomPart();
}

std::optional<pid_t> stagingProcess(const QByteArray &name)
{
    // From the end: "-XXXXXX", the digits of the process, the marker.
    if (!name.startsWith('.') || name.size() < 1 + Marker.size() + 1 + 1 + RandomLength)
        return std::nullopt;
    const qsizetype dash = name.size() - RandomLength - 1;
    if (name[dash] != '-')
        return std::nullopt;
    for (qsizetype k = dash + 1; k < name.size(); ++k) {
        if (!isAlphanumeric(name[k]))
            return std::nullopt;
    }
    qsizetype digits = dash;
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9')
        --digits;
    if (digits == dash || dash - digits > 9 || !name.left(digits).endsWith(Marker) || digits - Marker.size() < 1)
        return std::nullopt;
    const pid_t pid = static_cast<pid_t>(name.mid(digits, dash - digits).toLong());
    return pid > 0 ? std::optional<pid_t>(pid) : std::nullopt;
}

void removeStaleStagedFiles(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    const pid_t self = ::getpid();
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        const auto pid = stagingProcess(name);
        if (!pid || *pid == self || processRuns(*pid))
            continue;
        struct stat info {};
        if (::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && info.st_uid == ::geteuid())
            ::unlinkat(fd, entry->d_name, 0);
    }
    ::closedir(dir);
}
