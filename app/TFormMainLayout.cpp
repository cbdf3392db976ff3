#include "app/TFormMain.h"

#include "LogoPixels.h"
#include "ui/Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

// The window's own controls and their layout: the command buttons, the
// progress bar, the logo and the status bar, placed as the slot grid or an
// editor frame needs the room.

namespace {

constexpr int StatusBarHeight = 20;
constexpr int ButtonsGroupHeight = 72;
constexpr int StartMinHeight = 630;
constexpr int StartMinWidth = 750;
constexpr int StatusPanelWidths[TFormMain::StatusPanelCount - 1] = {35, 50, 50, 250};

void makeBold(QWidget *widget)
{
    QFont f = widget->font();
    f.setBold(true);
    widget->setFont(f);
}

} // namespace

void TFormMain::createControls()
{
    GroupBoxMain = new QGroupBox(this);
    GroupBoxMain->setObjectName(QStringLiteral("GroupBoxMain"));
    GroupBoxMain->setGeometry(5, 5, 400, 475);

    GroupBoxButtons = new QGroupBox(this);
    GroupBoxButtons->setObjectName(QStringLiteral("GroupBoxButtons"));
    GroupBoxButtons->setGeometry(410, 515, 290, ButtonsGroupHeight);
    btn_load = Widgets::button(GroupBoxButtons, QStringLiteral("btn_load"), tr("HEX laden"),
                               tr("Hex-File laden.\nAnschliessend können Parameter wie z.B. die Adressen "
                                              "geändert werden."),
                               QRect(10, 14, 110, 25));
    btn_save = Widgets::button(GroupBoxButtons, QStringLiteral("btn_save"), tr("HEX speichern"),
                               tr("Hex-File speichern\nDas neue HEX-File kann dann in den PIC 'gebrannt' "
                                              "werden"),
                               QRect(130, 14, 110, 25));
    btn_info = Widgets::button(GroupBoxButtons, QStringLiteral("btn_info"), tr("HEX Info"),
                               tr("Anzeige der HEX-Daten"), QRect(250, 14, 70, 25));
    btn_close = Widgets::button(GroupBoxButtons, QStringLiteral("btn_close"), tr("Ende"),
                                tr("Programm beenden (ohne eine Nachfrage!)"), QRect(250, 42, 70, 25));
    for (QWidget *bold : {btn_load, btn_save, btn_close})
        makeBold(bold);
    connect(btn_load, &QPushButton::clicked, this, &TFormMain::btn_loadClick);
    connect(btn_save, &QPushButton::clicked, this, &TFormMain::btn_saveClick);
    connect(btn_info, &QPushButton::clicked, this, &TFormMain::btn_infoClick);
    connect(btn_close, &QPushButton::clicked, this, &TFormMain::btn_closeClick);

    // The steps of a load and a save.
    ProgressBar1 = new QProgressBar(GroupBoxButtons);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(10, 46, 230, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    GroupBoxImage = new QGroupBox(this);
    GroupBoxImage->setObjectName(QStringLiteral("GroupBoxImage"));
    GroupBoxImage->setAutoFillBackground(true);
    QPalette imagePalette = GroupBoxImage->palette();
    imagePalette.setColor(QPalette::Window, imagePalette.color(QPalette::HighlightedText));
    GroupBoxImage->setPalette(imagePalette);
    GroupBoxImage->installEventFilter(this);
    Image2 = new QLabel(GroupBoxImage);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->resize(200, 32);
    Image2->setToolTip(tr("Zur WebSite"));
    Image2->setCursor(Qt::PointingHandCursor);
    // The pixels stay where the program keeps them; the pixmap is made from them.
    Image2->setPixmap(QPixmap::fromImage(QImage(LogoRgb, LogoWidth, LogoHeight, 3 * LogoWidth, QImage::Format_RGB888)));
    Image2->installEventFilter(this);
    createStatusBar();

    move(20, 20);
    setMinimumSize(StartMinWidth, StartMinHeight);
    resize(StartMinWidth, StartMinHeight);
}

void TFormMain::createStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setToolTip(tr("Anzeige der HEX-Version und des Namens"));
    StatusBar1->setSizeGripEnabled(false);
    for (int i = 0; i < StatusPanelCount; ++i) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusBar1_panel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i < StatusPanelCount - 1) {
            panel->setFixedWidth(StatusPanelWidths[i]);
            StatusBar1->addWidget(panel);
        } else {
            StatusBar1->addWidget(panel, 1);
        }
        statusPanels_[i] = panel;
    }
}

void TFormMain::centreImage()
{
    Image2->move(GroupBoxImage->width() / 2 - Image2->width() / 2,
                 GroupBoxImage->height() / 2 - Image2->height() / 2);
}

void TFormMain::placeButtons()
{
    btn_load->move(10, btn_load->y());
    btn_save->move(Widgets::rightEdge(btn_load) + 10, btn_save->y());
    btn_info->move(Widgets::rightEdge(btn_save) + 10, btn_info->y());
    btn_close->move(btn_info->x(), btn_close->y());
    GroupBoxButtons->resize(Widgets::rightEdge(btn_info) + 10, GroupBoxButtons->height());
    ProgressBar1->setGeometry(btn_load->x(), ProgressBar1->y(), btn_load->width() + btn_save->width() + 10,
                              ProgressBar1->height());
}

void TFormMain::ResetWindowLayout()
{
    GroupBoxImage->setGeometry(GroupBoxMain->x(), GroupBoxImage->y(), GroupBoxMain->width(),
                               GroupBoxButtons->height());
    centreImage();

    btn_load->resize(110, btn_load->height());
    btn_save->resize(110, btn_save->height());
    btn_info->resize(70, btn_info->height());
    btn_close->resize(btn_info->width(), btn_close->height());
    placeButtons();
    GroupBoxButtons->move(Widgets::rightEdge(GroupBoxImage) + 5, GroupBoxButtons->y());

    const int top = height() - StatusBarHeight - GroupBoxButtons->height() - 30;
    GroupBoxButtons->move(GroupBoxButtons->x(), top);
    GroupBoxImage->move(GroupBoxImage->x(), top);

    setMinimumSize(0, 0);
    const QSize minimum(Widgets::rightEdge(GroupBoxButtons) + 10, StartMinHeight);
    resize(minimum);
    setMinimumSize(minimum);

    ArrangeWindow(5, 410, 500, 300);
    grid_.clearLabels();
}

void TFormMain::ArrangeWindow(int imageLeft, int buttonsLeft, int contentHeight, int contentWidth)
{
    GroupBoxMain->resize(GroupBoxMain->width(), contentHeight + 5);

    setMinimumSize(0, 0);
    const QSize size(buttonsLeft + contentWidth + 10,
                     contentHeight + StatusBarHeight + GroupBoxButtons->height() + 50);
    resize(size);
    setMinimumSize(size);

    btn_load->resize(((contentWidth - 40) * 4) / 10, btn_load->height());
    btn_save->resize(((contentWidth - 40) * 4) / 10, btn_save->height());
    btn_info->resize((2 * contentWidth - 80) / 10, btn_info->height());
    btn_close->resize(btn_info->width(), btn_close->height());
    placeButtons();

    GroupBoxButtons->move(buttonsLeft, contentHeight + 15);
    GroupBoxImage->setGeometry(imageLeft, contentHeight + 15, buttonsLeft - imageLeft - 5,
                               GroupBoxButtons->height());
    centreImage();
}

void TFormMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    StatusBar1->setGeometry(0, height() - StatusBarHeight, width(), StatusBarHeight);
}
