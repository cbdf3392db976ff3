// The folder unsaved work is kept in: where it is, that it is the user's
// alone, and that a file left behind is offered to one window at a time.
#include "document/RecoveryKeeper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info.st_mode & 07777;
}

class ScopedEnv {
public:
    ScopedEnv(const char *name, std::optional<QByteArray> value) : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char *name_;
    QByteArray old_;
    bool had_;
};

} // namespace

// Only an absolute XDG_STATE_HOME names the state folder; a relative one
// (which would follow the working folder around) is ignored.
TEST(RecoveryFolder, IsUnderAnAbsoluteStateHomeOnly)
{
    QTemporaryDir home;
    const ScopedEnv homeEnv("HOME", home.path().toLocal8Bit());
    const QString fallback = home.filePath(QStringLiteral(".local/state/"));
    const struct {
        std::optional<QByteArray> state;
        QString under;
    } rows[] = {
        {QByteArray("/srv/state"), QStringLiteral("/srv/state/")},
        {QByteArray("state"), fallback},
        {QByteArray("./state"), fallback},
        {QByteArray(""), fallback},
        {std::nullopt, fallback},
    };
    for (const auto &row : rows) {
        const ScopedEnv state("XDG_STATE_HOME", row.state);
        const QString folder = RecoveryKeeper::defaultFolder();
        EXPECT_TRUE(folder.startsWith(row.under)) << row.state.value_or("(unset)").constData() << " -> "
                                                  << folder.toStdString();
        EXPECT_TRUE(folder.endsWith(QStringLiteral("/recovery"))) << folder.toStdString();
    }
}

// The program's state folder and its recovery folder are 0700 and the
// recovery file 0600 under any umask; folders made wider before are narrowed,
// the folder above them is left as the user has it.
TEST(RecoveryFolder, IsTheUsersAloneWhateverTheUmask)
{
    const struct {
        mode_t umask;
        std::optional<mode_t> existing; // the folders were there already, with this mode
    } rows[] = {{022, std::nullopt}, {0, std::nullopt}, {022, 0755}, {0, 0777}, {077, 0755}};
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << "umask " << std::oct << row.umask);
        QTemporaryDir state;
        ASSERT_EQ(::chmod(QFile::encodeName(state.path()).constData(), 0755), 0);
        const QString program = state.filePath(QStringLiteral("Quaxel"));
        const QString folder = program + QStringLiteral("/recovery");
        if (row.existing) {
            ASSERT_TRUE(QDir().mkpath(folder));
            ASSERT_EQ(::chmod(QFile::encodeName(program).constData(), *row.existing), 0);
            ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), *row.existing), 0);
        }
        const mode_t old = ::umask(row.umask);
        RecoveryKeeper keeper(folder);
        const auto first = keeper.keep("first");
        const auto second = keeper.keep("second, replacing the first");
        ::umask(old);
        ASSERT_FALSE(first) << first->toStdString();
        ASSERT_FALSE(second) << second->toStdString();
        EXPECT_EQ(modeOf(program), 0700u);
        EXPECT_EQ(modeOf(folder), 0700u);
        EXPECT_EQ(modeOf(keeper.filePath()), 0600u);
        EXPECT_EQ(modeOf(state.path()), 0755u) << "not the program's folder";
    }
}

// While one window asks about a file left behind, no other lists or takes
// it. Locks of processes that are gone, with no recovery file, are removed;
// the lock of a window still open stays.
TEST(RecoveryLocks, OneWindowAtATimeAndNoneOfTheDead)
{
    QTemporaryDir state;
    const QString folder = state.filePath(QStringLiteral("Quaxel/recovery"));
    QString left;
    {
        RecoveryKeeper ended(folder);
        ASSERT_FALSE(ended.keep("work"));
        left = ended.filePath();
        ended.release();
    }
    RecoveryKeeper first(folder);
    RecoveryKeeper second(folder);
    ASSERT_EQ(first.leftBehind(), QStringList{left});
    {
        const RecoveryKeeper::Claim asking = RecoveryKeeper::claim(left);
        ASSERT_TRUE(asking);
        EXPECT_TRUE(second.leftBehind().isEmpty());
        EXPECT_FALSE(RecoveryKeeper::claim(left));
    }
    EXPECT_EQ(second.leftBehind(), QStringList{left}) << "offered again once the first has let go";

    const QString deadLock = QDir(folder).filePath(QStringLiteral("window-dead.recovery.lock"));
    const pid_t child = ::fork();
    if (child == 0) {
        QLockFile lock(deadLock);
        ::_exit(lock.tryLock(0) ? 0 : 1); // ends holding it
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(deadLock));
    RecoveryKeeper open(folder);
    ASSERT_FALSE(open.keep("work"));
    ASSERT_TRUE(QFile::remove(open.filePath())); // its lock has no recovery file beside it now

    first.leftBehind();
    EXPECT_FALSE(QFile::exists(deadLock));
    EXPECT_TRUE(QFile::exists(open.filePath() + QStringLiteral(".lock")));
    open.discard();
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.lock")}, QDir::Files), QStringList())
        << "a window that gave its work up holds no lock";
}
