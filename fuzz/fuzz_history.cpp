#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "game/gamesession.h"
#include "history/historycsv.h"
#include "history/historystore.h"
#include "history/mastery.h"
#include "worksheet/printedsheet.h"

namespace {

constexpr qint16 operations[] = {Operation::Addition, Operation::Subtraction, Operation::Multiplication,
                                 Operation::Division};
// Enough children and sheets to reach every reader, few enough to keep a
// run of a file full of them quick.
constexpr int childrenRead = 8;
constexpr int sheetsRead = 20;

void check(bool holds)
{
    if (!holds)
        std::abort();
}

void checkSummary(const FactSummary &summary)
{
    check(isPlausibleFact(summary.fact) && std::isfinite(summary.medianSeconds)
          && summary.right >= 0 && summary.right <= summary.tries);
}

void checkRecords(const FactRecords &records)
{
    for (auto it = records.begin(); it != records.end(); ++it) {
        const FactRecord &record = it.value();
        check(it.key() == record.fact && isPlausibleFact(record.fact) && std::isfinite(record.medianSeconds)
              && record.right >= 0 && record.right <= record.tries && record.recent.size() <= recentAttempts);
        for (const Attempt &attempt : record.recent)
            check(std::isfinite(attempt.seconds));
    }
}

void checkGames(const QList<GameTrend> &games, int count)
{
    check(games.size() <= count);
    for (const GameTrend &game : games)
        check(game.right >= 0 && game.right <= game.judged && std::isfinite(game.medianSeconds));
}

// What the Progress window, the practice draw and the export read of a child.
void readChild(HistoryStore &store, const QString &child)
{
    const double fluency = store.fluencySeconds(child);
    check(isFluencyChoice(fluency));
    const FactRecords kept = store.factRecords(child);
    const FactRecords fromCards = recordsOf(store.attempts(child));
    checkRecords(kept);
    checkRecords(fromCards);
    for (const qint16 operation : operations) {
        for (const FactRecords *records : {&kept, &fromCards}) {
            const MasteryGrid grid = masteryGrid(*records, operation, fluency);
            check(grid.cells.size() == gridCellCount(operation) && grid.mastered >= 0
                  && grid.mastered <= grid.cells.size());
            masteredCountText(grid);
            for (const FactSummary &cell : grid.cells)
                checkSummary(cell);
            const QList<FactSummary> hardest = hardestFacts(*records, operation, fluency, 10);
            check(hardest.size() <= 10);
            for (const FactSummary &fact : hardest) {
                check(fact.fact.operation == operation);
                checkSummary(fact);
                factDescription(fact);
            }
        }
        checkGames(store.recentGames(child, 30, operation), 30);
    }
    checkGames(store.recentGames(child, 30), 30);
    qint64 read = 0;
    store.forEachCard(child, [&](const StoredCard &card) {
        check(isPlausibleFact(card.fact) && card.answer == factAnswer(card.fact) && std::isfinite(card.seconds));
        check(historyCsvRow(child, card).endsWith("\r\n"));
        ++read;
        return true;
    });
    // The count takes every row, also those the reading left out.
    check(read <= store.cardCount(child));
}

// The sheet numbers as the file holds them, read past the store.
QList<int> sheetNumbers(const QString &path)
{
    const QString name = QStringLiteral("fuzz-sheets");
    QList<int> numbers;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("SELECT number FROM sheets LIMIT %1").arg(sheetsRead))) {
            while (query.next())
                numbers.append(query.value(0).toInt());
        }
    }
    QSqlDatabase::removeDatabase(name);
    return numbers;
}

} // namespace

// Whatever the bytes, the store either declines the file or reads from it
// only facts a card could show and times that are numbers, and every rule
// and printout built on them finishes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QTemporaryDir folder;
    check(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("history.sqlite"));
    // The log of the previous input would be replayed into this one.
    for (const char *side : {"-wal", "-shm"})
        QFile::remove(path + QLatin1String(side));
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
          && file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    file.close();

    HistoryStore store(path);
    QStringList names = {QString(), QStringLiteral("Ann")};
    for (const ChildEntry &child : store.children().mid(0, childrenRead))
        names.append(child.name);
    for (const QString &child : names)
        readChild(store, child);
    if (store.state() == HistoryStore::State::Open) {
        for (const int number : sheetNumbers(path)) {
            const std::optional<PrintedSheet> sheet = store.sheet(number);
            if (!sheet)
                continue;
            for (const WeakFact &weak : sheet->weakFacts)
                check(isPlausibleFact(weak.fact));
            check(sheetProblems(*sheet).size() <= 100);
        }
    }
    // What would go to a class server is what the program could have written.
    const SharedBatch batch = store.unsentBatch(100);
    for (const SharedGame &game : batch.games)
        check(HistoryOutbox::isSound(game));
    for (const SharedCard &card : batch.cards)
        check(HistoryOutbox::isSound(card));
    check(store.rejectedRecords() >= 0);
    return 0;
}
