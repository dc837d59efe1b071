#include "platform/savefile.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace {

bool failed(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool commitSaveFile(QSaveFile &file, QString *error)
{
    // QSaveFile commits a file cut short by a full disk without complaint, so
    // the flush is checked here; an uncommitted file is discarded. Qt names no
    // reason for a failed flush, the system does.
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        file.cancelWriting();
        return failed(error, reason);
    }
    if (!file.commit())
        return failed(error, file.errorString());
    return true;
}

bool saveFileWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(error, file.errorString());
    errno = 0;
    if (file.write(bytes) != bytes.size())
        return failed(error, errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString());
    return commitSaveFile(file, error);
}
