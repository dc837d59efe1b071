// The practice history's own costs, in process and offscreen: the Progress
// window opened and painted for a child with 100,000 recorded cards.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <random>
#include <vector>

#include "benchtable.h"

#include "app/program.h"
#include "fakes/fakeplatform.h"
#include "history/historystore.h"
#include "history/progresswindow.h"

namespace {

constexpr int cardsRecorded = 100000;
constexpr int cardsPerGame = 50;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Written card by card through the store, as games write them; returns the
// median milliseconds a card took to write, or a negative number on failure.
double fillHistory(const QString &child)
{
    HistoryStore store(HistoryStore::defaultPath());
    std::mt19937 engine(20261209);
    std::uniform_int_distribution<int> number(0, 15);
    std::uniform_int_distribution<int> operation(15, 18);
    std::uniform_real_distribution<double> seconds(0.8, 14);
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-cardsRecorded / cardsPerGame);
    std::vector<double> writes;
    for (int g = 0; g < cardsRecorded / cardsPerGame; ++g) {
        GameSetup setup;
        setup.child = child;
        setup.started = start.addDays(g);
        setup.operations = 19;
        setup.cardCount = cardsPerGame;
        qint64 game = 0;
        for (int c = 0; c < cardsPerGame; ++c) {
            CardRecord card;
            card.operation = qint16(operation(engine));
            const int a = number(engine);
            const int b = std::max(1, number(engine) % 13);
            card.top = card.operation == 18 ? a * b : a + (card.operation == 16 ? b : 0);
            card.bottom = b;
            card.answer = a;
            card.right = number(engine) > 3;
            card.given = card.right ? a : a + 1;
            card.seconds = seconds(engine);
            card.judgedAt = setup.started.addSecs(qint64(c) * 5);
            QElapsedTimer timer;
            timer.start();
            if (!store.recordCard(game, setup, card))
                return -1;
            writes.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        store.endGame(game, setup.started.addSecs(qint64(cardsPerGame) * 5), true);
    }
    return median(writes);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", data.filePath(QStringLiteral("config")).toLocal8Bit());
    QApplication application(argc, argv);
    QDir::setCurrent(data.path());
    const double write = fillHistory(QStringLiteral("Ann"));
    if (write < 0)
        return 1;

    constexpr int runs = 7;
    std::vector<double> opened;
    for (int run = 0; run < runs; ++run) {
        FakePlatform platform;
        auto program = startProgram(platform);
        if (!program)
            return 2;
        QElapsedTimer timer;
        timer.start();
        ProgressWindow &window = program->frmProgress();
        window.showProgress();
        window.repaint();
        opened.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!platform.messages.isEmpty())
            return 3;
    }
    printBenchRow(QStringLiteral("One card written to the history, ms (%1 cards)").arg(cardsRecorded), write, {},
                  QStringLiteral("-"), 3);
    printBenchRow(QStringLiteral("Progress window opened and painted, 100,000 cards, ms (%1 runs)").arg(runs),
                  median(opened), {}, QStringLiteral("< 100"), 1);
    return 0;
}
