// The teacher's class page: 30 children with 10,000 cards each in the
// practice history, read and painted; and the class printout with a worksheet
// for each child, printed to PDF. With "look N", it instead fills a history
// with 30 children of N games each, starts a class server on this machine and
// runs the program on both, for looking at the class page.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "benchtable.h"

#include "fakes/fakeplatform.h"
#include "fakes/pgserver.h"
#include "history/classpage.h"
#include "history/historystore.h"
#include "platform/dialogs.h"
#include "worksheet/worksheetprinting.h"

namespace {

constexpr int children = 30;
const QDateTime firstDay(QDate(2026, 11, 1), QTime(9, 0), Qt::UTC);

// A child's games of 20 cards, from the four operations, taken in as another
// machine's: right most of the time, slower and wronger with bigger numbers.
bool fill(HistoryStore &store, int child, int games)
{
    SharedBatch batch;
    const QStringList names = {QStringLiteral("Ann"),    QStringLiteral("Ben"),   QStringLiteral("Chloé"),
                               QStringLiteral("Dmitri"), QStringLiteral("Eve"),   QStringLiteral("Farah")};
    const QString name = names[child % names.size()] + (child < names.size() ? QString() : QString::number(child));
    for (int g = 0; g < games; ++g) {
        SharedGame game;
        game.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        game.childKey = HistoryStore::childKey(name);
        game.machine = QStringLiteral("room-pc-%1").arg(child % 6 + 1);
        game.setup.child = name;
        game.setup.started = firstDay.addSecs(qint64(g) * 86400 * 38 / games + qint64(child) * 60);
        game.setup.operations = 1;
        game.setup.cardCount = 20;
        game.setup.topMax = 12;
        game.setup.bottomMax = 12;
        game.setup.divisorLow = 2;
        game.setup.divisorHigh = 9;
        game.ended = game.setup.started.addSecs(600);
        game.completed = true;
        batch.games.append(game);
        for (int c = 0; c < 20; ++c) {
            const int n = g * 20 + c;
            SharedCard card;
            card.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
            card.gameUuid = game.uuid;
            card.judgedAt = game.setup.started.addSecs(qint64(c) * 10);
            const auto operation = qint16(Operation::Addition + (n / 7 + child) % 4);
            const int a = (n * 7 + child) % 13;
            const int b = (n * 5 + child * 3) % 12 + 1;
            card.fact = operation == Operation::Division    ? Fact{operation, a * b, b}
                      : operation == Operation::Subtraction ? Fact{operation, a + b, b}
                                                            : Fact{operation, a, b};
            card.answer = factAnswer(card.fact);
            card.right = (n + child) % (3 + child % 5) != 0 && a * b < 40 + child * 3;
            card.given = card.right ? card.answer : card.answer + 1;
            card.seconds = 1.5 + (a * b) % 9;
            batch.cards.append(card);
        }
    }
    return store.importShared(batch);
}

std::unique_ptr<HistoryStore> filled(const QString &path, int games)
{
    auto store = std::make_unique<HistoryStore>(path);
    if (!store->open(true))
        return nullptr;
    for (int child = 0; child < children; ++child)
        if (!fill(*store, child, games))
            return nullptr;
    return store;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int look(int games)
{
    PgServer server;
    if (!PgServer::missing().isEmpty() || !server.start() || !server.createClass(QStringLiteral("class4b")))
        return 1;
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !filled(HistoryStore::defaultPath(), games))
        return 2;
    // The superuser may read the whole class, as a teacher.
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../sumdrop"),
                  {QStringLiteral("--class-server"), server.conninfo(QStringLiteral("class4b"))});
    program.waitForFinished(-1);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == "look")
        return look(QByteArray(argv[2]).toInt());
    QTemporaryDir dir;
    const auto store = filled(dir.filePath(QStringLiteral("history.sqlite")), 10000 / 20);
    if (!store)
        return 1;
    const int runs = 5;
    std::vector<double> opened;
    QList<ClassChild> shown;
    for (int run = 0; run < runs; ++run) {
        HistoryStore cold(store->path());
        QElapsedTimer timer;
        timer.start();
        ClassPage page(1.0, nullptr);
        page.setChildren(cold.classChildren(firstDay.addDays(31)));
        page.resize(1200, 700);
        page.show();
        page.grab();
        opened.push_back(double(timer.nsecsElapsed()) / 1e6);
        shown = page.children();
    }
    if (shown.size() != children)
        return 2;
    printBenchRow(QStringLiteral("Class page read and painted, 30 children of 10,000 cards, ms (%1 runs)").arg(runs),
                  median(opened), {}, QStringLiteral("< 300"), 1);

    ClassReport report;
    report.className = QStringLiteral("4B");
    report.date = QStringLiteral("12/10/2026");
    QStringList names;
    for (const ClassChild &child : shown) {
        report.rows.append(classRowOf(child));
        names.append(child.name);
    }
    report.hardest = classHardestFacts(shown, 10);
    std::vector<double> printed;
    for (int run = 0; run < 3; ++run) {
        FakePlatform platform;
        platform.options.insert(answerKeyOption(), true);
        Dialogs dialogs(platform);
        WorksheetSetup setup;
        setup.addition = setup.subtraction = setup.multiplication = setup.division = true;
        setup.topMax = setup.bottomMax = setup.topLimit = setup.bottomLimit = 12;
        setup.divisorHigh = 9;
        setup.cardCount = 30;
        int sheets = 0;
        QElapsedTimer timer;
        timer.start();
        printClass(
            platform, dialogs, report, names, setup,
            [&](const QString &child, const WorksheetSetup &) {
                QList<WeakFact> weak;
                for (const FactRecord &record : store->factRecords(child))
                    weak.append({record.fact, summarise(record, defaultFluencySeconds).state});
                return weak;
            },
            {[](bool) {}, [] {}, [&sheets](const PrintedSheet &) {
                 ++sheets;
                 return QString();
             }});
        printed.push_back(double(timer.nsecsElapsed()) / 1e9);
        if (sheets != children || platform.printedFiles.size() != 1)
            return 3;
    }
    printBenchRow(QStringLiteral("Class printout with 30 worksheets and their answer keys, to PDF, s (3 runs)"),
                  median(printed), {}, QStringLiteral("< 2"), 2);
    return 0;
}
