// The practice history's own costs, in process and offscreen: the Progress
// window opened and painted for a child with 100,000 recorded cards.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
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

// The schema through the store, then the cards in one bulk transaction.
bool fillHistory(const QString &child)
{
    CardRecord first;
    first.operation = 15;
    first.top = first.bottom = 1;
    first.answer = 2;
    first.judgedAt = QDateTime::currentDateTimeUtc();
    {
        HistoryStore store(HistoryStore::defaultPath());
        GameSetup setup;
        setup.child = child;
        setup.started = first.judgedAt;
        qint64 game = 0;
        if (!store.recordCard(game, setup, first))
            return false;
    }
    std::mt19937 engine(20261209);
    std::uniform_int_distribution<int> number(0, 15);
    std::uniform_int_distribution<int> operation(15, 18);
    std::uniform_real_distribution<double> seconds(0.8, 14);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bulk"));
        db.setDatabaseName(HistoryStore::defaultPath());
        ok = db.open() && db.transaction();
        QSqlQuery game(db);
        QSqlQuery card(db);
        game.prepare(QStringLiteral("INSERT INTO games (child_id, started, card_count, judged, right_count, completed, "
                                    "operations, advanced_range, top_min, top_max, bottom_min, bottom_max, "
                                    "divisor_low, divisor_high, answer_format, verbal) "
                                    "VALUES (1, ?, 50, 50, ?, 1, 19, 0, 1, 12, 1, 12, 2, 9, 2, 0)"));
        card.prepare(QStringLiteral("INSERT INTO cards (game_id, operation, top, bottom, answer, given, right, ending, "
                                    "seconds, judged_at) VALUES (?, ?, ?, ?, ?, ?, ?, 0, ?, ?)"));
        const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-cardsRecorded / cardsPerGame);
        for (int g = 0; ok && g < cardsRecorded / cardsPerGame; ++g) {
            const QString when = start.addDays(g).toString(Qt::ISODateWithMs);
            game.addBindValue(when);
            game.addBindValue(40);
            ok = game.exec();
            const qint64 gameId = game.lastInsertId().toLongLong();
            for (int c = 0; ok && c < cardsPerGame; ++c) {
                const int op = operation(engine);
                const int a = number(engine);
                const int b = std::max(1, number(engine) % 13);
                const int top = op == 18 ? a * b : a + (op == 16 ? b : 0);
                const bool right = number(engine) > 3;
                card.addBindValue(gameId);
                card.addBindValue(op);
                card.addBindValue(top);
                card.addBindValue(b);
                card.addBindValue(a);
                card.addBindValue(right ? a : a + 1);
                card.addBindValue(right);
                card.addBindValue(seconds(engine));
                card.addBindValue(when);
                ok = card.exec();
            }
        }
        ok = ok && db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bulk"));
    return ok;
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
    if (!fillHistory(QStringLiteral("Ann")))
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
    printBenchRow(QStringLiteral("Progress window opened and painted, 100,000 cards, ms (%1 runs)").arg(runs),
                  median(opened), {}, QStringLiteral("< 100"), 1);
    return 0;
}
