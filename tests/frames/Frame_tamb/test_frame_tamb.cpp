// The servo curve editor on a loaded servo firmware: types, key actions, mouse
// editing, edits, apply and discard, files, and the grid kept by the window.
#include "WindowParts.h"
#include "EditorFrames.h"
#include "app/TFormMain.h"
#include "common/Samples.h"
#include "frames/Frame_tamb/CurveDiagram.h"
#include "frames/Frame_tamb/CurveEditorRules.h"
#include "frames/Frame_tamb/CurveFiles.h"
#include "frames/Frame_tamb/CurveWidgets.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Frame_tamb_adr/TFrameTambAdr.h"
#include "image/HexByte.h"
#include "ui/Dialogs.h"
#include "ui/UpDown.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const char *const Sample211 = "211-tamb-4-servo-dekoder-dcc";
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);
const QColor White(255, 255, 255);

// Gives record r a curve of `count` points rising by 10, relay on at odd points.
void writeCurve(FirmwareImage &image, int r, int count)
{
    CurveRecords curves = CurveRecords::read(image);
    for (int i = 0; i < 100; ++i)
        curves[r][static_cast<std::size_t>(i)] = (10 * i) % 128 | (i % 2 ? CurveRecords::RelayBit : 0);
    curves[r][CurveRecords::CountEntry] = count;
    curves[r][CurveRecords::StretchEntry] = 10;
    curves[r][CurveRecords::KeyActionEntry] = 0;
    curves.write(image);
}

// A pixel inside the red marker of point i (of ten) at the given position,
// clear of the lines to its neighbours.
QPoint markerPixel(int i, int position)
{
    const QPoint centre = CurveDiagram::pointPosition(i, position, 52.0F, 201, CurveDiagram::valueScale(201));
    return centre + QPoint(-2, -1);
}

class CurveEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Dialogs::clearPresets();
        Dialogs::setRecordMessages(true);
    }
    void TearDown() override
    {
        Dialogs::setRecordMessages(false);
        Dialogs::clearPresets();
    }

    void load(const char *name, const std::function<void(FirmwareImage &)> &prepare = {})
    {
        session.load(fileBytes(sampleHex(name)));
        if (prepare)
            prepare(session.image);
        frame = std::make_unique<TFrameTamb>(session, &parent);
        address = std::make_unique<TFrameTambAdr>(session, frame->model(), &parent);
        frame->setAddressFrame(address.get());
        frame->show();
        address->show();
        frame->loadFromSession();
        address->loadFromSession();
        parent.resize(600, 600);
        parent.show();
    }

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QStringList messages() const
    {
        QStringList texts;
        for (const UserMessage &m : Dialogs::recordedMessages())
            texts << m.text;
        return texts;
    }

    const CurveRecords::Record &curve(int r) { return frame->model().curves()[r]; }
    // Sets entry j of record r in the working copy, as a restored snapshot would.
    void setEntry(int r, int j, int value)
    {
        ServoWorkingCopy copy = frame->model().snapshot();
        copy.curves[r][static_cast<std::size_t>(j)] = value;
        frame->model().restore(copy);
    }
    bool applyEnabled() const { return frame->servo_btn_uebernehmen->isEnabled(); }

    QTemporaryDir dir;
    QWidget parent;
    DecoderSession session;
    std::unique_ptr<TFrameTamb> frame;
    std::unique_ptr<TFrameTambAdr> address;
};

struct TypeCase {
    const char *name;
    const char *sample;
    bool fourServos;
    const char *firstTitle;
    int actions; // items per key-action list
};

class CurveEditorTypes : public CurveEditor, public ::testing::WithParamInterface<TypeCase> {};

} // namespace

TEST_P(CurveEditorTypes, RelayStripSw1AndKeyActionsFollowTheType)
{
    const TypeCase &c = GetParam();
    // A mask for address 5 is beyond the one-servo lists: they show no choice
    // and the record keeps it.
    load(c.sample, [](FirmwareImage &image) {
        CurveRecords curves = CurveRecords::read(image);
        const std::array<int, 4> masks{0x00, 0x04, 0x10, 0x0C};
        for (int r = 0; r < 4; ++r)
            curves[r][CurveRecords::KeyActionEntry] = masks[static_cast<std::size_t>(r)];
        curves.write(image);
    });
    EXPECT_EQ(frame->servo_Image2->isVisible(), c.fourServos);
    EXPECT_EQ(frame->Label_Servo_Relais->isVisible(), c.fourServos);
    EXPECT_EQ(frame->servo_GroupBox1->isVisible(), c.fourServos);
    EXPECT_EQ(frame->Label_Servo_sw1a->text(), QString::fromLatin1(c.firstTitle));
    const std::array<QComboBox *, 4> lists{frame->servo_cbx_s1c, frame->servo_cbx_s1o, frame->servo_cbx_s2c,
                                           frame->servo_cbx_s2o};
    for (QComboBox *list : lists)
        EXPECT_EQ(list->count(), c.actions);
    EXPECT_EQ(frame->servo_cbx_s2c->itemText(0), c.fourServos ? "Adr.-Lernen" : "keine Aktion");
    EXPECT_EQ(frame->servo_cbx_s1c->currentIndex(), 0);
    EXPECT_EQ(frame->servo_cbx_s1o->currentIndex(), 3);
    EXPECT_EQ(frame->servo_cbx_s2c->currentIndex(), c.fourServos ? 5 : -1);
    EXPECT_EQ(frame->servo_cbx_s2o->currentIndex(), 3);
    EXPECT_EQ(curve(2)[CurveRecords::KeyActionEntry], 0x10);
    EXPECT_FALSE(applyEnabled());

    // The user's choice "wie Adr.3" in the last list: mask 4 in record 4.
    frame->servo_cbx_s2o->setCurrentIndex(0);
    EXPECT_FALSE(applyEnabled()); // a selection set by code runs nothing
    frame->servo_cbx_s2o->setFocus();
    for (int k = 0; k < 3; ++k)
        QTest::keyClick(frame->servo_cbx_s2o, Qt::Key_Down);
    EXPECT_EQ(curve(3)[CurveRecords::KeyActionEntry], 4);
    EXPECT_TRUE(applyEnabled());
    frame->servo_btn_verwerfen->click();
    EXPECT_EQ(curve(3)[CurveRecords::KeyActionEntry], 0x0C);
    EXPECT_EQ(curve(2)[CurveRecords::KeyActionEntry], 0x10);
    EXPECT_FALSE(applyEnabled());
}

INSTANTIATE_TEST_SUITE_P(Types, CurveEditorTypes,
                         ::testing::Values(TypeCase{"type211", Sample211, true, "Taster 1 close", 9},
                                           TypeCase{"type210", "210-tamb-kubo-servo-dekoder-dcc", false, "Taster 3 close", 5},
                                           TypeCase{"type16896", "16896-tamb-kubo-servo-dekoder-f-dekoder-mot", false,
                                                    "Taster 3 close", 5}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(CurveEditor, MouseMovesTheNearestPointAndSetsTheRelay)
{
    load(Sample211, [](FirmwareImage &image) { writeCurve(image, 0, 10); });
    ImageSurface *diagram = frame->servo_Image1;
    ImageSurface *strip = frame->servo_Image2;
    ASSERT_EQ(frame->stepWidth, 52.0F);

    // Point 3 (relay on) at position 30.
    EXPECT_EQ(diagram->picture.pixelColor(markerPixel(3, 30)), Red);
    QTest::mouseMove(diagram, QPoint(150, 0)); // no button: nothing happens
    EXPECT_EQ(curve(0)[3], 30 | 0x80);
    QTest::mousePress(diagram, Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_EQ(curve(0)[3], 30 | 0x80);
    QTest::mouseMove(diagram, QPoint(170, 0));
    EXPECT_EQ(curve(0)[3], 127 | 0x80);
    EXPECT_EQ(diagram->picture.pixelColor(markerPixel(3, 127)), Red);
    EXPECT_EQ(diagram->picture.pixelColor(markerPixel(3, 30)), White);
    QTest::mouseMove(diagram, QPoint(600, 400)); // beyond the image: last point, bottom
    EXPECT_EQ(curve(0)[9], 0 | 0x80);
    EXPECT_EQ(curve(0)[10], 100); // never a point that is not shown
    QTest::mouseRelease(diagram, Qt::LeftButton, {}, QPoint(600, 400));
    EXPECT_TRUE(applyEnabled());

    // Relay strip: box of point 2 from x = 104; on above the middle.
    EXPECT_EQ(strip->picture.pixelColor(106, 50), White);
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(110, 50));
    QTest::mouseMove(strip, QPoint(110, 5));
    EXPECT_EQ(curve(0)[2], 20 | 0x80);
    EXPECT_EQ(strip->picture.pixelColor(106, 50), Red);
    QTest::mouseMove(strip, QPoint(60, 56));
    EXPECT_EQ(curve(0)[1], 10);
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(60, 56));
    QTest::mouseMove(strip, QPoint(110, 56));
    EXPECT_EQ(curve(0)[2], 20 | 0x80);
}

TEST_F(CurveEditor, ApplyWritesTheEvenTableBytesAndThePulseBytesOnly)
{
    load(Sample211, [](FirmwareImage &image) {
        for (int k = 0; k < 8; ++k)
            image.eeprom[static_cast<std::size_t>(0x60 + k)] = hexByte(0x70 + k);
    });
    for (int r = 0; r < 4; ++r)
        for (int j = 0; j < CurveRecords::Size; ++j)
            setEntry(r, j, (r * 50 + j) % 256);
    for (int k = 0; k < 8; ++k)
        session.image.eeprom[static_cast<std::size_t>(0x60 + k)] = QStringLiteral("AA");
    const FirmwareImage before = session.image;
    frame->servo_btn_uebernehmen->setEnabled(true);
    frame->servo_btn_uebernehmen->click();
    EXPECT_FALSE(applyEnabled());

    for (int k = 0; k < FirmwareImage::RomSize; ++k) {
        const auto at = static_cast<std::size_t>(k);
        if (k % 2 == 0 && k >= 0xA00 && k < 0xE00) {
            const int t = k / 2 - (k < 0xC00 ? 0x500 : 0x600); // byte of the table
            const int r = (k < 0xC00 ? 0 : 2) + t / 128;
            EXPECT_EQ(session.image.rom[at], hexByte((r * 50 + t % 128) % 256)) << k;
        } else {
            EXPECT_EQ(session.image.rom[at], before.rom[at]) << k;
        }
    }
    for (int k = 0; k < FirmwareImage::EepromSize; ++k) {
        const QString expected = k >= 0x60 && k < 0x68 ? hexByte(0x70 + k - 0x60) : before.eeprom[static_cast<std::size_t>(k)];
        EXPECT_EQ(session.image.eeprom[static_cast<std::size_t>(k)], expected) << k;
    }
}

TEST_F(CurveEditor, CountAndStretchEditsLimitWarnAndTime)
{
    load(Sample211, [](FirmwareImage &image) {
        writeCurve(image, 0, 10);
        writeCurve(image, 1, 20);
    });
    EXPECT_EQ(frame->lbl_KurveInfo1->text(), QStringLiteral("Zeit zwischen 2 Punkten = 200 ms"));
    EXPECT_EQ(frame->lbl_KurveInfo2->text(), QStringLiteral("Gesamtzeit für diese Kurve = 1800 ms"));

    // The arrows offer the model's ranges.
    EXPECT_EQ(frame->UpDown1->maximum(), CurveRecords::MaxPoints);
    EXPECT_EQ(frame->UpDown2->maximum(), CurveRecords::MaxStretch);
    frame->edt_Anzahl->setText(QStringLiteral("150"));
    EXPECT_EQ(curve(0)[CurveRecords::CountEntry], 100);
    EXPECT_EQ(frame->edt_Anzahl->text(), QStringLiteral("100"));
    EXPECT_EQ(frame->stepWidth, CurveDiagram::stepWidth(530, 100));
    EXPECT_EQ(frame->lbl_KurveInfo2->text(), QStringLiteral("Gesamtzeit für diese Kurve = 19800 ms"));
    EXPECT_TRUE(applyEnabled());

    frame->edt_stretch->setText(QStringLiteral("x5"));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..200")});
    EXPECT_EQ(curve(0)[CurveRecords::StretchEntry], 10);
    frame->edt_stretch->setText(QStringLiteral("300"));
    EXPECT_EQ(curve(0)[CurveRecords::StretchEntry], 200);
    EXPECT_EQ(frame->lbl_KurveInfo1->text(), QStringLiteral("Zeit zwischen 2 Punkten = 4000 ms"));

    // Choosing another curve shows its values and changes nothing.
    frame->servo_btn_verwerfen->click();
    frame->servo_rad_a[1]->click();
    EXPECT_EQ(frame->edt_Anzahl->text(), QStringLiteral("20"));
    EXPECT_FALSE(frame->btn_copy[1]->isEnabled());
    EXPECT_TRUE(frame->btn_copy[0]->isEnabled());
    EXPECT_FALSE(applyEnabled());
}

TEST_F(CurveEditor, ApplyButtonWritesThePulseBytesThroughTheModelLimited)
{
    load(Sample211);
    ServoWorkingCopy copy = frame->model().snapshot();
    copy.pulses.offset = {300, 125, -1, 50};
    copy.pulses.span = {256, 0, 17, 255};
    frame->model().restore(copy);
    frame->servo_btn_uebernehmen->setEnabled(true);
    frame->servo_btn_uebernehmen->click();
    QString pulses;
    for (int j = 0; j < 8; ++j)
        pulses += session.image.eeprom[static_cast<std::size_t>(0x60 + j)];
    EXPECT_EQ(pulses, QStringLiteral("FFFF7D000011" "32FF"));
    EXPECT_FALSE(applyEnabled());
}

// Typing into the count and stretch edits: a refused text brings the warning
// and the stored value back, selected, in the focused edit; a limited or empty
// entry shows the stored value once the edit is finished.
TEST_F(CurveEditor, TypedCountAndStretchShowWhatIsStored)
{
    struct Case {
        bool count;
        const char *typed;
        bool refused;
        int stored;
    };
    const QString countWarning = QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..100");
    const QString stretchWarning = QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..200");
    for (const Case &c : {Case{true, "x", true, 10}, Case{true, "0", false, 1}, Case{true, "150", false, 100},
                          Case{true, "", false, 10}, Case{false, "-", true, 10}, Case{false, "999", false, 200},
                          Case{false, "", false, 10}}) {
        load(Sample211, [](FirmwareImage &image) { writeCurve(image, 0, 10); });
        parent.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
        Dialogs::setRecordMessages(true);
        QLineEdit *edit = c.count ? frame->edt_Anzahl : frame->edt_stretch;
        const QString name = edit->objectName() + QStringLiteral(" '") + QString::fromLatin1(c.typed) + QLatin1Char('\'');
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromLatin1(c.typed));
        const int stored = c.count ? curve(0)[CurveRecords::CountEntry] : curve(0)[CurveRecords::StretchEntry];
        EXPECT_EQ(stored, c.stored) << name.toStdString();
        if (c.refused) {
            EXPECT_EQ(messages().value(0), c.count ? countWarning : stretchWarning) << name.toStdString();
            EXPECT_EQ(edit->text(), QString::number(c.stored)) << name.toStdString();
            EXPECT_EQ(edit->selectedText(), edit->text()) << name.toStdString();
            EXPECT_TRUE(edit->hasFocus()) << name.toStdString();
        } else {
            EXPECT_TRUE(messages().isEmpty()) << name.toStdString();
        }
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(edit->text(), QString::number(c.stored)) << name.toStdString();
        EXPECT_EQ(applyEnabled(), c.stored != 10) << name.toStdString();
    }
}

TEST_F(CurveEditor, Sw1FunctionGoesIntoTheImageAtOnce)
{
    // An erased byte means servo operation; loading writes what is shown.
    load(Sample211, [](FirmwareImage &image) { image.eeprom[0] = QStringLiteral("FF"); });
    EXPECT_TRUE(frame->servo_rad_servo->isChecked());
    EXPECT_EQ(session.image.eeprom[0], QStringLiteral("F0"));
    EXPECT_FALSE(applyEnabled());
    EXPECT_TRUE(frame->servo_cbx_s1c->isVisible());

    frame->servo_rad_lernen->click();
    EXPECT_EQ(session.image.eeprom[0], QStringLiteral("01"));
    EXPECT_FALSE(frame->servo_cbx_s1c->isVisible());
    EXPECT_FALSE(frame->Label_Servo_sw1b->isVisible());
    EXPECT_TRUE(applyEnabled());
    frame->servo_btn_verwerfen->click();
    EXPECT_EQ(session.image.eeprom[0], QStringLiteral("01"));
    EXPECT_TRUE(frame->servo_rad_lernen->isChecked());
    frame->servo_rad_servo->click();
    EXPECT_EQ(session.image.eeprom[0], QStringLiteral("F0"));
    EXPECT_TRUE(frame->servo_cbx_s1o->isVisible());
}

TEST_F(CurveEditor, CopyGeneratorsAndTransformsWorkOnTheSelectedCurve)
{
    load(Sample211, [](FirmwareImage &image) {
        writeCurve(image, 1, 10);
        writeCurve(image, 2, 1);
    });
    frame->servo_rad_a[2]->click();
    const CurveRecords::Record third = curve(2);
    frame->btn_Lin->click(); // one point: nothing to shape
    EXPECT_EQ(curve(2), third);
    EXPECT_FALSE(applyEnabled());

    setEntry(1, 127, 1);
    setEntry(2, 127, 2);
    frame->btn_copy[1]->click();
    for (int j = 0; j < 127; ++j)
        EXPECT_EQ(curve(2)[static_cast<std::size_t>(j)], curve(1)[static_cast<std::size_t>(j)]) << j;
    EXPECT_EQ(curve(2)[127], 2);
    EXPECT_EQ(frame->edt_Anzahl->text(), QStringLiteral("10"));
    EXPECT_TRUE(applyEnabled());

    frame->btn_Lin->click();
    EXPECT_EQ(curve(2)[9], 127 | 0x80);
    EXPECT_EQ(curve(2)[1], 14 | 0x80);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    frame->btn_scale->click(); // "0,5"
    EXPECT_EQ(curve(2)[9], 63 | 0x80);
    frame->edt_shift->setText(QStringLiteral("abc"));
    frame->btn_shift->click();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(messages(),
              QStringList{QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich -100 .. 100")});
    EXPECT_EQ(curve(2)[9], 63 | 0x80);
    EXPECT_EQ(curve(1)[9], 90 | 0x80);
}

TEST_F(CurveEditor, FilesLoadIntoTheWorkingCopyAndEnableApplyWhenTheyChangeIt)
{
    load(Sample211, [](FirmwareImage &image) { writeCurve(image, 0, 10); });
    const CurveRecords loaded = frame->model().curves();

    // Saving and loading the same set changes nothing.
    const QString set = dir.filePath(QStringLiteral("all"));
    Dialogs::presetSaveFileName(set);
    frame->servo_save_all->click();
    Dialogs::presetOpenFileName(set);
    frame->servo_load_all->click();
    EXPECT_EQ(frame->model().curves(), loaded);
    EXPECT_FALSE(applyEnabled());

    // A curve whose count and stretch equal the shown ones still counts.
    Dialogs::presetOpenFileName(writeFile(QStringLiteral("a.cur"), QByteArray("5\r\n5\r\n5\r\n5\r\n5\r\n5\r\n5\r\n5\r\n5\r\n5\r\n")));
    frame->servo_load_1->click();
    EXPECT_EQ(curve(0)[4], 5);
    EXPECT_TRUE(applyEnabled());

    // A bad line refuses the whole file: nothing of it reaches the curve.
    frame->servo_btn_verwerfen->click();
    Dialogs::presetOpenFileName(writeFile(QStringLiteral("b.cur"), QByteArray("100\r\n101\r\nx\r\n")));
    frame->servo_load_1->click();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Dieses File enthält ungültige Zeichen (kein Zahlenwert) in Zeile 3")});
    EXPECT_EQ(curve(0)[1], 10 | 0x80);
    EXPECT_EQ(curve(0)[CurveRecords::CountEntry], 10);
    EXPECT_EQ(frame->servo_Image1->picture.pixelColor(markerPixel(1, 10)), Red);
    EXPECT_FALSE(applyEnabled());

    // The set brings back every record, key actions included.
    Dialogs::presetOpenFileName(set);
    frame->servo_load_all->click();
    EXPECT_EQ(frame->model().curves(), loaded);
    frame->servo_btn_uebernehmen->click();
    EXPECT_EQ(CurveRecords::read(session.image), loaded);
}

namespace {

// The folder the real file dialog that the button opens starts in; the
// dialog is cancelled.
QString startFolderOfDialogFrom(QPushButton *button)
{
    QString startFolder;
    const Dialogs::RealDialogsAllowed real;
    QTimer::singleShot(0, [&startFolder] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            startFolder = dialog->directory().absolutePath();
            dialog->reject();
        }
    });
    button->click();
    return startFolder;
}

} // namespace

// The curve-save dialog starts in the folder of the last curve file, not in
// the folder of the HEX file chosen since.
TEST_F(CurveEditor, CurveSaveDialogStartsWhereTheLastCurveFileWas)
{
    load(Sample211);
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("curves")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("hex")));
    Dialogs::presetOpenFileName(writeFile(QStringLiteral("curves/a.cur"), QByteArray("5\r\n5\r\n5\r\n")));
    frame->servo_load_1->click();
    Dialogs::presetOpenFileName(dir.filePath(QStringLiteral("hex/other.hex")));
    EXPECT_FALSE(Dialogs::getOpenFileName(nullptr, Dialogs::hexFileFilter()).isEmpty());

    const QString startFolder = startFolderOfDialogFrom(frame->servo_save_1);
    EXPECT_EQ(startFolder, QDir(dir.filePath(QStringLiteral("curves"))).absolutePath());
}

// Before any curve or set file was chosen, their dialogs start beside the
// HEX file, not where a dialog of another kind was last.
TEST_F(CurveEditor, FirstCurveAndSetDialogsStartBesideTheHexFile)
{
    load(Sample211);
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("hex")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("documents")));
    session.filePath = dir.filePath(QStringLiteral("hex/servo.hex"));
    Dialogs::forgetFolders();
    Dialogs::presetOpenFileName(dir.filePath(QStringLiteral("documents/a.json")));
    EXPECT_FALSE(Dialogs::getOpenFileName(nullptr, QStringLiteral("JSON (*.json)")).isEmpty());

    for (QPushButton *button : {frame->servo_save_1, frame->servo_load_all}) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_EQ(startFolderOfDialogFrom(button).toStdString(), QDir(dir.filePath(QStringLiteral("hex"))).absolutePath().toStdString());
    }
}

// Whatever file was loaded before, a servo firmware shows its SW1 function
// from EEPROM byte 0 and the image holds what is shown.
TEST(CurveEditorWindow, Sw1AfterEachLoadFollowsTheFileAlone)
{
    Dialogs::setRecordMessages(true);
    QTemporaryDir dir;
    const auto fileWithSw1 = [&](const QString &byte0) {
        DecoderSession session;
        session.load(fileBytes(sampleHex(Sample211)));
        session.image.eeprom[0] = byte0;
        EXPECT_GT(session.buildHexLines(), 0);
        const QString path = dir.filePath(byte0 + QStringLiteral(".hex"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(session.fileContent());
        return path;
    };
    struct Case {
        QStringList bytes; // EEPROM byte 0 of the files loaded one after the other
        bool learn;
        const char *after;
    };
    for (const Case &c : {Case{{"FF"}, false, "F0"}, Case{{"01", "FF"}, false, "F0"}, Case{{"F0", "FF"}, false, "F0"},
                          Case{{"F0", "01"}, true, "01"}, Case{{"01", "01"}, true, "01"}}) {
        TFormMain window(dir.filePath(QStringLiteral("quaxel.ini")));
        window.show();
        for (const QString &byte0 : c.bytes)
            window.loadHexFile(fileWithSw1(byte0));
        const std::string name = c.bytes.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(window.document().session().image.eeprom[0], QLatin1String(c.after)) << name;
        EXPECT_EQ(editorFrame<TFrameTamb>(window)->servo_rad_lernen->isChecked(), c.learn) << name;
        EXPECT_EQ(editorFrame<TFrameTamb>(window)->servo_rad_servo->isChecked(), !c.learn) << name;
        EXPECT_FALSE(editorFrame<TFrameTamb>(window)->servo_btn_uebernehmen->isEnabled()) << name;
    }
    Dialogs::setRecordMessages(false);
}

TEST(CurveEditorWindow, GridChoicesComeFromAndGoToTheSettings)
{
    Dialogs::setRecordMessages(true);
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("quaxel.ini"));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Raster]\r\nx=4\r\ny=3\r\n");
    file.close();
    TFormMain window(ini);
    window.show();
    window.loadHexFile(sampleHex(Sample211));
    TFrameTamb *frame = editorFrame<TFrameTamb>(window);
    EXPECT_EQ(frame->cbx_raster_x->currentIndex(), 4);
    EXPECT_EQ(frame->cbx_raster_y->currentIndex(), 3);
    // The erased tables give 100 points: the fifth line ends the curve at 519.
    EXPECT_EQ(frame->servo_Image1->picture.pixelColor(519, 150), Green);
    EXPECT_EQ(frame->servo_Image1->picture.pixelColor(5, 150), Green); // y = 201 - 50.25

    frame->cbx_raster_x->setFocus();
    QTest::keyClick(frame->cbx_raster_x, Qt::Key_Down);
    EXPECT_EQ(frameHost(window).rasterX, 5);
    EXPECT_EQ(frameHost(window).rasterY, 3);
    EXPECT_FALSE(frame->servo_btn_uebernehmen->isEnabled());
    Dialogs::setRecordMessages(false);
}

namespace {

// Everything of the window that a curve or set file load may change: the
// servo editor's controls and drawings, the title with its marker, the
// working copy and the image.
struct ServoShown {
    QStringList texts;
    QImage diagram, relays;
    CurveRecords curves;
    FirmwareImage image;
};

ServoShown servoShown(TFormMain &window)
{
    TFrameTamb *f = editorFrame<TFrameTamb>(window);
    ServoShown shown;
    shown.texts << f->edt_Anzahl->text() << f->edt_stretch->text() << f->lbl_KurveInfo1->text()
                << f->lbl_KurveInfo2->text() << window.windowTitle()
                << QString::number(f->servo_btn_uebernehmen->isEnabled());
    for (QComboBox *list : {f->servo_cbx_s1c, f->servo_cbx_s1o, f->servo_cbx_s2c, f->servo_cbx_s2o})
        shown.texts << QString::number(list->currentIndex());
    shown.diagram = f->servo_Image1->picture.copy();
    shown.relays = f->servo_Image2->picture.copy();
    shown.curves = f->model().curves();
    shown.image = window.document().session().image;
    return shown;
}

// The four curves with record 0 as a rising curve of 20 points.
CurveRecords withRisingCurve(CurveRecords curves)
{
    for (int i = 0; i < 20; ++i)
        curves[0][static_cast<std::size_t>(i)] = 6 * i;
    curves[0][CurveRecords::CountEntry] = 20;
    curves[1][CurveRecords::KeyActionEntry] = 0;
    return curves;
}

QByteArray crLfLines(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

// A set file of the given curves with line `bad` (counted from 1) replaced.
QByteArray setFileWith(const CurveRecords &curves, int bad, const QString &text)
{
    QStringList lines = splitHexFileLines(CurveFiles::setFileContent(curves));
    lines[bad - 1] = text;
    return crLfLines(lines);
}

struct FileLoadCase {
    const char *name;
    bool set;         // a set file (all four curves) or a curve file
    int badLine;      // counted from 1; 0 for a good file
    QByteArray content; // of a curve file; of a set file the bad line's text
};

class CurveFileLoads : public ::testing::TestWithParam<FileLoadCase> {};

} // namespace

// A file with a bad line leaves every byte and control as it was and names the
// line as an editor counts it; a good one shows everything new, the unsaved
// mark in the title included.
TEST_P(CurveFileLoads, LoadWholeOrNotAtAll)
{
    const FileLoadCase &c = GetParam();
    Dialogs::clearPresets();
    Dialogs::setRecordMessages(true);
    QTemporaryDir dir;
    TFormMain window(dir.filePath(QStringLiteral("quaxel.ini")));
    window.show();
    ASSERT_TRUE(window.loadHexFile(sampleHex(Sample211)));
    TFrameTamb *frame = editorFrame<TFrameTamb>(window);
    ASSERT_TRUE(frame->isVisible());
    const ServoShown before = servoShown(window);
    const QString path = dir.filePath(QStringLiteral("curves.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const CurveRecords setCurves = withRisingCurve(before.curves);
    if (!c.set)
        file.write(c.content);
    else if (c.badLine > 0)
        file.write(setFileWith(setCurves, c.badLine, QString::fromLatin1(c.content)));
    else
        file.write(CurveFiles::setFileContent(setCurves));
    file.close();

    Dialogs::presetOpenFileName(path);
    QTest::mouseClick(c.set ? frame->servo_load_all : frame->servo_load_1, Qt::LeftButton);
    QStringList messages;
    for (const UserMessage &m : Dialogs::recordedMessages())
        messages << m.text;
    const ServoShown after = servoShown(window);
    if (c.badLine > 0) {
        EXPECT_EQ(messages, QStringList{QStringLiteral("Dieses File enthält ungültige Zeichen (kein Zahlenwert) in Zeile %1")
                                            .arg(c.badLine)});
        EXPECT_EQ(after.texts, before.texts);
        EXPECT_EQ(after.diagram, before.diagram);
        EXPECT_EQ(after.relays, before.relays);
        EXPECT_EQ(after.curves, before.curves);
    } else {
        EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
        const CurveRecords::Record &shownCurve = after.curves[0];
        EXPECT_EQ(after.texts[0], QStringLiteral("%1").arg(shownCurve[CurveRecords::CountEntry]));
        EXPECT_EQ(after.texts[3], CurveEditorRules::curveTimeText(frame->model().pointCount(), frame->model().stretchSteps()));
        EXPECT_NE(after.texts[3], before.texts[3]);
        EXPECT_TRUE(after.texts[4].startsWith(QStringLiteral("* "))) << after.texts[4].toStdString();
        EXPECT_FALSE(before.texts[4].startsWith(QStringLiteral("* ")));
        EXPECT_EQ(after.texts[5], QStringLiteral("1"));
        EXPECT_NE(after.diagram, before.diagram);
        if (c.set) {
            EXPECT_EQ(after.curves, setCurves);
        } else {
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(shownCurve[static_cast<std::size_t>(i)], i % 2 ? 127 : 0) << i;
        }
    }
    // Loads go into the working copy only.
    EXPECT_EQ(after.image.rom, before.image.rom);
    EXPECT_EQ(after.image.eeprom, before.image.eeprom);
    Dialogs::setRecordMessages(false);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CurveFileLoads,
    ::testing::Values(FileLoadCase{"curveFirstLineBad", false, 1, "x\r\n5\r\n5\r\n"},
                      FileLoadCase{"curveMiddleLineBad", false, 2, "5\r\n5 5\r\n5\r\n"},
                      FileLoadCase{"curveLastLineBad", false, 3, "5\r\n5\r\n7a\r\n"},
                      FileLoadCase{"curveGood", false, 0, "0\r\n127\r\n0\r\n127\r\n0\r\n"},
                      FileLoadCase{"setFirstLineBad", true, 1, "x"},
                      FileLoadCase{"setMiddleLineBad", true, 256, "-"},
                      FileLoadCase{"setLastLineBad", true, 512, ""},
                      FileLoadCase{"setGood", true, 0, {}}),
    [](const auto &info) { return std::string(info.param.name); });
