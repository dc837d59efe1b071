#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

#include "history/outbox.h"

class HistoryConnection;
class HistoryWrites;
class QSqlQuery;
class RowChecks;

// The history as the outbox of a class server: what waits to be sent, what
// the server has taken, and the cards other machines recorded.
class HistoryOutbox
{
public:
    HistoryOutbox(HistoryConnection &connection, RowChecks &checks, HistoryWrites &writes);

    SharedBatch unsentBatch(int maxCards);
    bool markSent(const SharedBatch &batch);
    int unsentCount();
    bool importShared(const SharedBatch &fromServer);
    QStringList childKeys();
    QString machineName();

    // Whether a game or card could have been recorded by the program, and
    // so may be sent or taken in.
    static bool isSound(const SharedGame &game);
    static bool isSound(const SharedCard &card);

private:
    std::optional<SharedGame> gameOf(const QSqlQuery &row);
    std::optional<SharedGame> gameWithId(qint64 id, QHash<qint64, std::optional<SharedGame>> &known, bool &failed);

    HistoryConnection &db;
    RowChecks &checks;
    HistoryWrites &writes;
};
