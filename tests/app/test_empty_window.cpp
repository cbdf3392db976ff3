// The empty window: its hint and the recent files stand in the left column,
// clear of the slot grid's divider, and a file's name shows its underscores.
#include "MainWindowFixture.h"
#include "ui/PlainText.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QTest>

namespace {

QLabel *emptyHint(const TFormMain &w)
{
    return w.findChild<QLabel *>(QStringLiteral("emptyHint"));
}

// The longest unbroken row of link-blue pixels: an underline runs under a
// whole name; the letters and an underscore are short.
int longestLinkRun(const QImage &image)
{
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool blue = c.blue() - std::max(c.red(), c.green()) > 60;
            run = blue ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

QRect inWindow(const QWidget *widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

class EmptyWindow : public MainWindowTest {
protected:
    // A window whose only recent file has the given name; its hint's picture.
    QImage hintWithRecentFile(const QString &name, int *nameWidth = nullptr)
    {
        const QString path = writeFile(name, Torvel);
        QFile ini(settingsPath());
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Recent]\r\nFile1=" + path.toUtf8() + "\r\n");
        ini.close();
        TFormMain w(settingsPath());
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        QLabel *hint = emptyHint(w);
        EXPECT_TRUE(hint->isVisible());
        EXPECT_TRUE(hint->text().contains(name.toHtmlEscaped())) << hint->text().toStdString();
        if (nameWidth)
            *nameWidth = hint->fontMetrics().horizontalAdvance(name);
        return hint->grab().toImage();
    }
};

} // namespace

TEST_F(EmptyWindow, HintAndRecentFilesStandClearOfTheDivider)
{
    writeFile(QStringLiteral("a_rather_long_name_of_a_decoder_file.hex"), Torvel);
    const QString path = dir.filePath(QStringLiteral("a_rather_long_name_of_a_decoder_file.hex"));
    QFile ini(settingsPath());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Recent]\r\nFile1=" + path.toUtf8() + "\r\n");
    ini.close();

    TFormMain w(settingsPath());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QFrame *divider = w.findChild<QFrame *>(QStringLiteral("Line"));
    ASSERT_TRUE(divider);
    ASSERT_TRUE(divider->isVisible());
    const QLabel *hint = emptyHint(w);
    ASSERT_TRUE(hint->isVisible());
    ASSERT_TRUE(hint->text().contains(QStringLiteral("Zuletzt geöffnet:")));
    const QRect hintRect = inWindow(hint);
    const QRect dividerRect = inWindow(divider);
    EXPECT_FALSE(hintRect.intersects(dividerRect))
        << "hint " << hintRect.x() << ".." << hintRect.right() << ", divider at " << dividerRect.x();
    EXPECT_LT(hintRect.right(), dividerRect.left()) << "the hint stands left of the divider";
}

// An underline over the links covers the underscores: "sig_t5.hex" would look
// like "sig t5.hex". No line runs under the name, and the two names differ.
TEST_F(EmptyWindow, UnderscoresOfANameStayVisible)
{
    int nameWidth = 0;
    const QImage underscore = hintWithRecentFile(QStringLiteral("sig_t5.hex"), &nameWidth);
    const int run = longestLinkRun(underscore);
    EXPECT_GT(run, 0) << "the link is drawn in the link colour";
    EXPECT_LT(run, nameWidth / 2) << "a line runs under the name, " << run << " of " << nameWidth << " pixels";
    QFile::remove(dir.filePath(QStringLiteral("sig_t5.hex")));
    const QImage blank = hintWithRecentFile(QStringLiteral("sig t5.hex"));
    ASSERT_FALSE(underscore.isNull());
    ASSERT_EQ(underscore.size(), blank.size());
    EXPECT_NE(underscore, blank);
}

// Three files of the same name in three folders: the hint names each with its
// folder, and the mouse over a name shows that file's whole path.
TEST_F(EmptyWindow, FilesOfTheSameNameShowTheirFolders)
{
    QStringList paths;
    QByteArray recent = "[Recent]\r\n";
    for (const char *folder : {"a", "b", "c"}) {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QString::fromLatin1(folder)));
        paths << writeFile(QString::fromLatin1(folder) + QStringLiteral("/servo.hex"), Torvel);
        recent += "File" + QByteArray::number(paths.size()) + "=" + paths.last().toUtf8() + "\r\n";
    }
    QFile ini(settingsPath());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(recent);
    ini.close();
    TFormMain w(settingsPath());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QLabel *hint = emptyHint(w);
    for (const char *name : {">a/servo.hex<", ">b/servo.hex<", ">c/servo.hex<"})
        EXPECT_TRUE(hint->text().contains(QString::fromLatin1(name))) << hint->text().toStdString();

    // The mouse down the hint, line by line: the tooltip over each name.
    QStringList tips;
    for (const QString &path : paths)
        tips << PlainText::toolTipText(path);
    QStringList hovered;
    for (int y = 0; y < hint->height(); y += 2) {
        QTest::mouseMove(hint, QPoint(20, y));
        QApplication::processEvents();
        if (tips.contains(hint->toolTip()) && !hovered.contains(hint->toolTip()))
            hovered << hint->toolTip();
    }
    EXPECT_EQ(hovered, tips);
}
