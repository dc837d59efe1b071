#include <QComboBox>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>


#include <memory>
#include <random>

#include "classroom/classdatabase.h"
#include "classroom/classserverdialog.h"
#include "classroom/classsync.h"
#include "csvreader.h"
#include "gamedriver.h"
#include "fakes/pgserver.h"
#include "history/classpage.h"
#include "history/historyrecorder.h"
#include "history/historystore.h"
#include "history/progresswindow.h"

namespace {

const QString className = QStringLiteral("class4b");

CardRecord cardOf(int top, int bottom, bool right, int minute, QDate day = QDate(2026, 12, 1))
{
    CardRecord card;
    card.operation = Operation::Addition;
    card.top = top;
    card.bottom = bottom;
    card.answer = top + bottom;
    card.given = right ? card.answer : card.answer + 1;
    card.right = right;
    card.seconds = 2.5;
    card.judgedAt = QDateTime(day, QTime(9, minute), Qt::UTC);
    return card;
}

// A machine of the class: a practice history of its own and its sync.
struct Machine
{
    explicit Machine(const QString &path)
        : store(path)
    {
    }
    void connect(const QString &conninfo)
    {
        sync = std::make_unique<ClassSync>(conninfo, [this] { return store.open(true) ? &store : nullptr; },
                                           [] { return false; });
        QObject::connect(sync.get(), &ClassSync::problem, sync.get(),
                         [this](const QString &text) { problems.append(text); });
    }
    // One game of count cards, tops from first on.
    void play(const QString &child, int count, int first = 1, QDate day = QDate(2026, 12, 1))
    {
        GameSetup setup;
        setup.child = child;
        setup.started = QDateTime(day, QTime(9, 0), Qt::UTC);
        setup.operations = 1;
        setup.cardCount = count;
        setup.topMax = 99;
        setup.bottomMax = 99;
        setup.divisorLow = 2;
        setup.divisorHigh = 9;
        qint64 game = 0;
        for (int i = 0; i < count; ++i)
            QVERIFY2(store.recordCard(game, setup, cardOf(first + i % 90, 7, i % 3 != 0, i % 60, day)),
                     qPrintable(store.error()));
        QVERIFY(store.endGame(game, setup.started.addSecs(600), true));
    }

    HistoryStore store;
    std::unique_ptr<ClassSync> sync;
    QStringList problems;
};

} // namespace

// The class server through the sync: real PostgreSQL, real histories.
class ClassSyncTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PgServer> server;
    QTemporaryDir homes;
    int machines = 0;

    std::unique_ptr<Machine> machine()
    {
        return std::make_unique<Machine>(homes.filePath(QStringLiteral("machine%1/history.sqlite").arg(++machines)));
    }
    QString conninfo() const { return server->conninfo(className); }
    qint64 serverCards(const QString &database = className) const
    {
        const QStringList rows = server->sql(database, QStringLiteral("SELECT count(*), count(DISTINCT uuid) FROM sumdrop.cards"));
        if (rows.size() != 1 || rows[0].section(u'|', 0, 0) != rows[0].section(u'|', 1, 1))
            return -1; // a card twice
        return rows[0].section(u'|', 0, 0).toLongLong();
    }
private slots:
    void initTestCase()
    {
        if (!PgServer::missing().isEmpty())
            QSKIP(qPrintable(PgServer::missing()));
        server = std::make_unique<PgServer>();
        QVERIFY2(server->start(), qPrintable(server->error()));
        QVERIFY(server->createClass(className));
    }

    void cardsReachTheServerOnce()
    {
        const qint64 before = serverCards();
        auto here = machine();
        here->play(QStringLiteral("O'Brien; DROP TABLE cards --"), 12);
        here->connect(conninfo());
        here->sync->syncNow();
        QTRY_COMPARE_WITH_TIMEOUT(here->sync->status(), QStringLiteral("Class: sent"), 10000);
        QCOMPARE(serverCards(), before + 12);
        QCOMPARE(here->store.unsentCount(), 0);
        // Sent again from a history that lost its marks, nothing doubles.
        const QStringList name = server->sql(className, QStringLiteral("SELECT name FROM sumdrop.children ORDER BY name"));
        QVERIFY(name.contains(QStringLiteral("O'Brien; DROP TABLE cards --")));
        here->sync->syncNow();
        QTest::qWait(200);
        QCOMPARE(serverCards(), before + 12);
        QVERIFY(here->problems.isEmpty());
    }

    void serverDownThenBack()
    {
        const qint64 before = serverCards();
        auto here = machine();
        server->stop();
        here->play(QStringLiteral("Ann"), 5);
        here->connect(conninfo());
        QElapsedTimer asked;
        asked.start();
        here->sync->syncNow();
        QVERIFY(asked.elapsed() < 100); // the caller never waits on the network
        QTRY_COMPARE_WITH_TIMEOUT(here->sync->status(), QStringLiteral("Class: 5 cards waiting (server not reachable)"),
                                  10000);
        QVERIFY(here->problems.isEmpty()); // a server away is no mistake to tell
        QVERIFY2(server->start(), qPrintable(server->error()));
        here->sync->syncNow();
        QTRY_COMPARE_WITH_TIMEOUT(here->sync->status(), QStringLiteral("Class: sent"), 10000);
        QCOMPARE(serverCards(), before + 5);
    }

    void serverKilledDuringABatch()
    {
        const qint64 before = serverCards();
        auto here = machine();
        here->play(QStringLiteral("Ben"), 3000);
        here->connect(conninfo());
        here->sync->syncNow();
        QTRY_VERIFY_WITH_TIMEOUT(serverCards() > before, 10000);
        server->kill();
        QTRY_VERIFY_WITH_TIMEOUT(here->sync->status().contains(QStringLiteral("server not reachable")), 10000);
        QVERIFY2(server->start(), qPrintable(server->error()));
        here->sync->syncNow();
        QTRY_COMPARE_WITH_TIMEOUT(here->sync->status(), QStringLiteral("Class: sent"), 20000);
        QCOMPARE(serverCards(), before + 3000);
    }

    void twoMachinesMeet()
    {
        auto first = machine();
        auto second = machine();
        first->play(QStringLiteral("Cleo"), 4, 10);
        second->play(QStringLiteral("cleo "), 4, 50);
        for (Machine *each : {first.get(), second.get()}) {
            each->connect(conninfo());
            each->sync->syncNow();
            QTRY_COMPARE_WITH_TIMEOUT(each->sync->status(), QStringLiteral("Class: sent"), 10000);
        }
        // Each machine reads the other's cards in between games.
        first->sync->syncNow();
        QTRY_COMPARE_WITH_TIMEOUT(first->store.attempts(QStringLiteral("Cleo")).size(), 8, 10000);
        QCOMPARE(first->store.unsentCount(), 0); // what came from the server is not sent back
    }

    void settingsThatCannotWork_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("status");
        QTest::newRow("not a class") << "foreign" << "Class: not a Sumdrop class database";
        QTest::newRow("a newer class") << "newer" << "Class: set up by a newer Sumdrop";
        QTest::newRow("a missing database") << "missing" << "Class: cannot connect";
        QTest::newRow("a refused password") << "password" << "Class: cannot connect";
    }
    void settingsThatCannotWork()
    {
        QFETCH(QString, kind);
        QFETCH(QString, status);
        const QString database = QStringLiteral("odd_") + kind;
        if (kind == QStringLiteral("foreign")) {
            QVERIFY(server->createDatabase(database));
            bool ok = false;
            server->sql(database, QStringLiteral("CREATE SCHEMA sumdrop; CREATE TABLE sumdrop.cards (uuid text)"), &ok);
            QVERIFY(ok);
        } else if (kind == QStringLiteral("newer")) {
            QVERIFY(server->createClass(database));
            bool ok = false;
            server->sql(database, QStringLiteral("UPDATE sumdrop.info SET version = 99"), &ok);
            QVERIFY(ok);
        }
        QString user = QStringLiteral("postgres");
        QTemporaryFile passwords;
        if (kind == QStringLiteral("password")) {
            QVERIFY(server->createClass(database));
            user = QStringLiteral("kid");
            QVERIFY(server->createUser(user, QStringLiteral("right one"), {ClassDatabase::pupilRole(database)}));
            QVERIFY(passwords.open());
            passwords.write("*:*:*:kid:wrong one\n");
            passwords.flush();
            qputenv("PGPASSFILE", QFile::encodeName(passwords.fileName()));
        }
        auto here = machine();
        here->play(QStringLiteral("Dora"), 3);
        here->connect(server->conninfo(database, user));
        here->sync->syncNow();
        QTRY_COMPARE_WITH_TIMEOUT(here->sync->status(), status, 10000);
        QCOMPARE(here->problems.size(), 1);
        here->sync->syncNow(); // not tried again, not told again
        QTest::qWait(100);
        QCOMPARE(here->problems.size(), 1);
        QCOMPARE(here->store.unsentCount(), 3);
        if (kind == QStringLiteral("newer") || kind == QStringLiteral("password"))
            QCOMPARE(serverCards(database), 0);
        qunsetenv("PGPASSFILE");
    }

    void fiveMachinesAtOnce()
    {
        const qint64 before = serverCards();
        std::vector<std::unique_ptr<Machine>> room;
        for (int i = 0; i < 5; ++i) {
            room.push_back(machine());
            room.back()->play(QStringLiteral("Child %1").arg(i), 2000);
        }
        for (const auto &each : room) {
            each->connect(conninfo());
            each->sync->syncNow();
        }
        for (const auto &each : room)
            QTRY_COMPARE_WITH_TIMEOUT(each->sync->status(), QStringLiteral("Class: sent"), 30000);
        QCOMPARE(serverCards(), before + 10000);
    }

    // The whole program: the status at the menu bar's end, and the dialog
    // that chooses the server.
    void theWindowShowsTheClass()
    {
        GameDriver driver(GameDriver::defaultSetup(), QSize(1280, 1024), {{Program::classServerOption(), conninfo()}});
        QVERIFY(driver.started());
        QLabel *status = driver.window()->lblClassStatus;
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Class: sent"), 10000);
        QVERIFY(status->isVisible());
        const qint64 before = serverCards();
        driver.setup().txtName->setText(QStringLiteral("Zoë"));
        driver.queueAddition(3, 4);
        driver.queueAddition(5, 6);
        driver.clickStart();
        driver.typeSeparate(7);
        QTRY_COMPARE_WITH_TIMEOUT(serverCards(), before + 1, 10000);
        QVERIFY(driver.platform.messages.isEmpty());

        // The server goes away during the game: play goes on, and the card
        // arrives once the game is over and the server is back.
        server->stop();
        driver.queueAddition(8, 1);
        driver.typeSeparate(11);
        QCOMPARE(driver.session().cardNumber, 3.0);
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Class: 1 card waiting (server not reachable)"), 10000);
        QVERIFY(driver.platform.messages.isEmpty());
        QVERIFY2(server->start(), qPrintable(server->error()));

        // A class server chosen in the dialog is used from then on.
        driver.clickStart(); // Stop
        QTRY_COMPARE_WITH_TIMEOUT(serverCards(), before + 2, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Class: sent"), 10000);
        driver.window()->mnuClassServer->trigger();
        auto *dialog = driver.window()->findChild<ClassServerDialog *>(QStringLiteral("frmClassServer"));
        QVERIFY(dialog);
        dialog->txtClassServer->setText(server->conninfo(QStringLiteral("nowhere_at_all")));
        dialog->cmdTestConnection->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->cmdTestConnection->isEnabled(), 10000);
        QVERIFY2(dialog->lblClassTest->text().contains(QStringLiteral("nowhere_at_all")), qPrintable(dialog->lblClassTest->text()));
        dialog->accept();
        QCOMPARE(driver.platform.options.value(Program::classServerOption()).toString(),
                 server->conninfo(QStringLiteral("nowhere_at_all")));
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Class: cannot connect"), 10000);
    }

    // kill -9 of a program sharing its cards, at any moment: afterwards the
    // server holds every card the history holds, each once.
    void killedWhileSharing()
    {
        const QString home = homes.filePath(QStringLiteral("killed"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("SUMDROP_CLASS_SERVER"), conninfo());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        std::mt19937 engine(20261210);
        for (int run = 0; run < 20; ++run) {
            QProcess player;
            player.setProcessEnvironment(environment);
            player.start(QStringLiteral(SUMDROP_HISTORY_PLAYER),
                         {QStringLiteral("300"), QStringLiteral("3"), QStringLiteral("Killed")});
            QVERIFY(player.waitForStarted());
            const int wanted = std::uniform_int_distribution<int>(1, 120)(engine);
            QByteArray said;
            while (!said.contains(QByteArrayLiteral("judged %1\n").replace("%1", QByteArray::number(wanted)))
                   && player.state() == QProcess::Running) {
                player.waitForReadyRead(1000);
                said += player.readAllStandardOutput();
            }
            player.kill();
            player.waitForFinished();
        }
        // The players shared cards before they were killed.
        const QStringList shared = server->sql(
            className, QStringLiteral("SELECT count(*) FROM sumdrop.cards c JOIN sumdrop.games g ON g.uuid = c.game "
                                      "WHERE g.child_key = 'killed'"));
        QVERIFY(!shared.isEmpty() && shared[0].toInt() > 0);
        HistoryStore store(home + QStringLiteral("/data/Sumdrop/Sumdrop/history.sqlite"));
        QVERIFY(store.open(true));
        const int local = store.cardCount(QStringLiteral("Killed"));
        QVERIFY(local > 0);
        ClassSync sync(conninfo(), [&store] { return &store; }, [] { return false; });
        sync.syncNow();
        QTRY_COMPARE_WITH_TIMEOUT(sync.status(), QStringLiteral("Class: sent"), 20000);
        const QStringList rows = server->sql(
            className, QStringLiteral("SELECT count(*), count(DISTINCT c.uuid) FROM sumdrop.cards c "
                                      "JOIN sumdrop.games g ON g.uuid = c.game WHERE g.child_key = 'killed'"));
        QCOMPARE(rows, QStringList{QStringLiteral("%1|%1").arg(local)});
    }

    // Four children from three machines, seen by the teacher on the third:
    // the class page says what the mastery rules say of the server's cards,
    // and a pupil on the same computer sees only who played there.
    void theTeachersView()
    {
        const QString db = QStringLiteral("class5c");
        QVERIFY(server->createClass(db));
        QVERIFY(server->createUser(QStringLiteral("pupil5c"), QStringLiteral("p"), {ClassDatabase::pupilRole(db)}));
        QVERIFY(server->createUser(QStringLiteral("teacher5c"), QStringLiteral("t"), {ClassDatabase::teacherRole(db)}));
        QTemporaryFile passwords;
        QVERIFY(passwords.open());
        passwords.write("*:*:*:pupil5c:p\n*:*:*:teacher5c:t\n");
        passwords.flush();
        qputenv("PGPASSFILE", QFile::encodeName(passwords.fileName()));
        auto one = machine();
        auto two = machine();
        const QString roomNames[] = {QStringLiteral("room-pc-1"), QStringLiteral("room-pc-2, \"back\"")};
        for (int m = 0; m < 2; ++m) {
            Machine &at = m == 0 ? *one : *two;
            QVERIFY(at.store.open(true));
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("rename"));
            raw.setDatabaseName(at.store.path());
            QVERIFY(raw.open());
            QSqlQuery(raw).exec(QStringLiteral("UPDATE machine SET name = '%1'").arg(QString(roomNames[m]).replace(u'\'', QStringLiteral("''"))));
            raw.close();
            raw = {};
            QSqlDatabase::removeDatabase(QStringLiteral("rename"));
        }
        for (int game = 0; game < 3; ++game) {
            one->play(QStringLiteral("Ann"), 30, 1);
            one->play(QStringLiteral("Ben"), 12, 3, QDate(2026, 12, 5));
            two->play(QStringLiteral("Cy"), 20, 2);
        }
        two->play(QStringLiteral("ann"), 10, 1);
        for (Machine *at : {one.get(), two.get()}) {
            at->connect(server->conninfo(db, QStringLiteral("pupil5c")));
            at->sync->syncNow();
            QTRY_COMPARE_WITH_TIMEOUT(at->sync->status(), QStringLiteral("Class: sent"), 10000);
        }
        // A pupil's machine never takes in the children of others.
        QCOMPARE(one->store.children().size(), 2);

        // The teacher's computer has a child of its own.
        useEmptyHistory(homes);
        {
            Machine here(HistoryStore::defaultPath());
            for (int game = 0; game < 3; ++game)
                here.play(QStringLiteral("Eve"), 13, 0, QDate(2026, 12, 7));
        }
        GameDriver teacher(GameDriver::defaultSetup(), QSize(1280, 1024),
                           {{Program::classServerOption(), server->conninfo(db, QStringLiteral("teacher5c"))}});
        QVERIFY(teacher.started());
        QTRY_VERIFY_WITH_TIMEOUT(teacher.program->classSync()->teacher(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(teacher.program->history().store()->children().size(), 4, 10000);
        teacher.window()->mnuProgress->trigger();
        ProgressWindow &progress = teacher.program->frmProgress();
        ClassPage *page = progress.tabClass;
        QVERIFY(page);
        QCOMPARE(progress.tabOperation->currentWidget(), page);
        QCOMPARE(progress.cboChild->count(), 4);

        // What the rules make of the server's cards, child by child.
        const QStringList cards = server->sql(
            db, QStringLiteral("SELECT g.child_key, c.operation, c.top, c.bottom, c.correct, c.seconds, g.machine, "
                               "c.judged_at FROM sumdrop.cards c JOIN sumdrop.games g ON g.uuid = c.game"));
        QHash<QString, AttemptHistory> attempts;
        for (const QString &card : cards) {
            const QStringList f = card.split(u'|');
            attempts[f[0]][{qint16(f[1].toInt()), f[2].toInt(), f[3].toInt()}].append({f[4] == u't', f[5].toDouble()});
        }
        QCOMPARE(attempts.size(), 4);
        QHash<Fact, int> needWork;
        for (int r = 0; r < page->grdClass->rowCount(); ++r) {
            const QString key = HistoryStore::childKey(page->grdClass->item(r, 0)->text());
            const FactRecords records = recordsOf(attempts.value(key));
            for (int op = 0; op < 4; ++op) {
                const MasteryGrid grid = masteryGrid(records, classOperations[op], defaultFluencySeconds);
                QCOMPARE(page->grdClass->item(r, 1 + op)->text(),
                         QStringLiteral("Mastered %1 of %2").arg(grid.mastered).arg(grid.cells.size()));
            }
            QCOMPARE(page->grdClass->item(r, 6)->text(), key == u"ben" || key == u"eve" ? u"3" : u"0");
            for (const FactRecord &record : records)
                needWork[record.fact] += masteryOf(record.recent, defaultFluencySeconds) == Mastery::NeedsWork;
        }
        QCOMPARE(page->grdClass->rowCount(), 4);
        // Each fact of the grid: the share of the class that has mastered it.
        for (int r = 0; r <= gridLast; ++r) {
            for (int c = 0; c <= gridLast; ++c) {
                const Fact fact = factAtCell(Operation::Addition, {r, c});
                int mastered = 0;
                for (const AttemptHistory &child : std::as_const(attempts))
                    mastered += child.contains(fact)
                        && masteryOf(recordOf(fact, child[fact]).recent, defaultFluencySeconds) == Mastery::Mastered;
                const QTableWidgetItem *cell = page->grdClassFacts->item(r, c);
                QVERIFY2(cell->toolTip().startsWith(
                             QStringLiteral("%1: mastered by %2 of 4 children").arg(factText(fact)).arg(mastered)),
                         qPrintable(cell->toolTip()));
            }
        }
        QVERIFY(page->grdClassFacts->item(3, 7)->toolTip().contains(QStringLiteral("Needs work: Ben, Eve")));
        // The hardest: most children needing work first, none left out that more need.
        QCOMPARE(page->lstClassHardest->topLevelItemCount(), ClassPage::hardestCount);
        int last = std::numeric_limits<int>::max();
        QSet<QString> listed;
        for (int i = 0; i < ClassPage::hardestCount; ++i) {
            const QTreeWidgetItem *item = page->lstClassHardest->topLevelItem(i);
            const int count = item->text(1).toInt();
            QVERIFY(count <= last);
            last = count;
            listed.insert(item->text(0));
        }
        for (auto it = needWork.cbegin(); it != needWork.cend(); ++it)
            QVERIFY2(it.value() <= last || listed.contains(factText(it.key())), qPrintable(factText(it.key())));
        QCOMPARE(page->lstClassHardest->topLevelItem(0)->text(1), QStringLiteral("2"));

        // Double-click: the child's own pages.
        const int ben = page->grdClass->findItems(QStringLiteral("Ben"), Qt::MatchExactly).value(0)->row();
        emit page->grdClass->cellDoubleClicked(ben, 2);
        QCOMPARE(progress.cboChild->currentText(), QStringLiteral("Ben"));
        QCOMPARE(progress.tabOperation->currentIndex(), 1);

        // The class export: every card on the server, and where it was played.
        const QString csv = homes.filePath(QStringLiteral("class.csv"));
        teacher.platform.fileNames = {csv};
        page->cmdExportClass->click();
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QStringList> rows = parseCsv(QString::fromUtf8(file.readAll().mid(3)));
        QCOMPARE(rows.value(0).last(), QStringLiteral("machine"));
        QStringList exported;
        for (const QStringList &row : rows.mid(1))
            exported.append(QStringList{row[0].toLower(), row[4], row[5], row[8], row[11]}.join(u'|'));
        QStringList expected;
        for (const QString &card : cards) {
            const QStringList f = card.split(u'|');
            expected.append(QStringList{f[0], f[2], f[3], f[4] == u't' ? QStringLiteral("yes") : QStringLiteral("no"),
                                        f[6]}
                                .join(u'|'));
        }
        exported.sort();
        expected.sort();
        QCOMPARE(exported, expected);
        QVERIFY(exported.join(u' ').contains(roomNames[1]));

        // Print Class with the worksheets: the class page, then a sheet for each
        // child with weak facts, each kept under its own number.
        teacher.platform.checkBoxes = {true};
        page->cmdPrintClass->click();
        QCOMPARE(teacher.platform.printedFiles.size(), 1);
        QFile pdf(teacher.platform.printedFiles[0]);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.readAll().count(QByteArrayLiteral("/Type /Page\n")), 1 + 4);
        teacher.program.reset();
        {
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sheets"));
            raw.setDatabaseName(HistoryStore::defaultPath());
            QVERIFY(raw.open());
            QSqlQuery kept(QStringLiteral("SELECT name, count(DISTINCT number) FROM sheets GROUP BY name ORDER BY name"), raw);
            QStringList names;
            while (kept.next())
                names.append(kept.value(0).toString() + kept.value(1).toString());
            QCOMPARE(names, QStringList({QStringLiteral("Ann1"), QStringLiteral("Ben1"), QStringLiteral("Cy1"),
                                         QStringLiteral("Eve1")}));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("sheets"));

        // A pupil on the teacher's computer: only Eve played here.
        GameDriver pupil(GameDriver::defaultSetup(), QSize(1280, 1024),
                         {{Program::classServerOption(), server->conninfo(db, QStringLiteral("pupil5c"))}});
        QVERIFY(pupil.started());
        QTRY_COMPARE_WITH_TIMEOUT(pupil.window()->lblClassStatus->text(), QStringLiteral("Class: sent"), 10000);
        pupil.window()->mnuProgress->trigger();
        QVERIFY(!pupil.program->frmProgress().tabClass);
        QCOMPARE(pupil.program->frmProgress().cboChild->count(), 1);
        QCOMPARE(pupil.program->frmProgress().cboChild->currentText(), QStringLiteral("Eve"));
    }

    void aServerThatNeverAnswers()
    {
        const SilentListener listener;
        QVERIFY(listener.port() != 0);
        auto here = machine();
        here->play(QStringLiteral("Eve"), 2);
        here->connect(QStringLiteral("host=127.0.0.1 port=%1 dbname=x connect_timeout=2").arg(listener.port()));
        QElapsedTimer asked;
        asked.start();
        here->sync->syncNow();
        QVERIFY(asked.elapsed() < 100);
        // The event loop runs on while the worker waits.
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(10);
        QTest::qWait(500);
        QVERIFY(ticks >= 20);
        QTRY_COMPARE_WITH_TIMEOUT(here->sync->status(), QStringLiteral("Class: 2 cards waiting (server not reachable)"),
                                  10000);
    }
};

QTEST_MAIN(ClassSyncTest)
#include "tst_classsync.moc"
