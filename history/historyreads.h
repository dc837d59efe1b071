#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

#include "history/classmastery.h"
#include "history/mastery.h"
#include "history/practicetime.h"
#include "history/historyrecords.h"

class HistoryConnection;
class QSqlQuery;
class RowChecks;

// What the Progress window, the draw and the export read; all empty when the
// file is missing or not ours. Rows the program could not have written are
// counted and left out.
class HistoryReads
{
public:
    HistoryReads(HistoryConnection &connection, RowChecks &checks);

    // With playedHereOnly, the children with a game played on this machine.
    QList<ChildEntry> children(bool playedHereOnly = false);
    AttemptHistory attempts(const QString &child);
    FactRecords factRecords(const QString &child);
    // Every child with a game, by key, with their facts and the games
    // started since weekAgo.
    QList<ClassChild> classChildren(const QDateTime &weekAgo);
    QList<GameTrend> recentGames(const QString &child, int count, std::optional<qint16> operation);
    QList<PractiseSpan> practiceSpans(const QString &child, const QDateTime &since);
    bool forEachCard(const QString &child, const std::function<bool(const StoredCard &)> &eachCard);
    // Every card of every child, child by child, each with the machine its
    // game was played on (here for this one).
    bool forEachClassCard(const QString &here, const std::function<bool(const ClassCard &)> &each);
    QList<StoredCard> cards(const QString &child);
    // The child's cards; every child's without one.
    qint64 cardCount(const std::optional<QString> &child);
    double fluencySeconds(const QString &child);

private:
    std::optional<FactRecord> factRecordOf(const QSqlQuery &row, int at);
    bool readCards(const QString &where, const QVariantList &values, const QString &order,
                   const std::function<bool(const StoredCard &, const QSqlQuery &)> &each);

    HistoryConnection &db;
    RowChecks &checks;
};
