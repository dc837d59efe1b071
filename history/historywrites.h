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

    // Inside the caller's transaction. A game played elsewhere (machine not
    // null) keeps the child's spelling here; one played here sets it. The
    // game's id, or 0 on failure.
    qint64 addGame(const GameSetup &setup, const QString &uuid, const QString &machine = QString());
    // The card, the game's counts and the fact's record, as a card judged.
    bool addCard(qint64 game, const CardRecord &card, const QString &uuid, bool sent = false);
    // The fact's last attempts taken again by the time they were judged, for
    // cards added after later ones.
    bool keepRecentInTimeOrder(qint64 child, const Fact &fact);

private:
    qint64 childId(const QString &child);
    bool updateFactRecord(qint64 game, const CardRecord &card);

    HistoryConnection &db;
    HistoryReads &reads;
    SheetArchive &sheets;
};
