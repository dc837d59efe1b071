#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

#include "history/mastery.h"
#include "history/practicetime.h"
#include "history/historyrecords.h"

class HistoryConnection;
class RowChecks;

// What the Progress window, the draw and the export read; all empty when the
// file is missing or not ours. Rows the program could not have written are
// counted and left out.
class HistoryReads
{
public:
    HistoryReads(HistoryConnection &connection, RowChecks &checks);

    QList<ChildEntry> children();
    AttemptHistory attempts(const QString &child);
    FactRecords factRecords(const QString &child);
    QList<GameTrend> recentGames(const QString &child, int count, std::optional<qint16> operation);
    QList<PractiseSpan> practiceSpans(const QString &child, const QDateTime &since);
    bool forEachCard(const QString &child, const std::function<bool(const StoredCard &)> &eachCard);
    QList<StoredCard> cards(const QString &child);
    qint64 cardCount(const QString &child);
    double fluencySeconds(const QString &child);

private:
    HistoryConnection &db;
    RowChecks &checks;
};
