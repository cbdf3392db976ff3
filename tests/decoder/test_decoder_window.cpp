// The main window after loading a decoder firmware: type, slots, frames, and
// writing the slots back before a save.
#include "WindowParts.h"
#include "EditorFrames.h"
#include "SlotRows.h"
#include "ui/Dialogs.h"
#include "app/TFormMain.h"
#include "decoder/DecoderTypes.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"
#include "frames/Frame_register/TFrameRegister.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Frame_tamb_adr/TFrameTambAdr.h"
#include "frames/Frame_zusatz/TFrameZusatz.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

enum class Marker { None, Motorola, Dcc };

// A firmware written as HEX text: program bytes and EEPROM bytes by index.
struct TestFirmware {
    std::map<int, int> rom;
    std::map<int, int> eeprom;

    static TestFirmware ofType(int typeCode, Marker marker)
    {
        TestFirmware f;
        for (int word = 0; word < 3; ++word) {
            f.rom[2 * word] = (typeCode >> (8 * word)) & 0xFF;
            f.rom[2 * word + 1] = 0x30;
        }
        f.mark(marker);
        return f;
    }

    void mark(Marker marker)
    {
        if (marker == Marker::Motorola) {
            rom[16] = 0x8B;
            rom[17] = 0x1C;
        } else if (marker == Marker::Dcc) {
            rom[16] = 0x05;
            rom[17] = 0x19;
        }
    }

    void slot(int s, const char *code)
    {
        const int j = s < 16 ? s : 64 + (s - 16) % 16;
        const QByteArray bytes = QByteArray::fromHex(code);
        eeprom[j] = static_cast<unsigned char>(bytes[0]);
        eeprom[j + 16] = static_cast<unsigned char>(bytes[1]);
        eeprom[j + 32] = static_cast<unsigned char>(bytes[2]);
    }

    static QByteArray record(int address, const QByteArray &data)
    {
        QByteArray body;
        body.append(char(data.size()));
        body.append(char(address >> 8));
        body.append(char(address & 0xFF));
        body.append(char(0));
        body.append(data);
        int sum = 0;
        for (char c : body)
            sum += static_cast<unsigned char>(c);
        body.append(char((0x100 - (sum & 0xFF)) & 0xFF));
        return ':' + body.toHex().toUpper() + "\r\n";
    }

    QByteArray hex() const
    {
        QByteArray text = ":020000040000FA\r\n";
        const int lastRomLine = rom.empty() ? 0 : rom.rbegin()->first / 16;
        for (int line = 0; line <= lastRomLine; ++line) {
            QByteArray data;
            for (int k = 16 * line; k < 16 * line + 16; ++k) {
                const auto it = rom.find(k);
                data.append(char(it != rom.end() ? it->second : (k % 2 == 0 ? 0xFF : 0x3F)));
            }
            text += record(16 * line, data);
        }
        text += ":084000000100030005000100AE\r\n:02400E003A3F37\r\n";
        for (int line = 0; line < 16; ++line) {
            QByteArray data;
            for (int i = 8 * line; i < 8 * line + 8; ++i) {
                const auto it = eeprom.find(i);
                data.append(char(it != eeprom.end() ? it->second : 0xFF));
                data.append(char(0));
            }
            text += record(0x4200 + 16 * line, data);
        }
        return text + ":00000001FF\r\n";
    }
};

// "HEX speichern" up to the save dialog, which is cancelled: the slot texts
// go into the image, or the first one the rules refuse is told and gets the
// focus. True when they went in.
bool writeSlotsBySave(TFormMain &w)
{
    const qsizetype told = Dialogs::recordedMessages().size();
    Dialogs::presetSaveFileName(QString());
    w.btn_save->click();
    const bool written = Dialogs::recordedMessages().size() == told;
    if (!written) // the save stopped before its dialog: the answer is not needed
        Dialogs::getSaveFileName(nullptr, QString(), QString(), QString());
    return written;
}

class DecoderWindow : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Dialogs::clearPresets();
        Dialogs::setRecordMessages(true);
        window = std::make_unique<TFormMain>(dir.filePath(QStringLiteral("quaxel.ini")));
    }
    void TearDown() override
    {
        window.reset();
        Dialogs::setRecordMessages(false);
        Dialogs::clearPresets();
    }

    void load(const TestFirmware &firmware)
    {
        const QString path = dir.filePath(QStringLiteral("test%1.hex").arg(++files));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(firmware.hex());
        file.close();
        window->loadHexFile(path);
    }

    QColor addressColour(int s) const { return gridOf(*window).edtAddress[s]->palette().color(QPalette::Base); }
    QString storedCode(int s) const
    {
        const int j = s < 16 ? s : 64 + (s - 16) % 16;
        return window->document().session().image.eeprom[j] + window->document().session().image.eeprom[j + 16] + window->document().session().image.eeprom[j + 32];
    }
    QList<UserMessage> messages() const { return Dialogs::recordedMessages(); }

    QTemporaryDir dir;
    std::unique_ptr<TFormMain> window;
    int files = 0;
};

const QColor Green(0x00, 0xFF, 0x00);
const QColor Red(0xFF, 0x00, 0x00);

// ---------------------------------------------------------------- identification

// A frame that was never made is not shown either.
bool shown(const QWidget *frame)
{
    return frame && !frame->isHidden();
}

TEST_F(DecoderWindow, EveryTypeLabelsItsSlotsAndShowsItsFrame)
{
    for (const DecoderType &type : decoderTypeTable()) {
        for (int code : type.codes) {
            SCOPED_TRACE(code);
            load(TestFirmware::ofType(code, Marker::Dcc));
            makeEverySlotRow(*window);
            EXPECT_EQ(window->document().session().typeCode(), code);
            EXPECT_EQ(statusPanelText(*window, 3), type.label);
            EXPECT_EQ(statusPanelText(*window, 2), QStringLiteral("DCC"));
            EXPECT_EQ(window->document().session().isAccessory(), type.kind == SlotKind::Accessory);
            EXPECT_EQ(window->document().session().isFunctionDecoder(), type.kind == SlotKind::Function);
            for (int s = 0; s < TFormMain::SlotCount; ++s) {
                const bool labelled = !type.slotLabel(s).isEmpty();
                EXPECT_EQ(gridOf(*window).lblSlot[s]->text(), type.slotLabel(s)) << s;
                EXPECT_EQ(!gridOf(*window).lblSlot[s]->isHidden(), labelled) << s;
                EXPECT_EQ(!gridOf(*window).edtAddress[s]->isHidden(), labelled) << s;
                EXPECT_EQ(!gridOf(*window).btnRG[s]->isHidden(), labelled && window->document().session().isAccessory()) << s;
                EXPECT_EQ(!gridOf(*window).edtFunction[s]->isHidden(), labelled && !window->document().session().isAccessory()) << s;
            }
            EXPECT_EQ(shown(editorFrame<TFrameZusatz>(*window)), type.frame == EditorFrameKind::Modes);
            EXPECT_EQ(shown(editorFrame<TFrameBlinkmuster>(*window)), type.frame == EditorFrameKind::Blink);
            EXPECT_EQ(shown(editorFrame<TFrameBlinkmuster_led>(*window)), type.frame == EditorFrameKind::LedBlink);
            EXPECT_EQ(shown(editorFrame<TFrameTamb>(*window)), type.frame == EditorFrameKind::Servo);
            EXPECT_EQ(shown(editorFrame<TFrameTambAdr>(*window)), type.frame == EditorFrameKind::Servo);
            EXPECT_EQ(shown(editorFrame<TFrameRegister>(*window)), type.frame == EditorFrameKind::CvList);
            EXPECT_TRUE(messages().isEmpty());
        }
    }
}

TEST_F(DecoderWindow, UnknownFirmwareIsReportedAndKeepsItsIdText)
{
    load(TestFirmware::ofType(12, Marker::Motorola));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Das HEX-File konnte leider nicht erkannt werden"));
    EXPECT_EQ(messages()[0].kind, BoxKind::WarningOk);
    EXPECT_EQ(statusPanelText(*window, 3), QStringLiteral("ID1:12 ID2:0 ID3:0"));
    makeEverySlotRow(*window);
    for (int s = 0; s < TFormMain::SlotCount; ++s)
        EXPECT_TRUE(gridOf(*window).lblSlot[s]->isHidden()) << s;
    EXPECT_TRUE(window->btn_save->isEnabled());
}

// What the grid shows of every slot (texts, visibility, places, colours, hints,
// fonts) and the order in which Tab visits the rows.
QStringList slotGrid(TFormMain &w)
{
    makeEverySlotRow(w);
    QStringList rows;
    for (int s = 0; s < TFormMain::SlotCount; ++s) {
        QStringList row;
        for (const QWidget *widget : {static_cast<QWidget *>(gridOf(w).lblSlot[s]), static_cast<QWidget *>(gridOf(w).edtAddress[s]),
                                      static_cast<QWidget *>(gridOf(w).edtFunction[s]), static_cast<QWidget *>(gridOf(w).btnRG[s])}) {
            const QRect g = widget->geometry();
            row << widget->objectName() << (widget->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"))
                << QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                << widget->toolTip() << widget->font().toString();
        }
        const QPalette colours = gridOf(w).edtAddress[s]->palette();
        row << gridOf(w).lblSlot[s]->text() << gridOf(w).edtAddress[s]->text() << gridOf(w).edtFunction[s]->text()
            << colours.color(QPalette::Base).name() << colours.color(QPalette::Text).name();
        rows << row.join(u'|');
    }
    QStringList tabOrder;
    for (QWidget *widget = w.btn_close->nextInFocusChain(); widget != w.btn_close; widget = widget->nextInFocusChain()) {
        if (widget->objectName().startsWith(QStringLiteral("edt")) || widget->objectName().startsWith(QStringLiteral("btnRG")))
            tabOrder << widget->objectName();
    }
    rows << tabOrder.join(u' ');
    return rows;
}

// A slot's row is made the first time a type names the slot. Whatever types
// came before, a window that made its rows late shows, and writes, what one
// with every row from the start does.
TEST_F(DecoderWindow, SlotRowsMadeLateLookAndWriteAsIfTheyHadAlwaysBeenThere)
{
    TestFirmware accessory = TestFirmware::ofType(11, Marker::Dcc);
    accessory.slot(1, "79F005");
    accessory.slot(3, "311CFD");
    TestFirmware motorola = TestFirmware::ofType(11, Marker::Motorola);
    motorola.slot(2, "0300C3");
    TestFirmware turntable;
    turntable.rom[274] = 0x17;
    turntable.mark(Marker::Dcc);
    TestFirmware largeTurntable;
    largeTurntable.rom[274] = 0x2F;
    largeTurntable.mark(Marker::Dcc);
    TestFirmware functions = TestFirmware::ofType(15616, Marker::Dcc);
    functions.slot(2, "025C15");
    const std::vector<TestFirmware> files = {accessory,      turntable, TestFirmware::ofType(12, Marker::Motorola),
                                             largeTurntable, functions, TestFirmware::ofType(11, Marker::None),
                                             motorola,       accessory};
    QStringList paths;
    for (const TestFirmware &firmware : files) {
        paths << dir.filePath(QStringLiteral("late%1.hex").arg(paths.size()));
        QFile file(paths.last());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(firmware.hex());
    }
    const QString settings = dir.filePath(QStringLiteral("quaxel.ini"));
    TFormMain eager(settings);
    makeEverySlotRow(eager);
    for (qsizetype n = 0; n < paths.size(); ++n) {
        SCOPED_TRACE(n);
        eager.loadHexFile(paths[n]);
        TFormMain late(settings);
        for (qsizetype k = 0; k <= n; ++k)
            late.loadHexFile(paths[k]);
        EXPECT_EQ(writeSlotsBySave(late), writeSlotsBySave(eager));
        EXPECT_EQ(late.document().session().image.eeprom, eager.document().session().image.eeprom);
        const QStringList seenLate = slotGrid(late);
        const QStringList seenEager = slotGrid(eager);
        ASSERT_EQ(seenLate.size(), seenEager.size());
        for (qsizetype row = 0; row < seenLate.size(); ++row)
            EXPECT_EQ(seenLate[row].toStdString(), seenEager[row].toStdString());
    }
}

TEST_F(DecoderWindow, TurntablesBreakTheGridWhereTheirRowSays)
{
    TestFirmware small;
    small.rom[274] = 0x17;
    small.mark(Marker::Dcc);
    load(small);
    EXPECT_EQ(window->document().session().typeCode(), 1566720);
    EXPECT_EQ(gridOf(*window).lblSlot[7]->pos(), QPoint(5, 15 + 6 * 25 + 4));
    EXPECT_EQ(gridOf(*window).lblSlot[8]->pos(), QPoint(205, 19));
    EXPECT_EQ(gridOf(*window).edtAddress[8]->pos(), QPoint(305, 15));
    EXPECT_EQ(gridOf(*window).btnRG[8]->pos(), QPoint(355, 17));

    TestFirmware large;
    large.rom[274] = 0x2F;
    large.mark(Marker::Dcc);
    load(large);
    EXPECT_EQ(window->document().session().typeCode(), 12543);
    EXPECT_EQ(gridOf(*window).lblSlot[15]->pos(), QPoint(5, 15 + 14 * 25 + 4));
    EXPECT_EQ(gridOf(*window).lblSlot[16]->pos(), QPoint(205, 19));
    EXPECT_EQ(gridOf(*window).edtFunction[31]->pos(), QPoint(355, 15 + 15 * 25));
}

TEST_F(DecoderWindow, EditorFramesArePlacedBesideTheGrid)
{
    load(TestFirmware::ofType(8, Marker::Dcc));
    EXPECT_EQ(editorFrame<TFrameZusatz>(*window)->geometry(), QRect(410, 10, 320, 485));
    EXPECT_EQ(window->width(), 410 + 320 + 10);

    // The blink editors end 15 pixels beyond their take-over buttons; the window fits them.
    load(TestFirmware::ofType(1, Marker::Motorola));
    const QWidget *blink = editorFrame<TFrameBlinkmuster>(*window);
    const QWidget *takeOver = editorFrame<TFrameBlinkmuster>(*window)->blinkmuster_btn_uebernehmen;
    const QRect button(takeOver->mapTo(blink, QPoint(0, 0)), takeOver->size());
    EXPECT_EQ(blink->geometry(), QRect(410, 10, button.x() + button.width() + 15, button.y() + button.height() + 15));
    EXPECT_EQ(window->width(), 410 + blink->width() + 10);
    load(TestFirmware::ofType(221, Marker::Dcc));
    EXPECT_EQ(window->width(), 410 + editorFrame<TFrameBlinkmuster_led>(*window)->width() + 10);
    EXPECT_EQ(editorFrame<TFrameBlinkmuster_led>(*window)->pos(), QPoint(410, 10));

    load(TestFirmware::ofType(211, Marker::Dcc));
    EXPECT_EQ(editorFrame<TFrameTamb>(*window)->geometry(), QRect(410, 10, 550, 570));
    EXPECT_EQ(editorFrame<TFrameTambAdr>(*window)->geometry(), QRect(6, 120, 398, 530));
    EXPECT_TRUE(editorFrame<TFrameZusatz>(*window)->isHidden());

    load(TestFirmware::ofType(17408, Marker::Dcc));
    EXPECT_EQ(editorFrame<TFrameRegister>(*window)->geometry(), QRect(5, 8, 940, 555));
    EXPECT_TRUE(editorFrame<TFrameTamb>(*window)->isHidden());
    EXPECT_TRUE(messages().isEmpty());
}

// ---------------------------------------------------------------- slots

TEST_F(DecoderWindow, MotorolaAccessorySlotsShowAddressAndOutput)
{
    TestFirmware firmware = TestFirmware::ofType(10, Marker::Motorola);
    firmware.slot(1, "0300C3");
    firmware.slot(2, "00003F");
    load(firmware);
    EXPECT_EQ(statusPanelText(*window, 2), QStringLiteral("Mot"));
    EXPECT_EQ(window->document().session().maxAddress, 320);
    EXPECT_EQ(window->document().session().maxFunction, 4);
    EXPECT_EQ(gridOf(*window).edtAddress[1]->text(), QStringLiteral("1"));
    EXPECT_EQ(gridOf(*window).edtAddress[2]->text(), QStringLiteral("320"));
    EXPECT_EQ(addressColour(1), Green);
    EXPECT_EQ(addressColour(2), Red);
    EXPECT_EQ(gridOf(*window).edtAddress[1]->toolTip(),
              QStringLiteral("gültiger Adressbereich: 1 bis 320\n'0' für unbenutzt (keine Reaktion auf irgendeinen "
                             "Befehl)"));
    EXPECT_EQ(window->ProgressBar1->maximum(), 32);
    EXPECT_EQ(window->ProgressBar1->value(), 0);

    gridOf(*window).btnRG[1]->click();
    EXPECT_EQ(addressColour(1), Red);
    EXPECT_EQ(gridOf(*window).edtAddress[1]->text(), QStringLiteral("1"));
    ASSERT_TRUE(writeSlotsBySave(*window));
    EXPECT_EQ(storedCode(1), QStringLiteral("030003"));
    EXPECT_EQ(storedCode(2), QStringLiteral("00003F"));
}

TEST_F(DecoderWindow, DccAccessoryToggleAndErasedSlots)
{
    TestFirmware firmware = TestFirmware::ofType(101, Marker::Dcc);
    firmware.slot(1, "79F005");
    // slot 2 stays erased
    load(firmware);
    EXPECT_EQ(gridOf(*window).edtAddress[1]->text(), QStringLiteral("1"));
    EXPECT_EQ(gridOf(*window).edtAddress[2]->text(), QStringLiteral("0"));
    EXPECT_EQ(addressColour(1), Red);
    gridOf(*window).btnRG[1]->click();
    EXPECT_EQ(addressColour(1), Green);
    gridOf(*window).edtAddress[3]->setText(QStringLiteral("2044"));
    ASSERT_TRUE(writeSlotsBySave(*window));
    EXPECT_EQ(storedCode(1), QStringLiteral("78F205"));
    EXPECT_EQ(storedCode(2), QStringLiteral("000000"));
    EXPECT_EQ(storedCode(3), QStringLiteral("311CFD"));
    EXPECT_EQ(storedCode(5), QStringLiteral("FFFFFF")) << "unlabelled slots are never written";
}

TEST_F(DecoderWindow, FunctionFaultBeforeAddressFaultWithFocus)
{
    load(TestFirmware::ofType(16640, Marker::Dcc));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (int s = 1; s <= 5; ++s)
        gridOf(*window).edtAddress[s]->setText(QStringLiteral("0")); // erased slots read as 16383
    const auto eepromBefore = window->document().session().image.eeprom;
    makeEverySlotRow(*window);
    gridOf(*window).edtAddress[2]->setText(QStringLiteral("20000"));
    gridOf(*window).edtFunction[5]->setText(QStringLiteral("x"));
    gridOf(*window).edtAddress[9]->setText(QStringLiteral("-5")); // hidden: never reported

    EXPECT_FALSE(writeSlotsBySave(*window));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Ungültige Eingabe Funktion von <Hell-Dunkel> "));
    EXPECT_EQ(messages()[0].kind, BoxKind::WarningCancel);
    EXPECT_EQ(QApplication::focusWidget(), gridOf(*window).edtFunction[5]);

    gridOf(*window).edtFunction[5]->setText(QStringLiteral("12"));
    EXPECT_FALSE(writeSlotsBySave(*window));
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages()[1].text, QStringLiteral("Adresse für <Out 2> ist zu gross"));
    EXPECT_EQ(QApplication::focusWidget(), gridOf(*window).edtAddress[2]);
    EXPECT_EQ(window->document().session().image.eeprom, eepromBefore);

    gridOf(*window).edtAddress[2]->setText(QStringLiteral("128"));
    EXPECT_TRUE(writeSlotsBySave(*window));
    EXPECT_EQ(storedCode(5), QStringLiteral("A80000"));
    EXPECT_EQ(messages().size(), 2);
}

TEST_F(DecoderWindow, DccLocomotiveSlots)
{
    TestFirmware firmware = TestFirmware::ofType(15616, Marker::Dcc);
    firmware.slot(1, "822CC1");
    load(firmware);
    EXPECT_EQ(gridOf(*window).edtAddress[1]->text(), QStringLiteral("300"));
    EXPECT_EQ(gridOf(*window).edtFunction[1]->text(), QStringLiteral("2"));
    EXPECT_EQ(gridOf(*window).edtAddress[2]->text(), QStringLiteral("16383"));
    EXPECT_EQ(addressColour(1), QColor(Qt::white));
    EXPECT_EQ(gridOf(*window).edtFunction[1]->toolTip(), QStringLiteral("gültiger Bereich für die Funktions-Nummer: 1 bis 12"));

    EXPECT_FALSE(writeSlotsBySave(*window));
    EXPECT_EQ(messages().last().text, QStringLiteral("Adresse für <Out 2> ist zu gross"));
    gridOf(*window).edtAddress[2]->setText(QStringLiteral("128"));
    gridOf(*window).edtFunction[2]->setText(QStringLiteral("12"));
    gridOf(*window).edtAddress[3]->setText(QStringLiteral("100"));
    gridOf(*window).edtAddress[4]->setText(QStringLiteral("0"));
    ASSERT_TRUE(writeSlotsBySave(*window));
    EXPECT_EQ(storedCode(1), QStringLiteral("822CC1"));
    EXPECT_EQ(storedCode(2), QStringLiteral("A880C0"));
    EXPECT_EQ(storedCode(3), QStringLiteral("FF6400")) << "function 0 keeps the stored function code";
}

TEST_F(DecoderWindow, MotorolaLocomotiveAddressesStopAt255)
{
    TestFirmware firmware = TestFirmware::ofType(15616, Marker::Motorola);
    firmware.slot(1, "025C15");
    for (int s = 2; s <= 4; ++s)
        firmware.slot(s, "030051");
    load(firmware);
    EXPECT_EQ(gridOf(*window).edtAddress[1]->text(), QStringLiteral("83"));
    EXPECT_EQ(gridOf(*window).edtFunction[1]->text(), QStringLiteral("3"));
    EXPECT_TRUE(gridOf(*window).edtAddress[1]->toolTip().startsWith(QStringLiteral("gültiger Adressbereich: 1 bis 255\n")));

    gridOf(*window).edtAddress[1]->setText(QStringLiteral("256"));
    EXPECT_FALSE(writeSlotsBySave(*window));
    EXPECT_EQ(messages().last().text, QStringLiteral("Adresse für <Out 1> ist zu gross"));
    EXPECT_EQ(storedCode(1), QStringLiteral("025C15"));

    gridOf(*window).edtAddress[1]->setText(QStringLiteral("0"));
    gridOf(*window).edtFunction[1]->setText(QStringLiteral("1"));
    gridOf(*window).edtAddress[2]->setText(QStringLiteral("255"));
    ASSERT_TRUE(writeSlotsBySave(*window));
    EXPECT_EQ(storedCode(1), QStringLiteral("025C51")) << "address 0 keeps the stored address bytes";
    EXPECT_EQ(storedCode(2), QStringLiteral("02A451"));
}

TEST_F(DecoderWindow, WithoutProtocolSlotsAreHiddenAndWrittenBackAsRead)
{
    TestFirmware accessory = TestFirmware::ofType(11, Marker::None);
    accessory.slot(1, "123456");
    load(accessory);
    EXPECT_EQ(statusPanelText(*window, 2), QStringLiteral("ohne"));
    EXPECT_EQ(gridOf(*window).lblSlot[1]->text(), QStringLiteral("Out 1"));
    makeEverySlotRow(*window);
    for (int s = 0; s < TFormMain::SlotCount; ++s) {
        EXPECT_TRUE(gridOf(*window).lblSlot[s]->isHidden());
        EXPECT_TRUE(gridOf(*window).edtAddress[s]->isHidden());
        EXPECT_TRUE(gridOf(*window).btnRG[s]->isHidden());
    }
    ASSERT_TRUE(writeSlotsBySave(*window));
    EXPECT_EQ(storedCode(1), QStringLiteral("123456"));

    TestFirmware loco = TestFirmware::ofType(15616, Marker::None);
    loco.slot(2, "025C15");
    load(loco);
    EXPECT_EQ(gridOf(*window).edtAddress[2]->text(), QStringLiteral("0"));
    ASSERT_TRUE(writeSlotsBySave(*window));
    EXPECT_EQ(storedCode(2), QStringLiteral("025C15"));
}

TEST_F(DecoderWindow, UnmatchedCodeDoesNotInheritThePreviousFile)
{
    TestFirmware first = TestFirmware::ofType(15616, Marker::Dcc);
    first.slot(1, "840300");
    load(first);
    EXPECT_EQ(window->document().session().slotValues[1].function, 3);

    TestFirmware second = TestFirmware::ofType(15616, Marker::Dcc);
    second.slot(1, "770300");
    load(second);
    EXPECT_EQ(gridOf(*window).edtFunction[1]->text(), QStringLiteral("0"));
    for (int s = 2; s <= 4; ++s)
        gridOf(*window).edtAddress[s]->setText(QStringLiteral("0"));
    ASSERT_TRUE(writeSlotsBySave(*window));
    EXPECT_EQ(storedCode(1), QStringLiteral("770300"));
}

} // namespace
