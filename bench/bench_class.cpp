// Sharing with a class server: 10,000 cards waiting in a practice history,
// sent to a PostgreSQL server on this machine until every one is there.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "benchtable.h"

#include "classroom/classsync.h"
#include "fakes/pgserver.h"
#include "history/historystore.h"

namespace {

constexpr int cards = 10000;

bool fill(HistoryStore &store, int machine)
{
    GameSetup setup;
    setup.child = QStringLiteral("Child %1").arg(machine);
    setup.started = QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC);
    setup.operations = 1;
    setup.cardCount = 100;
    setup.topMax = 99;
    setup.bottomMax = 99;
    setup.divisorLow = 2;
    setup.divisorHigh = 9;
    qint64 game = 0;
    for (int i = 0; i < cards; ++i) {
        if (i % 100 == 0)
            game = 0;
        CardRecord card;
        card.operation = Operation::Addition;
        card.top = i % 90 + 1;
        card.bottom = 7;
        card.answer = card.top + 7;
        card.given = card.answer;
        card.right = true;
        card.seconds = 2;
        card.judgedAt = setup.started.addSecs(i);
        if (!store.recordCard(game, setup, card))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (!PgServer::missing().isEmpty()) {
        std::fprintf(stderr, "no class server: %s\n", qPrintable(PgServer::missing()));
        return 0;
    }
    PgServer server;
    if (!server.start())
        return 1;
    QTemporaryDir dir;
    std::vector<double> seconds;
    for (int run = 0; run < 3; ++run) {
        const QString database = QStringLiteral("bench%1").arg(run);
        if (!server.createClass(database))
            return 2;
        HistoryStore store(dir.filePath(QStringLiteral("machine%1/history.sqlite").arg(run)));
        if (!store.open(true) || !fill(store, run))
            return 4;
        ClassSync sync(server.conninfo(database), [&store] { return &store; }, [] { return true; });
        QElapsedTimer timer;
        timer.start();
        sync.syncNow();
        while (sync.status() != QStringLiteral("Class: sent") && timer.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (store.unsentCount() != 0
            || server.sql(database, QStringLiteral("SELECT count(*) FROM sumdrop.cards")) != QStringList{QString::number(cards)})
            return 5;
        seconds.push_back(double(timer.nsecsElapsed()) / 1e9);
    }
    std::sort(seconds.begin(), seconds.end());
    printBenchRow(QStringLiteral("%1 waiting cards sent to a class server on this machine, s (3 runs)").arg(cards),
                  seconds[1], {}, QStringLiteral("< 3"), 2);
    return 0;
}
