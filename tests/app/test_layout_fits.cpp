// Every text the window shows fits its control: loaded with each sample
// firmware (every decoder type, so every editor frame), at the program's own
// font and with the desktop's font set to 14 pt.
#include "WindowParts.h"
#include "SlotRows.h"
#include "MainWindowFixture.h"
#include "app/StartUp.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
#include <map>

namespace {

struct Fault {
    QString sample;
    QString text;
    int needs = 0;
    int has = 0;
};

// The widest line of a text, in the widget's font.
int textWidth(const QWidget *w, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(u'\n'))
        widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
}

QString plain(QString text)
{
    // A single '&' marks the shortcut letter and is not drawn.
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

// The width a control has for its text and the texts it can show.
struct Room {
    int width = 0;
    QStringList texts;
};

Room roomOf(QWidget *w)
{
    QStyle *style = w->style();
    if (auto *button = qobject_cast<QPushButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        return {style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width(), {plain(button->text())}};
    }
    if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
        auto *button = static_cast<QAbstractButton *>(w);
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        const auto element = qobject_cast<QCheckBox *>(w) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
        return {style->subElementRect(element, &option, button).width(), {plain(button->text())}};
    }
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.rect = combo->rect();
        option.editable = combo->isEditable();
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return {style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width(), items};
    }
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = edit->rect();
        option.lineWidth = edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
        const QMargins margins = edit->textMargins();
        const int inner = style->subElementRect(QStyle::SE_LineEditContents, &option, edit).width()
                          - margins.left() - margins.right() - 2 * 2; // the edit's own margin of 2 on each side
        return {inner, {edit->text()}};
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->wordWrap() || !label->pixmap().isNull() || label->text().isEmpty())
            return {};
        const int inner = label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
        if (Qt::mightBeRichText(label->text()) && label->textFormat() != Qt::PlainText) {
            QTextDocument doc;
            doc.setDefaultFont(label->font());
            doc.setDocumentMargin(0);
            doc.setHtml(label->text());
            return {inner, {doc.toPlainText()}};
        }
        return {inner, {label->text()}};
    }
    if (auto *box = qobject_cast<QGroupBox *>(w)) {
        if (box->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.rect = box->rect();
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // The room from where the title starts to the box's right edge.
        return {box->width() - label.left(), {plain(box->title())}};
    }
    return {};
}

int rightEdgeOf(const QWidget *w)
{
    return w->x() + w->width();
}

// The longest values the slot grid can show: the protocol's largest address
// and function number.
void fillLongestSlotValues(TFormMain &w)
{
    makeEverySlotRow(w);
    for (int s = 0; s < TFormMain::SlotCount; ++s) {
        gridOf(w).edtAddress[s]->setText(QString::number(w.document().session().maxAddress));
        gridOf(w).edtFunction[s]->setText(QString::number(w.document().session().maxFunction));
    }
}

class LayoutFits : public MainWindowTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        programFont = QApplication::font();
        if (GetParam() > 0) {
            // The desktop's font as a platform theme sets it, then the program's
            // start-up preparation on top of it.
            QFont desktop = QApplication::font();
            desktop.setPointSize(GetParam());
            QApplication::setFont(desktop);
            applyUiFont();
        }
    }
    void TearDown() override
    {
        QApplication::setFont(programFont);
        MainWindowTest::TearDown();
    }
    QFont programFont;
};

} // namespace

TEST_P(LayoutFits, EveryVisibleTextFitsItsControl)
{
    TFormMain w(settingsPath());
    w.show();
    std::map<QString, Fault> faults; // by control and text: the first sample that shows it
    const auto check = [&](const QString &sample) {
        for (QWidget *widget : w.findChildren<QWidget *>()) {
            // The status bar's panels have their given widths and show file
            // paths of any length; they are not checked.
            if (!widget->isVisibleTo(&w) || widget->objectName().startsWith(QLatin1String("qt_"))
                || w.StatusBar1->isAncestorOf(widget))
                continue;
            const QString name = widget->objectName().isEmpty()
                                     ? QStringLiteral("%1 in %2").arg(QString::fromLatin1(widget->metaObject()->className()),
                                                                      widget->parentWidget()->objectName())
                                     : widget->objectName();
            // No control or panel runs past the edge of the panel it is on
            // (separator lines may; lists in a scrolled view move inside it).
            QWidget *parent = widget->parentWidget();
            const bool line = qobject_cast<QFrame *>(widget) && static_cast<QFrame *>(widget)->frameShape() != QFrame::NoFrame
                              && !qobject_cast<QLabel *>(widget);
            if (!line && !qobject_cast<QAbstractScrollArea *>(parent->parentWidget())
                && !parent->rect().contains(widget->geometry()))
                faults.try_emplace(name + QStringLiteral(" runs past the edge of ") + parent->objectName(),
                                   Fault{sample, QString(), rightEdgeOf(widget), parent->width()});
            const Room room = roomOf(widget);
            for (const QString &text : room.texts) {
                const int needs = textWidth(widget, text);
                if (needs > room.width) {
                    faults.try_emplace(name + QStringLiteral(": \"") + text + u'"', Fault{sample, text, needs, room.width});
                }
            }
        }
    };
    check(QStringLiteral("(empty window)"));
    const QStringList samples = QDir(QStringLiteral(QUAXEL_SOURCE_DIR "/samples")).entryList({QStringLiteral("*.hex")});
    ASSERT_GT(samples.size(), 100);
    for (const QString &sample : samples) {
        if (!w.loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + sample))
            continue; // samples of malformed files are loaded elsewhere
        fillLongestSlotValues(w);
        check(sample);
    }
    for (const auto &[where, fault] : faults)
        ADD_FAILURE() << where.toStdString() << " needs " << fault.needs << " px, has " << fault.has << " (with "
                      << fault.sample.toStdString() << ")";
    EXPECT_TRUE(faults.empty()) << faults.size() << " texts do not fit";
}

// 0: the program's font as prepared at start; 14: the desktop's font at 14 pt.
INSTANTIATE_TEST_SUITE_P(DesktopFonts, LayoutFits, ::testing::Values(0, 14));
