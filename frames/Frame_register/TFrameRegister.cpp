#include "frames/Frame_register/TFrameRegister.h"

#include <QCoreApplication>

#include "ui/Dialogs.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

namespace CvListView {

PairPlace pairPlace(int k)
{
    const int column = k / PairsPerColumn;
    const int row = k % PairsPerColumn;
    PairPlace place;
    place.labelLeft = 5 + ColumnStep * column;
    place.editLeft = place.labelLeft + 170;
    place.editTop = 15 + 25 * row;
    place.labelTop = place.editTop + 4;
    return place;
}

} // namespace CvListView

using namespace CvListView;

TFrameRegister::TFrameRegister(DecoderSession &session, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameRegister1"), DesignWidth, DesignHeight, parent), model_(session.image)
{
    // The list is designed for a small font; so its longest captions fit.
    QFont small = font();
    small.setPointSizeF(std::min<qreal>(small.pointSizeF(), 8.0));
    setFont(small);

    pnl_cv = new QWidget(this);
    pnl_cv->setObjectName(QStringLiteral("pnl_cv"));
    // The list covers the address grid: it paints its own background.
    pnl_cv->setAutoFillBackground(true);
    pnl_cv->setGeometry(0, 0, DesignWidth, DesignHeight);

    int lineNumber = 1;
    for (QFrame **line : {&Line1, &Line2, &Line3}) {
        *line = new QFrame(pnl_cv);
        (*line)->setObjectName(QStringLiteral("Line%1").arg(lineNumber++));
        (*line)->setFrameShape(QFrame::VLine);
        (*line)->setFrameShadow(QFrame::Sunken);
    }

    for (int k = 0; k < Cv::PairCount; ++k) {
        const PairPlace place = pairPlace(k);
        const QString index = QStringLiteral("[%1]").arg(k);
        cv_lbl[k] = new QLabel(pnl_cv);
        cv_lbl[k]->setObjectName(QStringLiteral("cv_lbl") + index);
        // Captions are wider than the designed 100 pixels; they may run up to the edit.
        cv_lbl[k]->setGeometry(place.labelLeft - 3, place.labelTop, place.editLeft - place.labelLeft + 1, PairHeight);
        cv_lbl[k]->hide();
        cv_edt[k] = new QLineEdit(pnl_cv);
        cv_edt[k]->setObjectName(QStringLiteral("cv_edt") + index);
        cv_edt[k]->setGeometry(place.editLeft, place.editTop, EditWidth, PairHeight);
        cv_edt[k]->hide();
        connect(cv_edt[k], &QLineEdit::textChanged, this, [this, k](const QString &text) { cvValueChange(k, text); });
        connect(cv_edt[k], &QLineEdit::editingFinished, this, [this, k] { showStored(k); });
    }
}

void TFrameRegister::resizeEvent(QResizeEvent *)
{
    pnl_cv->setGeometry(rect());
}

void TFrameRegister::loadFromSession()
{
    pnl_cv->setGeometry(rect());
    pnl_cv->show();
    int left = ColumnStep;
    for (QFrame *line : {Line1, Line2, Line3}) {
        line->setGeometry(left, 8, 2, pnl_cv->height() - 1);
        left += ColumnStep;
    }
    model_.load(typeCode());
    showModel();
}

void TFrameRegister::showModel()
{
    for (int k = 0; k < Cv::PairCount; ++k) {
        const bool shown = k < model_.count();
        // Pairs the type does not define lose any caption of an earlier type.
        cv_lbl[k]->setText(QCoreApplication::translate("CvTable", model_.caption(k).toUtf8()));
        cv_lbl[k]->setToolTip(cv_lbl[k]->text());
        if (shown) {
            const QSignalBlocker blocker(cv_edt[k]);
            cv_edt[k]->setText(QString::number(model_.value(k)));
        }
        cv_lbl[k]->setVisible(shown);
        cv_edt[k]->setVisible(shown);
    }
}

void TFrameRegister::cvValueChange(int k, const QString &text)
{
    const TypedEntry<int> entry = model_.typeValue(k, text);
    if (!entry.isRefused())
        return;
    Dialogs::warningCancel(this, entry.message);
    showStored(k);
    cv_edt[k]->setFocus();
    cv_edt[k]->selectAll();
}

void TFrameRegister::showStored(int k)
{
    if (k >= model_.count())
        return;
    const QSignalBlocker blocker(cv_edt[k]);
    cv_edt[k]->setText(QString::number(model_.value(k)));
}
