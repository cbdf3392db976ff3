#include "app/SlotGrid.h"

#include <QCoreApplication>

#include "ui/TextColour.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

SlotGrid::SlotGrid(DecoderDocument &document) : document_(document), session_(document.session())
{
    setObjectName(QStringLiteral("slotGrid"));
    connect(&document_, &DecoderDocument::restored, this, &SlotGrid::showDocument);
    connect(&document_, &DecoderDocument::fileSaved, this, &SlotGrid::showDocument);
}

void SlotGrid::build(QGroupBox *box, QWidget *tabAfter)
{
    box_ = box;
    tabAfter_ = tabAfter;
    font_ = QApplication::font();
    line_ = new QFrame(box);
    line_->setObjectName(QStringLiteral("Line"));
    line_->setFrameShape(QFrame::VLine);
    line_->setFrameShadow(QFrame::Sunken);
    line_->setGeometry(200, 8, 2, box->height() - 3);
}

// Where a slot's row sits while the grid breaks into its second column after
// slot breakAfter. Slot 0 keeps the place above the first column.
QPoint SlotGrid::rowOrigin(int slot, int breakAfter)
{
    if (slot == 0)
        return {5, 30};
    int x = 5;
    int y = 15;
    for (int s = 1; s < slot; ++s) {
        if (s == breakAfter) {
            x += 200;
            y = 15;
        } else {
            y += 25;
        }
    }
    return {x, y};
}

void SlotGrid::placeRow(int s)
{
    const QPoint origin = rowOrigin(s, break_);
    lblSlot[s]->move(origin.x(), origin.y() + 4);
    edtAddress[s]->move(origin.x() + 100, origin.y());
    edtFunction[s]->move(origin.x() + 150, origin.y());
    btnRG[s]->move(origin.x() + 150, origin.y() + 2);
}

void SlotGrid::makeRow(int s)
{
    if (s < 0 || s >= SlotCount || lblSlot[s])
        return;
    auto *label = new QLabel(box_);
    label->setObjectName(QStringLiteral("lblSlot[%1]").arg(s));
    label->resize(100, 20);
    auto *address = new QLineEdit(box_);
    address->setObjectName(QStringLiteral("edtAddress[%1]").arg(s));
    address->resize(40, 20);
    address->setAutoFillBackground(true);
    auto *function = new QLineEdit(box_);
    function->setObjectName(QStringLiteral("edtFunction[%1]").arg(s));
    function->resize(30, 20);
    function->setToolTip(tr("Funktion Nummer"));
    auto *rg = new QPushButton(tr("R/G"), box_);
    rg->setObjectName(QStringLiteral("btnRG[%1]").arg(s));
    rg->resize(30, 16);
    rg->setToolTip(tr("Wechsel zwischen ROTer und GRÜNer Adresse "));
    connect(rg, &QPushButton::clicked, this, &SlotGrid::btn_RGClick);
    connect(address, &QLineEdit::textChanged, this, [this, s](const QString &text) {
        document_.setAddressText(s, text);
        emit changed();
    });
    connect(function, &QLineEdit::textChanged, this, [this, s](const QString &text) {
        document_.setFunctionText(s, text);
        emit changed();
    });
    for (QLineEdit *edit : {address, function})
        connect(edit, &QLineEdit::editingFinished, this, &SlotGrid::actionFinished);
    const QList<QWidget *> controls{label, address, function, rg};
    for (QWidget *w : controls) {
        w->setFont(font_);
        w->hide();
    }
    lblSlot[s] = label;
    edtAddress[s] = address;
    edtFunction[s] = function;
    btnRG[s] = rg;
    placeRow(s);
    putRowInTabOrder(s);
    showTexts(s);
    setFieldColour(address, colour(s));
    emit rowMade(controls);
}

// Tab goes through the rows in slot order, right after the command buttons.
void SlotGrid::putRowInTabOrder(int s)
{
    QWidget *before = tabAfter_;
    for (int p = s - 1; p >= 0; --p) {
        if (btnRG[p]) {
            before = btnRG[p];
            break;
        }
    }
    QWidget::setTabOrder(before, edtAddress[s]);
    QWidget::setTabOrder(edtAddress[s], edtFunction[s]);
    QWidget::setTabOrder(edtFunction[s], btnRG[s]);
}

bool SlotGrid::isLabelled(int s) const
{
    return lblSlot[s] && !lblSlot[s]->text().isEmpty();
}

// A slot without its row has nothing on screen to hide.
void SlotGrid::hideRow(int s)
{
    if (!lblSlot[s])
        return;
    lblSlot[s]->hide();
    edtAddress[s]->hide();
    edtFunction[s]->hide();
    btnRG[s]->hide();
}

void SlotGrid::showRow(int s)
{
    lblSlot[s]->show();
    edtAddress[s]->show();
    btnRG[s]->setVisible(session_.isAccessory());
    edtFunction[s]->setVisible(!session_.isAccessory());
}

void SlotGrid::clearLabels()
{
    for (QLabel *label : lblSlot) {
        if (label)
            label->clear();
    }
    arrange(DecoderSession::DefaultSlotBreak);
}

void SlotGrid::showType()
{
    if (session_.type()) {
        for (int s = 0; s < SlotCount; ++s) {
            if (!session_.slotLabel(s).isEmpty())
                makeRow(s);
            if (lblSlot[s])
                lblSlot[s]->setText(QCoreApplication::translate("DecoderTypes", session_.slotLabel(s).toUtf8()));
        }
        if (session_.breakAfter() != DecoderSession::DefaultSlotBreak)
            arrange(session_.breakAfter());
    }
    for (int s = 0; s < SlotCount; ++s) {
        if (isLabelled(s)) {
            showRow(s);
        } else if (lblSlot[s]) {
            hideRow(s);
            edtAddress[s]->setToolTip(QString());
        }
    }
}

void SlotGrid::arrange(int breakAfter)
{
    break_ = breakAfter;
    for (int s = 1; s < SlotCount; ++s) {
        if (lblSlot[s])
            placeRow(s);
    }
}

void SlotGrid::showProtocolLimits()
{
    if (session_.protocol() == Protocol::None) {
        for (int s = 0; s < SlotCount; ++s)
            hideRow(s);
    }
    // The hint names the bound the save check applies.
    const QString addressHint = tr("gültiger Adressbereich: 1 bis %1\n'0' für unbenutzt (keine Reaktion "
                                               "auf irgendeinen Befehl)")
                                    .arg(session_.addressLimit());
    const QString functionHint =
        tr("gültiger Bereich für die Funktions-Nummer: 1 bis %1").arg(session_.maxFunction);
    for (int s = 0; s < SlotCount; ++s) {
        if (!isLabelled(s))
            continue;
        edtAddress[s]->setToolTip(addressHint);
        edtFunction[s]->setToolTip(functionHint);
    }
}

void SlotGrid::showDocument()
{
    for (int s = 0; s < SlotCount; ++s) {
        if (edtAddress[s])
            showTexts(s);
    }
    colourAddresses();
}

void SlotGrid::showTexts(int s)
{
    // Copies: setting the first text writes it back into the document.
    const QString address = document_.addressText(s);
    const QString function = document_.functionText(s);
    edtAddress[s]->setText(address);
    edtFunction[s]->setText(function);
}

void SlotGrid::showRefused(const SlotFault &fault)
{
    makeRow(fault.slot);
    QLineEdit *edit = fault.field == SlotField::Address ? edtAddress[fault.slot] : edtFunction[fault.slot];
    edit->setFocus();
}

void SlotGrid::btn_RGClick()
{
    const auto found = std::find(btnRG.begin(), btnRG.end(), sender());
    if (found == btnRG.end())
        return;
    session_.toggleGreen(static_cast<int>(found - btnRG.begin()));
    colourAddresses();
    emit changed();
    emit actionFinished();
}

QColor SlotGrid::colour(int s) const
{
    if (!session_.isAccessory())
        return Qt::white;
    return session_.slotValues[s].green ? QColor(0x00, 0xFF, 0x00) : QColor(0xFF, 0x00, 0x00);
}

void SlotGrid::colourAddresses()
{
    for (int s = 0; s < SlotCount; ++s) {
        if (edtAddress[s])
            setFieldColour(edtAddress[s], colour(s));
    }
}
