#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "history/outbox.h"

// The one place that talks to the class server: it lives in the sync
// thread, with its own connection, opened and checked when first needed.
class ClassWorker : public QObject
{
    Q_OBJECT
public:
    explicit ClassWorker(const QString &conninfo);
    // In the worker's own thread, which made the connection.
    ~ClassWorker() override;

    void send(const SharedBatch &batch);
    // The cards of these children (of the whole class for a teacher) that
    // reached the server since the last fetch of this run.
    void fetch(const QStringList &childKeys);

signals:
    // The server was checked: the class's name, and whether this login may
    // read the whole class.
    void classChecked(const QString &className, bool teacher);
    void sent(const SharedBatch &batch);
    void fetched(const SharedBatch &batch);
    // state: a ClassState; detail: the server's or libpq's words.
    void failed(int state, const QString &detail);

private:
    bool ready();
    void fail(int state, const QString &detail);

    QString conninfo;
    QString connection;
    bool checked = false;
    bool teacher = false;
    QString cursor;
};
