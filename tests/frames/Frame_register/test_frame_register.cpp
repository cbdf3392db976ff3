// The CV list in the main window: its pairs, their places, their values and what typing writes.
#include "EditorFrames.h"
#include "frames/Frame_register/CvTable.h"
#include "frames/Frame_register/TFrameRegister.h"
#include "tests/frames/Frame_zusatz/EepromFrameFixture.h"

#include <QLabel>

namespace {

constexpr int CvDecoder = 17408;

class FrameRegister : public EepromFrameTest {
protected:
    TFrameRegister *frame() const { return editorFrame<TFrameRegister>(*window); }
};

TEST_F(FrameRegister, ShowsTheTwentyFiveCvsInTwoColumnsWithTheirValues)
{
    load(CvDecoder, {{0x60, QStringLiteral("03")}, {0xA9, QStringLiteral("FE")}});
    const TFrameRegister *f = frame();
    ASSERT_FALSE(f->isHidden());
    EXPECT_EQ(f->model().count(), 25);
    int firstColumn = 0;
    int secondColumn = 0;
    for (int k = 0; k < Cv::PairCount; ++k) {
        const bool shown = !f->cv_edt[k]->isHidden();
        EXPECT_EQ(shown, k < 25) << k;
        EXPECT_EQ(!f->cv_lbl[k]->isHidden(), k < 25) << k;
        if (!shown)
            continue;
        const int x = f->cv_edt[k]->x();
        firstColumn += x < CvListView::ColumnStep;
        secondColumn += x >= CvListView::ColumnStep && x < 2 * CvListView::ColumnStep;
        EXPECT_EQ(f->cv_edt[k]->pos(), QPoint(CvListView::pairPlace(k).editLeft, CvListView::pairPlace(k).editTop)) << k;
        EXPECT_EQ(f->cv_lbl[k]->text(), Cv::entriesFor(CvDecoder)[k].caption) << k;
    }
    EXPECT_EQ(firstColumn, 21);
    EXPECT_EQ(secondColumn, 4);
    EXPECT_EQ(f->cv_edt[0]->text(), QStringLiteral("3"));
    EXPECT_EQ(f->cv_edt[24]->text(), QStringLiteral("254"));
    expectOthersAsInFile({});
    EXPECT_TRUE(takeMessages().isEmpty());

    // Another type's file hides the list.
    load(8);
    EXPECT_TRUE(frame()->isHidden());
}

struct CvTyping {
    int k;           // the pair typed into
    const char *typed;
    int index;       // its EEPROM byte
    const char *stored; // nullptr: as in the file
    int messages;
};

const CvTyping CvTypingCases[] = {
    {5, "29", 0x68, "1D", 0},  // CV29
    {5, "", 0x68, nullptr, 0},  // clearing stores nothing
    {0, "x", 0x60, nullptr, 1},
    {1, "7x", 0x62, "07", 1},
    {15, "256", 0x83, "19", 1}, // 256 does not fit into a byte
    {24, "0", 0xA9, "00", 0},
};

void PrintTo(const CvTyping &c, std::ostream *os)
{
    *os << "pair " << c.k << " \"" << c.typed << '"';
}

class CvEdit : public FrameRegister, public testing::WithParamInterface<CvTyping> {};

TEST_P(CvEdit, WritesEachAcceptedKeystroke)
{
    const CvTyping &c = GetParam();
    load(CvDecoder, {{c.index, QStringLiteral("2C")}});
    QLineEdit *edit = frame()->cv_edt[c.k];
    typeInto(edit, QString::fromLatin1(c.typed));
    EXPECT_EQ(byte(c.index), c.stored ? QString::fromLatin1(c.stored) : QStringLiteral("2C"));
    expectOthersAsInFile({c.index});
    const QStringList messages = takeMessages();
    EXPECT_EQ(messages.size(), c.messages);
    for (const QString &message : messages)
        EXPECT_EQ(message, QString::fromUtf8("Ungültige Eingabe.\rZugelassen sind nur Zahlen"));
    if (c.messages > 0) {
        EXPECT_EQ(QApplication::focusWidget(), edit);
    }
}

INSTANTIATE_TEST_SUITE_P(Cvs, CvEdit, testing::ValuesIn(CvTypingCases));

TEST(CvListPlaces, PairsFillFourColumnsOf21_21_21_1)
{
    const struct {
        int k, labelLeft, labelTop, editLeft, editTop;
    } cases[] = {
        {0, 5, 19, 175, 15},    {20, 5, 519, 175, 515},  {21, 235, 19, 405, 15}, {24, 235, 94, 405, 90},
        {41, 235, 519, 405, 515}, {42, 465, 19, 635, 15}, {62, 465, 519, 635, 515}, {63, 695, 19, 865, 15},
    };
    for (const auto &c : cases) {
        const CvListView::PairPlace place = CvListView::pairPlace(c.k);
        EXPECT_EQ(place.labelLeft, c.labelLeft) << c.k;
        EXPECT_EQ(place.labelTop, c.labelTop) << c.k;
        EXPECT_EQ(place.editLeft, c.editLeft) << c.k;
        EXPECT_EQ(place.editTop, c.editTop) << c.k;
    }
}

// Loading fills the edits without running their change handling: a byte text
// that is no hex number stays in the image as it was.
TEST_F(FrameRegister, LoadingLeavesEveryByteAsTheImageHoldsIt)
{
    load(CvDecoder);
    window->document().session().image.eeprom[0x60] = QStringLiteral("G1");
    window->document().session().image.eeprom[0x68] = QStringLiteral("1d");
    fileEeprom = window->document().session().image.eeprom;
    frame()->loadFromSession();
    expectOthersAsInFile({});
    EXPECT_EQ(frame()->cv_edt[0]->text(), QStringLiteral("113"));
    EXPECT_EQ(frame()->cv_edt[5]->text(), QStringLiteral("29"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

} // namespace
