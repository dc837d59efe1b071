#include "history/historystore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <QUrl>
#include <QtEndian>

#include <cmath>

#include <algorithm>
#include <limits>

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

// A fact's last attempts as text, "R2.345 W6.000", oldest first.
QString recentText(const QList<Attempt> &recent)
{
    QStringList words;
    for (const Attempt &attempt : recent)
        words.append((attempt.right ? QLatin1Char('R') : QLatin1Char('W')) + QString::number(attempt.seconds, 'f', 3));
    return words.join(QLatin1Char(' '));
}

// None when the text is not one the program writes.
std::optional<QList<Attempt>> recentOf(const QString &text)
{
    QList<Attempt> recent;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool number = false;
        const double seconds = word.mid(1).toDouble(&number);
        const QChar mark = word.front();
        if (!number || !isPlausibleSeconds(seconds) || (mark != QLatin1Char('R') && mark != QLatin1Char('W')))
            return std::nullopt;
        recent.append({mark == QLatin1Char('R'), seconds});
    }
    if (recent.size() > recentAttempts)
        return std::nullopt;
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

// None when any word is not a fact the program could have kept.
std::optional<QList<WeakFact>> weakFactsOf(const QString &text)
{
    QList<WeakFact> facts;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(QLatin1Char(':'));
        if (parts.size() != 4)
            return std::nullopt;
        bool ok[4] = {};
        const int operation = parts[0].toInt(&ok[0]);
        const Fact fact{qint16(operation), parts[1].toInt(&ok[1]), parts[2].toInt(&ok[2])};
        const int state = parts[3].toInt(&ok[3]);
        if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || operation != fact.operation || !isPlausibleFact(fact)
            || state < int(Mastery::NotSeen) || state > int(Mastery::Mastered))
            return std::nullopt;
        facts.append({fact, Mastery(state)});
    }
    return facts;
}

// A whole number of the file within low and high; none for anything else.
std::optional<int> wholeOf(const QVariant &value, qint64 low, qint64 high)
{
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    if (!ok || n < low || n > high || value.typeId() == QMetaType::QByteArray)
        return std::nullopt;
    return int(n);
}

bool isBigEndianAt(const QByteArray &bytes, qsizetype at, quint32 &value)
{
    if (bytes.size() < at + 4)
        return false;
    value = qFromBigEndian<quint32>(bytes.constData() + at);
    return true;
}

// SQLite's file header: "SQLite format 3", the page size at 16, the schema
// version at 60, the application id at 68, then page 1's b-tree header whose
// cell count at 103 says whether the schema holds anything.
struct Header
{
    bool database = false;
    quint32 pageSize = 0;
    quint32 version = 0;
    quint32 application = 0;
    int schemaCells = 0;
};

Header headerOf(const QByteArray &page)
{
    Header header;
    if (page.size() < 105 || !page.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return header;
    header.database = true;
    const quint16 size = qFromBigEndian<quint16>(page.constData() + 16);
    header.pageSize = size == 1 ? 65536 : size;
    isBigEndianAt(page, 60, header.version);
    isBigEndianAt(page, 68, header.application);
    header.schemaCells = qFromBigEndian<quint16>(page.constData() + 103);
    return header;
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

namespace {

// Makes the missing folders of path, each for its owner alone.
bool makeFolders(const QString &path)
{
    QStringList missing;
    QFileInfo folder(path);
    while (!folder.exists() && !folder.isSymLink() && !folder.isRoot()) {
        missing.prepend(folder.absoluteFilePath());
        folder.setFile(folder.absolutePath());
    }
    const QFileDevice::Permissions ownerOnly =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    // Another copy may make the same folder at the same moment.
    return std::all_of(missing.begin(), missing.end(), [&ownerOnly](const QString &made) {
        return QDir().mkdir(made, ownerOnly) || QFileInfo(made).isDir();
    });
}

} // namespace

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
    // Never null: a null text binds as SQL NULL, which matches no child.
    return notNull(name.trimmed().toCaseFolded());
}

bool HistoryStore::fail(const QString &why, State state)
{
    lastError = why;
    if (state != State::Open)
        current = state;
    return false;
}

bool HistoryStore::failedWith(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    // SQLite's own words say what happened; Qt's add only which call it was.
    lastError = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (lastError.isEmpty())
        lastError = QCoreApplication::translate("HistoryStore", "the practice history did not answer");
    // SQLITE_BUSY and SQLITE_LOCKED: another copy holds the file for now.
    lastBusy = error.nativeErrorCode() == QStringLiteral("5") || error.nativeErrorCode() == QStringLiteral("6");
    return false;
}

bool HistoryStore::exec(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    return query.exec(sql) || failedWith(query);
}

bool HistoryStore::run(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    if (!query.prepare(sql))
        return failedWith(query);
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec() || failedWith(query);
}

void HistoryStore::reject(const QString &table, const QVariant &key)
{
    rejected.insert(table + QLatin1Char(':') + key.toString());
}

std::optional<Fact> HistoryStore::factOf(const QSqlQuery &row, int column, const QString &table, const QVariant &key)
{
    const auto operation = wholeOf(row.value(column), Operation::Addition, Operation::Division);
    const auto top = wholeOf(row.value(column + 1), 0, largestCardAnswer);
    const auto bottom = wholeOf(row.value(column + 2), 0, largestCardAnswer);
    if (operation && top && bottom) {
        const Fact fact{qint16(*operation), *top, *bottom};
        if (isPlausibleFact(fact))
            return fact;
    }
    reject(table, key);
    return std::nullopt;
}

std::optional<Fact> HistoryStore::cardFactOf(const QSqlQuery &row, int at)
{
    // Columns from at: id, operation, top, bottom, answer, right, seconds, ending.
    const QVariant id = row.value(at);
    const std::optional<Fact> fact = factOf(row, at + 1, QStringLiteral("cards"), id);
    if (!fact)
        return std::nullopt;
    if (wholeOf(row.value(at + 4), 0, largestCardAnswer) != factAnswer(*fact) || !wholeOf(row.value(at + 5), 0, 1)
        || !isPlausibleSeconds(row.value(at + 6).toDouble())
        || !wholeOf(row.value(at + 7), int(CardEnding::Typed), int(CardEnding::MarkedWrong))) {
        reject(QStringLiteral("cards"), id);
        return std::nullopt;
    }
    return fact;
}

void HistoryStore::setLockWait(int milliseconds)
{
    lockWait = milliseconds;
    if (current == State::Open)
        exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds));
}

template<typename Body>
bool HistoryStore::transaction(Body body)
{
    // A write asked for while a long one lets the window breathe waits its
    // turn, as it would behind another copy.
    if (inTransaction) {
        lastError = QCoreApplication::translate("HistoryStore", "the practice history is busy");
        lastBusy = true;
        return false;
    }
    // IMMEDIATE takes the write lock at once, so two copies wait on the busy
    // timeout instead of failing half way through.
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    inTransaction = true;
    const bool done = body() && exec(QStringLiteral("COMMIT"));
    inTransaction = false;
    if (done)
        return true;
    const QString why = lastError;
    const bool wasBusy = lastBusy;
    exec(QStringLiteral("ROLLBACK"));
    lastError = why;
    lastBusy = wasBusy;
    return false;
}

bool HistoryStore::open(bool forWriting)
{
    switch (current) {
    case State::Open:
        if (!forWriting || writable)
            return true;
        return fail(QCoreApplication::translate("HistoryStore", "the file can be read but not written"), State::Open);
    case State::NotOurs:
    case State::Newer:
    case State::NotAFile: return false;
    default: break;
    }
    lastBusy = false;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(QCoreApplication::translate("HistoryStore", "the SQLite driver of Qt is not installed"));
    if (!inspectFile(forWriting))
        return false;
    const QFileInfo info(file);
    writable = info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
    if (!connect(!writable)) {
        QSqlDatabase::database(connection, false).close();
        return false;
    }
    current = State::Open;
    return open(forWriting);
}

bool HistoryStore::inspectFile(bool forWriting)
{
    const QFileInfo info(file);
    if (info.isSymLink())
        return fail(QCoreApplication::translate("HistoryStore", "it is a link, not a file"), State::NotAFile);
    if (!info.exists()) {
        if (!forWriting) {
            current = State::Absent;
            return false;
        }
        if (!makeFolders(info.absolutePath()))
            return fail(QCoreApplication::translate("HistoryStore", "the folder %1 cannot be made")
                            .arg(QDir::toNativeSeparators(info.absolutePath())));
        QFile made(file);
        // NewOnly: a file another copy made meanwhile is not emptied.
        if (!made.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
            && !made.exists())
            return fail(made.errorString());
        return true;
    }
    if (!info.isFile())
        return fail(QCoreApplication::translate("HistoryStore", "it is not a file"), State::NotAFile);
    QFile main(file);
    if (!main.open(QIODevice::ReadOnly))
        return fail(main.errorString());
    const QByteArray first = main.read(4096);
    if (first.isEmpty())
        return true; // made by us, or by a copy that was stopped before its first write
    const Header header = headerOf(first);
    const auto notOurs = [this](const QString &why) { return fail(why, State::NotOurs); };
    if (!header.database)
        return notOurs(QCoreApplication::translate("HistoryStore", "it is not a database"));
    const bool fresh = header.application == 0 && header.version == 0 && header.schemaCells == 0;
    if (!fresh && header.application != quint32(applicationId))
        return notOurs(QCoreApplication::translate("HistoryStore", "another program's file"));
    if (header.version > quint32(schemaVersion))
        return fail(QString(), State::Newer);

    // Opening would replay a log beside the file into it: one from another
    // database would rewrite ours, so its first page is read here first.
    QFile log(file + QStringLiteral("-wal"));
    const QFileInfo logInfo(log.fileName());
    if (logInfo.isSymLink() || (logInfo.exists() && !logInfo.isFile()))
        return fail(QCoreApplication::translate("HistoryStore", "%1 is not a file").arg(logInfo.fileName()),
                    State::NotAFile);
    if (log.open(QIODevice::ReadOnly) && log.size() >= 32) {
        const QByteArray head = log.read(32);
        quint32 magic = 0;
        quint32 pageSize = 0;
        isBigEndianAt(head, 0, magic);
        isBigEndianAt(head, 8, pageSize);
        const bool isLog = (magic & 0xFFFFFFFE) == 0x377f0682;
        const QString foreign = QCoreApplication::translate("HistoryStore", "%1 beside it belongs to another database")
                                    .arg(logInfo.fileName());
        if (isLog && pageSize != header.pageSize)
            return notOurs(foreign);
        for (qint64 at = 32; isLog && at + 24 + pageSize <= log.size(); at += 24 + pageSize) {
            log.seek(at);
            const QByteArray frame = log.read(24 + 105);
            quint32 page = 0;
            isBigEndianAt(frame, 0, page);
            // Frames of an older round of the log carry other salts and are never replayed.
            if (page != 1 || frame.mid(8, 8) != head.mid(16, 8))
                continue;
            const Header logged = headerOf(frame.mid(24));
            if (!logged.database || logged.application != quint32(applicationId))
                return notOurs(foreign);
            if (logged.version > quint32(schemaVersion))
                return fail(QString(), State::Newer);
        }
    }
    if (forWriting && (info.permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                                             | QFileDevice::WriteOther))) {
        // A child's practice is for the family's eyes: the history and its
        // side files are the owner's alone, whatever made them otherwise.
        for (const QString &side : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            if (QFileInfo(file + side).isFile())
                QFile::setPermissions(file + side, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return true;
}

bool HistoryStore::connect(bool readOnlyConnection)
{
    QSqlDatabase db = QSqlDatabase::contains(connection) ? QSqlDatabase::database(connection, false)
                                                         : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    const QString busy = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(lockWait);
    if (!readOnlyConnection) {
        db.setDatabaseName(file);
        db.setConnectOptions(busy);
        if (!db.open())
            return fail(db.lastError().databaseText().isEmpty() ? db.lastError().text() : db.lastError().databaseText());
        return checkAndPrepare();
    }
    // Read-only: through the log when another copy keeps one; on a read-only
    // medium without one, as the file stands.
    const QString uri = QStringLiteral("file:") + QString::fromUtf8(QUrl::toPercentEncoding(file, "/"));
    for (const QString &mode : {QStringLiteral("?mode=ro"), QStringLiteral("?immutable=1")}) {
        db.close();
        db.setDatabaseName(uri + mode);
        db.setConnectOptions(busy + QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        if (db.open() && checkAndPrepare())
            return true;
    }
    return false;
}

bool HistoryStore::checkAndPrepare()
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    // One statement, so that all three come from one moment: another copy
    // making the file meanwhile must not look like another program's file.
    if (!query.exec(QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id), "
                                   "(SELECT user_version FROM pragma_user_version), "
                                   "(SELECT count(*) FROM sqlite_master)"))
        || !query.next()) {
        const bool damaged = notADatabase.contains(query.lastError().nativeErrorCode());
        failedWith(query);
        return fail(lastError, damaged ? State::NotOurs : State::Failed);
    }
    const int id = query.value(0).toInt();
    const int version = query.value(1).toInt();
    const int objects = query.value(2).toInt();
    const bool empty = id == 0 && version == 0 && objects == 0;
    if (!empty && id != applicationId)
        return fail(QCoreApplication::translate("HistoryStore", "another program's file"), State::NotOurs);
    if (version > schemaVersion)
        return fail(QString(), State::Newer);
    query.finish();
    if (!writable)
        return exec(QStringLiteral("PRAGMA foreign_keys=ON")) || fail(lastError);
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
        // Another copy may have forgotten the child since: the game starts
        // again under the child's name.
        if (id != 0 && (!run(query, QStringLiteral("SELECT 1 FROM games WHERE id = ?"), {id}) || !query.next()))
            id = 0;
        if (id == 0) {
            if (!run(query,
                     QStringLiteral("INSERT INTO children (key, name) VALUES (?, ?) "
                                    "ON CONFLICT (key) DO UPDATE SET name = excluded.name"),
                     {childKey(setup.child), notNull(setup.child.trimmed())}))
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
        if (!run(query,
                 QStringLiteral("SELECT c.right, c.seconds FROM cards c JOIN games g ON g.id = c.game_id "
                                "WHERE g.child_id = ? AND c.operation = ? AND c.top = ? AND c.bottom = ? ORDER BY c.id"),
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
    return run(query,
               QStringLiteral("INSERT OR REPLACE INTO facts (child_id, operation, top, bottom, tries, right_count, "
                              "recent, times) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
               {child, key[1], key[2], key[3], newTries, newRight, recentText(recent), bytesOf(times)});
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
    select(QStringLiteral("SELECT c.id, c.operation, c.top, c.bottom, c.answer, c.right, c.seconds, c.ending "
                          "FROM cards c JOIN games g ON g.id = c.game_id JOIN children k ON k.id = g.child_id "
                          "WHERE k.key = ? ORDER BY c.id"),
           {childKey(child)}, [&](const QSqlQuery &row) {
               if (const auto fact = cardFactOf(row, 0))
                   history[*fact].append({row.value(5).toInt() == 1, row.value(6).toDouble()});
           });
    return history;
}

FactRecords HistoryStore::factRecords(const QString &child)
{
    FactRecords records;
    select(QStringLiteral("SELECT f.child_id || ':' || f.operation || ':' || f.top || ':' || f.bottom, f.operation, "
                          "f.top, f.bottom, f.tries, f.right_count, f.recent, f.times "
                          "FROM facts f JOIN children k ON k.id = f.child_id WHERE k.key = ?"),
           {childKey(child)}, [&](const QSqlQuery &row) {
               const QVariant key = row.value(0);
               const std::optional<Fact> fact = factOf(row, 1, QStringLiteral("facts"), key);
               if (!fact)
                   return;
               const auto tries = wholeOf(row.value(4), 1, std::numeric_limits<int>::max());
               const auto right = wholeOf(row.value(5), 0, std::numeric_limits<int>::max());
               const auto recent = recentOf(row.value(6).toString());
               const QList<float> times = timesOf(row.value(7).toByteArray());
               if (!tries || !right || *right > *tries || !recent || recent->isEmpty() || times.size() != *tries
                   || row.value(7).toByteArray().size() % qsizetype(sizeof(float)) != 0
                   || !std::all_of(times.begin(), times.end(), [](float t) { return isPlausibleSeconds(t); })) {
                   reject(QStringLiteral("facts"), key);
                   return;
               }
               FactRecord record;
               record.fact = *fact;
               record.tries = *tries;
               record.right = *right;
               record.recent = *recent;
               record.medianSeconds = medianOfSorted(times);
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
    select(QStringLiteral("SELECT g.id, g.started, c.id, c.operation, c.top, c.bottom, c.answer, c.right, c.seconds, "
                          "c.ending FROM games g JOIN cards c ON c.game_id = g.id WHERE c.operation %1 ? AND g.id IN "
                          "(SELECT g2.id FROM games g2 JOIN children k ON k.id = g2.child_id WHERE k.key = ? "
                          "AND EXISTS (SELECT 1 FROM cards c2 WHERE c2.game_id = g2.id AND c2.operation %1 ?) "
                          "ORDER BY g2.started DESC LIMIT ?) ORDER BY g.started, g.id")
               .arg(test),
           {wanted, childKey(child), wanted, count}, [&](const QSqlQuery &row) {
               const QDateTime started = timeOf(row.value(1));
               if (!started.isValid()) {
                   reject(QStringLiteral("games"), row.value(0));
                   return;
               }
               if (!cardFactOf(row, 2))
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

QList<PractiseSpan> HistoryStore::practiceSpans(const QString &child, const QDateTime &since)
{
    QList<PractiseSpan> spans;
    select(QStringLiteral("SELECT g.id, g.started, g.ended, (SELECT max(c.judged_at) FROM cards c WHERE c.game_id = g.id) "
                          "FROM games g JOIN children k ON k.id = g.child_id WHERE k.key = ? AND g.started >= ? "
                          "ORDER BY g.started, g.id"),
           {childKey(child), timeText(since)}, [&](const QSqlQuery &row) {
               const PractiseSpan span{timeOf(row.value(1)), timeOf(row.value(2)), timeOf(row.value(3))};
               // Every game is written with its first card; an end is written whole or not at all.
               if (!span.started.isValid() || !span.lastCard.isValid()
                   || (!row.value(2).isNull() && !span.ended.isValid())) {
                   reject(QStringLiteral("games"), row.value(0));
                   return;
               }
               spans.append(span);
           });
    return spans;
}

bool HistoryStore::forEachCard(const QString &child, const std::function<bool(const StoredCard &)> &eachCard)
{
    bool going = true;
    const bool read = select(
        QStringLiteral("SELECT c.id, c.operation, c.top, c.bottom, c.answer, c.right, c.seconds, c.ending, c.game_id, "
                       "c.judged_at, c.given FROM cards c JOIN games g ON g.id = c.game_id "
                       "JOIN children k ON k.id = g.child_id WHERE k.key = ? ORDER BY c.id"),
        {childKey(child)}, [&](const QSqlQuery &row) {
            if (!going)
                return;
            const std::optional<Fact> fact = cardFactOf(row, 0);
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
                reject(QStringLiteral("cards"), row.value(0));
                return;
            }
            if (given)
                card.given = *given;
            going = eachCard(card);
        });
    return read && going;
}

QList<StoredCard> HistoryStore::cards(const QString &child)
{
    QList<StoredCard> found;
    forEachCard(child, [&found](const StoredCard &card) {
        found.append(card);
        return true;
    });
    return found;
}

qint64 HistoryStore::cardCount(const QString &child)
{
    qint64 count = 0;
    select(QStringLiteral("SELECT count(*) FROM cards c JOIN games g ON g.id = c.game_id "
                          "JOIN children k ON k.id = g.child_id WHERE k.key = ?"),
           {childKey(child)}, [&count](const QSqlQuery &row) { count = row.value(0).toLongLong(); });
    return count;
}

double HistoryStore::fluencySeconds(const QString &child)
{
    double seconds = defaultFluencySeconds;
    select(QStringLiteral("SELECT fluency, id FROM children WHERE key = ?"), {childKey(child)},
           [&](const QSqlQuery &row) {
               bool number = false;
               const double kept = row.value(0).toDouble(&number);
               if (number && isFluencyChoice(kept))
                   seconds = kept;
               else
                   reject(QStringLiteral("children"), row.value(1));
           });
    return seconds;
}

bool HistoryStore::setFluencySeconds(const QString &child, double seconds)
{
    if (!open(true))
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
        return run(query,
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
    });
}

std::optional<PrintedSheet> HistoryStore::sheet(int number)
{
    std::optional<PrintedSheet> found;
    select(QStringLiteral("SELECT id, name, operations, advanced_range, top_min, top_max, bottom_min, bottom_max, "
                          "top_limit, bottom_limit, divisor_low, divisor_high, card_count, weak_facts "
                          "FROM sheets WHERE number = ?"),
           {number}, [&](const QSqlQuery &row) {
               PrintedSheet sheet;
               sheet.number = number;
               sheet.name = row.value(1).toString();
               const auto operations = wholeOf(row.value(2), 0, 15);
               const auto advanced = wholeOf(row.value(3), 0, 1);
               WorksheetSetup &setup = sheet.setup;
               // The ranges the setup tabs allow: anything else could make a
               // sheet that never finishes drawing.
               const std::pair<int *, std::pair<int, int>> numbers[] = {
                   {&setup.topMin, {1, 99}},     {&setup.topMax, {1, 99}},      {&setup.bottomMin, {1, 99}},
                   {&setup.bottomMax, {1, 99}},  {&setup.topLimit, {1, 99}},    {&setup.bottomLimit, {1, 99}},
                   {&setup.divisorLow, {2, 9}},  {&setup.divisorHigh, {2, 9}},  {&setup.cardCount, {10, 100}}};
               bool sound = operations && advanced;
               for (int i = 0; i < 9; ++i) {
                   const auto value = wholeOf(row.value(4 + i), numbers[i].second.first, numbers[i].second.second);
                   sound = sound && value;
                   *numbers[i].first = value.value_or(0);
               }
               const auto weak = weakFactsOf(row.value(13).toString());
               if (!sound || !weak) {
                   reject(QStringLiteral("sheets"), row.value(0));
                   return;
               }
               setup.addition = *operations & 1;
               setup.subtraction = *operations & 2;
               setup.multiplication = *operations & 4;
               setup.division = *operations & 8;
               setup.advancedRange = *advanced == 1;
               sheet.weakFacts = *weak;
               found = sheet;
           });
    return found;
}

bool HistoryStore::forget(const QString &child, const std::function<bool(qint64, qint64)> &progress)
{
    if (!open(true))
        return false;
    const QString key = childKey(child);
    const qint64 total = cardCount(child);
    bool cancelled = false;
    const bool deleted = transaction([&] {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        // In steps, so that a long deletion can say how far it is.
        constexpr int step = 20000;
        for (qint64 done = 0;;) {
            if (!run(query,
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
        // Sheets printed for the child go too: they carry the name and the weak facts.
        QVariantList sheets;
        if (!run(query, QStringLiteral("SELECT id, name FROM sheets")))
            return false;
        while (query.next())
            if (childKey(query.value(1).toString()) == key)
                sheets.append(query.value(0));
        for (const QVariant &id : sheets)
            if (!run(query, QStringLiteral("DELETE FROM sheets WHERE id = ?"), {id}))
                return false;
        return run(query, QStringLiteral("DELETE FROM children WHERE key = ?"), {key});
    });
    if (cancelled)
        lastError.clear();
    // The deleted rows leave the log too, not only the file.
    if (deleted)
        exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return deleted;
}
