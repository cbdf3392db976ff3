#include "app/MainWindowHost.h"

#include "app/TFormMain.h"
#include "preferences/WindowPlacement.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

MainWindowHost::MainWindowHost(TFormMain *form) : form_(form)
{
    setObjectName(QStringLiteral("MainWindowHost"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidget(form_);
    setWindowTitle(form_->windowTitle());
    connect(form_, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    form_->installEventFilter(this);
    fitToContent();
    // The inside of the window at the stored point, as the form would have been.
    setGeometry(QRect(form_->restoredPosition(), size()));
}

QList<QRect> MainWindowHost::availableScreens() const
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

void MainWindowHost::fitToContent()
{
    const QScreen *at = screen() ? screen() : QGuiApplication::primaryScreen();
    QSize available = at ? at->availableGeometry().size() : form_->size();
    // Room for the window manager's frame: known once shown, guessed before.
    const QMargins frame = isVisible() ? QMargins(geometry().left() - frameGeometry().left(),
                                                  geometry().top() - frameGeometry().top(),
                                                  frameGeometry().right() - geometry().right(),
                                                  frameGeometry().bottom() - geometry().bottom())
                                       : QMargins(0, 0, 0, 0);
    available.rwidth() -= frame.left() + frame.right();
    available.rheight() -= frame.top() + frame.bottom();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QSize size = WindowPlacement::scrolledWindowSize(form_->size(), available, extent);
    // Never larger than the content, never smaller than the content or the
    // screen allows: the user cannot cut the layout where it would fit.
    const bool fits = size == form_->size();
    setMaximumSize(fits ? size : form_->size() + QSize(extent, extent));
    setMinimumSize(size);
    // Where the screen holds the whole window, the window system may still
    // round its size to a device pixel less at a fractional scale: that
    // pixel brings no scroll bars (which would cover the status bar).
    const Qt::ScrollBarPolicy bars = fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    setHorizontalScrollBarPolicy(bars);
    setVerticalScrollBarPolicy(bars);
    resize(size);
    if (placed_ && isVisible())
        keepReachable();
}

void MainWindowHost::keepReachable()
{
    const QRect frame = frameGeometry();
    const QRect placed = WindowPlacement::placement(frame, availableScreens());
    if (placed == frame)
        return;
    if (placed.size() != frame.size()) {
        const QSize inner = placed.size() - (frame.size() - size());
        setMinimumSize(inner.boundedTo(minimumSize()));
        resize(inner);
    }
    move(placed.topLeft());
}

bool MainWindowHost::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == form_ && event->type() == QEvent::Resize)
        fitToContent();
    return QScrollArea::eventFilter(watched, event);
}

void MainWindowHost::showEvent(QShowEvent *event)
{
    QScrollArea::showEvent(event);
    if (!placed_) {
        // The window manager frames the window after it is shown; look at
        // where it ended up once that happened.
        QTimer::singleShot(200, this, [this] {
            placed_ = true;
            fitToContent();
        });
    }
}

bool MainWindowHost::event(QEvent *event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        fitToContent();
    return QScrollArea::event(event);
}

void MainWindowHost::closeEvent(QCloseEvent *event)
{
    if (!form_->mayClose()) {
        event->ignore();
        return;
    }
    QScrollArea::closeEvent(event);
}
