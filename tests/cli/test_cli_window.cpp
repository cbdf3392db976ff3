// The command line and the window agree: info shows what the main window shows
// after "HEX laden", diff lists what the information dialog lists, and a file
// written by set loads in the window with the new addresses.
#include "WindowParts.h"
#include "SlotRows.h"
#include "cli/CliCommands.h"
#include "common/Samples.h"
#include "info/TfrmInfo.h"
#include "samples/SampleList.h"
#include "tests/app/MainWindowFixture.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {


// Every bundled sample and, when gpasm built them, the assembler's fixtures.
QStringList firmwareFiles()
{
    QStringList files;
    for (const QString &name : QDir(samplesDir()).entryList({QStringLiteral("*.hex")}, QDir::Files))
        files << samplesDir() + QLatin1Char('/') + name;
#ifdef QUAXEL_ASM_HEX_DIR
    for (const QString &name : QDir(QStringLiteral(QUAXEL_ASM_HEX_DIR)).entryList({QStringLiteral("*.hex")}, QDir::Files))
        files << QStringLiteral(QUAXEL_ASM_HEX_DIR "/") + name;
#endif
    return files;
}

class CliWindowTest : public MainWindowTest {
protected:
    // Loads the file into a fresh window (messages recorded, not shown).
    TFormMain &windowWith(const QString &path)
    {
        window = std::make_unique<TFormMain>(settingsPath());
        Dialogs::setRecordMessages(true);
        window->loadHexFile(path);
        return *window;
    }
    std::unique_ptr<TFormMain> window;
};

TEST_F(CliWindowTest, InfoShowsWhatTheWindowShows)
{
    const QStringList files = firmwareFiles();
    ASSERT_GT(files.size(), 100);
    for (const QString &path : files) {
        SCOPED_TRACE(path.toStdString());
        const CliOutput o = runCli({"info", path, "--json"});
        ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
        const QJsonObject info = QJsonDocument::fromJson(o.out.toUtf8()).object();
        const TFormMain &w = windowWith(path);

        EXPECT_EQ(info["typeCode"].toInt(), w.document().session().typeCode());
        // Panel 3 shows the label, or the type words of an unknown type.
        const QString label = info["label"].toString();
        EXPECT_EQ(label.isEmpty() ? idPanelText(w.document().session().ids()) : label, statusPanelText(w, 3));
        EXPECT_EQ(info["protocol"].toString(), statusPanelText(w, 2));
        EXPECT_EQ(QStringLiteral("ID: ") + info["id"].toString(), statusPanelText(w, 0).isEmpty()
                                                                     ? QStringLiteral("ID: ")
                                                                     : statusPanelText(w, 0));
        EXPECT_EQ(QStringLiteral("V ") + info["version"].toString(), statusPanelText(w, 1).isEmpty()
                                                                        ? QStringLiteral("V ")
                                                                        : statusPanelText(w, 1));
        EXPECT_EQ(info["idWords"].toString(), w.document().session().image.idText);
        EXPECT_EQ(info["config"].toString(), w.document().session().image.configText);
        // The unrecognised warning: in the window as a message, on the command line on stderr.
        const bool warned = !Dialogs::recordedMessages().isEmpty();
        EXPECT_EQ(!info["recognised"].toBool(), warned);
        EXPECT_EQ(o.err.contains(QStringLiteral("Das HEX-File konnte leider nicht erkannt werden")), warned);

        QList<int> shown;
        for (int s = 0; s < TFormMain::SlotCount; ++s) {
            if (slotShown(w, s))
                shown << s;
        }
        const QJsonArray slotList = info["slots"].toArray();
        ASSERT_EQ(slotList.size(), shown.size());
        for (qsizetype k = 0; k < shown.size(); ++k) {
            const int s = shown[k];
            const QJsonObject slot = slotList[k].toObject();
            EXPECT_EQ(slot["slot"].toInt(), s);
            EXPECT_EQ(slot["label"].toString(), gridOf(w).lblSlot[s]->text());
            EXPECT_EQ(QString::number(slot["address"].toInt()), gridOf(w).edtAddress[s]->text()) << "slot " << s;
            if (gridOf(w).btnRG[s]->isHidden())
                EXPECT_EQ(QString::number(slot["function"].toInt()), gridOf(w).edtFunction[s]->text()) << "slot " << s;
            else
                EXPECT_EQ(slot["green"].toBool(), w.document().session().slotValues[s].green) << "slot " << s;
        }
    }
}

QStringList memoLines(const QPlainTextEdit *memo) { return memo->toPlainText().split(QLatin1Char('\n')); }

// The lines of one section ("EEPROM" or "ROM") of diff's output.
QStringList section(const QString &out, const QString &name, const QString &next)
{
    const QStringList lines = out.split(QLatin1Char('\n'));
    const qsizetype start = lines.indexOf(name) + 1;
    const qsizetype end = next.isEmpty() ? lines.size() - 1 : lines.indexOf(next);
    return lines.mid(start, end - start);
}

TEST_F(CliWindowTest, DiffListsWhatTheDialogLists)
{
    const QString signal = samplePath("full-457-led-signal-001-dcc.hex");
    const QString changed = dir.filePath(QStringLiteral("changed.hex"));
    ASSERT_EQ(runCli({"set", signal, "-o", changed, "--slot", "1=77r", "--slot", "12=300g"}).exitCode, 0);
    QList<std::pair<QString, QString>> pairs{
        {signal, signal},
        {signal, changed},
        {samplePath("457-led-dekoder-signal-001-einfahrsignal-ab-v3-37-dcc.hex"),
         samplePath("457-led-dekoder-signal-001-einfahrsignal-ab-v3-37-mot.hex")},
        {samplePath("101-pellam-dcc.hex"), samplePath("613-pellam-ab-v3-51-dcc.hex")},
        {signal, samplePath("index.txt")},
    };
#ifdef QUAXEL_ASM_HEX_DIR
    pairs.append({QStringLiteral(QUAXEL_ASM_HEX_DIR "/pellam_dcc.hex"), samplePath("101-pellam-dcc.hex")});
#endif
    for (const auto &[first, second] : pairs) {
        SCOPED_TRACE(QFileInfo(first).fileName().toStdString() + " / " + QFileInfo(second).fileName().toStdString());
        CliOutput o = runCli({"diff", first, second});
        // After an error standard output stays empty; the listing as far as it
        // got is on standard error.
        if (o.exitCode == CliExit::Failed) {
            EXPECT_TRUE(o.out.isEmpty());
            o.out = o.err.left(o.err.indexOf(QStringLiteral("quaxel-cli: ")));
        }

        TFormMain &w = windowWith(first);
        TfrmInfo dlg(w.document().session().image, statusPanelText(w, 4), &w);
        Dialogs::setRecordMessages(true);
        Dialogs::presetOpenFileName(second);
        dlg.btn_compareClick();

        // The dialog's EEPROM memo starts with an empty line of its own.
        const QStringList eeprom = memoLines(dlg.Memo1a);
        ASSERT_EQ(eeprom.first(), QString());
        EXPECT_EQ(section(o.out, QStringLiteral("EEPROM"), QStringLiteral("ROM")), eeprom.mid(1));
        const QStringList rom = memoLines(dlg.Memo3a);
        EXPECT_EQ(section(o.out, QStringLiteral("ROM"), QString()), rom == QStringList{QString()} ? QStringList() : rom);

        const QList<UserMessage> shown = Dialogs::recordedMessages();
        if (!shown.isEmpty()) {
            EXPECT_EQ(o.exitCode, CliExit::Failed);
            EXPECT_TRUE(o.err.contains(shown.first().text)) << o.err.toStdString();
            continue;
        }
        const bool equal = dlg.eepromDiffs + dlg.romDiffs + dlg.idDiffs + dlg.configDiffs == 0;
        EXPECT_EQ(o.exitCode, equal ? CliExit::Ok : CliExit::Differ);
        EXPECT_EQ(equal, first == second);
    }
}

// set writes a file that the window loads with the new values, on samples and
// on assembled firmware that our writer never touched before.
TEST_F(CliWindowTest, SetThenLoadShowsTheNewAddresses)
{
    struct Row {
        QString input;
        QStringList slotArgs;
        std::vector<SampleSlot> expected;
    };
    std::vector<Row> rows{
        {samplePath("full-457-led-signal-001-dcc.hex"), {"1=2044r", "2=g", "12=0"}, {{1, 2044, 'r'}, {2, 2, 'g'}, {12, 0}}},
        {samplePath("full-15872-led-function-decoder-mot.hex"), {"2=255/4", "3=/1"}, {{2, 255, 'f', 4}, {3, 81, 'f', 1}}},
        {samplePath("2-kandor-spur-1-mot.hex"), {"1=320g"}, {{1, 320, 'g'}}},
        {samplePath("12543-drehscheibe-48-position-dcc.hex"), {"31=1500r", "4=1g"}, {{31, 1500, 'r'}, {4, 1, 'g'}}},
    };
#ifdef QUAXEL_ASM_HEX_DIR
    rows.push_back({QStringLiteral(QUAXEL_ASM_HEX_DIR "/kandor_mot.hex"), {"1=5r", "2=300g"}, {{1, 5, 'r'}, {2, 300, 'g'}}});
    rows.push_back({QStringLiteral(QUAXEL_ASM_HEX_DIR "/led_function_dcc.hex"), {"5=9999/12"}, {{5, 9999, 'f', 12}}});
#endif
    for (const Row &row : rows) {
        SCOPED_TRACE(row.input.toStdString());
        const QString out = dir.filePath(QStringLiteral("set.hex"));
        QStringList args{"set", row.input, "-o", out};
        for (const QString &slot : row.slotArgs)
            args << QStringLiteral("--slot") << slot;
        const CliOutput o = runCli(args);
        ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();

        TFormMain w(settingsPath());
        w.loadHexFile(out);
        EXPECT_TRUE(Dialogs::recordedMessages().isEmpty());
        for (const SampleSlot &slot : row.expected) {
            const int s = slot.slot;
            EXPECT_EQ(gridOf(w).edtAddress[s]->text(), QString::number(slot.address)) << "slot " << s;
            if (slot.form == 'g' || slot.form == 'r') {
                EXPECT_EQ(w.document().session().slotValues[s].green, slot.form == 'g') << "slot " << s;
            }
            if (slot.form == 'f') {
                EXPECT_EQ(gridOf(w).edtFunction[s]->text(), QString::number(slot.function)) << "slot " << s;
            }
        }
        // Every other shown slot is as the input file holds it (hidden slots may
        // share the changed slots' bytes).
        TFormMain before(settingsPath());
        before.loadHexFile(row.input);
        for (int s = 0; s < TFormMain::SlotCount; ++s) {
            const bool changed = std::any_of(row.expected.begin(), row.expected.end(),
                                             [s](const SampleSlot &slot) { return slot.slot == s; });
            if (!changed && slotShown(before, s)) {
                EXPECT_EQ(gridOf(w).edtAddress[s]->text(), gridOf(before).edtAddress[s]->text()) << "slot " << s;
            }
        }
        EXPECT_EQ(w.document().session().image.rom, before.document().session().image.rom);
    }
}

} // namespace
