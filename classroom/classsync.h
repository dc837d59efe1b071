#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>

#include <functional>

#include "history/outbox.h"

class ClassWorker;
class HistoryStore;

// Brings this machine's practice to the class server and the class's practice
// of this machine's children back. The local history is the outbox: only the
// worker thread talks to the server, so no child ever waits on the network,
// and a card counts as sent only once the server has committed it.
class ClassSync : public QObject
{
    Q_OBJECT
public:
    // store gives the local history when it can be used; gameRunning says
    // whether a child is playing, when nothing is read in from the server.
    ClassSync(const QString &conninfo, std::function<HistoryStore *()> store, std::function<bool()> gameRunning);
    ~ClassSync() override;

    // Sends what waits, then, between games, reads in the cards other
    // machines sent of this machine's children since the last time.
    void syncNow();
    // New cards are in the local history: sent after a moment, so that the
    // next card is dealt first.
    void cardsRecorded();
    QString status() const { return shown; }
    // Whether the server, when last checked, let this login read the whole
    // class; and the class's name.
    bool teacher() const { return readsClass; }
    QString classNameOnServer() const { return className; }

    static constexpr int batchCards = 500;
    static constexpr int retryMs = 30000;
    static constexpr int afterCardMs = 200;
    static constexpr int importCards = 500;

signals:
    void statusChanged(const QString &text);
    // teacher() or the class's name changed.
    void classRoleChanged();
    // A setting that cannot work (not a class, newer, refused): told once.
    void problem(const QString &text);

private:
    void sent(const SharedBatch &batch);
    void fetched(const SharedBatch &batch);
    void failed(int state, const QString &detail);
    void fetchIfIdle();
    void importNext();
    void setStatus(const QString &text);
    int waiting();

    std::function<HistoryStore *()> store;
    std::function<bool()> gameRunning;
    QThread *thread; // owned, but left running at the end if the server holds it
    ClassWorker *worker = nullptr; // lives in thread
    QTimer retry;
    QTimer soon;
    bool inFlight = false;
    bool again = false;
    bool stopped = false; // a setting that cannot work: nothing more is tried this run
    QString shown;
    QString className;
    bool readsClass = false;
    QList<SharedBatch> imports; // waiting to be taken in
};
