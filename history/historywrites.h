#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

#include "game/gamesession.h"
#include "history/historyrecords.h"

class HistoryConnection;
class HistoryReads;
class SheetArchive;

// Every change to the history, each one transaction, so that a killed
// program keeps every card written before.
class HistoryWrites
{
public:
    HistoryWrites(HistoryConnection &connection, HistoryReads &reads, SheetArchive &sheets);

    bool recordCard(qint64 &game, const GameSetup &setup, const CardRecord &card);
    bool endGame(qint64 game, const QDateTime &ended, bool completed);
    bool setFluencySeconds(const QString &child, double seconds);
    bool forget(const QString &child, const std::function<bool(qint64, qint64)> &progress);

private:
    qint64 childId(const QString &child);
    bool updateFactRecord(qint64 game, const CardRecord &card);

    HistoryConnection &db;
    HistoryReads &reads;
    SheetArchive &sheets;
};
