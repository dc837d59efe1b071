#include "history/historyreads.h"

#include <algorithm>
#include <limits>

#include "history/historyconnection.h"
#include "history/historyrows.h"

using namespace HistoryRows;

HistoryReads::HistoryReads(HistoryConnection &connection, RowChecks &checks)
    : db(connection)
    , checks(checks)
{
}

QList<ChildEntry> HistoryReads::children(bool playedHereOnly)
{
    QList<ChildEntry> found;
    // A game from another machine has its name; one played here has none.
    db.select(QStringLiteral("SELECT c.name, max(g.started) AS last FROM children c "
                             "JOIN games g ON g.child_id = c.id GROUP BY c.id %1 ORDER BY last DESC")
                  .arg(playedHereOnly ? QStringLiteral("HAVING sum(g.machine IS NULL) > 0") : QString()),
              {}, [&found](const QSqlQuery &row) { found.append({row.value(0).toString(), timeOf(row.value(1))}); });
    return found;
}

AttemptHistory HistoryReads::attempts(const QString &child)
{
    AttemptHistory history;
    db.select(QStringLiteral("SELECT c.id, c.operation, c.top, c.bottom, c.answer, c.right, c.seconds, c.ending "
                             "FROM cards c JOIN games g ON g.id = c.game_id JOIN children k ON k.id = g.child_id "
                             "WHERE k.key = ? ORDER BY c.id"),
              {childKey(child)}, [&](const QSqlQuery &row) {
                  if (const auto fact = checks.cardFactOf(row, 0))
                      history[*fact].append({row.value(5).toInt() == 1, row.value(6).toDouble()});
              });
    return history;
}

std::optional<FactRecord> HistoryReads::factRecordOf(const QSqlQuery &row, int at)
{
    const QVariant key = row.value(at);
    const std::optional<Fact> fact = checks.factOf(row, at + 1, QStringLiteral("facts"), key);
    if (!fact)
        return std::nullopt;
    const auto tries = wholeOf(row.value(at + 4), 1, std::numeric_limits<int>::max());
    const auto right = wholeOf(row.value(at + 5), 0, std::numeric_limits<int>::max());
    const auto recent = recentOf(row.value(at + 6).toString());
    const QByteArray bytes = row.value(at + 7).toByteArray();
    const QList<float> times = timesOf(bytes);
    if (!tries || !right || *right > *tries || !recent || recent->isEmpty() || times.size() != *tries
        || bytes.size() % qsizetype(sizeof(float)) != 0
        || !std::all_of(times.begin(), times.end(), [](float t) { return isPlausibleSeconds(t); })) {
        checks.reject(QStringLiteral("facts"), key);
        return std::nullopt;
    }
    FactRecord record;
    record.fact = *fact;
    record.tries = *tries;
    record.right = *right;
    record.recent = *recent;
    record.medianSeconds = medianOfSorted(times);
    return record;
}

namespace {

const QString factColumns = QStringLiteral("f.child_id || ':' || f.operation || ':' || f.top || ':' || f.bottom, "
                                           "f.operation, f.top, f.bottom, f.tries, f.right_count, f.recent, f.times");

} // namespace

FactRecords HistoryReads::factRecords(const QString &child)
{
    FactRecords records;
    db.select(QStringLiteral("SELECT %1 FROM facts f JOIN children k ON k.id = f.child_id WHERE k.key = ?").arg(factColumns),
              {childKey(child)}, [&](const QSqlQuery &row) {
                  if (const auto record = factRecordOf(row, 0))
                      records.insert(record->fact, *record);
              });
    return records;
}

QList<ClassChild> HistoryReads::classChildren(const QDateTime &weekAgo)
{
    QList<ClassChild> children;
    QHash<qint64, qsizetype> byId;
    db.select(QStringLiteral("SELECT c.id, c.name, c.fluency, max(g.started), sum(g.started >= ?) FROM children c "
                             "JOIN games g ON g.child_id = c.id GROUP BY c.id ORDER BY c.key"),
              {timeText(weekAgo)}, [&](const QSqlQuery &row) {
                  ClassChild child;
                  child.name = row.value(1).toString();
                  bool number = false;
                  const double fluency = row.value(2).toDouble(&number);
                  child.lastPlayed = timeOf(row.value(3));
                  if (!number || !isFluencyChoice(fluency) || !child.lastPlayed.isValid()) {
                      checks.reject(QStringLiteral("children"), row.value(0));
                      return;
                  }
                  child.fluencySeconds = fluency;
                  child.gamesLastWeek = row.value(4).toInt();
                  byId.insert(row.value(0).toLongLong(), children.size());
                  children.append(child);
              });
    db.select(QStringLiteral("SELECT f.child_id, %1 FROM facts f").arg(factColumns), {}, [&](const QSqlQuery &row) {
        const auto at = byId.constFind(row.value(0).toLongLong());
        if (at == byId.constEnd())
            return;
        if (const auto record = factRecordOf(row, 1))
            children[*at].facts.insert(record->fact, *record);
    });
    return children;
}

QList<GameTrend> HistoryReads::recentGames(const QString &child, int count, std::optional<qint16> operation)
{
    QList<GameTrend> games;
    qint64 game = -1;
    QList<double> seconds;
    const auto finish = [&] {
        if (!games.isEmpty())
            games.last().medianSeconds = medianSeconds(seconds);
        seconds.clear();
    };
    // Without an operation, every card matches the filter "c.operation <> -1".
    const qint16 wanted = operation.value_or(-1);
    const QString test = operation ? QStringLiteral("=") : QStringLiteral("<>");
    db.select(QStringLiteral("SELECT g.id, g.started, c.id, c.operation, c.top, c.bottom, c.answer, c.right, c.seconds, "
                             "c.ending FROM games g JOIN cards c ON c.game_id = g.id WHERE c.operation %1 ? AND g.id IN "
                             "(SELECT g2.id FROM games g2 JOIN children k ON k.id = g2.child_id WHERE k.key = ? "
                             "AND EXISTS (SELECT 1 FROM cards c2 WHERE c2.game_id = g2.id AND c2.operation %1 ?) "
                             "ORDER BY g2.started DESC LIMIT ?) ORDER BY g.started, g.id")
                  .arg(test),
              {wanted, childKey(child), wanted, count}, [&](const QSqlQuery &row) {
                  const QDateTime started = timeOf(row.value(1));
                  if (!started.isValid()) {
                      checks.reject(QStringLiteral("games"), row.value(0));
                      return;
                  }
                  if (!checks.cardFactOf(row, 2))
                      return;
                  if (row.value(0).toLongLong() != game) {
                      finish();
                      game = row.value(0).toLongLong();
                      games.append({started, 0, 0, 0});
                  }
                  games.last().judged += 1;
                  games.last().right += row.value(7).toInt() == 1 ? 1 : 0;
                  seconds.append(row.value(8).toDouble());
              });
    finish();
    return games;
}

QList<PractiseSpan> HistoryReads::practiceSpans(const QString &child, const QDateTime &since)
{
    QList<PractiseSpan> spans;
    db.select(QStringLiteral("SELECT g.id, g.started, g.ended, "
                             "(SELECT max(c.judged_at) FROM cards c WHERE c.game_id = g.id) "
                             "FROM games g JOIN children k ON k.id = g.child_id WHERE k.key = ? AND g.started >= ? "
                             "ORDER BY g.started, g.id"),
              {childKey(child), timeText(since)}, [&](const QSqlQuery &row) {
                  const PractiseSpan span{timeOf(row.value(1)), timeOf(row.value(2)), timeOf(row.value(3))};
                  // Every game is written with its first card; an end is written whole or not at all.
                  if (!span.started.isValid() || !span.lastCard.isValid()
                      || (!row.value(2).isNull() && !span.ended.isValid())) {
                      checks.reject(QStringLiteral("games"), row.value(0));
                      return;
                  }
                  spans.append(span);
              });
    return spans;
}

bool HistoryReads::readCards(const QString &where, const QVariantList &values, const QString &order,
                            const std::function<bool(const StoredCard &, const QSqlQuery &)> &each)
{
    bool going = true;
    const bool read = db.select(
        QStringLiteral("SELECT c.id, c.operation, c.top, c.bottom, c.answer, c.right, c.seconds, c.ending, c.game_id, "
                       "c.judged_at, c.given, k.name, g.machine FROM cards c JOIN games g ON g.id = c.game_id "
                       "JOIN children k ON k.id = g.child_id WHERE %1 ORDER BY %2")
            .arg(where, order),
        values, [&](const QSqlQuery &row) {
            if (!going)
                return;
            const std::optional<Fact> fact = checks.cardFactOf(row, 0);
            if (!fact)
                return;
            StoredCard card;
            card.fact = *fact;
            card.answer = factAnswer(*fact);
            card.right = row.value(5).toInt() == 1;
            card.seconds = row.value(6).toDouble();
            card.ending = CardEnding(row.value(7).toInt());
            card.game = row.value(8).toLongLong();
            card.judgedAt = timeOf(row.value(9));
            const auto given = wholeOf(row.value(10), 0, std::numeric_limits<int>::max());
            if (!card.judgedAt.isValid() || (!row.value(10).isNull() && !given)) {
                checks.reject(QStringLiteral("cards"), row.value(0));
                return;
            }
            if (given)
                card.given = *given;
            going = each(card, row);
        });
    return read && going;
}

bool HistoryReads::forEachCard(const QString &child, const std::function<bool(const StoredCard &)> &eachCard)
{
    return readCards(QStringLiteral("k.key = ?"), {childKey(child)}, QStringLiteral("c.id"),
                     [&eachCard](const StoredCard &card, const QSqlQuery &) { return eachCard(card); });
}

bool HistoryReads::forEachClassCard(const QString &here, const std::function<bool(const ClassCard &)> &each)
{
    return readCards(QStringLiteral("1"), {}, QStringLiteral("k.key, c.id"), [&](const StoredCard &card, const QSqlQuery &row) {
        const QString machine = row.value(12).toString();
        return each({row.value(11).toString(), row.value(12).isNull() ? here : machine, card});
    });
}

QList<StoredCard> HistoryReads::cards(const QString &child)
{
    QList<StoredCard> found;
    forEachCard(child, [&found](const StoredCard &card) {
        found.append(card);
        return true;
    });
    return found;
}

qint64 HistoryReads::cardCount(const std::optional<QString> &child)
{
    qint64 count = 0;
    db.select(QStringLiteral("SELECT count(*) FROM cards c JOIN games g ON g.id = c.game_id "
                             "JOIN children k ON k.id = g.child_id WHERE %1")
                  .arg(child ? QStringLiteral("k.key = ?") : QStringLiteral("1")),
              child ? QVariantList{childKey(*child)} : QVariantList(),
              [&count](const QSqlQuery &row) { count = row.value(0).toLongLong(); });
    return count;
}

double HistoryReads::fluencySeconds(const QString &child)
{
    double seconds = defaultFluencySeconds;
    db.select(QStringLiteral("SELECT fluency, id FROM children WHERE key = ?"), {childKey(child)},
              [&](const QSqlQuery &row) {
                  bool number = false;
                  const double kept = row.value(0).toDouble(&number);
                  if (number && isFluencyChoice(kept))
                      seconds = kept;
                  else
                      checks.reject(QStringLiteral("children"), row.value(1));
              });
    return seconds;
}
