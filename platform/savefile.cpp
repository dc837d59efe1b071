#include "platform/savefile.h"

#include <QSaveFile>

bool saveFileWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile commits a file cut short by a full disk without complaint, so
    // the flush is checked here; an uncommitted file is discarded.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return false;
    return file.commit();
}
