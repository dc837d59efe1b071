#include "history/historystore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <QtEndian>

#include <algorithm>

namespace {

// "SDHP" in the file's header: tells our history from other SQLite files.
constexpr int applicationId = 0x53444850;
// SQLite's codes for a file that is not a database, or a damaged one.
const QStringList notADatabase = {QStringLiteral("26"), QStringLiteral("11")};

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime timeOf(const QVariant &text)
{
    return QDateTime::fromString(text.toString(), Qt::ISODateWithMs).toUTC();
}

// Runs a prepared statement with its values bound in order.
bool run(QSqlQuery &query, const QString &sql, const QVariantList &values = {})
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

// A fact's last attempts as text, "R2.345 W6.000", oldest first.
QString recentText(const QList<Attempt> &recent)
{
    QStringList words;
    for (const Attempt &attempt : recent)
        words.append((attempt.right ? QLatin1Char('R') : QLatin1Char('W')) + QString::number(attempt.seconds, 'f', 3));
    return words.join(QLatin1Char(' '));
}

QList<Attempt> recentOf(const QString &text)
{
    QList<Attempt> recent;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        recent.append({word.front() == QLatin1Char('R'), word.mid(1).toDouble()});
    return recent;
}

// Every time a fact took, sorted, as little-endian 32-bit floats.
QList<float> timesOf(const QByteArray &bytes)
{
    QList<float> times(bytes.size() / qsizetype(sizeof(float)));
    for (qsizetype i = 0; i < times.size(); ++i)
        times[i] = qFromLittleEndian<float>(bytes.constData() + i * qsizetype(sizeof(float)));
    return times;
}

QByteArray bytesOf(const QList<float> &times)
{
    QByteArray bytes(times.size() * qsizetype(sizeof(float)), Qt::Uninitialized);
    for (qsizetype i = 0; i < times.size(); ++i)
        qToLittleEndian(times[i], bytes.data() + i * qsizetype(sizeof(float)));
    return bytes;
}

// A null text binds as SQL NULL; an empty one is what is meant.
QString notNull(const QString &text)
{
    return text.isNull() ? QString(QLatin1String("")) : text;
}

// The weak facts of a sheet as "operation:top:bottom:state" words.
QString weakFactsText(const QList<WeakFact> &facts)
{
    QStringList words;
    for (const WeakFact &weak : facts)
        words.append(QStringLiteral("%1:%2:%3:%4")
                         .arg(weak.fact.operation)
                         .arg(weak.fact.top)
                         .arg(weak.fact.bottom)
                         .arg(int(weak.state)));
    return words.join(QLatin1Char(' '));
}

QList<WeakFact> weakFactsOf(const QString &text)
{
    QList<WeakFact> facts;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(QLatin1Char(':'));
        if (parts.size() != 4)
            continue;
        const int state = parts[3].toInt();
        if (state < int(Mastery::NotSeen) || state > int(Mastery::Mastered))
            continue;
        facts.append({{qint16(parts[0].toInt()), parts[1].toInt(), parts[2].toInt()}, Mastery(state)});
    }
    return facts;
}

double medianOfSorted(const QList<float> &times)
{
    const qsizetype n = times.size();
    if (n == 0)
        return 0;
    return n % 2 ? times[n / 2] : (double(times[n / 2 - 1]) + times[n / 2]) / 2;
}

} // namespace

HistoryStore::HistoryStore(QString path)
    : file(std::move(path))
    , connection(QStringLiteral("sumdrop-history-%1").arg(quintptr(this), 0, 16))
{
}

HistoryStore::~HistoryStore()
{
    if (QSqlDatabase::contains(connection)) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
}

QString HistoryStore::defaultPath()
{
    // Named here rather than through the application's name, which the
    // program never sets and tests would change.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
         + QStringLiteral("/Sumdrop/Sumdrop/history.sqlite");
}

QString HistoryStore::childKey(const QString &name)
{
    return name.trimmed().toCaseFolded();
}

bool HistoryStore::fail(const QString &why, State state)
{
    lastError = why;
    if (state != State::Open)
        current = state;
    return false;
}

bool HistoryStore::exec(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (query.exec(sql))
        return true;
    lastError = query.lastError().text();
    return false;
}

template<typename Body>
bool HistoryStore::transaction(Body body)
{
    // IMMEDIATE takes the write lock at once, so two copies wait on the busy
    // timeout instead of failing half way through.
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (body() && exec(QStringLiteral("COMMIT")))
        return true;
    const QString why = lastError;
    exec(QStringLiteral("ROLLBACK"));
    lastError = why;
    return false;
}

bool HistoryStore::open(bool forWriting)
{
    switch (current) {
    case State::Open: return true;
    case State::NotOurs:
    case State::Newer: return false;
    default: break;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(QCoreApplication::translate("HistoryStore", "the SQLite driver of Qt is not installed"));
    const QFileInfo info(file);
    if (!info.exists()) {
        if (!forWriting) {
            current = State::Absent;
            return false;
        }
        QDir().mkpath(info.absolutePath());
        QFile made(file);
        // NewOnly: a file another copy made meanwhile is not emptied.
        if (!made.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !made.exists())
            return fail(made.errorString());
        made.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    QSqlDatabase db = QSqlDatabase::contains(connection) ? QSqlDatabase::database(connection, false)
                                                         : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open())
        return fail(db.lastError().text());
    if (!checkAndPrepare()) {
        db.close();
        return false;
    }
    current = State::Open;
    return true;
}

bool HistoryStore::checkAndPrepare()
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    const auto number = [&query](const QString &sql, int &value) {
        if (!query.exec(sql) || !query.next())
            return false;
        value = query.value(0).toInt();
        return true;
    };
    int id = 0;
    int version = 0;
    int objects = 0;
    if (!number(QStringLiteral("PRAGMA application_id"), id) || !number(QStringLiteral("PRAGMA user_version"), version)
        || !number(QStringLiteral("SELECT count(*) FROM sqlite_master"), objects)) {
        const QSqlError error = query.lastError();
        return fail(error.text(), notADatabase.contains(error.nativeErrorCode()) ? State::NotOurs : State::Failed);
    }
    const bool empty = id == 0 && version == 0 && objects == 0;
    if (!empty && id != applicationId)
        return fail(QCoreApplication::translate("HistoryStore", "another program's file"), State::NotOurs);
    if (version > schemaVersion)
        return fail(QCoreApplication::translate("HistoryStore", "made by a newer Sumdrop"), State::Newer);
    query.finish();
    if (!exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !exec(QStringLiteral("PRAGMA synchronous=NORMAL"))
        || !exec(QStringLiteral("PRAGMA foreign_keys=ON")) || !exec(QStringLiteral("PRAGMA secure_delete=ON")))
        return fail(lastError);
    if (version == schemaVersion)
        return true;
    return transaction([this] {
        // Another copy may have made or moved the schema on meanwhile.
        QSqlQuery again(QSqlDatabase::database(connection, false));
        if (!again.exec(QStringLiteral("PRAGMA user_version")) || !again.next())
            return false;
        return migrate(again.value(0).toInt());
    });
}

bool HistoryStore::migrate(int from)
{
    // One step per version; each leaves user_version at its own number.
    if (from < 1) {
        const QStringList schema = {
            QStringLiteral("CREATE TABLE children (id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE, "
                           "name TEXT NOT NULL, fluency REAL NOT NULL DEFAULT 6)"),
            QStringLiteral("CREATE TABLE games (id INTEGER PRIMARY KEY, "
                           "child_id INTEGER NOT NULL REFERENCES children(id) ON DELETE CASCADE, "
                           "started TEXT NOT NULL, ended TEXT, card_count INTEGER NOT NULL, "
                           "judged INTEGER NOT NULL DEFAULT 0, right_count INTEGER NOT NULL DEFAULT 0, "
                           "completed INTEGER NOT NULL DEFAULT 0, operations INTEGER NOT NULL, "
                           "advanced_range INTEGER NOT NULL, top_min INTEGER NOT NULL, top_max INTEGER NOT NULL, "
                           "bottom_min INTEGER NOT NULL, bottom_max INTEGER NOT NULL, "
                           "divisor_low INTEGER NOT NULL, divisor_high INTEGER NOT NULL, "
                           "answer_format INTEGER NOT NULL, verbal INTEGER NOT NULL)"),
            QStringLiteral("CREATE INDEX games_by_child ON games (child_id, started)"),
            QStringLiteral("CREATE TABLE cards (id INTEGER PRIMARY KEY, "
                           "game_id INTEGER NOT NULL REFERENCES games(id) ON DELETE CASCADE, "
                           "operation INTEGER NOT NULL, top INTEGER NOT NULL, bottom INTEGER NOT NULL, "
                           "answer INTEGER NOT NULL, given INTEGER, right INTEGER NOT NULL, "
                           "ending INTEGER NOT NULL, seconds REAL NOT NULL, judged_at TEXT NOT NULL)"),
            QStringLiteral("CREATE INDEX cards_by_game ON cards (game_id)"),
            // Kept with every card, so that reading a child's facts does not
            // read every card.
            QStringLiteral("CREATE TABLE facts (child_id INTEGER NOT NULL REFERENCES children(id) ON DELETE CASCADE, "
                           "operation INTEGER NOT NULL, top INTEGER NOT NULL, bottom INTEGER NOT NULL, "
                           "tries INTEGER NOT NULL, right_count INTEGER NOT NULL, recent TEXT NOT NULL, "
                           "times BLOB NOT NULL, PRIMARY KEY (child_id, operation, top, bottom)) WITHOUT ROWID"),
            QStringLiteral("PRAGMA application_id = %1").arg(applicationId),
            QStringLiteral("PRAGMA user_version = 1"),
        };
        for (const QString &sql : schema)
            if (!exec(sql))
                return false;
    }
    if (from < 2) {
        // The newest row of a number is its sheet; id orders them by printing.
        if (!exec(QStringLiteral("CREATE TABLE sheets (id INTEGER PRIMARY KEY, number INTEGER NOT NULL UNIQUE, "
                                 "name TEXT NOT NULL, operations INTEGER NOT NULL, advanced_range INTEGER NOT NULL, "
                                 "top_min INTEGER NOT NULL, top_max INTEGER NOT NULL, bottom_min INTEGER NOT NULL, "
                                 "bottom_max INTEGER NOT NULL, top_limit INTEGER NOT NULL, "
                                 "bottom_limit INTEGER NOT NULL, divisor_low INTEGER NOT NULL, "
                                 "divisor_high INTEGER NOT NULL, card_count INTEGER NOT NULL, "
                                 "weak_facts TEXT NOT NULL)"))
            || !exec(QStringLiteral("PRAGMA user_version = 2")))
            return false;
    }
    return true;
}

bool HistoryStore::select(const QString &sql, const QVariantList &values,
                          const std::function<void(const QSqlQuery &)> &eachRow)
{
    if (!open(false))
        return false;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    if (!run(query, sql, values))
        return false;
    while (query.next())
        eachRow(query);
    return true;
}

qint64 HistoryStore::childId(const QString &child)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!run(query, QStringLiteral("SELECT id FROM children WHERE key = ?"), {childKey(child)}) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

bool HistoryStore::recordCard(qint64 &game, const GameSetup &setup, const CardRecord &card)
{
    if (!open(true))
        return false;
    qint64 id = game;
    const bool written = transaction([&] {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        if (id == 0) {
            if (!run(query,
                     QStringLiteral("INSERT INTO children (key, name) VALUES (?, ?) "
                                    "ON CONFLICT (key) DO UPDATE SET name = excluded.name"),
                     {childKey(setup.child), setup.child.trimmed()}))
                return false;
            const qint64 child = childId(setup.child);
            if (!run(query,
                     QStringLiteral("INSERT INTO games (child_id, started, card_count, operations, advanced_range, "
                                    "top_min, top_max, bottom_min, bottom_max, divisor_low, divisor_high, "
                                    "answer_format, verbal) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                     {child, timeText(setup.started), setup.cardCount, setup.operations, setup.advancedRange,
                      setup.topMin, setup.topMax, setup.bottomMin, setup.bottomMax, setup.divisorLow,
                      setup.divisorHigh, setup.answerFormat, setup.verbal}))
                return false;
            id = query.lastInsertId().toLongLong();
        }
        const QVariant given = card.hasGiven && card.ending == CardEnding::Typed ? QVariant(qint64(card.given))
                                                                                 : QVariant();
        return run(query,
                   QStringLiteral("INSERT INTO cards (game_id, operation, top, bottom, answer, given, right, ending, "
                                  "seconds, judged_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {id, card.operation, qint64(card.top), qint64(card.bottom), qint64(card.answer), given, card.right,
                    qint16(card.ending), card.seconds, timeText(card.judgedAt)})
            && run(query,
                   QStringLiteral("UPDATE games SET judged = judged + 1, right_count = right_count + ? WHERE id = ?"),
                   {card.right ? 1 : 0, id})
            && updateFactRecord(id, card);
    });
    if (written)
        game = id;
    return written;
}

bool HistoryStore::updateFactRecord(qint64 game, const CardRecord &card)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    const QVariantList key = {game, card.operation, qint64(card.top), qint64(card.bottom)};
    if (!run(query,
             QStringLiteral("SELECT g.child_id, f.tries, f.right_count, f.recent, f.times FROM games g "
                            "LEFT JOIN facts f ON f.child_id = g.child_id AND f.operation = ? AND f.top = ? "
                            "AND f.bottom = ? WHERE g.id = ?"),
             {key[1], key[2], key[3], game})
        || !query.next())
        return false;
    const qint64 child = query.value(0).toLongLong();
    const int tries = query.value(1).toInt() + 1;
    const int right = query.value(2).toInt() + (card.right ? 1 : 0);
    QList<Attempt> recent = recentOf(query.value(3).toString());
    recent.append({card.right, card.seconds});
    recent = recent.mid(std::max<qsizetype>(0, recent.size() - recentAttempts));
    QList<float> times = timesOf(query.value(4).toByteArray());
    const float seconds = float(card.seconds);
    times.insert(std::upper_bound(times.begin(), times.end(), seconds) - times.begin(), seconds);
    return run(query,
               QStringLiteral("INSERT OR REPLACE INTO facts (child_id, operation, top, bottom, tries, right_count, "
                              "recent, times) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
               {child, key[1], key[2], key[3], tries, right, recentText(recent), bytesOf(times)});
}

bool HistoryStore::endGame(qint64 game, const QDateTime &ended, bool completed)
{
    if (!open(true))
        return false;
    return transaction([&] {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        return run(query, QStringLiteral("UPDATE games SET ended = ?, completed = ? WHERE id = ?"),
                   {timeText(ended), completed, game});
    });
}

QList<ChildEntry> HistoryStore::children()
{
    QList<ChildEntry> found;
    select(QStringLiteral("SELECT c.name, max(g.started) AS last FROM children c "
                          "JOIN games g ON g.child_id = c.id GROUP BY c.id ORDER BY last DESC"),
           {}, [&found](const QSqlQuery &row) { found.append({row.value(0).toString(), timeOf(row.value(1))}); });
    return found;
}

AttemptHistory HistoryStore::attempts(const QString &child)
{
    AttemptHistory history;
    select(QStringLiteral("SELECT c.operation, c.top, c.bottom, c.right, c.seconds FROM cards c "
                          "JOIN games g ON g.id = c.game_id JOIN children k ON k.id = g.child_id "
                          "WHERE k.key = ? ORDER BY c.id"),
           {childKey(child)}, [&history](const QSqlQuery &row) {
               const Fact fact{qint16(row.value(0).toInt()), row.value(1).toInt(), row.value(2).toInt()};
               history[fact].append({row.value(3).toBool(), row.value(4).toDouble()});
           });
    return history;
}

FactRecords HistoryStore::factRecords(const QString &child)
{
    FactRecords records;
    select(QStringLiteral("SELECT f.operation, f.top, f.bottom, f.tries, f.right_count, f.recent, f.times "
                          "FROM facts f JOIN children k ON k.id = f.child_id WHERE k.key = ?"),
           {childKey(child)}, [&records](const QSqlQuery &row) {
               FactRecord record;
               record.fact = {qint16(row.value(0).toInt()), row.value(1).toInt(), row.value(2).toInt()};
               record.tries = row.value(3).toInt();
               record.right = row.value(4).toInt();
               record.recent = recentOf(row.value(5).toString());
               record.medianSeconds = medianOfSorted(timesOf(row.value(6).toByteArray()));
               records.insert(record.fact, record);
           });
    return records;
}

QList<GameTrend> HistoryStore::recentGames(const QString &child, int count, std::optional<qint16> operation)
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
    select(QStringLiteral("SELECT g.id, g.started, c.right, c.seconds FROM games g "
                          "JOIN cards c ON c.game_id = g.id WHERE c.operation %1 ? AND g.id IN "
                          "(SELECT g2.id FROM games g2 JOIN children k ON k.id = g2.child_id WHERE k.key = ? "
                          "AND EXISTS (SELECT 1 FROM cards c2 WHERE c2.game_id = g2.id AND c2.operation %1 ?) "
                          "ORDER BY g2.started DESC LIMIT ?) ORDER BY g.started, g.id")
               .arg(test),
           {wanted, childKey(child), wanted, count}, [&](const QSqlQuery &row) {
               if (row.value(0).toLongLong() != game) {
                   finish();
                   game = row.value(0).toLongLong();
                   games.append({timeOf(row.value(1)), 0, 0, 0});
               }
               games.last().judged += 1;
               games.last().right += row.value(2).toBool() ? 1 : 0;
               seconds.append(row.value(3).toDouble());
           });
    finish();
    return games;
}

QList<StoredCard> HistoryStore::cards(const QString &child)
{
    QList<StoredCard> found;
    select(QStringLiteral("SELECT c.game_id, c.judged_at, c.operation, c.top, c.bottom, c.answer, c.given, "
                          "c.right, c.ending, c.seconds FROM cards c JOIN games g ON g.id = c.game_id "
                          "JOIN children k ON k.id = g.child_id WHERE k.key = ? ORDER BY c.id"),
           {childKey(child)}, [&found](const QSqlQuery &row) {
               StoredCard card;
               card.game = row.value(0).toLongLong();
               card.judgedAt = timeOf(row.value(1));
               card.fact = {qint16(row.value(2).toInt()), row.value(3).toInt(), row.value(4).toInt()};
               card.answer = row.value(5).toInt();
               if (!row.value(6).isNull())
                   card.given = row.value(6).toInt();
               card.right = row.value(7).toBool();
               card.ending = CardEnding(row.value(8).toInt());
               card.seconds = row.value(9).toDouble();
               found.append(card);
           });
    return found;
}

double HistoryStore::fluencySeconds(const QString &child)
{
    if (!open(false))
        return defaultFluencySeconds;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!run(query, QStringLiteral("SELECT fluency FROM children WHERE key = ?"), {childKey(child)}) || !query.next())
        return defaultFluencySeconds;
    return query.value(0).toDouble();
}

bool HistoryStore::setFluencySeconds(const QString &child, double seconds)
{
    if (!open(false))
        return false;
    return transaction([&] {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        return run(query, QStringLiteral("UPDATE children SET fluency = ? WHERE key = ?"), {seconds, childKey(child)});
    });
}

bool HistoryStore::keepSheet(const PrintedSheet &sheet)
{
    if (!open(true))
        return false;
    const WorksheetSetup &setup = sheet.setup;
    const int operations = (setup.addition ? 1 : 0) | (setup.subtraction ? 2 : 0) | (setup.multiplication ? 4 : 0)
                         | (setup.division ? 8 : 0);
    return transaction([&] {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        const bool kept = run(query,
                   QStringLiteral("INSERT OR REPLACE INTO sheets (number, name, operations, advanced_range, top_min, "
                                  "top_max, bottom_min, bottom_max, top_limit, bottom_limit, divisor_low, "
                                  "divisor_high, card_count, weak_facts) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {sheet.number, notNull(sheet.name), operations, setup.advancedRange, setup.topMin, setup.topMax,
                    setup.bottomMin, setup.bottomMax, setup.topLimit, setup.bottomLimit, setup.divisorLow,
                    setup.divisorHigh, setup.cardCount, notNull(weakFactsText(sheet.weakFacts))})
            && run(query,
                   QStringLiteral("DELETE FROM sheets WHERE id NOT IN (SELECT id FROM sheets ORDER BY id DESC LIMIT ?)"),
                   {keptSheets});
        if (!kept)
            lastError = query.lastError().text();
        return kept;
    });
}

std::optional<PrintedSheet> HistoryStore::sheet(int number)
{
    std::optional<PrintedSheet> found;
    select(QStringLiteral("SELECT name, operations, advanced_range, top_min, top_max, bottom_min, bottom_max, "
                          "top_limit, bottom_limit, divisor_low, divisor_high, card_count, weak_facts "
                          "FROM sheets WHERE number = ?"),
           {number}, [&](const QSqlQuery &row) {
               PrintedSheet sheet;
               sheet.number = number;
               sheet.name = row.value(0).toString();
               const int operations = row.value(1).toInt();
               WorksheetSetup &setup = sheet.setup;
               setup.addition = operations & 1;
               setup.subtraction = operations & 2;
               setup.multiplication = operations & 4;
               setup.division = operations & 8;
               setup.advancedRange = row.value(2).toBool();
               int *const numbers[] = {&setup.topMin,     &setup.topMax,    &setup.bottomMin,  &setup.bottomMax,
                                       &setup.topLimit,   &setup.bottomLimit, &setup.divisorLow, &setup.divisorHigh,
                                       &setup.cardCount};
               for (int i = 0; i < 9; ++i)
                   *numbers[i] = row.value(3 + i).toInt();
               sheet.weakFacts = weakFactsOf(row.value(12).toString());
               found = sheet;
           });
    return found;
}

bool HistoryStore::forget(const QString &child)
{
    if (!open(false))
        return false;
    const bool deleted = transaction([&] {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        return run(query, QStringLiteral("DELETE FROM children WHERE key = ?"), {childKey(child)});
    });
    // The deleted rows leave the log too, not only the file.
    if (deleted)
        exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return deleted;
}
