// File names as bytes and file text made safe for a message.
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "image/SafeText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every name comes back as exactly its bytes; valid UTF-8 reads as its text and
// everything else shows escaped byte by byte.
TEST(PathBytes, EveryNameRoundTripsAndShowsItsUndecodableBytes)
{
    const struct {
        QByteArray bytes;
        const char *shown;
    } rows[] = {
        {"plain/name.hex", "plain/name.hex"},
        {"gr\xC3\xBC\xC3\x9F" "e.hex", "grüße.hex"},
        {"smile\xF0\x9F\x98\x80.hex", "smile😀.hex"},
        {"latin1-\xFC.hex", "latin1-\\xFC.hex"},
        {"overlong-\xC0\xAF.hex", "overlong-\\xC0\\xAF.hex"},
        {"surrogate-\xED\xA0\x80.hex", "surrogate-\\xED\\xA0\\x80.hex"},
        {"cut-\xE2\x82", "cut-\\xE2\\x82"},
        {"past-max-\xF4\x90\x80\x80", "past-max-\\xF4\\x90\\x80\\x80"},
        {"esc-\x1B[2J", "esc-\\x1B[2J"},
        {"rtl\xE2\x80\xAE" "exe.txt.hex", "rtl\\u202Eexe.txt.hex"},
        {"marks\xE2\x80\x8E\xE2\x80\x8F-isolate\xE2\x81\xA6\xE2\x81\xA9.hex", "marks\\u200E\\u200F-isolate\\u2066\\u2069.hex"},
        {"embed\xE2\x80\xAA\xE2\x80\xAC-line\xE2\x80\xA8.hex", "embed\\u202A\\u202C-line\\u2028.hex"},
        // Invisible: zero-width space, word joiner, soft hyphen, byte-order mark, a tag (U+E0041).
        {"zero\xE2\x80\x8Bwidth\xE2\x81\xA0-soft\xC2\xAD" "bom\xEF\xBB\xBF-tag\xF3\xA0\x81\x81.hex",
         "zero\\u200Bwidth\\u2060-soft\\u00ADbom\\uFEFF-tag\\uDB40\\uDC41.hex"},
    };
    for (const auto &row : rows) {
        const QString path = pathFromBytes(row.bytes);
        EXPECT_EQ(pathBytes(path), row.bytes) << row.shown;
        EXPECT_EQ(shownPath(path), QString::fromUtf8(row.shown));
    }
}

TEST(SafeText, ControlCharactersAreEscapedAndLongLinesCut)
{
    const QString eighty(80, u'A');
    const struct {
        QString line;
        QString quoted;
    } rows[] = {
        {QStringLiteral(":00000007\x1B]0;x\x07"), QStringLiteral(":00000007\\x1B]0;x\\x07")},
        {QString(QChar(u'\0')) + QStringLiteral("F\x7F\u009B"), QStringLiteral("\\x00F\\x7F\\x9B")},
        {eighty, eighty},
        {eighty + QLatin1Char('B'), eighty + QStringLiteral("…")},
        // An escape that does not fit is left out whole.
        {QString(78, u'A') + QStringLiteral("\x1B"), QString(78, u'A') + QStringLiteral("…")},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(quotedLine(row.line), row.quoted);
        EXPECT_FALSE(holdsRawControl(quotedLine(row.line)));
    }
    EXPECT_EQ(escapedText(QStringLiteral("a\nb\rc"), true), QStringLiteral("a\nb\\x0Dc"));
    EXPECT_TRUE(holdsRawControl(QStringLiteral("a\x1B")));
}

// A name as a file dialog lists it (U+FFFD for each byte that is no UTF-8)
// is the one folder entry listed that way; any other name stays as it is.
TEST(PathBytes, AListedNameIsTheFileItShows)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray folder = QFile::encodeName(dir.path());
    for (const QByteArray name : {"bad\xFF.hex", "twice\xFE.hex", "twice\xFF.hex", "sub\xFF/in\xFE.hex", "good.hex"}) {
        if (name.contains('/')) {
            ASSERT_EQ(::mkdir((folder + '/' + name.left(name.indexOf('/'))).constData(), 0755), 0);
        }
        ASSERT_EQ(::close(::open((folder + '/' + name).constData(), O_CREAT | O_WRONLY, 0644)), 0);
    }
    const QString base = pathFromBytes(folder) + u'/';
    const QString fffd(QChar::ReplacementCharacter);
    const struct {
        QString listed;
        QByteArray meant; // empty: the listed name as it is
    } rows[] = {
        {base + QStringLiteral("bad") + fffd + QStringLiteral(".hex"), folder + "/bad\xFF.hex"},
        {base + QStringLiteral("sub") + fffd + QStringLiteral("/in") + fffd + QStringLiteral(".hex"), folder + "/sub\xFF/in\xFE.hex"},
        {base + QStringLiteral("twice") + fffd + QStringLiteral(".hex"), {}}, // two files show so
        {base + QStringLiteral("good.hex"), {}},
        {base + QStringLiteral("new") + fffd + QStringLiteral(".hex"), {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(existingPathFor(row.listed), row.meant.isEmpty() ? row.listed : pathFromBytes(row.meant))
            << row.listed.toStdString();
}

// A replacement whose last step, moving the new file into place, fails must say
// so: the save is not done, and nothing of it is left behind.
TEST(StagedFile, ACommitThatCannotMoveTheFileIntoPlaceFails)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("out.hex"));
    StagedFile staged;
    ASSERT_FALSE(staged.stage(target, QByteArray(":00000001FF\r\n")));
    const QString temporary = staged.temporaryPath();
    // Something else takes the name meanwhile: a folder that is not empty.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("out.hex/inside")));
    EXPECT_TRUE(staged.commit().has_value());
    staged.discard();
    EXPECT_TRUE(QFileInfo(target).isDir());
    EXPECT_FALSE(QFile::exists(temporary));
}

} // namespace
