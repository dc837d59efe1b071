#include "history/historywrites.h"

#include <QUuid>
#include <QVariantList>

#include <algorithm>
#include <limits>

#include "history/historyconnection.h"
#include "history/historyreads.h"
#include "history/historyrows.h"
#include "history/sheetarchive.h"

using namespace HistoryRows;

namespace {

QString newUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace

HistoryWrites::HistoryWrites(HistoryConnection &connection, HistoryReads &reads, SheetArchive &sheets)
    : db(connection)
    , reads(reads)
    , sheets(sheets)
{
}

qint64 HistoryWrites::childId(const QString &child)
{
    QSqlQuery query = db.query();
    if (!db.run(query, QStringLiteral("SELECT id FROM children WHERE key = ?"), {childKey(child)}) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

bool HistoryWrites::recordCard(qint64 &game, const GameSetup &setup, const CardRecord &card)
{
    if (!db.open(true))
        return false;
    qint64 id = game;
    const bool written = db.transaction([&] {
        QSqlQuery query = db.query();
        // Another copy may have forgotten the child since: the game starts
        // again under the child's name.
        if (id != 0 && (!db.run(query, QStringLiteral("SELECT 1 FROM games WHERE id = ?"), {id}) || !query.next()))
            id = 0;
        if (id == 0)
            id = addGame(setup, newUuid());
        return id != 0 && addCard(id, card, newUuid());
    });
    if (written)
        game = id;
    return written;
}

qint64 HistoryWrites::addGame(const GameSetup &setup, const QString &uuid, const QString &machine)
{
    QSqlQuery query = db.query();
    const QString child = machine.isNull() ? QStringLiteral("INSERT INTO children (key, name) VALUES (?, ?) "
                                                            "ON CONFLICT (key) DO UPDATE SET name = excluded.name")
                                           : QStringLiteral("INSERT INTO children (key, name) VALUES (?, ?) "
                                                            "ON CONFLICT (key) DO NOTHING");
    if (!db.run(query, child, {childKey(setup.child), notNull(setup.child.trimmed())}))
        return 0;
    if (!db.run(query,
                QStringLiteral("INSERT INTO games (child_id, started, card_count, operations, advanced_range, "
                               "top_min, top_max, bottom_min, bottom_max, divisor_low, divisor_high, "
                               "answer_format, verbal, uuid, machine) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {childId(setup.child), timeText(setup.started), setup.cardCount, setup.operations,
                 setup.advancedRange, setup.topMin, setup.topMax, setup.bottomMin, setup.bottomMax, setup.divisorLow,
                 setup.divisorHigh, setup.answerFormat, setup.verbal, uuid, machine}))
        return 0;
    return query.lastInsertId().toLongLong();
}

bool HistoryWrites::addCard(qint64 game, const CardRecord &card, const QString &uuid, bool sent)
{
    QSqlQuery query = db.query();
    const QVariant given = card.hasGiven && card.ending == CardEnding::Typed ? QVariant(qint64(card.given))
                                                                             : QVariant();
    return db.run(query,
                  QStringLiteral("INSERT INTO cards (game_id, operation, top, bottom, answer, given, right, ending, "
                                 "seconds, judged_at, uuid, sent) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {game, card.operation, qint64(card.top), qint64(card.bottom), qint64(card.answer), given,
                   card.right, qint16(card.ending), card.seconds, timeText(card.judgedAt), uuid, sent ? 1 : 0})
        && db.run(query,
                  QStringLiteral("UPDATE games SET judged = judged + 1, right_count = right_count + ? WHERE id = ?"),
                  {card.right ? 1 : 0, game})
        && updateFactRecord(game, card);
}

bool HistoryWrites::updateFactRecord(qint64 game, const CardRecord &card)
{
    QSqlQuery query = db.query();
    const QVariantList key = {game, card.operation, qint64(card.top), qint64(card.bottom)};
    if (!db.run(query,
                QStringLiteral("SELECT g.child_id, f.tries, f.right_count, f.recent, f.times FROM games g "
                               "LEFT JOIN facts f ON f.child_id = g.child_id AND f.operation = ? AND f.top = ? "
                               "AND f.bottom = ? WHERE g.id = ?"),
                {key[1], key[2], key[3], game})
        || !query.next())
        return false;
    const qint64 child = query.value(0).toLongLong();
    const auto tries = wholeOf(query.value(1), 0, std::numeric_limits<int>::max() - 1);
    const auto right = wholeOf(query.value(2), 0, std::numeric_limits<int>::max() - 1);
    const auto kept = recentOf(query.value(3).toString());
    QList<float> times = timesOf(query.value(4).toByteArray());
    QList<Attempt> recent = kept.value_or(QList<Attempt>());
    int newTries = tries.value_or(0) + 1;
    int newRight = right.value_or(0) + (card.right ? 1 : 0);
    const bool sound = query.value(1).isNull()
                    || (tries && right && kept && *right <= *tries && times.size() == *tries
                        && std::all_of(times.begin(), times.end(), [](float t) { return isPlausibleSeconds(t); }));
    if (sound) {
        recent.append({card.right, card.seconds});
        const float seconds = float(card.seconds);
        times.insert(std::upper_bound(times.begin(), times.end(), seconds) - times.begin(), seconds);
    } else {
        // A record the program did not write: made again from the cards.
        if (!db.run(query,
                    QStringLiteral("SELECT c.right, c.seconds FROM cards c JOIN games g ON g.id = c.game_id "
                                   "WHERE g.child_id = ? AND c.operation = ? AND c.top = ? AND c.bottom = ? "
                                   "ORDER BY c.id"),
                    {child, key[1], key[2], key[3]}))
            return false;
        recent.clear();
        times.clear();
        newRight = 0;
        while (query.next()) {
            const double seconds = query.value(1).toDouble();
            if (!isPlausibleSeconds(seconds))
                continue;
            recent.append({query.value(0).toBool(), seconds});
            newRight += recent.last().right ? 1 : 0;
            times.append(float(seconds));
        }
        std::sort(times.begin(), times.end());
        newTries = int(times.size());
    }
    recent = recent.mid(std::max<qsizetype>(0, recent.size() - recentAttempts));
    return db.run(query,
                  QStringLiteral("INSERT OR REPLACE INTO facts (child_id, operation, top, bottom, tries, right_count, "
                                 "recent, times) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                  {child, key[1], key[2], key[3], newTries, newRight, recentText(recent), bytesOf(times)});
}

bool HistoryWrites::keepRecentInTimeOrder(qint64 child, const Fact &fact)
{
    QSqlQuery query = db.query();
    const QVariantList key = {child, fact.operation, fact.top, fact.bottom};
    if (!db.run(query,
                QStringLiteral("SELECT c.right, c.seconds FROM cards c JOIN games g ON g.id = c.game_id "
                               "WHERE g.child_id = ? AND c.operation = ? "
                               "AND c.top = ? AND c.bottom = ? ORDER BY c.judged_at DESC, c.id DESC LIMIT ?"),
                key + QVariantList{recentAttempts}))
        return false;
    QList<Attempt> recent;
    while (query.next()) {
        const double seconds = query.value(1).toDouble();
        if (isPlausibleSeconds(seconds))
            recent.prepend({query.value(0).toBool(), seconds});
    }
    return db.run(query,
                  QStringLiteral("UPDATE facts SET recent = ? WHERE child_id = ? AND operation = ? AND top = ? "
                                 "AND bottom = ?"),
                  QVariantList{recentText(recent)} + key);
}

bool HistoryWrites::endGame(qint64 game, const QDateTime &ended, bool completed)
{
    if (!db.open(true))
        return false;
    return db.transaction([&] {
        QSqlQuery query = db.query();
        // An end not yet sent, also of a game whose cards were.
        return db.run(query, QStringLiteral("UPDATE games SET ended = ?, completed = ?, end_sent = 0 WHERE id = ?"),
                      {timeText(ended), completed, game});
    });
}

bool HistoryWrites::setFluencySeconds(const QString &child, double seconds)
{
    if (!db.open(true))
        return false;
    return db.transaction([&] {
        QSqlQuery query = db.query();
        return db.run(query, QStringLiteral("UPDATE children SET fluency = ? WHERE key = ?"),
                      {seconds, childKey(child)});
    });
}

bool HistoryWrites::forget(const QString &child, const std::function<bool(qint64, qint64)> &progress)
{
    if (!db.open(true))
        return false;
    const QString key = childKey(child);
    const qint64 total = reads.cardCount(child);
    bool cancelled = false;
    const bool deleted = db.transaction([&] {
        QSqlQuery query = db.query();
        // In steps, so that a long deletion can say how far it is.
        constexpr int step = 20000;
        for (qint64 done = 0;;) {
            if (!db.run(query,
                        QStringLiteral("DELETE FROM cards WHERE id IN (SELECT c.id FROM cards c "
                                       "JOIN games g ON g.id = c.game_id JOIN children k ON k.id = g.child_id "
                                       "WHERE k.key = ? LIMIT ?)"),
                        {key, step}))
                return false;
            const int removed = query.numRowsAffected();
            done += removed;
            if (progress && !progress(std::min(done, total), total)) {
                cancelled = true;
                return false;
            }
            if (removed < step)
                break;
        }
        return sheets.forgetChild(key)
            && db.run(query, QStringLiteral("DELETE FROM children WHERE key = ?"), {key});
    });
    if (cancelled)
        db.clearError();
    // The deleted rows leave the log too, not only the file.
    if (deleted)
        db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return deleted;
}
