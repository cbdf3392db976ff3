// A replacement keeps everything the old file carried, a series goes in whole
// or not at all, and a save leaves no staged file behind.
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "image/StagingNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

const QByteArray NewContent = QByteArrayLiteral(":00000001FF\r\n");

QByteArray bytesOf(const QString &path) { return pathBytes(path); }

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray attribute(const QString &path, const char *name)
{
    char value[256];
    const ssize_t n = ::getxattr(bytesOf(path).constData(), name, value, sizeof value);
    return n < 0 ? QByteArray("<none>") : QByteArray(value, static_cast<qsizetype>(n));
}

bool setAttribute(const QString &path, const char *name, const QByteArray &value)
{
    return ::setxattr(bytesOf(path).constData(), name, value.constData(), static_cast<size_t>(value.size()), 0) == 0;
}

// An access ACL in the form the kernel keeps it: owner rw, user `uid` rw,
// owning group nothing, mask rw, others nothing.
QByteArray aclGrantingUser(uint32_t uid)
{
    QByteArray acl;
    const auto put = [&acl](uint32_t value, int bytes) {
        for (int k = 0; k < bytes; ++k)
            acl += static_cast<char>((value >> (8 * k)) & 0xFF);
    };
    const auto entry = [&put](uint16_t tag, uint16_t perm, uint32_t id) {
        put(tag, 2);
        put(perm, 2);
        put(id, 4);
    };
    put(2, 4); // version
    entry(0x01, 6, 0xFFFFFFFF); // owner
    entry(0x02, 6, uid);        // named user
    entry(0x04, 0, 0xFFFFFFFF); // owning group
    entry(0x10, 6, 0xFFFFFFFF); // mask
    entry(0x20, 0, 0xFFFFFFFF); // others
    return acl;
}

// Names in the folder other than the expected ones: staged files left behind.
QStringList strayNames(const QString &folder, QStringList expected)
{
    QStringList found = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
    for (const QString &name : expected)
        found.removeOne(name);
    return found;
}

mode_t modeOf(const QString &path)
{
    struct stat info {};
    ::lstat(bytesOf(path).constData(), &info);
    return info.st_mode & 07777;
}

// ---- what a replacement keeps ----

struct KeptCase {
    const char *name;
    // Prepares the old file (and its folder); false when the file system
    // cannot carry the fixture.
    std::function<bool(const QString &folder, const QString &target)> setup;
    // What must hold of the new file: empty when it does.
    std::function<std::string(const QString &target)> check;
};

void PrintTo(const KeptCase &c, std::ostream *os) { *os << c.name; }

std::vector<KeptCase> keptCases()
{
    return {
        {"a user attribute",
         [](const QString &, const QString &t) { return setAttribute(t, "user.note", "keep me"); },
         [](const QString &t) { return attribute(t, "user.note") == "keep me" ? std::string() : "user.note lost"; }},
        {"an ACL that grants another user access, and the mode it shows",
         [](const QString &, const QString &t) {
             return ::chmod(bytesOf(t).constData(), 0600) == 0 && setAttribute(t, "system.posix_acl_access", aclGrantingUser(1));
         },
         [](const QString &t) {
             if (attribute(t, "system.posix_acl_access") != aclGrantingUser(1))
                 return std::string("the ACL was lost");
             return modeOf(t) == 0660 ? std::string() : "mode " + std::to_string(modeOf(t));
         }},
        {"no ACL where the folder's default ACL would give one",
         [](const QString &folder, const QString &) {
             return setAttribute(folder, "system.posix_acl_default", aclGrantingUser(1));
         },
         [](const QString &t) {
             return attribute(t, "system.posix_acl_access") == "<none>" ? std::string() : "gained the folder's ACL";
         }},
    };
}

class KeptOnReplace : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeptOnReplace, ASaveAndASeriesKeepWhatTheOldFileCarried)
{
    const KeptCase &c = GetParam();
    for (const bool series : {false, true}) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString target = dir.filePath(QStringLiteral("out.hex"));
        writeFile(target, "old");
        if (!c.setup(dir.path(), target))
            GTEST_SKIP() << "the file system does not carry the fixture: " << std::strerror(errno);
        if (series) {
            StagedSeries files;
            ASSERT_FALSE(files.stage(target, NewContent));
            ASSERT_FALSE(files.stage(dir.filePath(QStringLiteral("other.hex")), NewContent));
            ASSERT_FALSE(files.commit());
        } else {
            ASSERT_FALSE(saveFileWhole(target, NewContent));
        }
        EXPECT_EQ(readFile(target), NewContent);
        EXPECT_EQ(c.check(target), "") << (series ? "series" : "single save");
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, KeptOnReplace, ::testing::ValuesIn(keptCases()),
                         [](const ::testing::TestParamInfo<KeptCase> &info) { return "row" + std::to_string(info.index); });

// What cannot be kept is refused, and the old file stays as it was. Run as a
// user who may not read the attribute back (root may read anything, so as
// root the save runs in a child that has given up root).
TEST(KeptOnReplace, AnAttributeThatCannotBeReadIsRefusedAndTheOldFileStays)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("out.hex"));
    writeFile(target, "old");
    if (!setAttribute(target, "user.note", "keep me"))
        GTEST_SKIP() << "no user attributes here";
    const uid_t user = ::geteuid() == 0 ? 65534 : ::geteuid();
    ASSERT_EQ(::chown(bytesOf(dir.path()).constData(), user, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(::chown(bytesOf(target).constData(), user, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(::chmod(bytesOf(target).constData(), 0200), 0); // writable, not readable
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && ::setresuid(user, user, user) != 0)
            ::_exit(2);
        const auto refused = saveFileWhole(target, NewContent);
        ::_exit(refused && refused->contains(QStringLiteral("das erweiterte Attribut user.note")) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "not refused for the attribute it cannot keep";
    ::chmod(bytesOf(target).constData(), 0600);
    EXPECT_EQ(readFile(target), "old");
    EXPECT_EQ(attribute(target, "user.note"), "keep me");
    EXPECT_EQ(strayNames(dir.path(), {QStringLiteral("out.hex")}), QStringList());
}

// A new file gets the mode a plain create gives under the umask.
TEST(NewFile, TakesTheModeTheUmaskLeaves)
{
    const struct {
        mode_t umask;
        mode_t mode;
    } rows[] = {{022, 0644}, {027, 0640}, {077, 0600}, {0, 0666}};
    for (const auto &row : rows) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString target = dir.filePath(QStringLiteral("new.hex"));
        const mode_t before = ::umask(row.umask);
        const auto error = saveFileWhole(target, NewContent);
        ::umask(before);
        ASSERT_FALSE(error) << error->toStdString();
        EXPECT_EQ(modeOf(target), row.mode) << "umask " << row.umask;
    }
}

// ---- a series goes in whole or not at all ----

struct SeriesCase {
    const char *name;
    QStringList existing;   // files there before, each holding "old <name>"
    QString takenMeanwhile; // made a folder between staging and commit
    bool succeeds;
};

void PrintTo(const SeriesCase &c, std::ostream *os) { *os << c.name; }

class SeriesCommit : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(SeriesCommit, EveryFileTakesItsPlaceOrNoneAndNothingIsLeftBehind)
{
    const SeriesCase &c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList names{QStringLiteral("s-1.hex"), QStringLiteral("s-2.hex"), QStringLiteral("s-3.hex"),
                            QStringLiteral("s-4.hex"), QStringLiteral("s-5.hex")};
    for (const QString &name : c.existing)
        writeFile(dir.filePath(name), "old " + name.toUtf8());
    StagedSeries series;
    for (const QString &name : names)
        ASSERT_FALSE(series.stage(dir.filePath(name), "new " + name.toUtf8()));
    if (!c.takenMeanwhile.isEmpty()) {
        ASSERT_TRUE(QDir(dir.path()).mkdir(c.takenMeanwhile));
    }

    const auto failure = series.commit();
    QStringList expected = c.existing;
    if (c.succeeds) {
        EXPECT_FALSE(failure) << failure->toStdString();
        for (const QString &name : names)
            EXPECT_EQ(readFile(dir.filePath(name)), "new " + name.toUtf8());
        expected = names;
    } else {
        ASSERT_TRUE(failure);
        EXPECT_TRUE(failure->startsWith(dir.filePath(c.takenMeanwhile) + QStringLiteral(":\nist ein Ordner")))
            << failure->toStdString();
        EXPECT_TRUE(failure->endsWith(QStringLiteral("die Serie wurde nicht geschrieben: keine ihrer Dateien wurde geändert")))
            << failure->toStdString();
        for (const QString &name : c.existing)
            EXPECT_EQ(readFile(dir.filePath(name)), "old " + name.toUtf8());
        expected.append(c.takenMeanwhile);
    }
    EXPECT_EQ(strayNames(dir.path(), expected), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SeriesCommit,
    ::testing::Values(SeriesCase{"all new", {}, {}, true},
                      SeriesCase{"some replaced", {QStringLiteral("s-2.hex"), QStringLiteral("s-5.hex")}, {}, true},
                      SeriesCase{"the last name taken, the others new", {}, QStringLiteral("s-5.hex"), false},
                      SeriesCase{"the last name taken, old files before it",
                                 {QStringLiteral("s-1.hex"), QStringLiteral("s-2.hex"), QStringLiteral("s-4.hex")},
                                 QStringLiteral("s-5.hex"), false},
                      SeriesCase{"a name in the middle taken", {QStringLiteral("s-1.hex")}, QStringLiteral("s-3.hex"), false}),
    [](const ::testing::TestParamInfo<SeriesCase> &info) { return "row" + std::to_string(info.index); });

// ---- nothing left behind ----

// A staged file of a process that no longer runs goes with the next save into
// its folder; one of a running process, and any name not of this program's
// making, stays.
TEST(StagedFiles, AStaleOneGoesWithTheNextSaveIntoItsFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const QString goneId = QString::number(gone);
    const QString runningId = QString::number(::getppid());
    const struct {
        QString name;
        bool removed;
    } rows[] = {
        {QStringLiteral(".out.hex.quaxel-%1-Ab3xYz").arg(goneId), true},
        {QStringLiteral(".other.hex.quaxel-%1-Ab3xYz").arg(goneId), true},
        {QStringLiteral(".out.hex.quaxel-%1-Ab3xYz").arg(runningId), false},
        {QStringLiteral(".out.hex.quaxel-%1-Ab3xY").arg(goneId), false},
        {QStringLiteral(".out.hex.XXq3aZ"), false},
        {QStringLiteral("out.hex.quaxel-%1-Ab3xYz").arg(goneId), false},
    };
    for (const auto &row : rows)
        writeFile(dir.filePath(row.name), "stale");
    ASSERT_FALSE(saveFileWhole(dir.filePath(QStringLiteral("out.hex")), NewContent));
    for (const auto &row : rows)
        EXPECT_EQ(QFile::exists(dir.filePath(row.name)), !row.removed) << row.name.toStdString();
}

TEST(StagedFiles, StagingNamesNameTheirProcess)
{
    const QByteArray name = stagingName("/some/folder/out.hex");
    ASSERT_TRUE(name.startsWith("/some/folder/.out.hex.quaxel-")) << name.constData();
    EXPECT_EQ(stagingProcess(name.mid(name.lastIndexOf('/') + 1)), ::getpid());
    // A name at the length limit still leaves room for the staging part.
    EXPECT_LE(stagingName(QByteArray(255, 'n')).size(), 255);
}

// A staged file is not in the folder under any name until it is committed,
// where the file system allows; and a discarded one is gone.
TEST(StagedFiles, AStagedFileShowsNoNameBeforeItsCommit)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    StagedFile staged;
    ASSERT_FALSE(staged.stage(dir.filePath(QStringLiteral("out.hex")), NewContent));
    EXPECT_EQ(readFile(staged.temporaryPath()), NewContent);
    if (!staged.temporaryPath().startsWith(QStringLiteral("/proc/self/fd/")))
        GTEST_SKIP() << "this file system has no unnamed files";
    EXPECT_EQ(strayNames(dir.path(), {}), QStringList());
    ASSERT_FALSE(staged.commit());
    EXPECT_EQ(strayNames(dir.path(), {QStringLiteral("out.hex")}), QStringList());
}

// Two saves of a file that does not exist yet, racing: the one that puts its
// file in place first wins; the other names the file, says why, and keeps
// what the winner wrote.
TEST(StagedFiles, TheLoserOfTwoSavesOfANewFileNamesItAndKeepsTheWinner)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("out.hex"));
    VerifiedSave loser;
    VerifiedSave winner;
    ASSERT_FALSE(loser.add(target, QByteArrayLiteral("loser\n")));
    ASSERT_FALSE(winner.add(target, NewContent));
    ASSERT_FALSE(winner.commit());
    const auto failure = loser.commit();
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, target + QStringLiteral(":\nwurde von einem anderen Programm angelegt, während dieses sie schrieb; "
                                                 "sie wird nicht ersetzt"));
    EXPECT_EQ(readFile(target), NewContent);
    EXPECT_EQ(strayNames(dir.path(), {QStringLiteral("out.hex")}), QStringList());
}

// ---- reading ----

// A file whose size the system does not tell (0 in /proc) is read to its
// end, and refused when it holds even one byte more than the limit.
TEST(BoundedRead, AFileOfUnknownSizeIsReadOneBytePastTheLimit)
{
    const QString path = QStringLiteral("/proc/self/cmdline");
    struct stat info {};
    ASSERT_EQ(::stat("/proc/self/cmdline", &info), 0);
    if (info.st_size != 0)
        GTEST_SKIP() << "/proc tells the size here";
    const QByteArray whole = readInputFile(path).content;
    ASSERT_GT(whole.size(), 2);
    const struct {
        qint64 limit;
        bool read;
    } rows[] = {{whole.size() + 1, true}, {whole.size(), true}, {whole.size() - 1, false}, {1, false}};
    for (const auto &row : rows) {
        const InputFile file = readInputFile(path, row.limit);
        if (row.read) {
            EXPECT_FALSE(file.reason) << row.limit;
            EXPECT_EQ(file.content, whole) << row.limit;
        } else {
            ASSERT_TRUE(file.reason) << "cut to the limit and used, limit " << row.limit;
            EXPECT_TRUE(file.reason->startsWith(QStringLiteral("ist zu groß"))) << file.reason->toStdString();
            EXPECT_TRUE(file.content.isEmpty());
        }
    }
}

} // namespace
