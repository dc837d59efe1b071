#include "history/historyconnection.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUrl>
#include <QVariant>

#include "history/historyschema.h"

namespace {

// SQLite's codes for a file that is not a database, or a damaged one.
const QStringList notADatabase = {QStringLiteral("26"), QStringLiteral("11")};

} // namespace

HistoryConnection::HistoryConnection(QString path)
    : file(std::move(path))
    , name(QStringLiteral("sumdrop-history-%1").arg(quintptr(this), 0, 16))
{
}

HistoryConnection::~HistoryConnection()
{
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
}

QSqlQuery HistoryConnection::query() const
{
    return QSqlQuery(QSqlDatabase::database(name, false));
}

bool HistoryConnection::fail(const QString &why, State state)
{
    lastError = why;
    if (state != State::Open)
        current = state;
    return false;
}

bool HistoryConnection::failedWith(const QSqlQuery &query)
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

bool HistoryConnection::exec(const QString &sql)
{
    QSqlQuery statement = query();
    return statement.exec(sql) || failedWith(statement);
}

bool HistoryConnection::run(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    if (!query.prepare(sql))
        return failedWith(query);
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec() || failedWith(query);
}

bool HistoryConnection::select(const QString &sql, const QVariantList &values,
                               const std::function<void(const QSqlQuery &)> &eachRow)
{
    if (!open(false))
        return false;
    QSqlQuery rows = query();
    rows.setForwardOnly(true);
    if (!run(rows, sql, values))
        return false;
    while (rows.next())
        eachRow(rows);
    return true;
}

void HistoryConnection::setLockWait(int milliseconds)
{
    lockWait = milliseconds;
    if (current == State::Open)
        exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds));
}

bool HistoryConnection::begin()
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
    return true;
}

bool HistoryConnection::finish(bool done)
{
    const bool committed = done && exec(QStringLiteral("COMMIT"));
    inTransaction = false;
    if (committed)
        return true;
    const QString why = lastError;
    const bool wasBusy = lastBusy;
    exec(QStringLiteral("ROLLBACK"));
    lastError = why;
    lastBusy = wasBusy;
    return false;
}

bool HistoryConnection::open(bool forWriting)
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
    const FileVerdict verdict = inspectHistoryFile(file, forWriting);
    if (verdict.state == State::Absent) {
        current = State::Absent;
        return false;
    }
    if (verdict.state != State::Open)
        return fail(verdict.why, verdict.state);
    const QFileInfo info(file);
    writable = info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
    if (!connect(!writable)) {
        QSqlDatabase::database(name, false).close();
        return false;
    }
    current = State::Open;
    return open(forWriting);
}

bool HistoryConnection::connect(bool readOnlyConnection)
{
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
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

bool HistoryConnection::checkAndPrepare()
{
    using HistorySchema::applicationId;
    QSqlQuery found = query();
    // One statement, so that all three come from one moment: another copy
    // making the file meanwhile must not look like another program's file.
    if (!found.exec(QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id), "
                                   "(SELECT user_version FROM pragma_user_version), "
                                   "(SELECT count(*) FROM sqlite_master)"))
        || !found.next()) {
        const bool damaged = notADatabase.contains(found.lastError().nativeErrorCode());
        failedWith(found);
        return fail(lastError, damaged ? State::NotOurs : State::Failed);
    }
    const int id = found.value(0).toInt();
    const int version = found.value(1).toInt();
    const int objects = found.value(2).toInt();
    const bool empty = id == 0 && version == 0 && objects == 0;
    if (!empty && id != applicationId)
        return fail(QCoreApplication::translate("HistoryStore", "another program's file"), State::NotOurs);
    if (version > HistorySchema::version)
        return fail(QString(), State::Newer);
    found.finish();
    if (!writable)
        return exec(QStringLiteral("PRAGMA foreign_keys=ON")) || fail(lastError);
    if (!exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !exec(QStringLiteral("PRAGMA synchronous=NORMAL"))
        || !exec(QStringLiteral("PRAGMA foreign_keys=ON")) || !exec(QStringLiteral("PRAGMA secure_delete=ON")))
        return fail(lastError);
    if (version == HistorySchema::version)
        return true;
    return transaction([this] {
        // Another copy may have made or moved the schema on meanwhile.
        QSqlQuery again = query();
        if (!again.exec(QStringLiteral("PRAGMA user_version")) || !again.next())
            return false;
        const int from = again.value(0).toInt();
        again.finish();
        return HistorySchema::migrate(
            [this](const QString &sql, const QVariantList &values) {
                QSqlQuery statement = query();
                return run(statement, sql, values);
            },
            from);
    });
}
