#include "info/TfrmInfo.h"
#include "tests/app/MainWindowFixture.h"
#include "ui/TextColour.h"

#include <QStyle>

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

const QStringList LoadedFile{
    QStringLiteral(":020000040000FA"),
    QStringLiteral(":0C0000008C3001280511003000000000A5"),
    QStringLiteral(":0401A00000008C00CF"),
    QStringLiteral(":084000000100030005000100A6"),
    QStringLiteral(":02400E00FF3F72"),
    QStringLiteral(":06423000110012000500EF"),
    QStringLiteral(":00000001FF"),
};

QStringList memoLines(const QPlainTextEdit *memo)
{
    return memo->toPlainText().split(QLatin1Char('\n'));
}

QByteArray fileContent(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

class InfoDialogTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        loadedPath = writeFile(QStringLiteral("loaded.hex"), fileContent(LoadedFile));
        w.loadHexFile(loadedPath);
        ASSERT_EQ(w.document().session().image.eeprom[26], QStringLiteral("05"));
        Dialogs::setRecordMessages(true); // forget what the load said
    }

    // Compares the image with a second file through the dialog's button handler.
    void compareWith(TfrmInfo &dlg, const QStringList &lines)
    {
        Dialogs::presetOpenFileName(writeFile(QStringLiteral("second.hex"), fileContent(lines)));
        dlg.btn_compareClick();
    }

    TFormMain w{settingsPath()};
    QString loadedPath;
};

} // namespace

TEST_F(InfoDialogTest, ShowsImageValuesAndDumpsAtConstruction)
{
    TfrmInfo dlg(w.document().session().image, statusPanelText(w, 4), &w);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("HEX File Information"));
    EXPECT_EQ(dlg.size(), QSize(750, 700));
    EXPECT_EQ(dlg.edt_config->text(), QStringLiteral("FF3F"));
    EXPECT_EQ(dlg.edt_ID->text(), QStringLiteral("1351"));
    EXPECT_FALSE(dlg.edt_ID->isEnabled());
    EXPECT_EQ(memoLines(dlg.Memo1a), QStringList({"0x000:FFFFFFFFFFFFFFFF FFFFFFFFFFFFFFFF", "0x010:FFFFFFFFFFFFFFFF 111205"}));
    const QStringList rom = memoLines(dlg.Memo3a);
    ASSERT_EQ(rom.size(), 1 + 16 + 1 + 11);
    EXPECT_EQ(rom[1], QStringLiteral("0x0000:8C30012805110030 00000000FF3FFF3F"));
    EXPECT_EQ(rom.last(), QStringLiteral("0x01A0:00008C00"));
}

TEST_F(InfoDialogTest, SameFileGivesFourZeroCountsAndNamesBothFiles)
{
    TfrmInfo dlg(w.document().session().image, statusPanelText(w, 4), &w);
    Dialogs::presetOpenFileName(loadedPath);
    dlg.btn_compareClick();
    EXPECT_EQ(memoLines(dlg.Memo1a), QStringList({"", " ", "   0 gefundene Unterschiede im EEprom"}));
    EXPECT_EQ(memoLines(dlg.Memo3a),
              QStringList({" ", "   0 gefundene Unterschiede im ROM", "   0 gefundene Unterschiede in ID",
                           "   0 gefundene Unterschiede in Config"}));
    EXPECT_EQ(dlg.statusPanelText(0), QStringLiteral("File 1 = ") + loadedPath);
    EXPECT_EQ(dlg.statusPanelText(1), QStringLiteral("File 2 = ") + loadedPath);
    EXPECT_TRUE(Dialogs::recordedMessages().isEmpty());
}

TEST_F(InfoDialogTest, ChangedEepromByteReportedWithTheFilesOldValue)
{
    w.document().session().image.eeprom[26] = QStringLiteral("07"); // as an applied edit leaves it
    TfrmInfo dlg(w.document().session().image, statusPanelText(w, 4), &w);
    Dialogs::presetOpenFileName(loadedPath);
    dlg.btn_compareClick();
    EXPECT_EQ(memoLines(dlg.Memo1a),
              QStringList({"", "EE0x1a: File1:0x07 - File2:0x05", " ", "   1 gefundene Unterschiede im EEprom"}));
    EXPECT_EQ(dlg.eepromDiffs, 1);
    EXPECT_EQ(dlg.romDiffs, 0);
    EXPECT_EQ(w.document().session().image.eeprom[26], QStringLiteral("07")); // the image is left alone
}

TEST_F(InfoDialogTest, ShorterSecondFileReportsOnlyItsOwnRecords)
{
    TfrmInfo dlg(w.document().session().image, statusPanelText(w, 4), &w);
    compareWith(dlg, {QStringLiteral(":0401A00000000C004F"), QStringLiteral(":00000001FF")});
    EXPECT_EQ(memoLines(dlg.Memo1a), QStringList({"", " ", "   0 gefundene Unterschiede im EEprom"}));
    EXPECT_EQ(memoLines(dlg.Memo3a),
              QStringList({"ROM 0x01a2: File1:0x8C - File2:0x0C", " ", "   1 gefundene Unterschiede im ROM",
                           "   0 gefundene Unterschiede in ID", "   0 gefundene Unterschiede in Config"}));

    // The second file's lines are compared upper-cased.
    TfrmInfo lowerCase(w.document().session().image, statusPanelText(w, 4), &w);
    compareWith(lowerCase, {QStringLiteral(":0401a00000000c004f"), QStringLiteral(":00000001ff")});
    EXPECT_EQ(memoLines(lowerCase.Memo3a), memoLines(dlg.Memo3a));
}

TEST_F(InfoDialogTest, CancelledFileDialogLeavesBothMemosEmpty)
{
    TfrmInfo dlg(w.document().session().image, statusPanelText(w, 4), &w);
    Dialogs::presetOpenFileName(QString());
    dlg.btn_compareClick();
    EXPECT_TRUE(dlg.Memo1a->toPlainText().isEmpty());
    EXPECT_TRUE(dlg.Memo3a->toPlainText().isEmpty());
    EXPECT_TRUE(dlg.statusPanelText(1).isEmpty());
}

TEST_F(InfoDialogTest, RefusedLineKeepsEarlierDifferencesWithoutSummary)
{
    const QList<QPair<QString, QString>> cases{
        {QStringLiteral(":100FF800000102030405060708090A0B0C0D0E0F00"), QStringLiteral("E200: ")},
        {QStringLiteral(":0250000000"), QStringLiteral("E301: ")},
        {QStringLiteral(":00000001fe"), QStringLiteral("E302: Unerwarteter End File Record: :00000001FE")},
        {QStringLiteral(":02000002000000"), QStringLiteral("E303: ")},
        {QStringLiteral(":0400000300000000F9"), QStringLiteral("E304: ")},
        {QStringLiteral(":020000040001F9"), QStringLiteral("E305: ")},
        {QString(), QStringLiteral("E300: Unerwartete Zeile im File: ")},
        {QStringLiteral(":1000100000"), QStringLiteral("E308: ")},
        {QStringLiteral(":1043F8000000000000000000000000000000000000"), QStringLiteral("E309: ")},
    };
    for (const auto &[line, message] : cases) {
        SCOPED_TRACE(line.toStdString());
        Dialogs::setRecordMessages(true);
        TfrmInfo dlg(w.document().session().image, statusPanelText(w, 4), &w);
        compareWith(dlg, {QStringLiteral(":0100000000FF"), line, QStringLiteral(":00000001FF")});
        ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
        EXPECT_TRUE(Dialogs::recordedMessages().first().text.startsWith(message));
        EXPECT_EQ(memoLines(dlg.Memo3a).first(), QStringLiteral("ROM 0x0000: File1:0x8C - File2:0x00"));
        EXPECT_FALSE(dlg.Memo3a->toPlainText().contains(QStringLiteral("gefundene")));
    }
}

TEST_F(InfoDialogTest, SecondFileOfMoreThan512LinesIsNotCompared)
{
    TfrmInfo dlg(w.document().session().image, statusPanelText(w, 4), &w);
    compareWith(dlg, QStringList(513, QStringLiteral(":0100000000FF")));
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_EQ(Dialogs::recordedMessages().first().text,
              QStringLiteral("E307: Zu viele Zeilen im File (mehr als 512): 513 Zeilen"));
    EXPECT_TRUE(dlg.Memo3a->toPlainText().isEmpty());
    EXPECT_EQ(dlg.romDiffs + dlg.eepromDiffs + dlg.idDiffs + dlg.configDiffs, 0);
}

// Each compare starts from zero: a second compare that is cancelled or refused
// shows no counts of the first.
TEST_F(InfoDialogTest, EachCompareStartsItsCountsFromZero)
{
    const struct {
        const char *second;
        QStringList lines; // empty: the file dialog is cancelled
    } cases[] = {
        {"cancelled", {}},
        {"too many lines", QStringList(513, QStringLiteral(":0100000000FF"))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.second);
        w.document().session().image.eeprom[26] = QStringLiteral("07");
        TfrmInfo dlg(w.document().session().image, statusPanelText(w, 4), &w);
        Dialogs::presetOpenFileName(loadedPath);
        dlg.btn_compareClick();
        ASSERT_EQ(dlg.eepromDiffs, 1);
        if (c.lines.isEmpty()) {
            Dialogs::presetOpenFileName(QString());
            dlg.btn_compareClick();
        } else {
            compareWith(dlg, c.lines);
        }
        EXPECT_EQ(dlg.eepromDiffs + dlg.romDiffs + dlg.idDiffs + dlg.configDiffs, 0);
        EXPECT_FALSE(dlg.Memo1a->toPlainText().contains(QStringLiteral("EE0x1a")));
    }
}

// The Config and ID values stay in disabled fields, and their text reads on
// the disabled background in a light look (the style's own) and in a dark
// one that greys disabled text as dark themes do.
TEST_F(InfoDialogTest, DisabledValuesReadInALightAndADarkLook)
{
    QPalette dark = QApplication::style()->standardPalette();
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(QPalette::Disabled, QPalette::Base, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x50, 0x50, 0x50));
    const QPalette before = QApplication::palette();
    for (const auto &[look, palette] : {std::pair{"light", QApplication::style()->standardPalette()}, std::pair{"dark", dark}}) {
        QApplication::setPalette(palette);
        TfrmInfo dlg(w.document().session().image, statusPanelText(w, 4), &w);
        for (const QLineEdit *field : {dlg.edt_config, dlg.edt_ID}) {
            EXPECT_FALSE(field->isEnabled()) << look;
            const QPalette shown = field->palette();
            EXPECT_GE(contrastRatio(shown.color(QPalette::Disabled, QPalette::Text),
                                    shown.color(QPalette::Disabled, QPalette::Base)),
                      4.5)
                << look << " " << field->objectName().toStdString();
        }
    }
    QApplication::setPalette(before);
}
