#include "image/SystemErrors.h"

#include <QCoreApplication>

#include <cerrno>

namespace {

struct ErrorText {
    int error;
    const char *text;
};

const ErrorText ErrorTexts[] = {
    {EPERM, QT_TRANSLATE_NOOP("SystemErrors", "Vorgang nicht erlaubt")},
    {ENOENT, QT_TRANSLATE_NOOP("SystemErrors", "Datei oder Ordner nicht gefunden")},
    {EIO, QT_TRANSLATE_NOOP("SystemErrors", "Ein- oder Ausgabefehler")},
    {ENXIO, QT_TRANSLATE_NOOP("SystemErrors", "Gerät oder Adresse nicht gefunden")},
    {EBADF, QT_TRANSLATE_NOOP("SystemErrors", "Ungültiger Dateideskriptor")},
    {EAGAIN, QT_TRANSLATE_NOOP("SystemErrors", "Vorübergehend nicht verfügbar")},
    {ENOMEM, QT_TRANSLATE_NOOP("SystemErrors", "Nicht genug Speicher")},
    {EACCES, QT_TRANSLATE_NOOP("SystemErrors", "Zugriff verweigert")},
    {EBUSY, QT_TRANSLATE_NOOP("SystemErrors", "Gerät oder Datei wird gerade benutzt")},
    {EEXIST, QT_TRANSLATE_NOOP("SystemErrors", "Datei existiert bereits")},
    {EXDEV, QT_TRANSLATE_NOOP("SystemErrors", "Verschieben auf ein anderes Dateisystem nicht möglich")},
    {ENODEV, QT_TRANSLATE_NOOP("SystemErrors", "Gerät nicht gefunden")},
    {ENOTDIR, QT_TRANSLATE_NOOP("SystemErrors", "Kein Ordner")},
    {EISDIR, QT_TRANSLATE_NOOP("SystemErrors", "Ist ein Ordner")},
    {EINVAL, QT_TRANSLATE_NOOP("SystemErrors", "Ungültiges Argument")},
    {EMFILE, QT_TRANSLATE_NOOP("SystemErrors", "Zu viele offene Dateien")},
    {ETXTBSY, QT_TRANSLATE_NOOP("SystemErrors", "Programmdatei wird gerade benutzt")},
    {EFBIG, QT_TRANSLATE_NOOP("SystemErrors", "Datei zu groß")},
    {ENOSPC, QT_TRANSLATE_NOOP("SystemErrors", "Kein Platz mehr auf dem Gerät")},
    {EROFS, QT_TRANSLATE_NOOP("SystemErrors", "Dateisystem nur lesbar")},
    {EMLINK, QT_TRANSLATE_NOOP("SystemErrors", "Zu viele harte Links")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("SystemErrors", "Name zu lang")},
    {ENOTEMPTY, QT_TRANSLATE_NOOP("SystemErrors", "Ordner ist nicht leer")},
    {ELOOP, QT_TRANSLATE_NOOP("SystemErrors", "Zu viele Ebenen symbolischer Links")},
    {ENODATA, QT_TRANSLATE_NOOP("SystemErrors", "Keine Daten vorhanden")},
    {ENOTSUP, QT_TRANSLATE_NOOP("SystemErrors", "Vorgang nicht unterstützt")},
    {EDQUOT, QT_TRANSLATE_NOOP("SystemErrors", "Festplatten-Kontingent überschritten")},
    {EINTR, QT_TRANSLATE_NOOP("SystemErrors", "Unterbrochener Systemaufruf")},
    {ERANGE, QT_TRANSLATE_NOOP("SystemErrors", "Ergebnis außerhalb des Wertebereichs")},
};

} // namespace

QString systemErrorText(int error)
{
    for (const ErrorText &entry : ErrorTexts)
        if (entry.error == error)
            return QCoreApplication::translate("SystemErrors", entry.text);
    return QCoreApplication::translate("SystemErrors", "Systemfehler %1").arg(error);
}
