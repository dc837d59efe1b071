#include "classroom/classworker.h"

#include <QSqlDatabase>
#include <QUuid>

#include "classroom/classdatabase.h"

ClassWorker::ClassWorker(const QString &conninfo)
    : conninfo(conninfo)
    , connection(QStringLiteral("class-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

ClassWorker::~ClassWorker()
{
    if (QSqlDatabase::contains(connection)) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
}

bool ClassWorker::ready()
{
    QSqlDatabase db = QSqlDatabase::contains(connection) ? QSqlDatabase::database(connection, false)
                                                         : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    if (!db.isOpen()) {
        const ClassCheck opened = ClassConnection::open(db, conninfo);
        if (!db.isOpen()) {
            fail(int(opened.state), opened.detail);
            return false;
        }
    }
    if (checked)
        return true;
    const ClassCheck check = ClassDatabase::checkClass(db);
    if (check.state != ClassState::Ours) {
        fail(int(check.state == ClassState::Empty ? ClassState::NotOurs : check.state), check.detail);
        return false;
    }
    checked = true;
    // A teacher reads the whole class: from the start again when the role
    // has just changed, so that nothing before the cursor is missed.
    if (check.isTeacher != teacher)
        cursor.clear();
    teacher = check.isTeacher;
    emit classChecked(check.className, check.isTeacher);
    return true;
}

void ClassWorker::fail(int state, const QString &detail)
{
    // A fresh connection next time: the server may have gone and come back.
    if (QSqlDatabase::contains(connection))
        QSqlDatabase::database(connection, false).close();
    checked = false;
    emit failed(state, detail);
}

void ClassWorker::send(const SharedBatch &batch)
{
    if (!ready())
        return;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    const ClassDatabase::SendResult result = ClassDatabase::sendBatch(db, batch);
    if (result.sent)
        emit sent(batch);
    else
        fail(int(result.state), result.error);
}

void ClassWorker::fetch(const QStringList &childKeys)
{
    if (!ready())
        return;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    const ClassDatabase::FetchResult result
        = ClassDatabase::fetchCards(db, teacher ? std::nullopt : std::optional<QStringList>(childKeys), cursor);
    if (!result.fetched) {
        fail(int(ClassConnection::stateOfError(result.error)), result.error);
        return;
    }
    cursor = result.cursor;
    emit fetched(result.batch);
}
