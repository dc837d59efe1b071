#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <QUuid>

#include <algorithm>
#include <memory>

#include "classroom/classdatabase.h"
#include "fakes/pgserver.h"

namespace {

QString newUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// A game of count cards, every fact a different one.
SharedBatch gameOf(const QString &child, const QString &machine, int count, bool ended = true)
{
    SharedGame game;
    game.uuid = newUuid();
    game.childKey = child.trimmed().toCaseFolded();
    game.machine = machine;
    game.setup = {child, QDateTime(QDate(2024, 3, 5), QTime(9, 15, 30, 250), Qt::UTC),
                  Operation::Multiplication, 20, true, 1, 9, 2, 7, 2, 9, 1, true};
    if (ended)
        game.ended = game.setup.started.addSecs(300);
    game.completed = ended;
    SharedBatch batch{{game}, {}};
    for (int i = 0; i < count; ++i) {
        SharedCard card;
        card.uuid = newUuid();
        card.gameUuid = game.uuid;
        card.judgedAt = game.setup.started.addMSecs(1000 + 1237 * i);
        card.fact = {Operation::Multiplication, i % 10, i / 10 % 10};
        card.answer = factAnswer(card.fact);
        card.right = i % 3 != 0;
        card.ending = CardEnding(i % 4);
        if (card.ending == CardEnding::Typed)
            card.given = card.right ? card.answer : card.answer + 1;
        card.seconds = 0.1 + i * 0.0137;
        batch.cards.append(card);
    }
    return batch;
}

template <typename T>
QList<T> sortedByUuid(QList<T> list)
{
    std::sort(list.begin(), list.end(), [](const T &a, const T &b) { return a.uuid < b.uuid; });
    return list;
}

// An open connection of the test's own, closed and removed with it.
struct Connection
{
    explicit Connection(const QString &conninfo)
        : name(newUuid())
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        check = ClassConnection::open(db, conninfo);
    }
    ~Connection()
    {
        db.close();
        db = {};
        QSqlDatabase::removeDatabase(name);
    }
    QString name;
    QSqlDatabase db;
    ClassCheck check;
};

} // namespace

Q_DECLARE_METATYPE(ClassState)

class ClassServerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PgServer> server;
    int databases = 0;

    // A fresh database for each case; set up as a class when asked.
    QString freshDatabase(bool asClass)
    {
        const QString name = QStringLiteral("class%1").arg(++databases);
        if (!server->createDatabase(name))
            return {};
        if (asClass) {
            Connection c(server->conninfo(name));
            QString said;
            QTextStream out(&said);
            if (!ClassDatabase::initClass(c.db, out))
                qWarning() << said;
        }
        return name;
    }

    int count(const QString &database, const QString &table)
    {
        return server->sql(database, QStringLiteral("SELECT count(*) FROM ") + table).value(0).toInt();
    }

private slots:
    void initTestCase()
    {
        if (const QString missing = PgServer::missing(); !missing.isEmpty())
            QSKIP(qPrintable(QStringLiteral("No class server tests: ") + missing));
        server = std::make_unique<PgServer>();
        QVERIFY2(server->start(), qPrintable(server->error()));
    }

    // Setting up a class, and what a database is found to be.
    void classStates_data()
    {
        QTest::addColumn<bool>("asClass");
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("initWorks");
        QTest::addColumn<ClassState>("state");
        QTest::newRow("empty database") << false << QString() << true << ClassState::Empty;
        QTest::newRow("a class already") << true << QString() << false << ClassState::Ours;
        QTest::newRow("foreign tables in the schema")
            << false << "CREATE SCHEMA sumdrop; CREATE TABLE sumdrop.things (x integer)" << false
            << ClassState::NotOurs;
        QTest::newRow("empty schema of that name") << false << "CREATE SCHEMA sumdrop" << true << ClassState::NotOurs;
        QTest::newRow("another marker") << true << "UPDATE sumdrop.info SET application = 'Other'" << false
                                        << ClassState::NotOurs;
        QTest::newRow("newer version") << true << "UPDATE sumdrop.info SET version = 2" << false << ClassState::Newer;
    }

    void classStates()
    {
        QFETCH(bool, asClass);
        QFETCH(QString, change);
        QFETCH(bool, initWorks);
        QFETCH(ClassState, state);
        const QString name = freshDatabase(asClass);
        QVERIFY(!name.isEmpty());
        bool ok = true;
        if (!change.isEmpty())
            server->sql(name, change, &ok);
        QVERIFY(ok);
        const QStringList before = server->sql(name, QStringLiteral("SELECT * FROM sumdrop.info"));

        Connection c(server->conninfo(name));
        QCOMPARE(c.check.state, ClassState::Ours);
        QCOMPARE(ClassDatabase::checkClass(c.db).state, state);
        // Only what is ours and of this version is written to.
        const SharedBatch batch = gameOf(QStringLiteral("Ann"), QStringLiteral("pc1"), 3);
        const ClassDatabase::SendResult sent = ClassDatabase::sendBatch(c.db, batch);
        QCOMPARE(sent.sent, state == ClassState::Ours);
        QCOMPARE(sent.state, state);

        QString said;
        QTextStream out(&said);
        QCOMPARE(ClassDatabase::initClass(c.db, out), initWorks);
        QVERIFY(!said.isEmpty());
        if (!initWorks) {
            // Refused: nothing of it changed.
            QCOMPARE(server->sql(name, QStringLiteral("SELECT * FROM sumdrop.info")), before);
            return;
        }
        const ClassCheck check = ClassDatabase::checkClass(c.db);
        QCOMPARE(check.state, ClassState::Ours);
        QCOMPARE(check.className, name);
        QVERIFY(check.isTeacher);
        QCOMPARE(server->sql(QStringLiteral("postgres"),
                             QStringLiteral("SELECT rolname FROM pg_roles WHERE rolname LIKE '%1_%%' ORDER BY 1").arg(name)),
                 QStringList({name + "_pupil", name + "_teacher"}));
        QVERIFY(ClassDatabase::sendBatch(c.db, batch).sent);
        QCOMPARE(count(name, QStringLiteral("sumdrop.cards")), 3);
    }

    // The IT person's command: a class made once, never twice.
    void commandLine()
    {
        const QString name = freshDatabase(false) + QLatin1String(" 'b\"");
        QVERIFY(server->createDatabase(name));
        const QString conninfo = QStringLiteral("host=%1 user=postgres dbname='%2'")
                                     .arg(server->socketFolder(), QString(name).replace(u'\'', QLatin1String("\\'")));
        for (const int exitCode : {0, 1}) {
            QProcess program;
            program.start(QStringLiteral(SUMDROP_PROGRAM), {QStringLiteral("--init-class"), conninfo});
            QVERIFY(program.waitForFinished(30000));
            QVERIFY2(program.exitCode() == exitCode, program.readAll().constData());
        }
        QCOMPARE(ClassDatabase::testConnection(conninfo).state, ClassState::Ours);
    }

    // What a teacher is told when the connection cannot be made.
    void connectionProblems_data()
    {
        // SERVER: the test's server; CLASS: a class on it; pw_user logs in
        // by password, and libpq's file holds the password given.
        QTest::addColumn<QString>("conninfo");
        QTest::addColumn<QString>("password");
        QTest::addColumn<ClassState>("state");
        QTest::addColumn<QString>("says");
        const QString wrong = QStringLiteral("wrong");
        QTest::newRow("unknown host") << "host=nowhere.invalid dbname=x" << wrong << ClassState::NotFound
                                      << "nowhere.invalid";
        QTest::newRow("unknown service") << "service=no_such_class" << wrong << ClassState::NotFound << "no_such_class";
        QTest::newRow("no server") << "host=/nonexistent dbname=x" << wrong << ClassState::Unreachable << "/nonexistent";
        QTest::newRow("missing database") << "SERVER dbname=no_such_db user=postgres" << wrong << ClassState::NoDatabase
                                          << "no_such_db";
        QTest::newRow("wrong password") << "SERVER dbname=postgres user=pw_user" << wrong
                                        << ClassState::PasswordRefused << "pw_user";
        QTest::newRow("unknown login") << "SERVER dbname=postgres user=nobody_here" << wrong
                                       << ClassState::PasswordRefused << "nobody_here";
        QTest::newRow("login outside the class") << "SERVER dbname=CLASS user=pw_user" << "right" << ClassState::Failed
                                                 << "permission denied";
        QTest::newRow("password kept") << "SERVER dbname=postgres password=secret" << wrong << ClassState::Unusable
                                       << "~/.pgpass";
        QTest::newRow("uri") << "postgresql://school-db/class4b" << wrong << ClassState::Unusable << "key=value";
        QTest::newRow("semicolon") << "SERVER dbname='a;b'" << wrong << ClassState::Unusable << "semicolon";
        QTest::newRow("open quote") << "SERVER dbname='class" << wrong << ClassState::Unusable << "quote";
    }

    void connectionProblems()
    {
        QFETCH(QString, conninfo);
        QFETCH(QString, password);
        QFETCH(ClassState, state);
        QFETCH(QString, says);
        conninfo.replace(QLatin1String("SERVER"), QStringLiteral("host=") + server->socketFolder());
        if (conninfo.contains(QLatin1String("CLASS")))
            conninfo.replace(QLatin1String("CLASS"), freshDatabase(true));
        bool ok = true;
        server->sql(QStringLiteral("postgres"),
                    QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'pw_user') "
                                   "THEN CREATE ROLE pw_user LOGIN PASSWORD 'right' IN ROLE password_users; END IF; END $$"),
                    &ok);
        QVERIFY(ok);
        QTemporaryFile passwords;
        QVERIFY(passwords.open());
        passwords.write("*:*:*:pw_user:" + password.toUtf8() + '\n');
        passwords.flush();
        qputenv("PGPASSFILE", QFile::encodeName(passwords.fileName()));
        QElapsedTimer timer;
        timer.start();
        const ClassCheck check = ClassDatabase::testConnection(conninfo);
        qunsetenv("PGPASSFILE");
        QVERIFY(timer.elapsed() < (ClassConnection::defaultConnectTimeout + 5) * 1000);
        QVERIFY2(check.state == state, qPrintable(check.detail));
        QVERIFY2(ClassConnection::describe(check).contains(says), qPrintable(ClassConnection::describe(check)));
    }

    // Every game and card arrives as it was, once, however often it is sent.
    void sendAndFetch_data()
    {
        QTest::addColumn<QString>("child");
        QTest::addColumn<QString>("machine");
        QTest::addColumn<bool>("ended");
        QTest::newRow("plain") << "Ann" << "room4-pc1" << true;
        QTest::newRow("game going on") << "Ben" << "room4-pc2" << false;
        QTest::newRow("quotes and semicolons") << "O'Brien; \"Bo\"" << "pc 'one'; two" << true;
        QTest::newRow("sql-looking") << "x'); DELETE FROM sumdrop.cards; --" << "'; DROP SCHEMA sumdrop CASCADE; --"
                                     << true;
        QTest::newRow("letters beyond ascii") << "Zoë Ångström-Øre 名前" << "Šolski računalnik" << true;
        QTest::newRow("the child with no name") << "" << "pc" << true;
        QTest::newRow("question marks and colons") << "a ? b :c $1" << "?::text" << true;
    }

    void sendAndFetch()
    {
        QFETCH(QString, child);
        QFETCH(QString, machine);
        QFETCH(bool, ended);
        const QString name = freshDatabase(true);
        Connection c(server->conninfo(name));
        const SharedBatch batch = gameOf(child, machine, 25, ended);
        for (int i = 0; i < 2; ++i) {
            const ClassDatabase::SendResult sent = ClassDatabase::sendBatch(c.db, batch);
            QVERIFY2(sent.sent, qPrintable(sent.error));
            QVERIFY(sent.refused.isEmpty());
        }
        QCOMPARE(count(name, QStringLiteral("sumdrop.cards")), 25);
        QCOMPARE(count(name, QStringLiteral("sumdrop.games")), 1);
        QCOMPARE(count(name, QStringLiteral("sumdrop.children")), 1);

        const ClassDatabase::FetchResult fetched = ClassDatabase::fetchCards(c.db, QStringList{batch.games[0].childKey});
        QVERIFY2(fetched.fetched, qPrintable(fetched.error));
        QCOMPARE(fetched.skipped, 0);
        QCOMPARE(fetched.batch.games, batch.games);
        QCOMPARE(sortedByUuid(fetched.batch.cards), sortedByUuid(batch.cards));
        // Since the cursor: nothing new; another machine's next game is.
        QVERIFY(ClassDatabase::fetchCards(c.db, QStringList{batch.games[0].childKey}, fetched.cursor).batch.isEmpty());
        const SharedBatch next = gameOf(child, QStringLiteral("other"), 2);
        QVERIFY(ClassDatabase::sendBatch(c.db, next).sent);
        const ClassDatabase::FetchResult later =
            ClassDatabase::fetchCards(c.db, QStringList{batch.games[0].childKey}, fetched.cursor, machine);
        QCOMPARE(later.batch.games, next.games);
        QCOMPARE(sortedByUuid(later.batch.cards), sortedByUuid(next.cards));
        QVERIFY(ClassDatabase::fetchCards(c.db, QStringList{QStringLiteral("someone else")}).batch.isEmpty());
    }

    // What no server would take is left out, and the rest still arrives.
    void refusedRows_data()
    {
        QTest::addColumn<int>("spoil");
        QTest::newRow("fact beyond a card") << 0;
        QTest::newRow("wrong answer") << 1;
        QTest::newRow("negative seconds") << 2;
        QTest::newRow("no time") << 3;
        QTest::newRow("game not a uuid") << 4;
        QTest::newRow("card count out of range") << 5;
        QTest::newRow("name with a NUL") << 6;
    }

    void refusedRows()
    {
        QFETCH(int, spoil);
        const QString name = freshDatabase(true);
        Connection c(server->conninfo(name));
        SharedBatch good = gameOf(QStringLiteral("Cy"), QStringLiteral("pc"), 4);
        SharedBatch bad = gameOf(QStringLiteral("Di"), QStringLiteral("pc"), 2);
        SharedCard &card = bad.cards[0];
        switch (spoil) {
        case 0: card.fact = {Operation::Multiplication, 100, 3}; card.answer = 300; break;
        case 1: card.answer += 1; break;
        case 2: card.seconds = -1; break;
        case 3: card.judgedAt = {}; break;
        case 4:
            bad.games[0].uuid = QStringLiteral("'; DROP TABLE sumdrop.cards; --");
            for (SharedCard &each : bad.cards)
                each.gameUuid = bad.games[0].uuid;
            break;
        case 5: bad.games[0].setup.cardCount = -5; break;
        default: bad.games[0].setup.child = QStringLiteral("Di") + QChar(0); break;
        }
        const bool wholeGame = spoil >= 4;
        const SharedBatch both{good.games + bad.games, good.cards + bad.cards};
        const ClassDatabase::SendResult sent = ClassDatabase::sendBatch(c.db, both);
        QVERIFY2(sent.sent, qPrintable(sent.error));
        QCOMPARE(sent.refused.size(), wholeGame ? 3 : 1);
        QCOMPARE(count(name, QStringLiteral("sumdrop.cards")), wholeGame ? 4 : 5);
    }

    // A pupil adds and reads; altering or deleting is the server's to refuse.
    void pupilRights_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<bool>("teacherMay");
        QTest::newRow("delete a card") << "DELETE FROM sumdrop.cards" << true;
        QTest::newRow("alter a card") << "UPDATE sumdrop.cards SET correct = true" << false;
        QTest::newRow("delete a game") << "DELETE FROM sumdrop.games" << true;
        QTest::newRow("alter a game") << "UPDATE sumdrop.games SET machine = 'x'" << false;
        QTest::newRow("alter a game's end") << "UPDATE sumdrop.game_ends SET completed = false" << false;
        QTest::newRow("forget a child") << "DELETE FROM sumdrop.children" << true;
        QTest::newRow("rename a child") << "UPDATE sumdrop.children SET name = 'x'" << false;
        QTest::newRow("alter the marker") << "UPDATE sumdrop.info SET version = 9" << false;
        QTest::newRow("drop the cards") << "DROP TABLE sumdrop.cards" << false;
        QTest::newRow("choose the transaction")
            << "INSERT INTO sumdrop.game_ends (game, ended, completed, tx) "
               "SELECT uuid, now(), true, '1'::xid8 FROM sumdrop.games" << false;
    }

    void pupilRights()
    {
        QFETCH(QString, statement);
        QFETCH(bool, teacherMay);
        const QString name = freshDatabase(true);
        {
            Connection c(server->conninfo(name));
            SharedBatch batch = gameOf(QStringLiteral("Eve"), QStringLiteral("pc"), 3, false);
            QVERIFY(ClassDatabase::sendBatch(c.db, batch).sent);
        }
        const QString pupil = name + QLatin1String("_p");
        const QString teacher = name + QLatin1String("_t");
        QVERIFY(server->createUser(pupil, QStringLiteral("pupil's"), {ClassDatabase::pupilRole(name)}));
        QVERIFY(server->createUser(teacher, QStringLiteral("teacher's"), {ClassDatabase::teacherRole(name)}));
        QTemporaryFile passwords;
        QVERIFY(passwords.open());
        passwords.write(QStringLiteral("*:*:*:%1:pupil\\'s\n*:*:*:%2:teacher\\'s\n").arg(pupil, teacher).toUtf8());
        passwords.flush();
        qputenv("PGPASSFILE", QFile::encodeName(passwords.fileName()));
        const QString dump = QStringLiteral("SELECT (SELECT count(*) FROM sumdrop.cards), "
                                            "(SELECT string_agg(machine, ',') FROM sumdrop.games), "
                                            "(SELECT count(*) FROM sumdrop.children), "
                                            "(SELECT count(*) FROM sumdrop.game_ends)");
        const QStringList before = server->sql(name, dump);
        {
            Connection c(server->conninfo(name, pupil));
            QCOMPARE(c.check.state, ClassState::Ours);
            const ClassCheck check = ClassDatabase::checkClass(c.db);
            QCOMPARE(check.state, ClassState::Ours);
            QVERIFY(!check.isTeacher);
            QSqlQuery query(c.db);
            QVERIFY(!query.exec(statement));
            QVERIFY2(query.lastError().databaseText().contains(QRegularExpression(QStringLiteral("denied|must be owner"))),
                     qPrintable(query.lastError().databaseText()));
            QCOMPARE(server->sql(name, dump), before);
            // Still a pupil sends and reads.
            const SharedBatch more = gameOf(QStringLiteral("Eve"), QStringLiteral("pc2"), 2);
            QVERIFY2(ClassDatabase::sendBatch(c.db, more).sent, qPrintable(query.lastError().text()));
            QCOMPARE(ClassDatabase::fetchCards(c.db, QStringList{QStringLiteral("eve")}).batch.cards.size(), 5);
        }
        Connection c(server->conninfo(name, teacher));
        QVERIFY(ClassDatabase::checkClass(c.db).isTeacher);
        QSqlQuery query(c.db);
        QCOMPARE(query.exec(statement), teacherMay);
        qunsetenv("PGPASSFILE");
    }

    // Many machines at once, each batch sent twice and across each other:
    // every card once.
    void manyMachinesAtOnce()
    {
        const QString name = freshDatabase(true);
        constexpr int machines = 5;
        constexpr int perMachine = 2000;
        QList<SharedBatch> batches;
        for (int m = 0; m < machines; ++m) {
            SharedBatch batch;
            for (int g = 0; g < perMachine / 50; ++g) {
                const SharedBatch game = gameOf(QStringLiteral("Child %1").arg(g % 7), QStringLiteral("pc%1").arg(m), 50);
                batch.games += game.games;
                batch.cards += game.cards;
            }
            batches.append(batch);
        }
        const QString conninfo = server->conninfo(name);
        QList<QThread *> threads;
        QAtomicInt failures = 0;
        for (int m = 0; m < machines; ++m)
            threads.append(QThread::create([&, m] {
                Connection c(conninfo);
                for (const int which : {m, (m + 1) % machines})
                    if (!ClassDatabase::sendBatch(c.db, batches[which]).sent)
                        failures.fetchAndAddRelaxed(1);
            }));
        QElapsedTimer timer;
        timer.start();
        for (QThread *thread : threads)
            thread->start();
        for (QThread *thread : threads) {
            thread->wait();
            delete thread;
        }
        qInfo("%d cards from %d machines, each sent twice at once: %lld ms", machines * perMachine, machines,
              timer.elapsed());
        QCOMPARE(failures.loadRelaxed(), 0);
        QCOMPARE(count(name, QStringLiteral("sumdrop.cards")), machines * perMachine);
        QCOMPARE(server->sql(name, QStringLiteral("SELECT count(DISTINCT uuid) FROM sumdrop.cards")).value(0),
                 QString::number(machines * perMachine));

        // One machine's 10,000 waiting cards in one go.
        const QString single = freshDatabase(true);
        SharedBatch all;
        for (const SharedBatch &batch : batches) {
            all.games += batch.games;
            all.cards += batch.cards;
        }
        Connection c(server->conninfo(single));
        timer.restart();
        QVERIFY(ClassDatabase::sendBatch(c.db, all).sent);
        const qint64 elapsed = timer.elapsed();
        qInfo("10000 cards in one batch: %lld ms", elapsed);
        QCOMPARE(count(single, QStringLiteral("sumdrop.cards")), machines * perMachine);
        QVERIFY2(elapsed < 10000, qPrintable(QString::number(elapsed)));
    }

    // The server killed during a batch: the batch is all there or not at
    // all, and sending it again after the restart completes it once.
    void serverKilledDuringBatch()
    {
        const QString name = freshDatabase(true);
        SharedBatch batch;
        for (int g = 0; g < 40; ++g) {
            const SharedBatch game = gameOf(QStringLiteral("Fay"), QStringLiteral("pc"), 50);
            batch.games += game.games;
            batch.cards += game.cards;
        }
        for (const int delay : {5, 40, 150}) {
            {
                Connection c(server->conninfo(name));
                std::unique_ptr<QThread> killer(QThread::create([&] {
                    QThread::msleep(delay);
                    server->kill();
                }));
                killer->start();
                const bool sent = ClassDatabase::sendBatch(c.db, batch).sent;
                killer->wait();
                QVERIFY2(server->start(), qPrintable(server->error()));
                const int there = count(name, QStringLiteral("sumdrop.cards"));
                QVERIFY2(there == 0 || there == int(batch.cards.size()), qPrintable(QString::number(there)));
                if (sent)
                    QCOMPARE(there, int(batch.cards.size()));
            }
            Connection again(server->conninfo(name));
            QVERIFY(ClassDatabase::sendBatch(again.db, batch).sent);
            QCOMPARE(count(name, QStringLiteral("sumdrop.cards")), int(batch.cards.size()));
            server->sql(name, QStringLiteral("DELETE FROM sumdrop.children"));
        }
    }
};

QTEST_MAIN(ClassServerTest)
#include "tst_classserver.moc"
