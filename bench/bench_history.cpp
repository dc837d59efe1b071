// The practice history's own costs, in process and offscreen: the Progress
// window opened and painted for a child with 100,000 recorded cards.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QToolButton>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>
#include <random>
#include <vector>

#include "benchtable.h"

#include "app/program.h"
#include "fakes/fakeplatform.h"
#include "history/historycsv.h"
#include "history/historystore.h"
#include "platform/savefile.h"
#include "history/progresswindow.h"
#include "history/trendchart.h"

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
            card.answer = factAnswer({card.operation, int(card.top), int(card.bottom)});
            card.right = number(engine) > 3;
            card.given = card.right ? card.answer : card.answer + 1;
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

// The history's share of sending 10,000 waiting cards to a class server in
// batches of 1,000, and of another machine taking them in; milliseconds each,
// or none on failure.
std::optional<std::pair<double, double>> outboxCosts(const QString &elsewhere)
{
    HistoryStore store(HistoryStore::defaultPath());
    QList<SharedBatch> sent;
    QElapsedTimer timer;
    timer.start();
    for (int batch = 0; batch < 10; ++batch) {
        sent.append(store.unsentBatch(1000));
        if (sent.last().cards.size() != 1000 || !store.markSent(sent.last()))
            return std::nullopt;
    }
    const double sending = double(timer.nsecsElapsed()) / 1e6;
    HistoryStore other(elsewhere);
    timer.restart();
    for (const SharedBatch &batch : std::as_const(sent))
        if (!other.importShared(batch))
            return std::nullopt;
    const double taking = double(timer.nsecsElapsed()) / 1e6;
    if (other.cardCount(QStringLiteral("Ann")) != 10000)
        return std::nullopt;
    return std::pair{sending, taking};
}

// A child who played a game every 20 minutes for the last 14 days.
bool fillRecentGames(const QString &child, int games)
{
    HistoryStore store(HistoryStore::defaultPath());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int g = 0; g < games; ++g) {
        GameSetup setup;
        setup.child = child;
        setup.started = now.addSecs(-qint64(g) * 1200);
        setup.operations = 1;
        setup.cardCount = 3;
        qint64 game = 0;
        for (int c = 0; c < 3; ++c) {
            CardRecord card;
            card.operation = Operation::Addition;
            card.top = 2;
            card.bottom = qint16(c);
            card.answer = card.given = 2 + c;
            card.right = true;
            card.seconds = 60;
            card.judgedAt = setup.started.addSecs(qint64(60) * (c + 1));
            if (!store.recordCard(game, setup, card))
                return false;
        }
        if (!store.endGame(game, setup.started.addSecs(200), true))
            return false;
    }
    return true;
}

// Resident memory now and its peak since the last reset, in MiB.
double memoryMiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

struct Cost
{
    double ms = 0;
    double peakMiB = 0;
};

template<typename Work>
Cost measured(Work work)
{
    resetPeakMemory();
    const double before = memoryMiB("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    work();
    return {double(timer.nsecsElapsed()) / 1e6, memoryMiB("VmHWM:") - before};
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
    const auto outbox = outboxCosts(data.filePath(QStringLiteral("elsewhere.sqlite")));
    if (!outbox)
        return 9;

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
    if (!fillRecentGames(QStringLiteral("Ben"), 1000))
        return 7;
    std::vector<double> timeView;
    {
        FakePlatform platform;
        auto program = startProgram(platform);
        ProgressWindow &window = program->frmProgress();
        window.showProgress();
        window.optTime->click();
        HistoryStore store(HistoryStore::defaultPath());
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            const QDate today = QDate::currentDate();
            window.picTime->setDays(
                practiceDays(store.practiceSpans(QStringLiteral("Ben"), practiceReadSince(today)), today));
            window.picTime->repaint();
            timeView.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (window.picTime->shownDays().longestRun != practiceDaysShown)
                return 8;
        }
    }
    // A million cards, copied in the file, exported as the window does and
    // as a whole in memory the way it was done before.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grow"));
        db.setDatabaseName(HistoryStore::defaultPath());
        if (!db.open())
            return 4;
        QSqlQuery grow(db);
        for (int copy = 0; copy < 9; ++copy)
            if (!grow.exec(QStringLiteral("INSERT INTO cards (game_id, operation, top, bottom, answer, given, right, "
                                          "ending, seconds, judged_at) SELECT game_id, operation, top, bottom, answer, "
                                          "given, right, ending, seconds, judged_at FROM cards WHERE id <= %1")
                               .arg(cardsRecorded)))
                return 5;
        grow.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("grow"));
    FakePlatform platform;
    auto program = startProgram(platform);
    ProgressWindow &window = program->frmProgress();
    window.showProgress();
    window.cboChild->setCurrentIndex(window.cboChild->findText(QStringLiteral("Ann")));
    const QString csv = data.filePath(QStringLiteral("export.csv"));
    platform.fileNames.push_back(csv);
    const Cost streamed = measured([&window] { window.cmdExport->click(); });
    const qint64 streamedSize = QFileInfo(csv).size();
    const Cost whole = measured([&] {
        HistoryStore store(HistoryStore::defaultPath());
        saveFileWhole(csv, historyCsv(QStringLiteral("Ann"), store.cards(QStringLiteral("Ann"))));
    });
    if (!platform.messages.isEmpty() || streamedSize != QFileInfo(csv).size())
        return 6;
    printBenchRow(QStringLiteral("Export of 1,000,000 cards, ms"), streamed.ms, whole.ms, QStringLiteral("-"), 0);
    printBenchRow(QStringLiteral("Export of 1,000,000 cards, peak MiB added"), streamed.peakMiB, whole.peakMiB,
                  QStringLiteral("-"), 1);

    printBenchRow(QStringLiteral("One card written to the history, ms (%1 cards)").arg(cardsRecorded), write, {},
                  QStringLiteral("-"), 3);
    printBenchRow(QStringLiteral("10,000 waiting cards read and marked sent, batches of 1,000, ms"), outbox->first, {},
                  QStringLiteral("-"), 0);
    printBenchRow(QStringLiteral("10,000 cards of another machine taken in, ms"), outbox->second, {},
                  QStringLiteral("-"), 0);
    printBenchRow(QStringLiteral("Progress window opened and painted, 100,000 cards, ms (%1 runs)").arg(runs),
                  median(opened), {}, QStringLiteral("< 100"), 1);
    printBenchRow(QStringLiteral("Time view read and painted, 1,000 games in 14 days, ms (%1 runs)").arg(runs),
                  median(timeView), {}, QStringLiteral("< 50"), 1);
    return 0;
}
