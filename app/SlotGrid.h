#pragma once
#include "document/DecoderDocument.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The 48-slot address grid in the main window's group box: a row of label,
// address edit, function edit and R/G button per slot, shown for the slots
// the decoder type names. It shows the document's slot texts and outputs and
// writes what the user types into it. A row is made the first time a decoder
// type names its slot.
class SlotGrid : public QObject {
    Q_OBJECT

public:
    static constexpr int SlotCount = DecoderSession::SlotCount;
    template <class W> using Row = std::array<W *, SlotCount>;

    explicit SlotGrid(DecoderDocument &document);
    // Puts the grid into the box; tabAfter: the control the first row follows
    // in the tab order.
    void build(QGroupBox *box, QWidget *tabAfter);

    // The controls, null for a slot whose row is not made yet.
    Row<QLabel> lblSlot{};
    Row<QLineEdit> edtAddress{};
    Row<QLineEdit> edtFunction{};
    Row<QPushButton> btnRG{};
    QFrame *line() const { return line_; }

    void makeRow(int s);
    // Labels, visibility and columns for the session's decoder type.
    void showType();
    // Empties every label and puts the column break back after slot 15.
    void clearLabels();
    void arrange(int breakAfter);
    // Hides every slot (no protocol) and puts the protocol's limits in the hints.
    void showProtocolLimits();
    // The document's texts and outputs.
    void showDocument();
    void colourAddresses();

    // The focus goes into the edit whose text the rules refused.
    void showRefused(const SlotFault &fault);
    // The R/G button that sent the click switches its slot between red and green.
    void btn_RGClick();

signals:
    // An edit's text changed (each keystroke) or an R/G button was clicked.
    void changed();
    // An edit was left or ended with Enter, or an R/G button was clicked.
    void actionFinished();
    // The controls of a row just made.
    void rowMade(const QList<QWidget *> &controls);

private:
    static QPoint rowOrigin(int slot, int breakAfter);
    bool isLabelled(int s) const;
    void placeRow(int s);
    void putRowInTabOrder(int s);
    void showRow(int s);
    void hideRow(int s);
    QColor colour(int s) const;
    void showTexts(int s);

    DecoderDocument &document_;
    DecoderSession &session_;
    QGroupBox *box_ = nullptr;
    QWidget *tabAfter_ = nullptr;
    QFrame *line_ = nullptr;
    QFont font_;
    int break_ = DecoderSession::DefaultSlotBreak;
};
