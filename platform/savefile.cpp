#include "platform/savefile.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

bool saveFileWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // QSaveFile commits a file cut short by a full disk without complaint, so
    // the flush is checked here; an uncommitted file is discarded. Qt names no
    // reason for a failed flush, the system does.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        return fail(errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
