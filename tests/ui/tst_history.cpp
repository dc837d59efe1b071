#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QAbstractItemView>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSysInfo>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include <sys/stat.h>

#include "core/filesizelimit.h"
#include "history/historycsv.h"
#include "history/historyrecorder.h"
#include "history/historystore.h"
#include "history/progresswindow.h"
#include "report/summarypage.h"
#include "report/summarywindows.h"
#include "history/trendchart.h"
#include "ui/csvreader.h"
#include "ui/gamedriver.h"

namespace {

// Rows of a query on the file, read through a connection of the test's own.
QList<QVariantList> rowsOf(const QString &path, const QString &sql)
{
    QList<QVariantList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql)) {
                while (query.next()) {
                    QVariantList row;
                    for (int i = 0; i < query.record().count(); ++i)
                        row.append(query.value(i));
                    rows.append(row);
                }
            } else {
                qWarning() << query.lastError().text();
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    return rows;
}

QVariant valueOf(const QString &path, const QString &sql)
{
    const QList<QVariantList> rows = rowsOf(path, sql);
    return rows.isEmpty() ? QVariant() : rows.first().first();
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CardRecord cardOf(qint16 operation, int top, int bottom, bool right, double seconds)
{
    CardRecord card;
    card.operation = operation;
    card.top = top;
    card.bottom = bottom;
    card.answer = factAnswer({operation, top, bottom});
    card.given = right ? card.answer : card.answer + 1;
    card.right = right;
    card.seconds = seconds;
    card.judgedAt = QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC);
    return card;
}

// What the rules read of a child's facts, comparable as text.
QString factsText(const FactRecords &records)
{
    QStringList lines;
    for (const FactRecord &record : records)
        lines.append(QStringLiteral("%1: %2 of %3, %4 s, %5")
                         .arg(factText(record.fact))
                         .arg(record.right)
                         .arg(record.tries)
                         .arg(record.medianSeconds)
                         .arg(HistoryRows::recentText(record.recent)));
    lines.sort();
    return lines.join(QLatin1Char('\n'));
}

QString newUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// One game of another machine with one card, as a class server returns it.
SharedBatch sharedGame(const QString &child)
{
    SharedGame game;
    game.uuid = newUuid();
    game.setup.child = child;
    game.childKey = HistoryStore::childKey(child);
    game.machine = QStringLiteral("room-2");
    game.setup.started = QDateTime(QDate(2026, 12, 2), QTime(9, 0), Qt::UTC);
    game.setup.operations = 15;
    game.setup.cardCount = 10;
    game.ended = game.setup.started.addSecs(60);
    game.completed = true;
    SharedCard card;
    card.uuid = newUuid();
    card.gameUuid = game.uuid;
    card.judgedAt = game.setup.started.addSecs(10);
    card.fact = {Operation::Addition, 7, 8};
    card.answer = card.given.emplace(15);
    card.right = true;
    card.seconds = 2.5;
    return {{game}, {card}};
}

} // namespace

// The practice history through the real program: what it records, what it
// refuses to touch, how it fails, and the Progress window that reads it.
class HistoryTest : public QObject
{
    Q_OBJECT

    QTemporaryDir home;

    static QString historyPath() { return HistoryStore::defaultPath(); }

    // Plays additions a + b through the separate boxes, each taking seconds;
    // a wrong answer is one more than right.
    void play(GameDriver &driver, const QList<std::tuple<int, int, bool>> &cards, qint64 millisecondsEach = 2000)
    {
        for (const auto &[a, b, right] : cards)
            driver.queueAddition(a, b);
        driver.clickStart();
        for (const auto &[a, b, right] : cards) {
            driver.platform.monotonic += millisecondsEach;
            driver.typeSeparate(a + b + (right ? 0 : 1));
        }
    }

    static SettingsRecord named(int cards)
    {
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.cardCount = cards;
        setup.showSummary = true; // no message at the end
        return setup;
    }

    // Another copy in the middle of a write, holding the file.
    static QSqlDatabase lockedByAnotherCopy()
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other copy"));
        other.setDatabaseName(historyPath());
        if (!other.open() || !QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")))
            qFatal("cannot lock the history");
        return other;
    }

    static void release(QSqlDatabase &other)
    {
        if (!other.isValid())
            return;
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other copy"));
    }

    void writeHistory(const QString &child, const QList<CardRecord> &cards)
    {
        HistoryStore store(historyPath());
        GameSetup setup;
        setup.child = child;
        setup.started = cards.first().judgedAt;
        qint64 game = 0;
        for (const CardRecord &card : cards)
            QVERIFY(store.recordCard(game, setup, card));
        QVERIFY(store.endGame(game, setup.started, true));
    }

    // Children on record, each played a day after the one before it.
    void writeChildren(const QStringList &names)
    {
        for (qsizetype i = 0; i < names.size(); ++i) {
            CardRecord card = cardOf(Operation::Addition, 1, 1, true, 1);
            card.judgedAt = card.judgedAt.addDays(i);
            writeHistory(names.at(i), {card});
        }
    }

    static QString lastChildPlayed()
    {
        return valueOf(historyPath(), QStringLiteral("SELECT k.name FROM games g JOIN children k ON k.id = g.child_id "
                                                     "ORDER BY g.id DESC LIMIT 1"))
            .toString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")));
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    }

    void init()
    {
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
        QDir(home.filePath(QStringLiteral("data"))).removeRecursively();
    }

    void recordsEveryCardOnceJudged()
    {
        GameDriver driver(named(3));
        QVERIFY(driver.started());
        QVERIFY(!QFile::exists(historyPath())); // start-up leaves the file alone
        driver.setup().txtName->setText(QStringLiteral("  Zoë "));
        driver.platform.clock = QDateTime(QDate(2026, 12, 8), QTime(10, 0), Qt::UTC);
        play(driver, {{7, 8, true}, {9, 9, false}}, 2345);

        const QString path = historyPath();
        QCOMPARE(QFile::permissions(path) & 0x7777,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(valueOf(path, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
        QCOMPARE(valueOf(path, QStringLiteral("PRAGMA user_version")).toInt(), HistoryStore::schemaVersion);
        const QList<QVariantList> cards = rowsOf(
            path, QStringLiteral("SELECT operation, top, bottom, answer, given, right, ending, seconds, judged_at "
                                 "FROM cards ORDER BY id"));
        QCOMPARE(cards.size(), 2);
        QCOMPARE(cards[0], (QVariantList{15, 7, 8, 15, 15, 1, 0, 2.345, QStringLiteral("2026-12-08T10:00:00.000Z")}));
        QCOMPARE(cards[1].mid(0, 7), (QVariantList{15, 9, 9, 18, 19, 0, 0}));
        // The game is written with its first card and finished at its end.
        const auto game = [&] {
            return rowsOf(path, QStringLiteral("SELECT k.name, g.card_count, g.judged, g.right_count, g.ended IS NULL, "
                                               "g.operations, g.top_max, g.answer_format, g.verbal "
                                               "FROM games g JOIN children k ON k.id = g.child_id"));
        };
        QCOMPARE(game(), (QList<QVariantList>{{QStringLiteral("Zoë"), 10, 2, 1, 1, 15, 99, 1, 0}}));
        driver.clickStart(); // Stop
        QCOMPARE(game()[0][4], QVariant(0));
        QCOMPARE(valueOf(path, QStringLiteral("SELECT completed FROM games")).toInt(), 0);
        QVERIFY(driver.platform.messages.isEmpty());
    }

    void endings_data()
    {
        QTest::addColumn<bool>("verbal");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QVariantList>("expected"); // given, right, ending
        QTest::newRow("typed right") << false << "right" << QVariantList{12, 1, 0};
        QTest::newRow("timed out") << false << "time" << QVariantList{QVariant(), 0, 1};
        QTest::newRow("verbal marked right") << true << "right" << QVariantList{QVariant(), 1, 2};
        QTest::newRow("verbal marked wrong") << true << "wrong" << QVariantList{QVariant(), 0, 3};
    }
    void endings()
    {
        QFETCH(bool, verbal);
        QFETCH(QString, action);
        QFETCH(QVariantList, expected);
        SettingsRecord setup = named(3);
        setup.verbalMode = verbal;
        setup.timerOn = action == QStringLiteral("time");
        GameDriver driver(setup);
        QVERIFY(driver.started());
        if (setup.timerOn) {
            driver.setup().chkCardTime->setChecked(true);
            driver.setup().sldCardTime->setValue(5);
        }
        driver.queueAddition(5, 7);
        driver.clickStart();
        if (action == QStringLiteral("time")) {
            for (int i = 0; i < 5; ++i)
                driver.game().timers().timerTick();
        } else if (verbal) {
            driver.click(action == QStringLiteral("right") ? static_cast<QWidget *>(driver.boxes().imgEnter)
                                                           : static_cast<QWidget *>(driver.boxes().imgWrongEnter));
        } else {
            driver.typeSeparate(12);
        }
        const QList<QVariantList> rows =
            rowsOf(historyPath(), QStringLiteral("SELECT given, right, ending FROM cards"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].isNull(), expected[0].isNull());
        if (!expected[0].isNull())
            QCOMPARE(rows[0][0].toInt(), expected[0].toInt());
        QCOMPARE(rows[0].mid(1), expected.mid(1));
    }

    // Files that are not our history: never written, not even through a log
    // beside them; one message, between games, and no history for the run.
    void badFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("says");
        QTest::newRow("garbage") << "garbage" << "is damaged or is not a Sumdrop file";
        QTest::newRow("another program's SQLite file") << "foreign" << "is damaged or is not a Sumdrop file";
        QTest::newRow("another database's log beside ours") << "log" << "is damaged or is not a Sumdrop file";
        QTest::newRow("a newer history") << "newer" << "was made by a newer Sumdrop. Sumdrop leaves";
        QTest::newRow("a page size no SQLite writes, a long log") << "pagesize" << "is damaged or is not a Sumdrop file";
        QTest::newRow("a link") << "link" << "it is a link, not a file";
        QTest::newRow("a link to nowhere") << "dangling" << "it is a link, not a file";
    }
    void badFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, says);
        const QString path = historyPath();
        const QString log = path + QStringLiteral("-wal");
        const QString elsewhere = home.filePath(QStringLiteral("elsewhere.sqlite"));
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile::remove(elsewhere);
        if (kind == QStringLiteral("garbage")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("SQLite format 2? no: a shopping list\n").repeated(200));
        } else if (kind == QStringLiteral("link") || kind == QStringLiteral("dangling")) {
            if (kind == QStringLiteral("link"))
                QVERIFY(QFile(elsewhere).open(QIODevice::WriteOnly));
            QVERIFY(QFile::link(elsewhere, path));
        } else {
            QList<CardRecord> forty;
            for (int i = 0; i < 40; ++i)
                forty.append(cardOf(Operation::Addition, i % 10, i / 10, true, 1));
            if (kind != QStringLiteral("foreign"))
                writeHistory(QStringLiteral("Ann"), forty);
            if (kind == QStringLiteral("foreign"))
                rowsOf(path, QStringLiteral("CREATE TABLE recipes (name TEXT)"));
            if (kind == QStringLiteral("newer"))
                rowsOf(path, QStringLiteral("PRAGMA user_version = 7"));
            rowsOf(path, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        }
        QFile::remove(path + QStringLiteral("-shm"));
        if (kind == QStringLiteral("pagesize")) {
            // Page size 0 in the file and its log: a log read frame by frame would take 24 bytes a step.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(16);
            file.write(QByteArray(2, '\0'));
            file.close();
            QFile wal(log);
            QVERIFY(wal.open(QIODevice::WriteOnly));
            wal.write(QByteArray::fromHex("377f0682002de21800000000"));
            wal.write(QByteArray(64 * 1024 * 1024, '\0'));
        } else if (kind == QStringLiteral("log")) {
            // A log that another database left, still holding its pages.
            QFile::remove(log);
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(home.filePath(QStringLiteral("other.sqlite")));
            QVERIFY(other.open());
            QSqlQuery query(other);
            for (const char *sql : {"PRAGMA journal_mode=WAL", "CREATE TABLE recipes (name TEXT)",
                                    "INSERT INTO recipes VALUES ('soup')"})
                QVERIFY(query.exec(QString::fromLatin1(sql)));
            QVERIFY(QFile::copy(other.databaseName() + QStringLiteral("-wal"), log));
            query.finish();
            other.close();
            other = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        } else {
            QFile::remove(log);
        }
        const QByteArray before = contentsOf(path);
        const QByteArray logBefore = contentsOf(log);

        {
            GameDriver driver(named(5));
            QVERIFY(driver.started());
            play(driver, {{1, 2, true}, {3, 4, false}});
            QVERIFY(driver.platform.messages.isEmpty()); // nothing over the child's card
            QCOMPARE(driver.session().cardNumber, 3.0); // the game goes on
            driver.clickStart(); // Stop
            QCOMPARE(driver.platform.messages.size(), 1);
            const FakePlatform::Message message = driver.platform.messages[0];
            QCOMPARE(message.title, QStringLiteral("Sumdrop"));
            QCOMPARE(message.buttons, Platform::Buttons::OkByClick);
            QVERIFY2(message.text.contains(path) && message.text.contains(says), qPrintable(message.text));
            driver.window()->mnuProgress->trigger();
            QCOMPARE(driver.program->frmProgress().cboChild->count(), 0);
            QCOMPARE(driver.platform.messages.size(), 1);
        }
        QCOMPARE(contentsOf(path), before);
        QCOMPARE(contentsOf(log), logBefore);
        QVERIFY(!QFile::exists(path + QStringLiteral("-shm")));
        QVERIFY(!QFile::exists(elsewhere) || QFileInfo(elsewhere).size() == 0);
    }

    // Writes that fail for good, even for root: one message between games that
    // says why and what was lost, and the game goes on.
    void writeFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("lost");
        QTest::newRow("data folder under a file") << "file" << "cannot be made" << "3 cards were not kept";
        QTest::newRow("disk full") << "full" << "disk I/O error" << "3 cards were not kept";
        QTest::newRow("locked for longer than a minute") << "locked" << "database is locked" << "3 cards were not kept";
    }
    void writeFailures()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QFETCH(QString, lost);
        QSqlDatabase other;
        std::optional<FileSizeLimit> full;
        if (kind == QStringLiteral("full")) {
            writeHistory(QStringLiteral("Ann"), {cardOf(Operation::Addition, 1, 1, true, 1)});
            rowsOf(historyPath(), QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            full.emplace(1024); // less than one page of the log
        } else if (kind == QStringLiteral("file")) {
            QFile plain(home.filePath(QStringLiteral("plain")));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            qputenv("XDG_DATA_HOME", plain.fileName().toLocal8Bit());
        } else {
            writeHistory(QStringLiteral("Ann"), {cardOf(Operation::Addition, 1, 1, true, 1)});
            other = lockedByAnotherCopy();
        }
        GameDriver driver(named(5));
        QVERIFY(driver.started());
        // A minute and more between cards: a lock held that long is no pause.
        play(driver, {{1, 2, true}, {3, 4, true}, {5, 6, false}}, 40000);
        QVERIFY(driver.platform.messages.isEmpty());
        QCOMPARE(driver.session().cardNumber, 4.0);
        QCOMPARE(driver.program->summary.row(4).problem, QStringLiteral("5 + 6 = 11"));
        driver.clickStart(); // Stop
        QCOMPARE(driver.platform.messages.size(), 1);
        const FakePlatform::Message message = driver.platform.messages.first();
        QCOMPARE(message.buttons, Platform::Buttons::OkByClick);
        QVERIFY2(message.text.contains(reason) && message.text.contains(QStringLiteral("cannot be saved"))
                     && message.text.contains(lost),
                 qPrintable(message.text));
        full.reset();
        release(other);
        if (kind != QStringLiteral("file"))
            QCOMPARE(valueOf(historyPath(), QStringLiteral("SELECT count(*) FROM cards")).toInt(), 1);
    }

    // Another copy holding the file for a few seconds: play goes on without a
    // stop, and every card is written in order once the file is free.
    void briefLockIsAPause()
    {
        writeHistory(QStringLiteral("Ann"), {cardOf(Operation::Addition, 1, 1, true, 1)});
        QSqlDatabase other = lockedByAnotherCopy();
        GameDriver driver(named(5));
        QVERIFY(driver.started());
        QElapsedTimer waited;
        waited.start();
        play(driver, {{1, 2, true}, {3, 4, true}, {5, 6, false}});
        QVERIFY2(waited.elapsed() < 1500, qPrintable(QString::number(waited.elapsed())));
        QCOMPARE(driver.program->history().waitingCards(), 3);
        release(other);
        QTRY_COMPARE_WITH_TIMEOUT(driver.program->history().waitingCards(), 0, 3000);
        driver.platform.monotonic += 1000;
        driver.typeSeparate(7 + 8);
        const QList<QVariantList> tops = rowsOf(historyPath(), QStringLiteral("SELECT top FROM cards ORDER BY id"));
        QCOMPARE(tops.size(), 5);
        QCOMPARE(tops.mid(0, 4), (QList<QVariantList>{{1}, {1}, {3}, {5}}));
        QVERIFY(driver.platform.messages.isEmpty());
    }

    // Forgotten elsewhere mid-game, by another copy or this one: the game is
    // recorded again from the next card.
    void forgottenMidGame()
    {
        GameDriver driver(named(5));
        QVERIFY(driver.started());
        driver.setup().txtName->setText(QStringLiteral("Anna"));
        play(driver, {{1, 2, true}, {3, 4, true}});
        QVERIFY(HistoryStore(historyPath()).forget(QStringLiteral("anna")));
        driver.platform.monotonic += 1000;
        driver.typeSeparate(5 + 6);
        driver.platform.monotonic += 1000;
        driver.typeSeparate(7 + 8);
        QCOMPARE(rowsOf(historyPath(), QStringLiteral("SELECT k.name, g.judged FROM games g JOIN children k "
                                                      "ON k.id = g.child_id")),
                 (QList<QVariantList>{{QStringLiteral("Anna"), 2}}));
        QVERIFY(driver.platform.messages.isEmpty());
    }

    // A file the program may read but not write: it is shown, and one message
    // says that new cards cannot be kept. Run as another user, whom the
    // file's modes stop as they would stop anyone on a read-only medium.
    void readOnlyHistory()
    {
        QList<CardRecord> forty;
        for (int i = 0; i < 40; ++i)
            forty.append(cardOf(Operation::Addition, i % 10, i / 10, i % 3 != 0, 1));
        writeHistory(QStringLiteral("Ann"), forty);
        const QString data = home.filePath(QStringLiteral("data"));
        for (const QString &folder : {home.path(), data, data + QStringLiteral("/Sumdrop"),
                                      data + QStringLiteral("/Sumdrop/Sumdrop")})
            QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7555)));
        QVERIFY(QFile::setPermissions(historyPath(), QFileDevice::Permissions(0x6444)));
        const QByteArray before = contentsOf(historyPath());
        // A copy the other user can reach, wherever the build folder is.
        const QString program = home.filePath(QStringLiteral("history_player"));
        QFile::remove(program);
        QVERIFY(QFile::copy(QStringLiteral(SUMDROP_HISTORY_PLAYER), program));
        QVERIFY(QFile::setPermissions(program, QFileDevice::Permissions(0x7555)));
        QProcess player;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
        environment.insert(QStringLiteral("HOME"), QStringLiteral("/tmp"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("/tmp/nobody-config"));
        player.setProcessEnvironment(environment);
        player.start(QStringLiteral("setpriv"),
                     {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                      program, QStringLiteral("3"), QStringLiteral("0"),
                      QStringLiteral("Ann"), QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("0"),
                      QStringLiteral("progress")});
        QVERIFY(player.waitForFinished(60000));
        const QString said = QString::fromUtf8(player.readAllStandardOutput());
        const QString told = QString::fromUtf8(player.readAllStandardError());
        QFile::setPermissions(home.path(), QFileDevice::Permissions(0x7700));
        QVERIFY2(said.contains(QStringLiteral("children 1, Mastered")), qPrintable(said + told));
        QCOMPARE(player.exitCode(), 1); // one message
        QVERIFY2(told.contains(QStringLiteral("can be read but not written")) && told.contains(QStringLiteral("10 cards were not kept")),
                 qPrintable(told));
        QCOMPARE(contentsOf(historyPath()), before);
    }

    // Values the program could not have written, in every table: left out
    // of every view, draw, sheet and export, counted, and named once.
    void craftedRecords_data()
    {
        QTest::addColumn<QString>("sql");
        const QString card = QStringLiteral(
            "INSERT INTO cards (game_id, operation, top, bottom, answer, given, right, ending, seconds, judged_at) "
            "VALUES ((SELECT max(id) FROM games), %1, '2026-12-01T09:00:00.000Z')");
        const QString fact = QStringLiteral("INSERT INTO facts VALUES ((SELECT id FROM children), %1)");
        QTest::newRow("fact of the lowest int divided by -1")
            << fact.arg("18, -2147483648, -1, 3, 0, 'W1.0 W1.0 W1.0', x'0000803f0000803f0000803f'");
        QTest::newRow("fact with a divisor of 0") << fact.arg("18, 10, 0, 1, 0, 'W1.0', x'0000803f'");
        QTest::newRow("fact with seconds not a number") << fact.arg("15, 4, 4, 1, 0, 'Wnan', x'0000c07f'");
        QTest::newRow("fact with more right than tries") << fact.arg("15, 4, 5, 1, 2, 'R1.0', x'0000803f'");
        QTest::newRow("fact of an operation beyond 16 bits") << fact.arg("65551, 4, 6, 1, 1, 'R1.0', x'0000803f'");
        QTest::newRow("card of an unknown operation") << card.arg("65551, 2, 3, 5, 5, 1, 0, 1.0");
        QTest::newRow("card beyond the ranges") << card.arg("15, 5000, 3, 5003, 5003, 1, 0, 1.0");
        QTest::newRow("card with a wrong answer") << card.arg("17, 6, 7, 41, 41, 1, 0, 1.0");
        QTest::newRow("card of endless seconds") << card.arg("15, 2, 2, 4, 4, 1, 0, 1e999");
        QTest::newRow("card ended in no known way") << card.arg("15, 2, 2, 4, 4, 1, 9, 1.0");
        QTest::newRow("game ended at no time") << QStringLiteral("UPDATE games SET ended = 'soon'");
        QTest::newRow("fluency of -1") << QStringLiteral("UPDATE children SET fluency = -1");
        QTest::newRow("fluency of 1e308") << QStringLiteral("UPDATE children SET fluency = 1e308");
        QTest::newRow("sheet of the lowest int divided by -1")
            << QStringLiteral("INSERT INTO sheets (number, name, operations, advanced_range, top_min, top_max, "
                              "bottom_min, bottom_max, top_limit, bottom_limit, divisor_low, divisor_high, "
                              "card_count, weak_facts) VALUES (123456, 'Ann', 8, 0, 1, 12, 1, 12, 12, 12, 2, 9, 10, "
                              "'18:-2147483648:-1:2')");
        QTest::newRow("sheet of two billion problems")
            << QStringLiteral("INSERT INTO sheets (number, name, operations, advanced_range, top_min, top_max, "
                              "bottom_min, bottom_max, top_limit, bottom_limit, divisor_low, divisor_high, "
                              "card_count, weak_facts) VALUES (123456, 'Ann', 1, 0, 1, 12, 1, 12, 12, 12, 2, 9, "
                              "2000000000, '')");
    }
    void craftedRecords()
    {
        QFETCH(QString, sql);
        writeHistory(QStringLiteral("Ann"), {cardOf(Operation::Addition, 7, 8, false, 2)});
        rowsOf(historyPath(), sql);
        GameDriver driver(named(5));
        QVERIFY(driver.started());
        driver.setup().txtName->setText(QStringLiteral("Ann"));
        const QString csv = home.filePath(QStringLiteral("ann.csv"));
        driver.platform.fileNames.push_back(csv);
        driver.window()->mnuProgress->trigger();
        ProgressWindow &window = driver.program->frmProgress();
        QCOMPARE(window.cboFluency->currentData().toDouble(), defaultFluencySeconds);
        QCOMPARE(window.lstHardest[0]->topLevelItemCount(), 1);
        QCOMPARE(window.lstHardest[3]->topLevelItemCount(), 0);
        QCOMPARE(window.picTrend->shownGames().value(0).judged, 1);
        driver.click(window.cmdExport);
        QCOMPARE(parseCsv(QString::fromUtf8(contentsOf(csv).mid(3))).size(), 2);
        driver.platform.numbers.push_back(123456);
        driver.window()->mnuReprint->trigger();
        QVERIFY(driver.platform.printedFiles.isEmpty());
        const QList<WeakFact> weak = driver.program->game().weakFacts(FunctionSet(19));
        QCOMPARE(weak.size(), 1);
        window.close();
        driver.clickStart();
        driver.clickStart();
        QStringList told;
        for (const FakePlatform::Message &message : driver.platform.messages)
            told.append(message.text);
        QCOMPARE(told.filter(QStringLiteral("not understood")),
                 QStringList{QStringLiteral("1 record in the practice history was not understood and is left out.")});
    }

    // Each of the child's games since then, with its end (none while open) and its last card.
    void practiceSpans()
    {
        const auto at = [](int day, int hour, int minute) {
            return QDateTime(QDate(2026, 12, day), QTime(hour, minute), Qt::UTC);
        };
        const auto play = [](const QString &child, const QList<QDateTime> &cards, const QDateTime &ended) {
            HistoryStore store(HistoryStore::defaultPath());
            GameSetup setup;
            setup.child = child;
            setup.started = cards.first().addSecs(-60);
            qint64 game = 0;
            for (const QDateTime &judged : cards) {
                CardRecord card = cardOf(Operation::Addition, 2, 3, true, 1);
                card.judgedAt = judged;
                QVERIFY(store.recordCard(game, setup, card));
            }
            if (ended.isValid())
                QVERIFY(store.endGame(game, ended, true));
        };
        play(QStringLiteral("Ann"), {at(1, 9, 0)}, at(1, 9, 5));               // before the days read
        play(QStringLiteral("Ann"), {at(7, 9, 1), at(7, 9, 10)}, at(7, 9, 12));
        play(QStringLiteral("ann"), {at(8, 8, 1), at(8, 8, 5)}, {});           // left open
        play(QStringLiteral("Ben"), {at(8, 9, 1)}, at(8, 9, 2));
        HistoryStore store(historyPath());
        const QList<PractiseSpan> spans = store.practiceSpans(QStringLiteral("ANN"), at(2, 0, 0));
        QCOMPARE(spans.size(), 2);
        QCOMPARE(spans[0].started, at(7, 9, 0));
        QCOMPARE(spans[0].ended, at(7, 9, 12));
        QCOMPARE(spans[0].lastCard, at(7, 9, 10));
        QCOMPARE(spans[1].started, at(8, 8, 0));
        QVERIFY(!spans[1].ended.isValid());
        QCOMPARE(spans[1].lastCard, at(8, 8, 5));
        QCOMPARE(store.rejectedRecords(), 0);
    }

    void nullNameIsTheChildWithNoName()
    {
        writeHistory(QString(), {cardOf(Operation::Addition, 7, 8, false, 2)});
        QCOMPARE(HistoryStore(historyPath()).cards(QStringLiteral("")).size(), 1);
    }

    void forgetTakesTheChildsSheets()
    {
        writeHistory(QStringLiteral("Anna"), {cardOf(Operation::Addition, 7, 8, false, 2)});
        HistoryStore store(historyPath());
        PrintedSheet sheet{200000, QStringLiteral(" anna"), {}, {{{Operation::Addition, 7, 8}, Mastery::NeedsWork}}};
        sheet.setup.addition = true;
        sheet.setup.topMin = sheet.setup.topMax = sheet.setup.bottomMin = sheet.setup.bottomMax = 12;
        sheet.setup.topLimit = sheet.setup.bottomLimit = 12;
        sheet.setup.cardCount = 10;
        QVERIFY(store.keepSheet(sheet));
        PrintedSheet other = sheet;
        other.number = 300000;
        other.name = QStringLiteral("Ben");
        QVERIFY(store.keepSheet(other));
        QVERIFY(store.forget(QStringLiteral("ANNA")));
        QVERIFY(!store.sheet(200000));
        QCOMPARE(store.sheet(300000), std::optional<PrintedSheet>(other));
    }

    // The export is written as it is read, can be cancelled without leaving
    // a file, and suggests a clean name.
    void exportFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<qint64>("cancelAt");
        QTest::newRow("plain") << "Ann" << "Ann practice.csv" << qint64(-1);
        QTest::newRow("control characters")
            << QStringLiteral("An\x1b\r\nn\u200f\x00x") << "Annx practice.csv" << qint64(-1);
        QTest::newRow("a path") << "../../etc/passwd" << ".._.._etc_passwd practice.csv" << qint64(-1);
        QTest::newRow("cancelled") << "Ann" << "Ann practice.csv" << qint64(2);
    }
    void exportFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, suggested);
        QFETCH(qint64, cancelAt);
        QList<CardRecord> cards;
        for (int i = 0; i < 5; ++i)
            cards.append(cardOf(Operation::Addition, i, 2, true, 1));
        writeHistory(name, cards);
        GameDriver driver(named(5));
        QVERIFY(driver.started());
        driver.setup().txtName->setText(name);
        driver.window()->mnuProgress->trigger();
        const QString csv = home.filePath(QStringLiteral("out.csv"));
        QFile::remove(csv);
        driver.platform.fileNames.push_back(csv);
        driver.platform.cancelProgressAt = cancelAt;
        const mode_t mask = umask(027);
        driver.click(driver.program->frmProgress().cmdExport);
        umask(mask);
        QCOMPARE(driver.platform.fileDialogs.last().second, suggested);
        QCOMPARE(driver.platform.progressTitles.size(), 1);
        QCOMPARE(QFile::exists(csv), cancelAt < 0);
        if (cancelAt < 0) {
            QCOMPARE(parseCsv(QString::fromUtf8(contentsOf(csv).mid(3))).size(), 6);
            // The user's umask, not a mode of the program's choosing.
            QCOMPARE(QFile::permissions(csv) & 0x0777,
                     QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup);
        }
        QVERIFY(driver.platform.messages.isEmpty());
    }

    void progressFollowsTheGame()
    {
        writeHistory(QStringLiteral("Ann"), {cardOf(Operation::Addition, 7, 8, false, 2)});
        GameDriver driver(named(5));
        QVERIFY(driver.started());
        driver.setup().txtName->setText(QStringLiteral("Ann"));
        driver.window()->mnuProgress->trigger();
        ProgressWindow &window = driver.program->frmProgress();
        QCOMPARE(window.lstHardest[0]->topLevelItemCount(), 1);
        play(driver, {{2, 3, false}});
        for (QPushButton *command : {window.cmdForget, window.cmdExport, window.cmdPrintProgress})
            QVERIFY2(!command->isEnabled(), qPrintable(command->objectName()));
        driver.clickStart(); // Stop: the window shows the game just played
        QCOMPARE(window.lstHardest[0]->topLevelItemCount(), 2);
        for (QPushButton *command : {window.cmdForget, window.cmdExport, window.cmdPrintProgress})
            QVERIFY(command->isEnabled());
    }

    // Whatever way out of a game, it is closed in the history, not completed.
    void quitMidGameClosesTheGame()
    {
        {
            GameDriver driver(named(5));
            QVERIFY(driver.started());
            play(driver, {{2, 3, true}});
        }
        QCOMPARE(rowsOf(historyPath(), QStringLiteral("SELECT ended IS NOT NULL, completed FROM games")),
                 (QList<QVariantList>{{1, 0}}));
    }

    // Folders made for the history are their owner's; a history others can
    // read is made the owner's when next written.
    void modes()
    {
        writeHistory(QStringLiteral("Ann"), {cardOf(Operation::Addition, 7, 8, false, 2)});
        const QString folder = QFileInfo(historyPath()).absolutePath();
        const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        for (const QString &made : {folder, QFileInfo(folder).absolutePath()})
            QCOMPARE(QFile::permissions(made) & 0x7777, ownerOnly | QFileDevice::ReadUser | QFileDevice::WriteUser
                                                            | QFileDevice::ExeUser);
        QVERIFY(QFile::setPermissions(historyPath(), QFileDevice::Permissions(0x6644)));
        writeHistory(QStringLiteral("Ann"), {cardOf(Operation::Addition, 7, 8, true, 2)});
        QCOMPARE(QFile::permissions(historyPath()) & 0x0077, QFileDevice::Permissions());
    }

    // kill -9 in the middle of a game: every card judged is in the file.
    void killedMidGame()
    {
        QProcess player;
        player.setProcessChannelMode(QProcess::SeparateChannels);
        player.start(QStringLiteral(SUMDROP_HISTORY_PLAYER), {QStringLiteral("500"), QStringLiteral("5")});
        QVERIFY(player.waitForStarted());
        QByteArray said;
        while (!said.contains("judged 20\n") && player.waitForReadyRead(10000))
            said += player.readAllStandardOutput();
        QVERIFY2(said.contains("judged 20\n"), player.readAllStandardError().constData());
        player.kill();
        QVERIFY(player.waitForFinished());
        QCOMPARE(player.exitStatus(), QProcess::CrashExit);
        said += player.readAllStandardOutput();
        const int judged = int(said.count("judged "));
        QVERIFY(judged < 500);
        QCOMPARE(valueOf(historyPath(), QStringLiteral("SELECT count(*) FROM cards")).toInt(), judged);
        QCOMPARE(valueOf(historyPath(), QStringLiteral("SELECT judged FROM games")).toInt(), judged);
        QCOMPARE(valueOf(historyPath(), QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    }

    void twoCopiesAtOnce()
    {
        QProcess first;
        QProcess second;
        first.start(QStringLiteral(SUMDROP_HISTORY_PLAYER), {QStringLiteral("100"), QStringLiteral("0"), QStringLiteral("Ann")});
        second.start(QStringLiteral(SUMDROP_HISTORY_PLAYER), {QStringLiteral("100"), QStringLiteral("0"), QStringLiteral("ANN ")});
        for (QProcess *player : {&first, &second}) {
            QVERIFY(player->waitForFinished(120000));
            QVERIFY2(player->exitCode() == 0, player->readAllStandardError().constData());
        }
        QCOMPARE(rowsOf(historyPath(), QStringLiteral("SELECT count(*), count(DISTINCT game_id) FROM cards")),
                 (QList<QVariantList>{{200, 2}}));
        QCOMPARE(valueOf(historyPath(), QStringLiteral("SELECT count(*) FROM children")).toInt(), 1);

        // The facts kept card by card agree with the cards themselves.
        HistoryStore store(historyPath());
        const FactRecords kept = store.factRecords(QStringLiteral("ann"));
        const FactRecords counted = recordsOf(store.attempts(QStringLiteral("ann")));
        QCOMPARE(kept.keys().size(), counted.keys().size());
        for (const FactRecord &fact : counted) {
            const FactRecord other = kept.value(fact.fact);
            QCOMPARE(other.tries, fact.tries);
            QCOMPARE(other.right, fact.right);
            QVERIFY(qAbs(other.medianSeconds - fact.medianSeconds) < 1e-3);
            QCOMPARE(other.recent.size(), fact.recent.size());
            for (qsizetype i = 0; i < fact.recent.size(); ++i) {
                QCOMPARE(other.recent[i].right, fact.recent[i].right);
                QVERIFY(qAbs(other.recent[i].seconds - fact.recent[i].seconds) < 1e-3);
            }
        }
    }

    void progressWindow()
    {
        using Op = QList<CardRecord>;
        writeHistory(QStringLiteral("Ben"), Op{cardOf(Operation::Multiplication, 3, 3, true, 1)});
        GameDriver driver(named(4));
        QVERIFY(driver.started());
        driver.setup().txtName->setText(QStringLiteral("ann"));
        driver.platform.clock = QDateTime(QDate(2026, 12, 8), QTime(10, 0), Qt::UTC);
        play(driver, {{7, 8, false}, {7, 8, true}, {2, 3, true}, {2, 3, true}}, 4000);
        driver.clickStart(); // Stop
        driver.setup().txtName->setText(QStringLiteral("Ann"));
        QVERIFY(driver.window()->mnuProgress->isEnabled());
        driver.window()->mnuProgress->trigger();
        ProgressWindow &window = driver.program->frmProgress();
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("Progress"));
        QCOMPARE(window.cboChild->count(), 2);
        QCOMPARE(window.cboChild->itemText(0), QStringLiteral("ann")); // the latest game first
        QCOMPARE(window.cboChild->currentIndex(), 0);

        QTableWidget *grid = window.grdMastery[0];
        QCOMPARE(window.lblMastered[0]->text(), QStringLiteral("Mastered 1 of 169"));
        QCOMPARE(grid->item(2, 3)->background().color(), QColor(102, 187, 106));
        QCOMPARE(grid->item(7, 8)->toolTip(), QStringLiteral("7 + 8 = 15: 2 tries, 1 right, median 4.0 s, learning"));
        QCOMPARE(grid->item(7, 8)->data(Qt::AccessibleDescriptionRole).toString(), grid->item(7, 8)->toolTip());
        QCOMPARE(grid->item(0, 0)->background().color(), QColor(225, 225, 225));
        // A clicked cell keeps its colour and shows a frame.
        const QRect cell = grid->visualItemRect(grid->item(2, 3));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
        QCOMPARE(grid->currentItem(), grid->item(2, 3));
        const QImage painted = grid->viewport()->grab().toImage();
        QCOMPARE(painted.pixelColor(cell.center()), QColor(102, 187, 106));
        QCOMPARE(painted.pixelColor(cell.topLeft() + QPoint(1, cell.height() / 2)),
                 grid->palette().color(QPalette::WindowText));
        QCOMPARE(window.lstHardest[0]->topLevelItemCount(), 2);
        QCOMPARE(window.lstHardest[0]->topLevelItem(0)->text(0), QStringLiteral("7 + 8 = 15"));
        QCOMPARE(window.picTrend->shownGames().size(), 1);
        QCOMPARE(window.picTrend->shownGames()[0].right, 3);

        // 4 s is not within 3 s: mastery falls back to learning at once.
        window.cboFluency->setCurrentIndex(window.cboFluency->findData(3.0));
        QCOMPARE(window.lblMastered[0]->text(), QStringLiteral("Mastered 0 of 169"));
        window.cboChild->setCurrentIndex(0);
        QCOMPARE(HistoryStore(historyPath()).fluencySeconds(QStringLiteral("ANN")), 3.0);

        driver.platform.fileNames.push_back(home.filePath(QStringLiteral("ann.csv")));
        driver.click(window.cmdExport);
        const QList<QStringList> csv =
            parseCsv(QString::fromUtf8(contentsOf(home.filePath(QStringLiteral("ann.csv"))).mid(3)));
        QCOMPARE(csv.size(), 5);
        QCOMPARE(csv[1].mid(3, 8), (QStringList{"addition", "7", "8", "15", "16", "no", "typed", "4.000"}));

        driver.click(window.cmdPrintProgress);
        QCOMPARE(driver.platform.printedFiles.size(), 1);

        driver.platform.answers.push_back(Platform::Answer::No);
        driver.click(window.cmdForget);
        QCOMPARE(window.cboChild->count(), 2);
        driver.click(window.cmdForget);
        QCOMPARE(window.cboChild->count(), 1);
        QCOMPARE(driver.platform.progressTitles.last(), QStringLiteral("Forget This Child..."));
        QCOMPARE(window.cboChild->itemText(0), QStringLiteral("Ben"));
        QCOMPARE(valueOf(historyPath(), QStringLiteral("SELECT count(*) FROM cards")).toInt(), 1);

        driver.click(window.cmdProgressClose);
        QVERIFY(!window.isVisible());
        driver.clickStart();
        QVERIFY(!driver.window()->mnuProgress->isEnabled());
    }

    void csvRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("comma") << "Smith, Ann";
        QTest::newRow("quotes") << "Ann \"the Ace\"";
        QTest::newRow("line break") << "Ann\nSmith";
        QTest::newRow("letters beyond ASCII") << "Zoë Łucja 明";
        QTest::newRow("no name") << "";
    }
    void csvRoundTrip()
    {
        QFETCH(QString, name);
        StoredCard card;
        card.fact = {Operation::Division, 56, 8};
        card.answer = 7;
        card.judgedAt = QDateTime(QDate(2026, 12, 1), QTime(9, 0, 1, 250), Qt::UTC);
        card.ending = CardEnding::MarkedRight;
        card.right = true;
        card.seconds = 1.5;
        const QByteArray bytes = historyCsv(name, {card});
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> rows = parseCsv(QString::fromUtf8(bytes.mid(3)));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].size(), rows[1].size());
        QCOMPARE(rows[1], (QStringList{name, "0", "2026-12-01 09:00:01.250", "division", "56", "8", "7", "", "yes",
                                       "marked right", "1.500"}));
    }

    // One child mistyped stays one child when Yes says so; Tom was played
    // before Tim; in a short name one or two letters make another name.
    void nearNameAtStart_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Platform::Answer>("answer");
        QTest::addColumn<QString>("asked");  // the near name, or none asked
        QTest::addColumn<QString>("played"); // the child the game is recorded for
        const auto yes = Platform::Answer::Yes;
        const auto no = Platform::Answer::No;
        QTest::newRow("0: the same child") << " anna " << yes << "" << "anna";
        QTest::newRow("1, Yes") << "Ana" << yes << "Anna" << "Anna";
        QTest::newRow("1, No: a new child") << "Ana" << no << "Anna" << "Ana";
        QTest::newRow("2") << "Maksimilian" << yes << "Maximilian" << "Maximilian";
        QTest::newRow("3: another child") << "Maksimiljan" << yes << "" << "Maksimiljan";
        QTest::newRow("1 from two: the latest played") << "Tam" << yes << "Tim" << "Tim";
        QTest::newRow("2 of 3 letters") << "Ina" << yes << "" << "Ina";
        QTest::newRow("1 of 2 letters") << "Jo" << yes << "" << "Jo";
    }
    void nearNameAtStart()
    {
        QFETCH(QString, typed);
        QFETCH(Platform::Answer, answer);
        QFETCH(QString, asked);
        QFETCH(QString, played);
        writeChildren({QStringLiteral("Tom"), QStringLiteral("Anna"), QStringLiteral("Maximilian"),
                       QStringLiteral("Tim"), QStringLiteral("Bo")});
        GameDriver driver(named(3));
        QVERIFY(driver.started());
        driver.setup().txtName->setText(typed);
        driver.platform.answers.push_back(answer);
        play(driver, {{2, 3, true}});
        QCOMPARE(driver.platform.messages.size(), asked.isEmpty() ? 0 : 1);
        if (!asked.isEmpty()) {
            QCOMPARE(driver.platform.messages[0].text, QStringLiteral("Is this %1?").arg(asked));
            QCOMPARE(driver.platform.messages[0].buttons, Platform::Buttons::YesNoByClick);
        }
        QCOMPARE(lastChildPlayed(), played);
        QCOMPARE(driver.platform.options.value(QStringLiteral("lastPlayer")).toString(), played);
    }

    // No name typed: the children to choose from, the latest played first.
    void emptyNameAtStart_data()
    {
        QTest::addColumn<bool>("children");
        QTest::addColumn<int>("choice"); // an index, extraChoice, or -2 for Cancel
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("played");
        QTest::newRow("a name chosen") << true << 1 << true << "Anna";
        QTest::newRow("without a name") << true << int(Platform::extraChoice) << true << "";
        QTest::newRow("Cancel") << true << -2 << false << "";
        QTest::newRow("nobody on record: not asked") << false << 0 << true << "";
    }
    void emptyNameAtStart()
    {
        QFETCH(bool, children);
        QFETCH(int, choice);
        QFETCH(bool, started);
        QFETCH(QString, played);
        if (children)
            writeChildren({QStringLiteral("Anna"), QStringLiteral(""), QStringLiteral("Ben")});
        GameDriver driver(named(3));
        QVERIFY(driver.started());
        driver.platform.choices.push_back(choice == -2 ? std::nullopt : std::optional<int>(choice));
        driver.queueAddition(2, 3);
        driver.clickStart();
        QCOMPARE(driver.platform.choiceQuestions.size(), children ? 1 : 0);
        if (children)
            QCOMPARE(driver.platform.choiceQuestions[0],
                     (QStringList{"Who is playing?", "Choose your name:", "Ben", "Anna", "Play without a name"}));
        QCOMPARE(driver.session().state, started ? 1 : 0);
        QCOMPARE(driver.setup().txtName->text(), played);
        if (started) {
            driver.typeSeparate(5);
            QCOMPARE(lastChildPlayed(), played);
        }
    }

    // The name box offers the children on record, read only once it is used,
    // and starts with the name last played.
    void nameCompletion()
    {
        writeChildren({QStringLiteral("Annika"), QStringLiteral("Ben"), QStringLiteral("anna")});
        GameDriver driver(named(3), QSize(1280, 1024), {{QStringLiteral("lastPlayer"), QStringLiteral("Ben")}});
        QVERIFY(driver.started());
        QLineEdit *box = driver.setup().txtName;
        QCOMPARE(box->text(), QStringLiteral("Ben"));
        QVERIFY(!box->completer());
        box->clear();
        QVERIFY(QTest::qWaitForWindowActive(driver.window()));
        QVERIFY(!box->completer()); // not read at start-up
        box->setFocus();
        QVERIFY(box->completer());
        QTest::keyClicks(box, QStringLiteral("AN"));
        QCompleter *completer = box->completer();
        QVERIFY(completer->popup()->isVisible());
        QStringList offered;
        for (int row = 0; completer->setCurrentRow(row); ++row)
            offered.append(completer->currentCompletion());
        QCOMPARE(offered, (QStringList{"anna", "Annika"}));
    }

    // The facts a game brings to mastered, told at its end: after a wrong
    // try and a right one, a quick right answer masters 7 + 8; after two
    // wrong ones it does not.
    void factsWon_data()
    {
        QTest::addColumn<bool>("before");    // 7 + 8 right at its last try before
        QTest::addColumn<bool>("summary");
        QTest::addColumn<QString>("told");
        const QString won = QStringLiteral("New: 7 + 8\nAddition: 1 of 169 mastered");
        QTest::newRow("one fact, summary page") << true << true << won;
        QTest::newRow("one fact, game-end box") << true << false << won;
        QTest::newRow("none, summary page") << false << true << "";
        QTest::newRow("none, game-end box") << false << false << "";
    }
    void factsWon()
    {
        QFETCH(bool, before);
        QFETCH(bool, summary);
        QFETCH(QString, told);
        writeHistory(QStringLiteral("Ann"), {cardOf(Operation::Addition, 7, 8, false, 2),
                                             cardOf(Operation::Addition, 7, 8, before, 2)});
        SettingsRecord setup = named(10);
        setup.showSummary = summary;
        GameDriver driver(setup);
        QVERIFY(driver.started());
        driver.setup().txtName->setText(QStringLiteral("Ann"));
        QList<std::tuple<int, int, bool>> cards{{7, 8, true}};
        for (int top = 1; top < 10; ++top)
            cards.append({top, 1, true}); // seen once: not yet mastered
        play(driver, cards);
        QCOMPARE(driver.session().state, 0);
        if (summary) {
            QVERIFY(driver.platform.messages.isEmpty());
            SummaryPage *page = driver.program->summaryWindows().createdPage(1);
            QCOMPARE(page->lblFactsWon->text(), told);
            QCOMPARE(page->lblFactsWon->isVisible(), !told.isEmpty());
            // The saved report keeps its format: rows and result line only.
            const QString report = driver.folder.filePath(QStringLiteral("report.txt"));
            driver.platform.fileNames.push_back(report);
            driver.click(page->cmdSumSave);
            QVERIFY(QFile::exists(report));
            QVERIFY(!contentsOf(report).contains("New:"));
        } else {
            QCOMPARE(driver.platform.messages.size(), 1);
            const QString text = driver.platform.messages[0].text;
            QCOMPARE(text.endsWith(QStringLiteral("\r\n\r\n") + told), !told.isEmpty());
            QVERIFY(told.isEmpty() == !text.contains(QStringLiteral("New:")));
        }
    }

    void practisesWeakFacts()
    {
        writeHistory(QStringLiteral("Ann"), {cardOf(Operation::Addition, 7, 8, false, 1),
                                             cardOf(Operation::Addition, 60, 60, false, 1)});
        QVariantMap kept;
        {
            GameDriver first(named(3));
            QVERIFY(first.started());
            QVERIFY(!first.setup().chkPractise->isChecked());
            first.setup().chkPractise->setChecked(true);
            kept = first.platform.options;
        }
        GameDriver driver(named(3), QSize(1280, 1024), kept);
        QVERIFY(driver.started());
        QVERIFY(driver.setup().chkPractise->isChecked()); // kept in the user's options
        driver.setup().txtName->setText(QStringLiteral("Ann"));
        driver.setup().sldTop->setValue(50); // 60 + 60 is out of range now
        driver.queue({0.2, 0.9});
        driver.clickStart();
        QCOMPARE(driver.session().top, 7.0);
        QCOMPARE(driver.session().bottom, 8.0);
        QVERIFY(driver.platform.messages.isEmpty());
    }

    // A history of the version before: each game and card gets a UUID of
    // its own, nothing is lost, and all of it waits to be sent.
    void migratesToUuids()
    {
        writeHistory(QStringLiteral("Ann"), {cardOf(Operation::Addition, 7, 8, false, 2),
                                             cardOf(Operation::Multiplication, 6, 7, true, 3)});
        writeHistory(QStringLiteral("Ben"), {cardOf(Operation::Addition, 7, 8, true, 1)});
        const QString path = historyPath();
        const QString facts = factsText(HistoryStore(path).factRecords(QStringLiteral("Ann")));
        for (const char *sql : {"DROP INDEX games_by_uuid", "DROP INDEX cards_by_uuid", "DROP INDEX cards_unsent",
                                "DROP INDEX games_end_unsent", "DROP INDEX cards_by_fact", "ALTER TABLE games DROP COLUMN uuid",
                                "ALTER TABLE games DROP COLUMN machine", "ALTER TABLE games DROP COLUMN end_sent",
                                "ALTER TABLE cards DROP COLUMN uuid", "ALTER TABLE cards DROP COLUMN sent",
                                "DROP TABLE machine", "PRAGMA user_version = 2"})
            rowsOf(path, QString::fromLatin1(sql));
        QCOMPARE(valueOf(path, QStringLiteral("SELECT count(*) FROM pragma_table_info('cards') WHERE name = 'uuid'")),
                 QVariant(0));
        HistoryStore store(path);
        QCOMPARE(store.unsentCount(), 3);
        QCOMPARE(valueOf(path, QStringLiteral("PRAGMA user_version")).toInt(), 3);
        QSet<QString> uuids;
        for (const QVariantList &row : rowsOf(path, QStringLiteral("SELECT uuid FROM games UNION ALL "
                                                                   "SELECT uuid FROM cards UNION ALL "
                                                                   "SELECT uuid FROM machine"))) {
            const QString uuid = row[0].toString();
            QVERIFY2(HistoryRows::isUuidText(uuid) && QUuid(uuid).version() == QUuid::Random
                         && QUuid(uuid).variant() == QUuid::DCE,
                     qPrintable(uuid));
            uuids.insert(uuid);
        }
        QCOMPARE(uuids.size(), 6);
        QCOMPARE(factsText(store.factRecords(QStringLiteral("Ann"))), facts);
        QCOMPARE(store.machineName(), QSysInfo::machineHostName());
        QCOMPARE(store.childKeys(), (QStringList{QStringLiteral("ann"), QStringLiteral("ben")}));
    }

    // Each card is offered until the server has it, and then never again;
    // a game's end that comes after its cards is offered once on its own;
    // rows the program could not have written are never offered.
    void sendsEachCardOnce()
    {
        HistoryStore store(historyPath());
        GameSetup setup;
        setup.child = QStringLiteral("Zoë");
        setup.started = QDateTime(QDate(2026, 12, 1), QTime(8, 59), Qt::UTC);
        setup.operations = 15;
        setup.cardCount = 10;
        qint64 game = 0;
        for (int top = 1; top <= 3; ++top)
            QVERIFY(store.recordCard(game, setup, cardOf(Operation::Addition, top, 4, top != 2, top)));
        const SharedBatch first = store.unsentBatch(2);
        QCOMPARE(first.cards.size(), 2);
        QCOMPARE(first.games.size(), 1);
        QCOMPARE(first.games[0].setup, setup);
        QCOMPARE(first.games[0].childKey, QStringLiteral("zoë"));
        QCOMPARE(first.games[0].machine, store.machineName());
        QVERIFY(!first.games[0].ended);
        SharedCard expected = first.cards[1];
        expected.fact = {Operation::Addition, 2, 4};
        expected.answer = 6;
        expected.given = 7;
        expected.right = false;
        expected.seconds = 2;
        expected.judgedAt = cardOf(Operation::Addition, 2, 4, false, 2).judgedAt;
        QCOMPARE(first.cards[1], expected);
        QCOMPARE(first.cards[1].gameUuid, first.games[0].uuid);
        QVERIFY(store.markSent(first));
        const SharedBatch second = store.unsentBatch(10);
        QCOMPARE(second.cards.size(), 1);
        QCOMPARE(second.cards[0].fact.top, 3);
        QVERIFY(store.markSent(second));
        QVERIFY(store.unsentBatch(10).isEmpty());
        QCOMPARE(store.unsentCount(), 0);

        const QDateTime ended = setup.started.addSecs(90);
        QVERIFY(store.endGame(game, ended, true));
        const SharedBatch end = store.unsentBatch(10);
        QCOMPARE(end.cards.size(), 0);
        QCOMPARE(end.games.size(), 1);
        QCOMPARE(end.games[0].ended, std::optional<QDateTime>(ended));
        QVERIFY(end.games[0].completed);
        QVERIFY(store.markSent(end));
        QVERIFY(store.unsentBatch(10).isEmpty());

        const QString card = QStringLiteral(
            "INSERT INTO cards (game_id, operation, top, bottom, answer, given, right, ending, seconds, judged_at, "
            "uuid) VALUES (%1, 15, 2, 2, %2, 4, 1, 0, 1.0, '2026-12-01T09:00:00.000Z', %3)");
        rowsOf(historyPath(), card.arg(game).arg(5).arg(QStringLiteral("'%1'").arg(newUuid())));
        rowsOf(historyPath(), card.arg(game).arg(4).arg(QStringLiteral("NULL")));
        QVERIFY(store.recordCard(game, setup, cardOf(Operation::Addition, 9, 9, true, 1)));
        QCOMPARE(store.unsentCount(), 3);
        const SharedBatch last = store.unsentBatch(10);
        QCOMPARE(last.cards.size(), 1);
        QCOMPARE(last.cards[0].fact.top, 9);
        QCOMPARE(store.unsentCount(), 1);
        QVERIFY(store.markSent(last));
        QVERIFY(store.unsentBatch(10).isEmpty());
        QCOMPARE(store.unsentCount(), 0);
    }

    // Two machines that recorded the same child: each takes in the other's
    // cards, twice without harm, and then knows the child's facts as one
    // machine that had seen every card.
    void importsOtherMachines()
    {
        QList<CardRecord> cards = {cardOf(Operation::Addition, 7, 8, false, 4),
                                   cardOf(Operation::Multiplication, 6, 7, true, 2),
                                   cardOf(Operation::Addition, 7, 8, true, 3),
                                   cardOf(Operation::Addition, 7, 8, true, 1),
                                   cardOf(Operation::Multiplication, 6, 7, false, 9),
                                   cardOf(Operation::Addition, 3, 3, true, 2)};
        for (qsizetype i = 0; i < cards.size(); ++i)
            cards[i].judgedAt = cards[i].judgedAt.addSecs(10 * i);
        const auto play = [](HistoryStore &store, const QString &child, const QList<CardRecord> &played) {
            GameSetup setup;
            setup.child = child;
            setup.started = played.first().judgedAt.addSecs(-5);
            qint64 game = 0;
            for (const CardRecord &card : played)
                QVERIFY(store.recordCard(game, setup, card));
            QVERIFY(store.endGame(game, played.last().judgedAt, true));
        };
        HistoryStore one(home.filePath(QStringLiteral("one.sqlite")));
        HistoryStore two(home.filePath(QStringLiteral("two.sqlite")));
        HistoryStore both(home.filePath(QStringLiteral("both.sqlite")));
        for (HistoryStore *store : {&one, &two, &both})
            QVERIFY(QFile::remove(store->path()) || !QFile::exists(store->path()));
        play(one, QStringLiteral("Ann"), cards.mid(0, 3));
        play(two, QStringLiteral(" ANN"), cards.mid(3));
        play(both, QStringLiteral("Ann"), cards.mid(0, 3));
        play(both, QStringLiteral("Ann"), cards.mid(3));
        const SharedBatch fromOne = one.unsentBatch(100);
        const SharedBatch fromTwo = two.unsentBatch(100);
        for (int time = 0; time < 2; ++time) {
            QVERIFY(one.importShared(fromTwo));
            QVERIFY(two.importShared(fromOne));
        }
        const QString facts = factsText(both.factRecords(QStringLiteral("ann")));
        QCOMPARE(factsText(one.factRecords(QStringLiteral("ann"))), facts);
        QCOMPARE(factsText(two.factRecords(QStringLiteral("ann"))), facts);
        QCOMPARE(one.cardCount(QStringLiteral("Ann")), 6);
        QCOMPARE(one.children().value(0).name, QStringLiteral("Ann")); // the spelling typed here
        // What was taken in is not sent back.
        const SharedBatch again = one.unsentBatch(100);
        QCOMPARE(again.cards, fromOne.cards);
        QCOMPARE(again.games, fromOne.games);
        QCOMPARE(one.unsentCount(), 3);
    }

    // A server's rows that the program could not have recorded are skipped;
    // any name is kept as it was typed.
    void importsOnlySoundRows_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<int>("kept");
        const QStringList names = {
            "as recorded", "a name with quotes, a semicolon and SQL", "card UUID in capitals", "card UUID cut short",
            "card of a game not sent", "card with a divisor of 0", "card with the wrong answer",
            "card of endless seconds", "card ended in no known way", "marked card with a typed answer",
            "card judged at no time", "game of another child's key", "game with a name of 1,000 letters",
            "game UUID with braces", "game started in the year 20000"};
        for (int i = 0; i < names.size(); ++i)
            QTest::newRow(qPrintable(names[i])) << i << (i < 2 ? 1 : 0);
    }
    void importsOnlySoundRows()
    {
        QFETCH(int, change);
        QFETCH(int, kept);
        SharedBatch batch = sharedGame(QStringLiteral("Ann"));
        SharedGame &game = batch.games[0];
        SharedCard &card = batch.cards[0];
        const QString sql = QStringLiteral("O'Brien\"; DROP TABLE cards; -- Zoë");
        switch (change) {
        case 1: game.setup.child = sql, game.childKey = HistoryStore::childKey(sql); break;
        case 2: card.uuid = card.uuid.toUpper(); break;
        case 3: card.uuid.chop(1); break;
        case 4: card.gameUuid = newUuid(); break;
        case 5: card.fact = {Operation::Division, 10, 0}, card.answer = 0; break;
        case 6: card.answer = 16; break;
        case 7: card.seconds = qInf(); break;
        case 8: card.ending = CardEnding(9); break;
        case 9: card.ending = CardEnding::MarkedRight; break;
        case 10: card.judgedAt = QDateTime(); break;
        case 11: game.childKey = QStringLiteral("ben"); break;
        case 12: game.setup.child = QString(1000, QLatin1Char('a')), game.childKey = game.setup.child; break;
        case 13: game.uuid = QLatin1Char('{') + game.uuid + QLatin1Char('}'), card.gameUuid = game.uuid; break;
        case 14: game.setup.started = QDateTime(QDate(20000, 1, 1), QTime(0, 0), Qt::UTC); break;
        }
        HistoryStore store(historyPath());
        QVERIFY(store.importShared(batch));
        QCOMPARE(store.cardCount(game.setup.child), kept);
        QCOMPARE(store.children().size(), change < 11 ? 1 : 0);
        QCOMPARE(store.children().value(0).name, change < 11 ? game.setup.child : QString());
        QCOMPARE(store.unsentBatch(10).cards.size(), 0);
    }
};

QTEST_MAIN(HistoryTest)
#include "tst_history.moc"
