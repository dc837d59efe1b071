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
#include "history/mastery.h"
#include "history/practicetime.h"
#include "history/keptsheet.h"

// What a game was set up to be, written with its first judged card.
struct GameSetup
{
    QString child; // as typed, trimmed
    QDateTime started;
    FunctionSet operations = 0;
    int cardCount = 0;
    bool advancedRange = false;
    int topMin = 0;
    int topMax = 0;
    int bottomMin = 0;
    int bottomMax = 0;
    int divisorLow = 0;
    int divisorHigh = 0;
    int answerFormat = 0;
    bool verbal = false;
};

struct ChildEntry
{
    QString name; // the latest spelling; empty for the child with no name
    QDateTime lastPlayed;
};

// One card as the export writes it.
struct StoredCard
{
    qint64 game = 0;
    QDateTime judgedAt;
    Fact fact;
    int answer = 0;
    std::optional<int> given;
    bool right = false;
    CardEnding ending = CardEnding::Typed;
    double seconds = 0;
};

// The practice history in one SQLite file. It is opened on first use; a file
// that is not a history of ours is left exactly as it is. Each change is one
// transaction, so a killed program keeps every card written before.
class QSqlQuery;

class HistoryStore
{
public:
    enum class State { Closed, Absent, Open, NotOurs, Newer, NotAFile, Failed };
    static constexpr int schemaVersion = 2;

    explicit HistoryStore(QString path);
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // history.sqlite in the per-user data folder of "Sumdrop".
    static QString defaultPath();
    // Children are matched by name, trimmed and without regard to case.
    static QString childKey(const QString &name);

    QString path() const { return file; }
    State state() const { return current; }
    // Why the last open or write failed, for the message.
    QString error() const { return lastError; }
    // The last failure was another copy holding the file for a moment: the
    // same write is worth trying again.
    bool busy() const { return lastBusy; }
    // Open, but only for reading (a read-only file or medium).
    bool readOnly() const { return current == State::Open && !writable; }
    // Rows seen so far that the program could not have written; they are
    // left out of everything read.
    int rejectedRecords() const { return int(rejected.size()); }
    // How long a write waits for another copy to let go of the file.
    void setLockWait(int milliseconds);

    // For reading: a missing file stays missing (Absent). For writing: made,
    // readable by its owner only, in folders only its owner may enter. A file
    // found is first checked as bytes, so that one not accepted (or a log
    // beside it from another database) is never opened by SQLite and stays
    // exactly as it is. True when open (for writing: when it can be written).
    bool open(bool forWriting);

    // Writes one card, and the child and game with the first; game is 0
    // before the first card and receives the game's id. False on failure.
    bool recordCard(qint64 &game, const GameSetup &setup, const CardRecord &card);
    bool endGame(qint64 game, const QDateTime &ended, bool completed);

    // Reading: all empty when the file is missing or not ours.
    QList<ChildEntry> children();
    // Every attempt of the child, oldest first, per fact.
    AttemptHistory attempts(const QString &child);
    // The same, summed up as it is kept card by card: quick at any size.
    FactRecords factRecords(const QString &child);
    // With an operation, each game counts its cards of that operation alone,
    // and games without one are left out.
    QList<GameTrend> recentGames(const QString &child, int count, std::optional<qint16> operation = std::nullopt);
    QList<StoredCard> cards(const QString &child);
    // The child's games started since then, oldest first, each with its end
    // and its last card.
    QList<PractiseSpan> practiceSpans(const QString &child, const QDateTime &since);
    // The same, one at a time, without holding them all; eachCard returns
    // false to stop, and then so does this.
    bool forEachCard(const QString &child, const std::function<bool(const StoredCard &)> &eachCard);
    qint64 cardCount(const QString &child);
    double fluencySeconds(const QString &child);
    bool setFluencySeconds(const QString &child, double seconds);
    // Keeps the sheet under its number, in place of any older one, and
    // forgets all but the last keptSheets printed.
    bool keepSheet(const PrintedSheet &sheet);
    std::optional<PrintedSheet> sheet(int number);

    // Deletes the child's games, cards, settings and worksheets, and nothing
    // else, in one transaction. Long deletions go in steps; progress(done,
    // total) is told after each and returns false to cancel, which keeps all.
    bool forget(const QString &child, const std::function<bool(qint64, qint64)> &progress = {});

private:
    bool fail(const QString &why, State state = State::Failed);
    bool inspectFile(bool forWriting);
    bool connect(bool readOnlyConnection);
    bool checkAndPrepare();
    bool migrate(int from);
    bool exec(const QString &sql);
    // Runs a prepared statement with its values bound in order, keeping the
    // reason when it fails.
    bool run(QSqlQuery &query, const QString &sql, const QVariantList &values = {});
    bool failedWith(const QSqlQuery &query);
    // Counts a row that fails the checks, once however often it is read.
    void reject(const QString &table, const QVariant &key);
    std::optional<Fact> factOf(const QSqlQuery &row, int column, const QString &table, const QVariant &key);
    // A card's fact, when the whole card is one the program could have written.
    std::optional<Fact> cardFactOf(const QSqlQuery &row, int at);
    template<typename Body>
    bool transaction(Body body);
    // Runs a reading query and hands over each row; false when it cannot.
    bool select(const QString &sql, const QVariantList &values,
                const std::function<void(const QSqlQuery &)> &eachRow);
    qint64 childId(const QString &child);
    bool updateFactRecord(qint64 game, const CardRecord &card);

    QString file;
    QString connection;
    State current = State::Closed;
    bool writable = false;
    QString lastError;
    bool lastBusy = false;
    bool inTransaction = false;
    int lockWait = 250;
    QSet<QString> rejected;
};
