#pragma once
#include "../WindowParts.h"
// Shared ground of the main window tests: a window with its own settings file
// in a temporary folder, messages recorded instead of shown.
#include "ui/Dialogs.h"
#include "app/TFormMain.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QTest>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>


class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Dialogs::clearPresets();
        Dialogs::setRecordMessages(true);
    }
    void TearDown() override { Dialogs::clearPresets(); }

    QString settingsPath() const { return dir.filePath(QStringLiteral("quaxel.ini")); }

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }

    static QByteArray contentOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

// A Torvel firmware (type 520, DCC markers) with one ID record.
inline const QByteArray Torvel = ":020000040000FA\r\n"
                          ":100000000830023000300000000000000000000056\r\n"
                          ":1000100005190000000000000000000000000000C2\r\n"
                          ":084000000100030005000100AE\r\n"
                          ":02400E003A3F37\r\n"
                          ":10420000FF00FF00FF00FF00FF00FF00FF00FF00B6\r\n"
                          ":00000001FF\r\n";

// Runs act on the next modal widget of type T as soon as it shows.
template <class T>
inline void whenModalShows(std::function<void(T *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *modal = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

// A right click on the command buttons' panel, then a click on the menu
// entry of the action.
inline void chooseFromButtonsMenu(TFormMain &w, const char *actionName)
{
    auto *action = w.findChild<QAction *>(QString::fromLatin1(actionName));
    ASSERT_NE(action, nullptr) << actionName;
    bool clicked = false;
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action, &clicked] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->stop();
        timer->deleteLater();
        clicked = menu->actions().contains(action);
        if (clicked)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        else
            menu->close();
    });
    timer->start();
    const QPoint at(w.GroupBoxButtons->width() - 4, w.GroupBoxButtons->height() - 4);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, w.GroupBoxButtons->mapToGlobal(at));
    QApplication::sendEvent(w.GroupBoxButtons, &event);
    EXPECT_TRUE(clicked) << actionName << " is not in the menu";
}
