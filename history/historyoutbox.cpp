#include "history/historyoutbox.h"

#include <QSet>
#include <QSqlQuery>
#include <QSysInfo>

#include <algorithm>
#include <limits>

#include "history/historyconnection.h"
#include "history/historyrows.h"
#include "history/historywrites.h"

using namespace HistoryRows;

namespace {

// Longer than any name a person types or a machine is given.
constexpr qsizetype longestSharedText = 255;

// A game as it is shared, by the id that follows these columns' SELECT.
const QString gameColumns = QStringLiteral(
    "SELECT g.id, g.uuid, k.key, k.name, coalesce(g.machine, (SELECT name FROM machine)), g.started, g.ended, "
    "g.completed, g.operations, g.card_count, g.advanced_range, g.top_min, g.top_max, g.bottom_min, g.bottom_max, "
    "g.divisor_low, g.divisor_high, g.answer_format, g.verbal FROM games g JOIN children k ON k.id = g.child_id ");

bool isPlausibleTime(const QDateTime &time)
{
    return time.isValid() && time.date().year() >= 1970 && time.date().year() <= 9999;
}

CardRecord recordOf(const SharedCard &card)
{
    CardRecord record;
    record.operation = card.fact.operation;
    record.top = card.fact.top;
    record.bottom = card.fact.bottom;
    record.answer = card.answer;
    record.ending = card.ending;
    record.seconds = card.seconds;
    record.judgedAt = card.judgedAt;
    record.hasGiven = card.given.has_value();
    record.given = card.given.value_or(0);
    record.right = card.right;
    return record;
}

} // namespace

HistoryOutbox::HistoryOutbox(HistoryConnection &connection, RowChecks &checks, HistoryWrites &writes)
    : db(connection)
    , checks(checks)
    , writes(writes)
{
}

bool HistoryOutbox::isSound(const SharedGame &game)
{
    return isUuidText(game.uuid) && game.setup.child.size() <= longestSharedText
        && game.childKey == childKey(game.setup.child) && game.machine.size() <= longestSharedText
        && isPlausibleTime(game.setup.started) && (!game.ended || isPlausibleTime(*game.ended));
}

bool HistoryOutbox::isSound(const SharedCard &card)
{
    // A given answer is kept for typed cards alone.
    return isUuidText(card.uuid) && isUuidText(card.gameUuid) && isPlausibleTime(card.judgedAt)
        && isPlausibleFact(card.fact) && card.answer == factAnswer(card.fact)
        && (!card.given || (card.ending == CardEnding::Typed && *card.given >= 0))
        && card.ending >= CardEnding::Typed && card.ending <= CardEnding::MarkedWrong
        && isPlausibleSeconds(card.seconds);
}

std::optional<SharedGame> HistoryOutbox::gameOf(const QSqlQuery &row)
{
    constexpr qint64 low = std::numeric_limits<int>::min();
    constexpr qint64 high = std::numeric_limits<int>::max();
    SharedGame game;
    game.uuid = row.value(1).toString();
    game.childKey = row.value(2).toString();
    game.setup.child = row.value(3).toString();
    game.machine = row.value(4).toString();
    game.setup.started = timeOf(row.value(5));
    if (!row.value(6).isNull())
        game.ended = timeOf(row.value(6));
    const auto completed = wholeOf(row.value(7), 0, 1);
    const auto operations = wholeOf(row.value(8), std::numeric_limits<FunctionSet>::min(),
                                    std::numeric_limits<FunctionSet>::max());
    const auto advanced = wholeOf(row.value(10), 0, 1);
    const auto verbal = wholeOf(row.value(18), 0, 1);
    int *const numbers[] = {&game.setup.cardCount, &game.setup.topMin, &game.setup.topMax, &game.setup.bottomMin,
                            &game.setup.bottomMax, &game.setup.divisorLow, &game.setup.divisorHigh,
                            &game.setup.answerFormat};
    const int columns[] = {9, 11, 12, 13, 14, 15, 16, 17};
    bool whole = completed && operations && advanced && verbal;
    for (int i = 0; i < 8 && whole; ++i) {
        const auto number = wholeOf(row.value(columns[i]), low, high);
        whole = number.has_value();
        *numbers[i] = number.value_or(0);
    }
    if (!whole || !isSound(game)) {
        checks.reject(QStringLiteral("games"), row.value(0));
        return std::nullopt;
    }
    game.completed = *completed == 1;
    game.setup.operations = FunctionSet(*operations);
    game.setup.advancedRange = *advanced == 1;
    game.setup.verbal = *verbal == 1;
    return game;
}

std::optional<SharedGame> HistoryOutbox::gameWithId(qint64 id, QHash<qint64, std::optional<SharedGame>> &known,
                                                     bool &failed)
{
    const auto found = known.constFind(id);
    if (found != known.constEnd())
        return *found;
    std::optional<SharedGame> game;
    // A game not read is no game found wanting.
    if (!db.select(gameColumns + QStringLiteral("WHERE g.id = ?"), {id},
                   [&](const QSqlQuery &row) { game = gameOf(row); })) {
        failed = true;
        return std::nullopt;
    }
    known.insert(id, game);
    return game;
}

SharedBatch HistoryOutbox::unsentBatch(int maxCards)
{
    SharedBatch batch;
    if (maxCards <= 0 || !db.open(false))
        return batch;
    QHash<qint64, std::optional<SharedGame>> known;
    QList<qint64> order;
    // Rows the program could not have written are never sent, nor offered
    // again: the server would refuse the batch that holds them.
    QList<QVariantList> cardsAside;
    bool failed = false;
    qint64 after = 0;
    for (bool more = true; more && batch.cards.size() < maxCards;) {
        const qsizetype wanted = maxCards - batch.cards.size();
        qsizetype read = 0;
        more = db.select(
            QStringLiteral("SELECT c.id, c.operation, c.top, c.bottom, c.answer, c.right, c.seconds, c.ending, "
                           "c.uuid, c.game_id, c.judged_at, c.given FROM cards c WHERE c.sent = 0 AND c.id > ? "
                           "ORDER BY c.id LIMIT ?"),
            {after, wanted}, [&](const QSqlQuery &row) {
                ++read;
                after = row.value(0).toLongLong();
                const std::optional<Fact> fact = checks.cardFactOf(row, 0);
                const qint64 gameId = row.value(9).toLongLong();
                const std::optional<SharedGame> game = gameWithId(gameId, known, failed);
                SharedCard card;
                card.uuid = row.value(8).toString();
                card.gameUuid = game ? game->uuid : QString();
                card.judgedAt = timeOf(row.value(10));
                card.fact = fact.value_or(Fact());
                card.answer = row.value(4).toInt();
                const auto given = wholeOf(row.value(11), 0, std::numeric_limits<int>::max());
                if (given)
                    card.given = *given;
                card.right = row.value(5).toInt() == 1;
                card.ending = CardEnding(row.value(7).toInt());
                card.seconds = row.value(6).toDouble();
                if (!fact || !game || (!row.value(11).isNull() && !given) || !isSound(card)) {
                    if (fact && game)
                        checks.reject(QStringLiteral("cards"), row.value(0));
                    cardsAside.append(QVariantList{row.value(0), row.value(8)});
                    return;
                }
                if (!order.contains(gameId))
                    order.append(gameId);
                batch.cards.append(card);
            });
        more = more && read == wanted && !failed;
    }
    // Games that ended after their cards were sent, and games whose end has
    // not been sent yet, travel on their own.
    QList<qint64> ends;
    failed = failed
          || !db.select(
                 QStringLiteral("SELECT id FROM games WHERE end_sent = 0 AND ended IS NOT NULL ORDER BY id LIMIT ?"),
                 {maxCards}, [&ends](const QSqlQuery &row) { ends.append(row.value(0).toLongLong()); });
    for (const qint64 id : std::as_const(ends))
        if (!order.contains(id))
            order.append(id);
    QList<QVariantList> gamesAside;
    for (const qint64 id : std::as_const(order)) {
        if (const std::optional<SharedGame> game = gameWithId(id, known, failed))
            batch.games.append(*game);
    }
    if (failed)
        return {};
    for (auto it = known.constBegin(); it != known.constEnd(); ++it)
        if (!*it)
            gamesAside.append(QVariantList{it.key()});
    if ((!cardsAside.isEmpty() || !gamesAside.isEmpty()) && db.open(true)) {
        db.transaction([&] {
            QSqlQuery query = db.query();
            for (const QVariantList &card : std::as_const(cardsAside))
                if (!db.run(query, QStringLiteral("UPDATE cards SET sent = 2 WHERE id = ? AND sent = 0 AND uuid IS ?"),
                            card))
                    return false;
            for (const QVariantList &game : std::as_const(gamesAside))
                if (!db.run(query, QStringLiteral("UPDATE games SET end_sent = 2 WHERE id = ?"), game))
                    return false;
            return true;
        });
    }
    return batch;
}

bool HistoryOutbox::markSent(const SharedBatch &batch)
{
    if (!db.open(true))
        return false;
    return db.transaction([&] {
        QSqlQuery query = db.query();
        for (const SharedCard &card : batch.cards)
            if (!db.run(query, QStringLiteral("UPDATE cards SET sent = 1 WHERE uuid = ? AND sent = 0"), {card.uuid}))
                return false;
        // An end is sent when the one sent is the one kept.
        for (const SharedGame &game : batch.games)
            if (game.ended
                && !db.run(query,
                           QStringLiteral("UPDATE games SET end_sent = 1 WHERE uuid = ? AND ended = ? AND completed = ?"),
                           {game.uuid, timeText(*game.ended), game.completed}))
                return false;
        return true;
    });
}

int HistoryOutbox::unsentCount()
{
    int count = 0;
    db.select(QStringLiteral("SELECT count(*) FROM cards WHERE sent = 0"), {},
              [&count](const QSqlQuery &row) { count = row.value(0).toInt(); });
    return count;
}

bool HistoryOutbox::importShared(const SharedBatch &fromServer)
{
    if (!db.open(true))
        return false;
    // In the order they were judged, so that a fact's last attempts are its
    // latest ones, as they would be had the cards been played here.
    QList<SharedCard> cards = fromServer.cards;
    std::stable_sort(cards.begin(), cards.end(),
                     [](const SharedCard &a, const SharedCard &b) { return a.judgedAt < b.judgedAt; });
    return db.transaction([&] {
        QSqlQuery query = db.query();
        QHash<QString, qint64> games; // 0: not in this file
        const auto gameId = [&](const QString &uuid) -> std::optional<qint64> {
            if (const auto found = games.constFind(uuid); found != games.constEnd())
                return *found;
            if (!db.run(query, QStringLiteral("SELECT id FROM games WHERE uuid = ?"), {uuid}))
                return std::nullopt;
            const qint64 id = query.next() ? query.value(0).toLongLong() : 0;
            games.insert(uuid, id);
            return id;
        };
        for (const SharedGame &game : fromServer.games) {
            if (!isSound(game))
                continue;
            const std::optional<qint64> found = gameId(game.uuid);
            if (!found)
                return false;
            qint64 id = *found;
            if (id == 0) {
                id = writes.addGame(game.setup, game.uuid, notNull(game.machine));
                if (id == 0)
                    return false;
                games.insert(game.uuid, id);
            }
            // Only a game played elsewhere is ended from elsewhere.
            if (game.ended
                && !db.run(query,
                           QStringLiteral("UPDATE games SET ended = ?, completed = ?, end_sent = 1 "
                                          "WHERE id = ? AND ended IS NULL AND machine IS NOT NULL"),
                           {timeText(*game.ended), game.completed, id}))
                return false;
        }
        QHash<qint64, qint64> childOf; // by game
        QSet<std::pair<qint64, Fact>> taken;
        for (const SharedCard &card : std::as_const(cards)) {
            if (!isSound(card))
                continue;
            const std::optional<qint64> game = gameId(card.gameUuid);
            if (!game)
                return false;
            if (*game == 0)
                continue;
            if (!db.run(query, QStringLiteral("SELECT 1 FROM cards WHERE uuid = ?"), {card.uuid}))
                return false;
            if (query.next())
                continue;
            if (!writes.addCard(*game, recordOf(card), card.uuid, true))
                return false;
            if (!childOf.contains(*game)) {
                if (!db.run(query, QStringLiteral("SELECT child_id FROM games WHERE id = ?"), {*game}) || !query.next())
                    return false;
                childOf.insert(*game, query.value(0).toLongLong());
            }
            taken.insert({childOf.value(*game), card.fact});
        }
        // Another machine's cards may be older than those played here.
        for (const auto &[child, fact] : std::as_const(taken))
            if (!writes.keepRecentInTimeOrder(child, fact))
                return false;
        return true;
    });
}

QStringList HistoryOutbox::childKeys()
{
    QStringList keys;
    db.select(QStringLiteral("SELECT key FROM children ORDER BY key"), {},
              [&keys](const QSqlQuery &row) { keys.append(row.value(0).toString()); });
    return keys;
}

QString HistoryOutbox::machineName()
{
    QString name = QSysInfo::machineHostName();
    db.select(QStringLiteral("SELECT name FROM machine"), {},
              [&name](const QSqlQuery &row) { name = row.value(0).toString(); });
    return name;
}
