#pragma once

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>

#include "game/gamesession.h"
#include "history/historyconnection.h"
#include "history/historyoutbox.h"
#include "history/historyreads.h"
#include "history/historyrecords.h"
#include "history/historyrows.h"
#include "history/historyschema.h"
#include "history/historywrites.h"
#include "history/mastery.h"
#include "history/practicetime.h"
#include "history/keptsheet.h"
#include "history/sheetarchive.h"

// The practice history in one SQLite file. It is opened on first use; a file
// that is not a history of ours is left exactly as it is. Each change is one
// transaction, so a killed program keeps every card written before.
class HistoryStore
{
public:
    using State = HistoryState;
    static constexpr int schemaVersion = HistorySchema::version;

    explicit HistoryStore(QString path);
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // history.sqlite in the per-user data folder of "Sumdrop".
    static QString defaultPath();
    // Children are matched by name, trimmed and without regard to case.
    static QString childKey(const QString &name) { return HistoryRows::childKey(name); }

    QString path() const { return db.path(); }
    State state() const { return db.state(); }
    // Why the last open or write failed, for the message.
    QString error() const { return db.error(); }
    // The last failure was another copy holding the file for a moment: the
    // same write is worth trying again.
    bool busy() const { return db.busy(); }
    // Open, but only for reading (a read-only file or medium).
    bool readOnly() const { return db.readOnly(); }
    // Rows seen so far that the program could not have written; they are
    // left out of everything read.
    int rejectedRecords() const { return checks.rejectedCount(); }
    // How long a write waits for another copy to let go of the file.
    void setLockWait(int milliseconds) { db.setLockWait(milliseconds); }

    // For reading: a missing file stays missing (Absent). For writing: made,
    // readable by its owner only, in folders only its owner may enter. A file
    // found is first checked as bytes, so that one not accepted (or a log
    // beside it from another database) is never opened by SQLite and stays
    // exactly as it is. True when open (for writing: when it can be written).
    bool open(bool forWriting) { return db.open(forWriting); }

    // Writes one card, and the child and game with the first; game is 0
    // before the first card and receives the game's id. False on failure.
    bool recordCard(qint64 &game, const GameSetup &setup, const CardRecord &card)
    {
        return writes.recordCard(game, setup, card);
    }
    bool endGame(qint64 game, const QDateTime &ended, bool completed) { return writes.endGame(game, ended, completed); }

    // Reading: all empty when the file is missing or not ours.
    // With playedHereOnly, those with a game played on this machine.
    QList<ChildEntry> children(bool playedHereOnly = false) { return reads.children(playedHereOnly); }
    // Every child, with their facts, for the class page.
    QList<ClassChild> classChildren(const QDateTime &weekAgo) { return reads.classChildren(weekAgo); }
    // Every card of every child, child by child, with its machine.
    bool forEachClassCard(const std::function<bool(const ClassCard &)> &each)
    {
        return reads.forEachClassCard(machineName(), each);
    }
    // Every attempt of the child, oldest first, per fact.
    AttemptHistory attempts(const QString &child) { return reads.attempts(child); }
    // The same, summed up as it is kept card by card: quick at any size.
    FactRecords factRecords(const QString &child) { return reads.factRecords(child); }
    // With an operation, each game counts its cards of that operation alone,
    // and games without one are left out.
    QList<GameTrend> recentGames(const QString &child, int count, std::optional<qint16> operation = std::nullopt)
    {
        return reads.recentGames(child, count, operation);
    }
    QList<StoredCard> cards(const QString &child) { return reads.cards(child); }
    // The child's games started since then, oldest first, each with its end
    // and its last card.
    QList<PractiseSpan> practiceSpans(const QString &child, const QDateTime &since)
    {
        return reads.practiceSpans(child, since);
    }
    // The same, one at a time, without holding them all; eachCard returns
    // false to stop, and then so does this.
    bool forEachCard(const QString &child, const std::function<bool(const StoredCard &)> &eachCard)
    {
        return reads.forEachCard(child, eachCard);
    }
    // Without a child, every child's.
    qint64 cardCount(const std::optional<QString> &child) { return reads.cardCount(child); }
    double fluencySeconds(const QString &child) { return reads.fluencySeconds(child); }
    bool setFluencySeconds(const QString &child, double seconds) { return writes.setFluencySeconds(child, seconds); }
    // Keeps the sheet under its number, in place of any older one, and
    // forgets all but the last keptSheets printed.
    bool keepSheet(const PrintedSheet &sheet) { return archive.keep(sheet); }
    std::optional<PrintedSheet> sheet(int number) { return archive.sheet(number); }

    // Deletes the child's games, cards, settings and worksheets, and nothing
    // else, in one transaction. Long deletions go in steps; progress(done,
    // total) is told after each and returns false to cancel, which keeps all.
    bool forget(const QString &child, const std::function<bool(qint64, qint64)> &progress = {})
    {
        return writes.forget(child, progress);
    }

    // The class server's side. Cards wait, oldest first, until markSent;
    // each batch brings every game its cards belong to, and games whose end
    // has not been sent. Rows the program could not have written are left
    // out for good.
    SharedBatch unsentBatch(int maxCards) { return outbox.unsentBatch(maxCards); }
    // In one transaction: the batch's cards, and the ends it carried, are sent.
    bool markSent(const SharedBatch &batch) { return outbox.markSent(batch); }
    int unsentCount() { return outbox.unsentCount(); }
    // In one transaction: the games and cards this file does not have yet,
    // counted in the facts as cards played here, and never sent back. What
    // the program could not have written is skipped.
    bool importShared(const SharedBatch &fromServer) { return outbox.importShared(fromServer); }
    // Every child on record, by childKey().
    QStringList childKeys() { return outbox.childKeys(); }
    // This machine as its games name it: its host name when the file was made.
    QString machineName() { return outbox.machineName(); }

private:
    HistoryConnection db;
    RowChecks checks;
    HistoryReads reads{db, checks};
    SheetArchive archive{db, checks};
    HistoryWrites writes{db, reads, archive};
    HistoryOutbox outbox{db, checks, writes};
};
