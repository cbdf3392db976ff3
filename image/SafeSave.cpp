#include "image/SafeSave.h"

#include <QSaveFile>

std::optional<QString> saveFileWhole(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const bool written = file.write(content) == content.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        const QString error = file.errorString();
        file.cancelWriting();
        file.commit(); // removes the temporary file, leaves the target alone
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
