#include "info/TfrmInfo.h"

#include <QCoreApplication>

#include "ui/Dialogs.h"
#include "ui/PlainText.h"
#include "ui/TextColour.h"
#include "image/SafeText.h"
#include "image/SafeFile.h"
#include "info/InfoListing.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr int DialogWidth = 750;
constexpr int DialogHeight = 700;
constexpr std::array<int, TfrmInfo::StatusPanelCount> StatusPanelWidths{400, 50};

QLabel *newLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit *newDisabledEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEnabled(false);
    keepReadableWhenDisabled(edit);
    return edit;
}

QPlainTextEdit *newMemo(QWidget *parent, const QString &name, const QString &hint)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memo->setToolTip(hint + QCoreApplication::translate("TfrmInfo", "\nFür den Normal-Bediener uninteressant!"));
    return memo;
}

QPushButton *newButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TfrmInfo::TfrmInfo(const FirmwareImage &image, const QString &fileName, QWidget *parent)
    : QDialog(parent), image_(image), fileName_(fileName)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(tr("HEX File Information"));
    createControls();
    layoutControls();
    // With the main window as parent the dialog opens centred on it.
    resize(DialogWidth, DialogHeight);
    showDumps();
}

void TfrmInfo::createControls()
{
    Label1 = newLabel(this, QStringLiteral("Label1"), tr("Config Value:"));
    Label2 = newLabel(this, QStringLiteral("Label2"), tr("ID-Value:"));
    Label3 = newLabel(this, QStringLiteral("Label3"), tr("EEPROM"));
    Label4 = newLabel(this, QStringLiteral("Label4"), tr("EEprom"));
    Label5 = newLabel(this, QStringLiteral("Label5"), tr("ROM"));
    edt_config = newDisabledEdit(this, QStringLiteral("edt_config"));
    edt_ID = newDisabledEdit(this, QStringLiteral("edt_ID"));
    Memo1a = newMemo(this, QStringLiteral("Memo1a"), tr("Anzeige der EEprom Daten"));
    Memo3a = newMemo(this, QStringLiteral("Memo3a"), tr("Anzeige der Register"));

    btn_compare = newButton(this, QStringLiteral("btn_compare"), tr("vergleiche mit 2. HEX-File"));
    btn_compare->setToolTip(tr("das geladenen HEX wird mit einer 2. Datei verglichen"));
    btn_close = newButton(this, QStringLiteral("btn_close"), tr("Fenster schliessen"));
    connect(btn_compare, &QPushButton::clicked, this, &TfrmInfo::btn_compareClick);
    connect(btn_close, &QPushButton::clicked, this, &TfrmInfo::btn_closeClick);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (int panel = 0; panel < StatusPanelCount; ++panel) {
        statusPanels[panel] = new QLabel(StatusBar1);
        statusPanels[panel]->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
        PlainText::makePlain(statusPanels[panel]);
        statusPanels[panel]->setMinimumWidth(StatusPanelWidths[panel]);
    }
    // The first panel keeps its width, the last one takes the rest of the bar.
    statusPanels[0]->setMaximumWidth(StatusPanelWidths[0]);
    StatusBar1->addWidget(statusPanels[0]);
    StatusBar1->addWidget(statusPanels[1], 1);
}

void TfrmInfo::layoutControls()
{
    auto *values = new QHBoxLayout;
    values->addWidget(Label1);
    values->addWidget(edt_config);
    values->addSpacing(20);
    values->addWidget(Label2);
    values->addWidget(edt_ID);
    values->addStretch(1);

    // EEPROM on the left, ROM (with ID and CONFIG) on the right.
    auto *memos = new QGridLayout;
    memos->addWidget(Label3, 0, 0);
    memos->addWidget(Label5, 0, 1);
    memos->addWidget(Memo1a, 1, 0);
    memos->addWidget(Memo3a, 1, 1);
    memos->addWidget(Label4, 2, 0);
    memos->setColumnStretch(0, 1);
    memos->setColumnStretch(1, 1);
    memos->setRowStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btn_compare);
    buttons->addStretch(1);
    buttons->addWidget(btn_close);

    auto *content = new QVBoxLayout;
    content->addLayout(values);
    content->addLayout(memos, 1);
    content->addLayout(buttons);

    auto *dialog = new QVBoxLayout(this);
    dialog->setContentsMargins(0, 0, 0, 0);
    dialog->setSpacing(0);
    auto *frame = new QWidget(this);
    frame->setLayout(content);
    dialog->addWidget(frame, 1);
    dialog->addWidget(StatusBar1);
}

void TfrmInfo::showDumps()
{
    const FirmwareImage &image = image_;
    edt_config->setText(escapedText(image.configText));
    edt_ID->setText(escapedText(image.idText));
    memo1Lines_ = eepromDumpLines(image);
    memo3Lines_ = romDumpLines(image);
    showMemoLines();
}

QString TfrmInfo::statusPanelText(int panel) const
{
    return statusPanels.at(panel)->text();
}

void TfrmInfo::showMemoLines()
{
    Memo1a->setPlainText(memo1Lines_.join(QLatin1Char('\n')));
    Memo3a->setPlainText(memo3Lines_.join(QLatin1Char('\n')));
}

void TfrmInfo::clearComparison()
{
    memo1Lines_.clear();
    memo3Lines_.clear();
    showMemoLines();
    eepromDiffs = 0;
    romDiffs = 0;
    idDiffs = 0;
    configDiffs = 0;
}

bool TfrmInfo::readCompareFile(const QString &path, QStringList &lines)
{
    const InputFile file = readInputFile(path);
    if (file.error) {
        Dialogs::warningOk(this, *file.error);
        return false;
    }
    lines = splitHexFileLines(file.content);
    return true;
}

void TfrmInfo::btn_compareClick()
{
    clearComparison();
    const QString path = Dialogs::getOpenFileName(this, Dialogs::hexFileFilter());
    if (path.isEmpty())
        return;
    QStringList lines;
    if (!readCompareFile(path, lines))
        return;

    PlainText::setLabelText(statusPanels[0], tr("File 1 = %1").arg(shownPath(fileName_)));
    memo1Lines_.append(QString());
    PlainText::setLabelText(statusPanels[1], tr("File 2 = %1").arg(shownPath(path)));
    if (const auto tooLong = checkCompareLineCount(lines)) {
        showMemoLines();
        Dialogs::showMessage(this, *tooLong);
        return;
    }

    QStringList upperLines;
    for (const QString &line : lines)
        upperLines << upperCaseLine(line);
    const CompareListing listing = compareHexLines(image_, upperLines);
    memo1Lines_ += listing.eepromLines;
    memo3Lines_ += listing.romLines;
    eepromDiffs = listing.eepromDiffs;
    romDiffs = listing.romDiffs;
    idDiffs = listing.idDiffs;
    configDiffs = listing.configDiffs;
    showMemoLines();
    if (listing.error)
        Dialogs::showMessage(this, *listing.error);
}

void TfrmInfo::btn_closeClick()
{
    close();
}
