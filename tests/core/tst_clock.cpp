#include <QTest>

#include "game/clock.h"

namespace {

ClockOptions options(bool timer, bool gameLimit, bool cardLimit, int minutes = 1, int seconds = 10)
{
    return {timer, gameLimit, cardLimit, minutes, qint16(seconds)};
}

// A running game as the game flow drives it: the clocks start with the timer
// option, and a card that runs out is closed and its clock restarted.
struct Run
{
    explicit Run(const ClockOptions &options) : options(options)
    {
        session.state = 1;
        if (options.timer) {
            const ClockTexts start = startClocks(session, options);
            totalTime = start.totalTime;
            cardTime = start.cardTime;
        }
    }

    TickEvent tick()
    {
        const TickResult result = tickClocks(session, options);
        totalTime = result.totalTime.value_or(totalTime);
        cardTime = result.cardTime.value_or(cardTime);
        if (result.event == TickEvent::CardTimedOut) {
            ++cardTimeOuts;
            session.cardTimedOut = 0;
            cardTime = restartCardClock(session, options).value_or(cardTime);
        }
        if (result.event == TickEvent::GameTimedOut)
            ++gameTimeOuts;
        return result.event;
    }

    ClockOptions options;
    GameSession session;
    QString totalTime;
    QString cardTime;
    int cardTimeOuts = 0;
    int gameTimeOuts = 0;
};

int secondsOf(const QString &clock)
{
    const QStringList parts = clock.split(u':');
    return parts[0].toInt() * 60 + parts[1].toInt();
}

} // namespace

class TestClock : public QObject
{
    Q_OBJECT

private slots:
    void clockText_data();
    void clockText();
    void start_data();
    void start();
    void ticks_data();
    void ticks();
    void gameLimitLastsWholeMinutes_data();
    void gameLimitLastsWholeMinutes();
    void idleTickDoesNothing();
    void restartCardClock_data();
    void restartCardClock();
    void playedGameTime_data();
    void playedGameTime();
};

void TestClock::clockText_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("0:5") << 0 << 5 << "0:5";
    QTest::newRow("1:0") << 1 << 0 << "1:0";
    QTest::newRow("12:34") << 12 << 34 << "12:34";
    QTest::newRow("0:0") << 0 << 0 << "0:0";
}

void TestClock::clockText()
{
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(::clockText(minutes, seconds), text);
}

void TestClock::start_data()
{
    QTest::addColumn<ClockOptions>("options");
    QTest::addColumn<QString>("totalTime");
    QTest::addColumn<QString>("cardTime");

    QTest::newRow("no limit") << options(true, false, false) << "0:0" << "0:0";
    QTest::newRow("game limit 5") << options(true, true, false, 5) << "5:0" << "0:0";
    QTest::newRow("game limit 30") << options(true, true, false, 30) << "30:0" << "0:0";
    QTest::newRow("card limit 10") << options(true, false, true, 1, 10) << "0:0" << "0:10";
    QTest::newRow("card limit 5") << options(true, false, true, 1, 5) << "0:0" << "0:5";
    QTest::newRow("both ticked: game wins") << options(true, true, true, 2, 5) << "2:0" << "0:0";
}

void TestClock::start()
{
    QFETCH(ClockOptions, options);
    QFETCH(QString, totalTime);
    QFETCH(QString, cardTime);

    GameSession session;
    session.gameMinutes = 3;
    session.gameSeconds = 7;
    session.cardMinutes = 1;
    session.cardSeconds = 9;
    session.elapsedSeconds = 500;
    const ClockTexts texts = startClocks(session, options);
    QCOMPARE(texts.totalTime, totalTime);
    QCOMPARE(texts.cardTime, cardTime);
    QCOMPARE(session.cardMinutes + session.cardSeconds + session.elapsedSeconds, 0.0);
}

void TestClock::ticks_data()
{
    QTest::addColumn<ClockOptions>("options");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("totalTime");
    QTest::addColumn<QString>("cardTime");
    QTest::addColumn<int>("cardTimeOuts");

    QTest::newRow("no limit 5 s") << options(true, false, false) << 5 << "0:5" << "0:5" << 0;
    QTest::newRow("no limit 60 s") << options(true, false, false) << 60 << "1:0" << "1:0" << 0;
    QTest::newRow("no limit 75 s") << options(true, false, false) << 75 << "1:15" << "1:15" << 0;
    QTest::newRow("no limit 754 s") << options(true, false, false) << 754 << "12:34" << "12:34" << 0;
    QTest::newRow("card limit, first tick") << options(true, false, true, 1, 10) << 1 << "0:1" << ":9" << 0;
    QTest::newRow("card limit, ninth tick") << options(true, false, true, 1, 10) << 9 << "0:9" << ":1" << 0;
    QTest::newRow("card limit, tenth tick") << options(true, false, true, 1, 10) << 10 << "0:10" << "0:10" << 1;
    QTest::newRow("card limit, next card") << options(true, false, true, 1, 10) << 13 << "0:13" << ":7" << 1;
    QTest::newRow("card limit, many cards") << options(true, false, true, 1, 2) << 125 << "2:5" << ":1" << 62;
    QTest::newRow("game limit, first tick") << options(true, true, false, 1) << 1 << "0:59" << "0:1" << 0;
    QTest::newRow("game limit, 59th tick") << options(true, true, false, 1) << 59 << "0:1" << "0:59" << 0;
    QTest::newRow("game limit 5, 61 ticks") << options(true, true, false, 5) << 61 << "3:59" << "1:1" << 0;
    QTest::newRow("game limit ticked, timer off") << options(false, true, false, 1) << 75 << "1:15" << "1:15" << 0;
    QTest::newRow("card limit ticked, timer off") << options(false, false, true, 1, 10) << 30 << "0:30" << "0:30" << 0;
}

void TestClock::ticks()
{
    QFETCH(ClockOptions, options);
    QFETCH(int, ticks);
    QFETCH(QString, totalTime);
    QFETCH(QString, cardTime);
    QFETCH(int, cardTimeOuts);

    Run run(options);
    for (int i = 0; i < ticks; ++i)
        run.tick();
    QCOMPARE(run.totalTime, totalTime);
    QCOMPARE(run.cardTime, cardTime);
    QCOMPARE(run.cardTimeOuts, cardTimeOuts);
    QCOMPARE(run.gameTimeOuts, 0);
    QCOMPARE(run.session.elapsedSeconds, double(ticks));
}

void TestClock::gameLimitLastsWholeMinutes_data()
{
    QTest::addColumn<int>("minutes");
    for (const int minutes : {1, 2, 5, 30})
        QTest::addRow("%d min", minutes) << minutes;
}

void TestClock::gameLimitLastsWholeMinutes()
{
    QFETCH(int, minutes);
    Run run(options(true, true, false, minutes));
    QCOMPARE(run.totalTime, QStringLiteral("%1:0").arg(minutes));
    const int limit = minutes * 60;
    for (int tick = 1; tick < limit; ++tick) {
        QCOMPARE(run.tick(), TickEvent::Nothing);
        QCOMPARE(secondsOf(run.totalTime), limit - tick); // one second per tick, never below 0:1
    }
    QCOMPARE(run.tick(), TickEvent::GameTimedOut);
    QCOMPARE(run.totalTime, QStringLiteral("0:0"));
    // Played on after a No: the clock stays at 0:0 and does not ask again.
    for (int tick = 0; tick < 90; ++tick)
        QCOMPARE(run.tick(), TickEvent::Nothing);
    QCOMPARE(run.totalTime, QStringLiteral("0:0"));
    QCOMPARE(run.session.elapsedSeconds, double(limit + 90));
}

void TestClock::idleTickDoesNothing()
{
    GameSession session;
    session.gameSeconds = 4;
    const TickResult result = tickClocks(session, options(true, false, false));
    QCOMPARE(result.event, TickEvent::Nothing);
    QVERIFY(!result.totalTime && !result.cardTime);
    QCOMPARE(session.gameSeconds, 4.0);
    QCOMPARE(session.elapsedSeconds, 0.0);
}

void TestClock::restartCardClock_data()
{
    QTest::addColumn<ClockOptions>("options");
    QTest::addColumn<double>("cardSeconds");
    QTest::addColumn<QString>("cardTime"); // null: the box keeps its text
    QTest::addColumn<bool>("timedOutOnNextTick");

    QTest::newRow("card limit 5") << options(true, false, true, 1, 5) << 0.0 << "0:5" << false;
    QTest::newRow("card limit 10") << options(true, false, true, 1, 10) << 0.0 << "0:10" << false;
    QTest::newRow("no limit") << options(true, false, false) << 0.0 << QString() << false;
    QTest::newRow("card limit, timer off") << options(false, false, true, 1, 5) << 0.0 << QString() << false;
    QTest::newRow("game limit") << options(true, true, false) << 0.0 << QString() << false;
    // A card clock already past its limit closes the card instead of counting below zero.
    QTest::newRow("clock past the limit") << options(true, false, true, 1, 5) << 12.0 << "0:5" << true;
}

void TestClock::restartCardClock()
{
    QFETCH(ClockOptions, options);
    QFETCH(double, cardSeconds);
    QFETCH(QString, cardTime);
    QFETCH(bool, timedOutOnNextTick);

    GameSession session;
    session.state = 1;
    session.cardSeconds = cardSeconds;
    session.cardMinutes = 2;
    if (timedOutOnNextTick) {
        QCOMPARE(tickClocks(session, options).event, TickEvent::CardTimedOut);
        QCOMPARE(session.cardTimedOut, qint16(1));
    }
    QCOMPARE(::restartCardClock(session, options).value_or(QString()), cardTime);
    QCOMPARE(session.cardMinutes + session.cardSeconds, 0.0);
}

void TestClock::playedGameTime_data()
{
    QTest::addColumn<ClockOptions>("options");
    QTest::addColumn<double>("elapsed");
    QTest::addColumn<QString>("time");

    QTest::newRow("count-down, 125 s") << options(true, true, false, 5) << 125.0 << "2:5";
    QTest::newRow("count-down, 60 s") << options(true, true, false, 5) << 60.0 << "1:0";
    QTest::newRow("count-down, 59 s") << options(true, true, false, 5) << 59.0 << "0:59";
    QTest::newRow("count-down, nothing") << options(true, true, false, 5) << 0.0 << "0:0";
    QTest::newRow("counting up: as shown") << options(true, false, false) << 125.0 << "shown";
    QTest::newRow("card limit: as shown") << options(true, false, true) << 125.0 << "shown";
}

void TestClock::playedGameTime()
{
    QFETCH(ClockOptions, options);
    QFETCH(double, elapsed);
    QFETCH(QString, time);

    GameSession session;
    session.elapsedSeconds = elapsed;
    QCOMPARE(::playedGameTime(session, options, QStringLiteral("shown")), time);
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
