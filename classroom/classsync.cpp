#include "classroom/classsync.h"

#include <QCoreApplication>

#include "classroom/classconnection.h"
#include "classroom/classworker.h"
#include "history/historystore.h"

namespace {

// What waits to be sent, and whether the server is away.
QString waitingText(int cards, bool away)
{
    if (!away)
        return cards == 0   ? QCoreApplication::translate("ClassSync", "Class: sent")
             : cards == 1 ? QCoreApplication::translate("ClassSync", "Class: 1 card waiting")
                          : QCoreApplication::translate("ClassSync", "Class: %1 cards waiting").arg(cards);
    return cards == 0   ? QCoreApplication::translate("ClassSync", "Class: server not reachable")
         : cards == 1 ? QCoreApplication::translate("ClassSync", "Class: 1 card waiting (server not reachable)")
                      : QCoreApplication::translate("ClassSync", "Class: %1 cards waiting (server not reachable)")
                            .arg(cards);
}

} // namespace

ClassSync::ClassSync(const QString &conninfo, std::function<HistoryStore *()> store, std::function<bool()> gameRunning)
    : store(std::move(store))
    , gameRunning(std::move(gameRunning))
    , thread(new QThread)
{
    thread->setObjectName(QStringLiteral("class server"));
    worker = new ClassWorker(conninfo);
    worker->moveToThread(thread);
    // Deleted in its own thread as that ends, where its connection was made.
    connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &ClassWorker::sent, this, &ClassSync::sent);
    connect(worker, &ClassWorker::fetched, this, &ClassSync::fetched);
    connect(worker, &ClassWorker::failed, this, &ClassSync::failed);
    connect(worker, &ClassWorker::classChecked, this, [this](const QString &name, bool teacher) {
        if (name == className && teacher == readsClass)
            return;
        className = name;
        readsClass = teacher;
        emit classRoleChanged();
    });
    thread->start();

    retry.setSingleShot(true);
    retry.setInterval(retryMs);
    connect(&retry, &QTimer::timeout, this, &ClassSync::syncNow);
    soon.setSingleShot(true);
    soon.setInterval(afterCardMs);
    connect(&soon, &QTimer::timeout, this, &ClassSync::syncNow);
}

ClassSync::~ClassSync()
{
    disconnect(worker, nullptr, this, nullptr);
    thread->quit();
    // A server that stopped answering holds the worker until libpq gives up.
    // The program does not wait for that: the thread is left to end with the
    // process, as destroying a running thread would abort it.
    if (thread->wait(2000))
        delete thread;
}

int ClassSync::waiting()
{
    HistoryStore *history = store();
    return history ? history->unsentCount() : 0;
}

void ClassSync::cardsRecorded()
{
    // At most one batch a moment while cards keep coming.
    if (!stopped && !soon.isActive())
        soon.start();
}

void ClassSync::syncNow()
{
    importNext();
    if (stopped)
        return;
    if (inFlight) {
        again = true;
        return;
    }
    HistoryStore *history = store();
    if (!history)
        return;
    const SharedBatch batch = history->unsentBatch(batchCards);
    if (batch.isEmpty()) {
        setStatus(waitingText(0, false));
        fetchIfIdle();
        return;
    }
    if (shown.isEmpty())
        setStatus(waitingText(history->unsentCount(), false));
    inFlight = true;
    QMetaObject::invokeMethod(worker, [worker = worker, batch] { worker->send(batch); }, Qt::QueuedConnection);
}

void ClassSync::sent(const SharedBatch &batch)
{
    inFlight = false;
    HistoryStore *history = store();
    // Not marked, the cards are sent again and the server ignores the copies.
    if (history)
        history->markSent(batch);
    const int left = waiting();
    setStatus(waitingText(left, false));
    if (left > 0 || again) {
        again = false;
        syncNow();
    } else {
        fetchIfIdle();
    }
}

void ClassSync::fetchIfIdle()
{
    HistoryStore *history = store();
    if (inFlight || !history || gameRunning())
        return;
    inFlight = true;
    // Its own cards come back too, and are known by their UUIDs: two people
    // on one computer share its name, not their histories.
    const QStringList children = history->childKeys();
    QMetaObject::invokeMethod(worker, [worker = worker, children] { worker->fetch(children); }, Qt::QueuedConnection);
}

void ClassSync::fetched(const SharedBatch &batch)
{
    inFlight = false;
    // Taken in a little at a time, between games, so that the window never
    // stops for long; every piece carries the games, which are taken once.
    for (qsizetype first = 0; first < batch.cards.size(); first += importCards)
        imports.append({batch.games, batch.cards.mid(first, importCards)});
    if (batch.cards.isEmpty() && !batch.games.isEmpty())
        imports.append(batch);
    importNext();
    if (again) {
        again = false;
        syncNow();
    }
}

void ClassSync::importNext()
{
    if (imports.isEmpty() || gameRunning())
        return;
    if (HistoryStore *history = store())
        history->importShared(imports.takeFirst());
    else
        imports.clear();
    if (!imports.isEmpty())
        QTimer::singleShot(0, this, &ClassSync::importNext);
}

void ClassSync::failed(int state, const QString &detail)
{
    inFlight = false;
    again = false;
    const auto classState = ClassState(state);
    if (!ClassConnection::cannotWork(classState)) {
        const int left = waiting();
        setStatus(waitingText(left, true));
        retry.start();
        return;
    }
    switch (classState) {
    case ClassState::NotOurs:
        setStatus(QCoreApplication::translate("ClassSync", "Class: not a Sumdrop class database"));
        break;
    case ClassState::Newer:
        setStatus(QCoreApplication::translate("ClassSync", "Class: set up by a newer Sumdrop"));
        break;
    default:
        setStatus(QCoreApplication::translate("ClassSync", "Class: cannot connect"));
        break;
    }
    // Nothing is written to a database that is not a class of ours, and a
    // setting that cannot work is not tried again until it is changed.
    stopped = true;
    ClassCheck check;
    check.state = classState;
    check.detail = detail;
    emit problem(QCoreApplication::translate("ClassSync", "The practice is not shared with the class server: %1")
                     .arg(ClassConnection::describe(check)));
}

void ClassSync::setStatus(const QString &text)
{
    if (text == shown)
        return;
    shown = text;
    emit statusChanged(text);
}
