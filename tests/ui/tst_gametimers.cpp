#include <QAction>
#include <QSlider>

#include "help/helpintro.h"
#include "report/gamesummary.h"
#include "report/summarypage.h"
#include "report/summarywindows.h"
#include "ui/gamedriver.h"

namespace {

enum class Limit { None, Game, Card };

} // namespace

// The game and card clocks, ticked by hand: no test waits for real seconds.
class GameTimersTest : public QObject
{
    Q_OBJECT

    QTemporaryDir home;

private:
    std::unique_ptr<GameDriver> timedGame(Limit limit, int amount, bool summary = false, bool timer = true)
    {
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.timerOn = true;
        setup.showSummary = summary;
        setup.soundsOn = true;
        auto driver = std::make_unique<GameDriver>(setup);
        if (!driver->started())
            return nullptr;
        SetupPanel &panel = driver->setup();
        if (limit == Limit::Game) {
            panel.chkCountDown->setChecked(true);
            panel.sldCountDown->setValue(amount);
            [&] { QCOMPARE(driver->program->settings.gameTimeLimit, amount); }();
        } else if (limit == Limit::Card) {
            panel.chkCardTime->setChecked(true);
            panel.sldCardTime->setValue(amount);
            [&] { QCOMPARE(int(driver->program->settings.cardTimeLimit), amount); }();
        }
        // A limit box ticked under a timer switched off after it.
        panel.chkTimer->setChecked(timer);
        for (int n = 1; n <= 10; ++n)
            driver->queueAddition(n, 10);
        driver->clickStart();
        return driver;
    }

    void tick(GameDriver &driver, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            driver.game().timers().timerTick();
    }

private slots:
    void init() { useEmptyHistory(home); }

    void cardLimit()
    {
        auto driver = timedGame(Limit::Card, 10);
        QVERIFY(driver);
        QLineEdit *cardTime = driver->clocks().txtCardTime;
        QVERIFY(cardTime->isVisible());
        // The clock's large bold face, given only as it first shows.
        QCOMPARE(cardTime->font().pointSize(), 16);
        QVERIFY(cardTime->font().bold());
        QCOMPARE(cardTime->text(), QStringLiteral("0:10"));
        for (int left = 9; left >= 1; --left) {
            tick(*driver);
            QCOMPARE(cardTime->text(), QStringLiteral(":%1").arg(left));
        }
        QCOMPARE(driver->session().cardNumber, 1.0);
        QTest::keyClick(driver->focused(), Qt::Key_1); // typed but never entered
        tick(*driver);
        QCOMPARE(driver->session().cardNumber, 2.0);
        QCOMPARE(cardTime->text(), QStringLiteral("0:10"));
        const SummaryRow row = driver->program->summary.row(2);
        QCOMPARE(row.problem, QStringLiteral("1 + 10 = 11"));
        QCOMPARE(row.answer, QStringLiteral("0"));
        QVERIFY(row.wrong);
        QVERIFY(row.timeShown);
        QCOMPARE(row.time, QStringLiteral(":1"));
        QVERIFY(driver->platform.sounds.isEmpty());
        QCOMPARE(driver->feedback().lblPrevious->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(driver->session().cardTimedOut, qint16(0));

        // An answer restarts the card clock as well.
        tick(*driver, 3);
        driver->typeSeparate(12);
        QCOMPARE(driver->program->summary.row(3).time, QStringLiteral(":7"));
        QCOMPARE(cardTime->text(), QStringLiteral("0:10"));
    }

    void gameLimit_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<bool>("summary");
        QTest::newRow("1 minute") << 1 << false;
        QTest::newRow("2 minutes") << 2 << false;
        QTest::newRow("1 minute with the summary") << 1 << true;
    }

    void gameLimit()
    {
        QFETCH(int, minutes);
        QFETCH(bool, summary);
        auto driver = timedGame(Limit::Game, minutes, summary);
        QVERIFY(driver);
        QLineEdit *total = driver->clocks().txtTotalTime;
        QCOMPARE(total->text(), QStringLiteral("%1:0").arg(minutes));
        tick(*driver);
        QCOMPARE(total->text(), QStringLiteral("%1:59").arg(minutes - 1));
        driver->typeSeparate(11);
        tick(*driver, minutes * 60 - 2);
        QCOMPARE(total->text(), QStringLiteral("0:1"));
        QCOMPARE(driver->session().state, qint16(1));
        tick(*driver);
        // Time is up: the game ends without asking whether to stop, and says how it went.
        QCOMPARE(driver->session().state, qint16(0));
        const QString timeUp = QStringLiteral("Time's up! You got 1 right out of 1 cards.");
        if (summary) {
            QVERIFY(driver->platform.messages.isEmpty());
        } else {
            QCOMPARE(driver->platform.messages.size(), 1);
            QCOMPARE(driver->platform.messages[0].title, QStringLiteral("Time's Up"));
            QCOMPARE(driver->platform.messages[0].text, timeUp);
            QCOMPARE(driver->platform.messages[0].buttons, Platform::Buttons::Ok);
        }
        QCOMPARE(driver->session().scoreLine, QStringLiteral("       ") + timeUp);
        QCOMPARE(driver->program->summary.resultLine(),
                 QStringLiteral("   Date: 12/8/2026         Game Time %1:0").arg(minutes) + driver->session().scoreLine);
        QVERIFY(!driver->window()->board->Timer1->isActive());
        QVERIFY(total->isHidden());
        tick(*driver, 5); // a stray tick after the end changes nothing
        QCOMPARE(driver->session().state, qint16(0));
        QCOMPARE(driver->program->summary.shownRowCount(), 1);
    }

    void countUp()
    {
        auto driver = timedGame(Limit::None, 0);
        QVERIFY(driver);
        QCOMPARE(driver->clocks().txtTotalTime->text(), QStringLiteral("0:0"));
        QCOMPARE(driver->clocks().txtCardTime->text(), QStringLiteral("0:0"));
        tick(*driver, 5);
        QCOMPARE(driver->clocks().txtTotalTime->text(), QStringLiteral("0:5"));
        driver->typeSeparate(11);
        QCOMPARE(driver->program->summary.row(2).time, QStringLiteral("0:5"));
        tick(*driver);
        QCOMPARE(driver->clocks().txtCardTime->text(), QStringLiteral("0:1"));
        tick(*driver, 69);
        QCOMPARE(driver->clocks().txtTotalTime->text(), QStringLiteral("1:15"));
        QCOMPARE(driver->clocks().txtCardTime->text(), QStringLiteral("1:10"));
        QCOMPARE(driver->session().elapsedSeconds, 75.0);
    }

    void limitsOnlyWithTheTimer_data()
    {
        QTest::addColumn<int>("limit");
        QTest::newRow("card limit") << int(Limit::Card);
        QTest::newRow("game limit") << int(Limit::Game);
    }

    void limitsOnlyWithTheTimer()
    {
        QFETCH(int, limit);
        auto driver = timedGame(Limit(limit), 2, false, false);
        QVERIFY(driver);
        tick(*driver, 200);
        QCOMPARE(driver->session().state, qint16(1));
        QCOMPARE(driver->session().cardNumber, 1.0);
        QCOMPARE(driver->program->summary.shownRowCount(), 0);
        driver->clickStart();
        QVERIFY(!driver->program->summary.resultLine().contains(QStringLiteral("Game Time")));
    }

    void stillBehindAQuestion_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("amount");
        QTest::newRow("card limit") << int(Limit::Card) << 2;
        QTest::newRow("game limit") << int(Limit::Game) << 1;
        QTest::newRow("no limit") << int(Limit::None) << 0;
    }

    void stillBehindAQuestion()
    {
        QFETCH(int, limit);
        QFETCH(int, amount);
        auto driver = timedGame(Limit(limit), amount);
        QVERIFY(driver);
        tick(*driver);
        const QString total = driver->clocks().txtTotalTime->text();
        const QString card = driver->clocks().txtCardTime->text();
        driver->platform.duringMessage = [&](const FakePlatform::Message &) { tick(*driver, 120); };
        driver->platform.answers.push_back(Platform::Answer::No);
        driver->clickStart();
        QCOMPARE(driver->platform.messages.size(), 1);
        QCOMPARE(driver->session().state, qint16(1));
        QCOMPARE(driver->session().cardNumber, 1.0);
        QCOMPARE(driver->session().elapsedSeconds, 1.0);
        QCOMPARE(driver->clocks().txtTotalTime->text(), total);
        QCOMPARE(driver->clocks().txtCardTime->text(), card);
        QCOMPARE(driver->program->summary.shownRowCount(), 0);
        // The clocks go on from where they stood.
        driver->platform.duringMessage = nullptr;
        tick(*driver);
        QCOMPARE(driver->session().elapsedSeconds, 2.0);
    }

    void gameTimeInTheResultLine_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("time");
        QTest::newRow("count-down of 5 minutes, 125 seconds played") << int(Limit::Game) << 125 << "2:5";
        QTest::newRow("counting up") << int(Limit::None) << 75 << "1:15";
        QTest::newRow("card limit") << int(Limit::Card) << 4 << "0:4";
    }

    void gameTimeInTheResultLine()
    {
        QFETCH(int, limit);
        QFETCH(int, ticks);
        QFETCH(QString, time);
        auto driver = timedGame(Limit(limit), 5);
        QVERIFY(driver);
        tick(*driver, ticks);
        driver->clickStart();
        QCOMPARE(driver->session().state, qint16(0));
        QVERIFY2(driver->program->summary.resultLine().startsWith(
                     QStringLiteral("   Date: 12/8/2026         Game Time ") + time + QStringLiteral("       ")),
                 qPrintable(driver->program->summary.resultLine()));
    }

    // The help holds the main window until the introduction's own Close,
    // whatever ends behind it.
    void helpHoldsTheMainWindow_data()
    {
        QTest::addColumn<bool>("summary");
        QTest::newRow("game time runs out") << false;
        QTest::newRow("then the summary page is closed") << true;
    }

    void helpHoldsTheMainWindow()
    {
        QFETCH(bool, summary);
        auto driver = timedGame(Limit::Game, 1, summary);
        QVERIFY(driver);
        MainWindow *window = driver->window();
        driver->typeSeparate(11);
        window->mnuContents->trigger();
        tick(*driver, 60);
        QCOMPARE(driver->session().state, qint16(0));
        if (summary) {
            SummaryPage *page = driver->program->summaryWindows().createdPage(1);
            QVERIFY(page && page->isVisible());
            QTest::mouseClick(page->cmdSumClose, Qt::LeftButton);
        }
        QVERIFY(!window->isEnabled());
        QTest::mouseClick(driver->program->frmHelpIntro()->Command1, Qt::LeftButton);
        QVERIFY(window->isEnabled());
    }
};

QTEST_MAIN(GameTimersTest)
#include "tst_gametimers.moc"
