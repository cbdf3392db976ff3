// The address fields' red and green and their text colour as the window
// paints them, under the fusion style: an application style sheet that styles
// every line edit, with a dark palette, changes none of it.
#include "WindowParts.h"
#include "MainWindowFixture.h"
#include "common/Samples.h"
#include "ui/TextColour.h"

#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

namespace {

// The colour most pixels inside the field have (its background), and the
// inside pixel that differs most from it (a stroke of its text).
struct FieldLook {
    QColor background;
    QColor text;
};

int distance(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

FieldLook lookOf(QLineEdit *field)
{
    const QImage image = field->grab().toImage();
    const QRect inside = image.rect().adjusted(3, 3, -3, -3);
    QMap<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    FieldLook look;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            look.background = QColor(it.key());
        }
    }
    look.text = look.background;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (distance(QColor(it.key()), look.background) > distance(look.text, look.background))
            look.text = QColor(it.key());
    return look;
}

struct Look {
    const char *name;
    QString sheet;
    bool dark;
};

// The field of slot 2 before and after its R/G button is clicked.
struct Swap {
    FieldLook before, after;
};

class FieldColours : public MainWindowTest {
protected:
    void TearDown() override
    {
        qApp->setStyleSheet(QString());
        QApplication::setPalette(QApplication::style()->standardPalette());
        MainWindowTest::TearDown();
    }

    Swap swapUnder(const Look &look)
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
        QPalette palette = QApplication::style()->standardPalette();
        if (look.dark) {
            palette.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
            palette.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
            palette.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
            palette.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
        }
        QApplication::setPalette(palette);
        qApp->setStyleSheet(look.sheet);
        TFormMain w(settingsPath());
        EXPECT_TRUE(w.loadHexFile(sampleHex("105-relaisdekoder-8-dcc")));
        w.show();
        Swap swap;
        EXPECT_FALSE(gridOf(w).btnRG[2]->isHidden());
        if (gridOf(w).btnRG[2]->isHidden())
            return swap;
        swap.before = lookOf(gridOf(w).edtAddress[2]);
        QTest::mouseClick(gridOf(w).btnRG[2], Qt::LeftButton);
        swap.after = lookOf(gridOf(w).edtAddress[2]);
        return swap;
    }
};

} // namespace

TEST_F(FieldColours, RedAndGreenSurviveAnApplicationStyleSheetAndADarkPalette)
{
    const Swap plain = swapUnder({"plain", QString(), false});
    const QColor red(0xFF, 0x00, 0x00);
    const QColor green(0x00, 0xFF, 0x00);
    ASSERT_TRUE(plain.before.background == red || plain.before.background == green)
        << plain.before.background.name().toStdString();
    ASSERT_EQ(plain.after.background, plain.before.background == red ? green : red);
    for (const Look &look : {Look{"sheet", QStringLiteral("QLineEdit { background: #222; color: #ddd; }"), false},
                             Look{"sheetAndDarkPalette", QStringLiteral("QLineEdit { background: #222; color: #ddd; }"), true},
                             Look{"darkPalette", QString(), true}}) {
        const Swap swap = swapUnder(look);
        EXPECT_NE(swap.before.background, swap.after.background) << look.name;
        EXPECT_EQ(swap.before.background, plain.before.background) << look.name;
        EXPECT_EQ(swap.after.background, plain.after.background) << look.name;
        // The text is drawn in the readable colour, not in the sheet's.
        for (const FieldLook &field : {swap.before, swap.after}) {
            const QColor readable = readableTextColour(field.background);
            EXPECT_LT(distance(field.text, readable), distance(field.text, QColor(0xDD, 0xDD, 0xDD)))
                << look.name << " text " << field.text.name().toStdString();
        }
    }
}
