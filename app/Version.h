#pragma once
#include <QDate>
#include <QString>

// The program's version and release date come from the build (the project's
// version in CMakeLists.txt), so they are written down in one place only.
inline QString programVersion()
{
    return QStringLiteral(QUAXEL_VERSION);
}

inline QDate programReleaseDate()
{
    return QDate::fromString(QStringLiteral(QUAXEL_RELEASE_DATE), Qt::ISODate);
}

// "Quaxel V0.981": the window caption.
inline QString programCaption()
{
    return QStringLiteral("Quaxel V") + programVersion();
}
