#pragma once
// Shared ground of the main window tests: a window with its own settings file
// in a temporary folder, messages recorded instead of shown.
#include "ui/Dialogs.h"
#include "app/TFormMain.h"

#include <QApplication>
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

