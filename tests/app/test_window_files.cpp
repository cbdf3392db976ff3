// Files reaching the main window from outside the dialogs: a dropped file
// loads as "HEX laden" loads it, and a save is read back before it counts.
#include "WindowParts.h"
#include "EditorFrames.h"
#include "SlotRows.h"
#include "MainWindowFixture.h"
#include "app/FileActions.h"
#include "common/PlantedReadBack.h"
#include "frames/Frame_zusatz/TFrameZusatz.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class WindowFilesTest : public MainWindowTest {
protected:
    // What a user sees of a load: messages, status panels, save button, slots.
    static QStringList visibleState(const TFormMain &w)
    {
        QStringList state;
        for (const UserMessage &m : Dialogs::recordedMessages())
            state << QStringLiteral("message: ") + m.text;
        for (int panel = 0; panel < TFormMain::StatusPanelCount; ++panel)
            state << statusPanelText(w, panel);
        state << (w.btn_save->isEnabled() ? QStringLiteral("save on") : QStringLiteral("save off"));
        state << QString::number(w.document().session().typeCode());
        for (int s = 0; s < TFormMain::SlotCount; ++s) {
            if (slotShown(w, s))
                state << QStringLiteral("%1=%2").arg(s).arg(gridOf(w).edtAddress[s]->text());
        }
        return state;
    }

    // Sends a drag entering and a drop of the given data to the widget; true
    // when the drag was accepted.
    static bool drop(QWidget &target, QMimeData &data)
    {
        const QPoint centre = target.rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        QDropEvent dropped(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &dropped);
        return enter.isAccepted();
    }

    static QMimeData *urls(const QList<QUrl> &list)
    {
        auto *data = new QMimeData;
        data->setUrls(list);
        return data;
    }
};

// A good file, one that stops at a bad line and one that cannot be read: the
// drop leaves the window as the open dialog's load does.
TEST_F(WindowFilesTest, DroppedHexFileLoadsAsHexLadenDoes)
{
    const QString good = QStringLiteral(QUAXEL_SOURCE_DIR "/samples/full-457-led-signal-001-dcc.hex");
    const QString bad = writeFile(QStringLiteral("bad.hex"), QByteArray(Torvel).replace(":02400E00", "\r\n:02400E00"));
    const QString tooLong = writeFile(QStringLiteral("long.hex"), QByteArray(":00000001FF\r\n").repeated(513));
    for (const QString &path : {good, bad, tooLong}) {
        SCOPED_TRACE(path.toStdString());
        TFormMain viaDialog(settingsPath());
        Dialogs::setRecordMessages(true);
        Dialogs::presetOpenFileName(path);
        viaDialog.btn_loadClick();
        const QStringList expected = visibleState(viaDialog);

        // Onto the window, and onto an address edit with the path as text too,
        // as file managers send it.
        for (const bool ontoEdit : {false, true}) {
            TFormMain viaDrop(settingsPath());
            Dialogs::setRecordMessages(true);
            std::unique_ptr<QMimeData> data(urls({QUrl::fromLocalFile(path)}));
            if (ontoEdit) {
                makeEverySlotRow(viaDrop);
                data->setText(path);
            }
            EXPECT_TRUE(drop(ontoEdit ? static_cast<QWidget &>(*gridOf(viaDrop).edtAddress[1]) : viaDrop, *data));
            EXPECT_EQ(visibleState(viaDrop), expected) << "onto the edit: " << ontoEdit;
        }
    }
}

TEST_F(WindowFilesTest, OtherDropsAreIgnored)
{
    TFormMain w(settingsPath());
    const QString loaded = writeFile(QStringLiteral("torvel.hex"), Torvel);
    w.loadHexFile(loaded);
    Dialogs::setRecordMessages(true);
    const QStringList before = visibleState(w);

    const QString textFile = writeFile(QStringLiteral("torvel.txt"), Torvel);
    const QString other = writeFile(QStringLiteral("other.hex"), Torvel);
    std::vector<std::unique_ptr<QMimeData>> drops;
    drops.emplace_back(urls({QUrl::fromLocalFile(textFile)}));
    drops.emplace_back(urls({QUrl::fromLocalFile(other), QUrl::fromLocalFile(loaded)}));
    drops.emplace_back(urls({QUrl(QStringLiteral("https://example.org/firmware.hex"))}));
    drops.emplace_back(new QMimeData);
    drops.back()->setText(other);
    for (const auto &data : drops) {
        EXPECT_FALSE(drop(w, *data)) << data->formats().join(' ').toStdString();
        EXPECT_EQ(visibleState(w), before);
    }
}

// The file does not read back as it was written: the save shows why it failed,
// the file saved over keeps its bytes and the window the name of the file it had.
TEST_F(WindowFilesTest, SaveThatDoesNotReadBackFails)
{
    TFormMain w(settingsPath());
    const QString loaded = writeFile(QStringLiteral("torvel.hex"), Torvel);
    w.loadHexFile(loaded);
    Dialogs::setRecordMessages(true);
    auto *files = w.findChild<FileActions *>(QStringLiteral("fileActions"));
    ASSERT_TRUE(files);
    const PlantedReadBack planted([](InputFile &file) {
        file.content += ":02420000AA0012\r\n"; // EEPROM byte 0 becomes AA
    });
    // The file saved over holds other bytes: they stay.
    const QString out = writeFile(QStringLiteral("saved.hex"), "old bytes\n");
    Dialogs::presetSaveFileName(out);
    w.btn_saveClick();

    const QList<UserMessage> messages = Dialogs::recordedMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.first().kind, BoxKind::WarningOk);
    EXPECT_EQ(messages.first().text,
              QStringLiteral("Die gespeicherte Datei enthält andere Daten als gespeichert:\n%1\n"
                             "EEPROM 0x00: gespeichert 0xFF, gelesen 0xAA (1 Unterschiede)\nBitte nicht brennen!")
                  .arg(out));
    EXPECT_EQ(statusPanelText(w, 4), loaded);
    QFile kept(out);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old bytes\n"));
}

// Files that are no regular file, or far too big, are refused before a byte is
// read (a FIFO would hang the window, /dev/zero fill its memory): as the HEX
// file the load shows why and changes nothing; as the settings file the
// window starts with its defaults. A bad line's terminal escapes are shown
// escaped in the message box.
TEST_F(WindowFilesTest, HostileFilesAreRefusedAndShownSafely)
{
    const QString fifo = dir.filePath(QStringLiteral("pipe.hex"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0644), 0);
    const QString folder = dir.filePath(QStringLiteral("folder.hex"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString sparse = writeFile(QStringLiteral("sparse.hex"), QByteArray());
    ASSERT_EQ(::truncate(sparse.toLocal8Bit().constData(), 1LL << 31), 0);
    const struct {
        QString path;
        QString reason;
    } rows[] = {
        {fifo, QStringLiteral("ist ein FIFO (benannte Pipe), keine reguläre Datei")},
        {folder, QStringLiteral("ist ein Ordner, keine reguläre Datei")},
        {sparse, QStringLiteral("ist zu groß (2147483648 Bytes)")},
        {QStringLiteral("/dev/zero"), QStringLiteral("ist ein zeichenorientiertes Gerät, keine reguläre Datei")},
    };
    TFormMain defaults(dir.filePath(QStringLiteral("missing.ini")));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        TFormMain w(row.path);
        EXPECT_EQ(w.geometry(), defaults.geometry());
        w.loadHexFile(writeFile(QStringLiteral("good.hex"), Torvel));
        Dialogs::setRecordMessages(true);
        const QStringList before = visibleState(w);
        EXPECT_FALSE(w.loadHexFile(row.path));
        ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
        EXPECT_EQ(Dialogs::recordedMessages().first().text, row.path + QStringLiteral(":\n") + row.reason
                                                                + (row.reason.startsWith(QStringLiteral("ist zu groß"))
                                                                       ? QStringLiteral(": keine gültige Datei hat mehr als 1048576; sie wird nicht gelesen")
                                                                       : QStringLiteral("; sie wird nicht gelesen")));
        Dialogs::setRecordMessages(true);
        EXPECT_EQ(visibleState(w), before);
    }

    TFormMain w(settingsPath());
    Dialogs::setRecordMessages(true);
    EXPECT_FALSE(w.loadHexFile(writeFile(QStringLiteral("escapes.hex"), ":00000007\x1B]0;owned\x07\x1B[2J\r\n")));
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_EQ(Dialogs::recordedMessages().first().text,
              QStringLiteral("E206: Unerwartete Zeile im File: :00000007\\x1B]0;OWNED\\x07\\x1B[2J"));
}

} // namespace

// The editor frames, and groups of their controls, are made when a type
// first needs them; a file dropped onto one of their edits is still the
// window's to load, not text for the edit.
TEST_F(WindowFilesTest, FilesDroppedOntoAnEditorFrameMadeLaterLoad)
{
    struct Case {
        const char *sample;
        std::function<QLineEdit *(TFormMain &)> edit;
    };
    const Case cases[] = {
        {"demo.hex", [](TFormMain &w) { return editorFrame<TFrameZusatz>(w)->edt_zusatz; }},
        // The minimum count, made after the frame for the type that shows it.
        {"113-led-dekoder-haus-dcc.hex", [](TFormMain &w) { return editorFrame<TFrameZusatz>(w)->edt_mindestAnzahl; }},
        {"615-led-dekoder-ampel-ab-v3-41-dcc.hex", [](TFormMain &w) { return editorFrame<TFrameZusatz>(w)->extra_edt[1]; }},
    };
    TFormMain w(settingsPath());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sample);
        ASSERT_TRUE(w.loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + QString::fromLatin1(c.sample)));
        ASSERT_NE(editorFrame<TFrameZusatz>(w), nullptr);
        QLineEdit *edit = c.edit(w);
        ASSERT_NE(edit, nullptr);
        const QString before = edit->text();
        const QString other = QStringLiteral(QUAXEL_SOURCE_DIR "/samples/12543-drehscheibe-48-position-dcc.hex");
        std::unique_ptr<QMimeData> data(urls({QUrl::fromLocalFile(other)}));
        data->setText(other);
        EXPECT_TRUE(drop(*edit, *data));
        EXPECT_EQ(w.document().session().filePath, other);
        EXPECT_EQ(w.document().session().typeCode(), 12543);
        EXPECT_EQ(edit->text(), before);
    }
}
