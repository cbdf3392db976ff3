// Saves that cannot be written lose nothing: into a read-only folder, over a
// read-only file and onto a full file system, the HEX file, the curve and set
// files and the settings file each show their message, and what was there
// before stays byte for byte.
// The folders come from tests/with_blocked_folders.sh.
#include "EditorFrames.h"
#include "MainWindowFixture.h"
#include "frames/Frame_tamb/TFrameTamb.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace {

struct BlockedTarget {
    const char *what;
    QString path;
    bool existed;
};

std::vector<BlockedTarget> blockedTargets()
{
    std::vector<BlockedTarget> targets;
    const QString readOnly = qEnvironmentVariable("QUAXEL_READONLY_DIR");
    const QString full = qEnvironmentVariable("QUAXEL_FULL_DIR");
    if (!readOnly.isEmpty()) {
        targets.push_back({"new file in a read-only folder", readOnly + QStringLiteral("/new.hex"), false});
        targets.push_back({"read-only file", readOnly + QStringLiteral("/old.txt"), true});
    }
    if (!full.isEmpty())
        targets.push_back({"file on a full file system", full + QStringLiteral("/old.txt"), true});
    return targets;
}

class FailedSave : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        if (qEnvironmentVariableIsEmpty("QUAXEL_READONLY_DIR"))
            GTEST_SKIP() << "run through tests/with_blocked_folders.sh";
        if (qEnvironmentVariableIsEmpty("QUAXEL_FULL_DIR"))
            std::cout << "no full file system here (mounts not allowed): that case is not run\n";
    }

    // Whatever was at the target is still there, unchanged, and nothing new.
    static void expectUntouched(const BlockedTarget &target)
    {
        if (target.existed)
            EXPECT_EQ(contentOf(target.path), QByteArray("old content"));
        else
            EXPECT_FALSE(QFileInfo::exists(target.path));
        const QStringList left = QFileInfo(target.path).dir().entryList(QDir::Files);
        for (const QString &name : left)
            EXPECT_TRUE(name == QStringLiteral("old.txt") || name == QStringLiteral("filler")) << name.toStdString();
    }
};

TEST_F(FailedSave, HexFileShowsTheErrorAndKeepsTheOldFile)
{
    for (const BlockedTarget &target : blockedTargets()) {
        SCOPED_TRACE(target.what);
        TFormMain w(settingsPath());
        w.loadHexFile(writeFile(QStringLiteral("torvel.hex"), Torvel));
        const QString panelBefore = statusPanelText(w, 4);
        Dialogs::clearPresets();
        Dialogs::setRecordMessages(true);
        Dialogs::presetSaveFileName(target.path);
        w.btn_saveClick();
        ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
        EXPECT_TRUE(Dialogs::recordedMessages().first().text.contains(QDir::toNativeSeparators(target.path)));
        EXPECT_EQ(statusPanelText(w, 4), panelBefore) << "a failed save is not the file's new name";
        expectUntouched(target);
    }
}

TEST_F(FailedSave, CurveAndSetFilesShowTheErrorAndKeepTheOldFile)
{
    TFormMain w(settingsPath());
    w.loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/211-tamb-4-servo-dekoder-dcc.hex"));
    ASSERT_TRUE(editorFrame<TFrameTamb>(w)->isVisibleTo(&w));
    for (QPushButton *save : {editorFrame<TFrameTamb>(w)->servo_save_1, editorFrame<TFrameTamb>(w)->servo_save_all}) {
        for (const BlockedTarget &target : blockedTargets()) {
            SCOPED_TRACE(save->objectName().toStdString() + ": " + target.what);
            Dialogs::clearPresets();
            Dialogs::setRecordMessages(true);
            Dialogs::presetSaveFileName(target.path);
            save->click();
            ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
            EXPECT_TRUE(Dialogs::recordedMessages().first().text.contains(QDir::toNativeSeparators(target.path)));
            expectUntouched(target);
        }
    }
}

TEST_F(FailedSave, SettingsFileShowsTheErrorAndKeepsTheOldFile)
{
    for (const BlockedTarget &target : blockedTargets()) {
        SCOPED_TRACE(target.what);
        Dialogs::clearPresets();
        Dialogs::setRecordMessages(true);
        TFormMain w(target.path);
        w.show();
        w.btn_close->click();
        EXPECT_TRUE(w.isVisible()) << "the window stays open when its settings cannot be kept";
        ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
        expectUntouched(target);
    }
}

} // namespace
