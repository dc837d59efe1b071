#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>

#include "history/historyfile.h"

// The history's one SQLite connection, opened on first use. Every SQLite
// failure leaves its reason in error(), and busy() when another copy holds
// the file for a moment.
class HistoryConnection
{
public:
    using State = HistoryState;

    explicit HistoryConnection(QString path);
    ~HistoryConnection();
    HistoryConnection(const HistoryConnection &) = delete;
    HistoryConnection &operator=(const HistoryConnection &) = delete;

    QString path() const { return file; }
    State state() const { return current; }
    QString error() const { return lastError; }
    bool busy() const { return lastBusy; }
    bool readOnly() const { return current == State::Open && !writable; }
    void setLockWait(int milliseconds);
    // For reading, a missing file stays missing (Absent); for writing, it is
    // made. True when open (for writing: when it can be written).
    bool open(bool forWriting);

    QSqlQuery query() const;
    bool exec(const QString &sql);
    // Runs a prepared statement with its values bound in order, keeping the
    // reason when it fails.
    bool run(QSqlQuery &query, const QString &sql, const QVariantList &values = {});
    // Runs a reading query and hands over each row; false when it cannot.
    bool select(const QString &sql, const QVariantList &values,
                const std::function<void(const QSqlQuery &)> &eachRow);
    // A change stopped on purpose is no failure to report.
    void clearError() { lastError.clear(); }

    // body() in one transaction: all of it is kept, or none.
    template<typename Body>
    bool transaction(Body body)
    {
        return begin() && finish(body());
    }

private:
    bool fail(const QString &why, State state = State::Failed);
    bool failedWith(const QSqlQuery &query);
    bool connect(bool readOnlyConnection);
    bool checkAndPrepare();
    bool begin();
    bool finish(bool done);

    QString file;
    QString name;
    State current = State::Closed;
    bool writable = false;
    QString lastError;
    bool lastBusy = false;
    bool inTransaction = false;
    int lockWait = 250;
};
