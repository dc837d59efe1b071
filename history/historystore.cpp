#include "history/historystore.h"

#include <QStandardPaths>

HistoryStore::HistoryStore(QString path)
    : db(std::move(path))
{
}

QString HistoryStore::defaultPath()
{
    // Named here rather than through the application's name, which the
    // program never sets and tests would change.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
         + QStringLiteral("/Sumdrop/Sumdrop/history.sqlite");
}
