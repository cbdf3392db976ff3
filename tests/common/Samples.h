#pragma once
// The bundled sample firmwares and files as tests read them.
#include "decoder/DecoderSession.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

inline QString samplesDir()
{
    return QStringLiteral(QUAXEL_SOURCE_DIR "/samples");
}

// A file of samples/ by its name ("index.txt", "1-kandor-blinkmuster-dcc.hex").
inline QString samplePath(const QString &fileName)
{
    return samplesDir() + QLatin1Char('/') + fileName;
}

// The whole file; a file that cannot be read fails the test and gives nothing.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// A session that has loaded the file; a load fault fails the test.
inline DecoderSession loadedSession(const QString &path)
{
    DecoderSession session;
    const auto outcome = session.load(fileBytes(path));
    EXPECT_FALSE(outcome.error) << path.toStdString() << ": "
                                << (outcome.error ? outcome.error->text.toStdString() : "");
    return session;
}

// The sample firmware of that name (without ".hex").
inline QString sampleHex(const std::string &name)
{
    return samplePath(QString::fromStdString(name) + QStringLiteral(".hex"));
}
