#include <QSignalSpy>
#include <QTest>

#include <limits>

#include "game/gamesession.h"
#include "report/gamesummary.h"

namespace {

CardRecord card(double number, bool right = true)
{
    CardRecord record;
    record.cardNumber = number;
    record.problem = QStringLiteral("%1 + 1 = %2").arg(number).arg(number + 1);
    record.given = number + 1;
    record.right = right;
    record.cardTime = QStringLiteral("0:5");
    record.timeShown = true;
    return record;
}

void play(GameSummary &summary, int cards)
{
    for (int n = 1; n <= cards; ++n)
        summary.addCardRow(card(n));
}

QList<bool> nextFlags(const GameSummary &summary)
{
    return {summary.nextShown(1), summary.nextShown(2), summary.nextShown(3), summary.nextShown(4)};
}

} // namespace

class TestGameSummary : public QObject
{
    Q_OBJECT
private slots:
    void startsEmpty()
    {
        GameSummary summary;
        QCOMPARE(summary.resultLine(), QStringLiteral("No game to display."));
        QCOMPARE(summary.shownRowCount(), 0);
        QCOMPARE(nextFlags(summary), QList<bool>({false, false, false, false}));
    }

    void pageOfRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("page");
        QTest::newRow("column header") << 0 << 0;
        QTest::newRow("result line") << 1 << 0;
        QTest::newRow("first") << 2 << 1;
        QTest::newRow("end of page 1") << 21 << 1;
        QTest::newRow("start of page 2") << 22 << 2;
        QTest::newRow("end of page 4") << 81 << 4;
        QTest::newRow("start of page 5") << 82 << 5;
        QTest::newRow("last") << 101 << 5;
        QTest::newRow("past the end") << 102 << 0;
        QTest::newRow("negative") << -5 << 0;
    }
    void pageOfRow()
    {
        QFETCH(int, row);
        QFETCH(int, page);
        QCOMPARE(GameSummary::pageOfRow(row), page);
        if (page)
            QCOMPARE(GameSummary::rowOnPage(page, (row - 2) % 20 + 1), row);
    }

    void nextButtonsFollowTheCardCount_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<QList<bool>>("next");
        QTest::newRow("7 cards") << 7 << QList<bool>{false, false, false, false};
        QTest::newRow("page 1 full") << 20 << QList<bool>{false, false, false, false};
        QTest::newRow("card 21") << 21 << QList<bool>{true, false, false, false};
        QTest::newRow("40 cards") << 40 << QList<bool>{true, false, false, false};
        QTest::newRow("41 cards") << 41 << QList<bool>{true, true, false, false};
        QTest::newRow("61 cards") << 61 << QList<bool>{true, true, true, false};
        QTest::newRow("80 cards") << 80 << QList<bool>{true, true, true, false};
        QTest::newRow("81 cards") << 81 << QList<bool>{true, true, true, true};
        QTest::newRow("100 cards") << 100 << QList<bool>{true, true, true, true};
    }
    void nextButtonsFollowTheCardCount()
    {
        QFETCH(int, cards);
        QFETCH(QList<bool>, next);
        GameSummary summary;
        play(summary, cards);
        QCOMPARE(summary.shownRowCount(), cards);
        QCOMPARE(nextFlags(summary), next);
        QVERIFY(summary.row(cards + 1).shown);
        QVERIFY(!summary.row(cards + 2).shown);
    }

    void cardRowCells_data()
    {
        QTest::addColumn<double>("given");
        QTest::addColumn<bool>("hasGiven");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("timeShown");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("time");
        QTest::newRow("typed 0 and 7") << 7.0 << true << true << true << "7" << "0:5";
        QTest::newRow("nothing typed") << 0.0 << true << false << true << "0" << "0:5";
        QTest::newRow("three digits") << 108.0 << true << true << true << "108" << "0:5";
        QTest::newRow("timer off") << 56.0 << true << true << false << "56" << "";
        QTest::newRow("verbal, nothing recorded") << 0.0 << false << false << true << "" << "0:5";
    }
    void cardRowCells()
    {
        QFETCH(double, given);
        QFETCH(bool, hasGiven);
        QFETCH(bool, right);
        QFETCH(bool, timeShown);
        QFETCH(QString, answer);
        QFETCH(QString, time);
        GameSummary summary;
        CardRecord record = card(3, right);
        record.given = given;
        record.hasGiven = hasGiven;
        record.timeShown = timeShown;
        summary.addCardRow(record);
        const SummaryRow row = summary.row(4);
        QVERIFY(row.shown);
        QCOMPARE(row.problem, record.problem);
        QCOMPARE(row.answer, answer);
        QCOMPARE(row.time, time);
        QCOMPARE(row.timeShown, timeShown);
        QCOMPARE(row.wrong, !right);
    }

    void cardsOutsideTheSummaryAreIgnored_data()
    {
        QTest::addColumn<double>("number");
        QTest::newRow("0") << 0.0;
        QTest::newRow("101") << 101.0;
        QTest::newRow("fraction") << 1.5;
        QTest::newRow("negative") << -1.0;
        QTest::newRow("huge") << 1e300;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    }
    void cardsOutsideTheSummaryAreIgnored()
    {
        QFETCH(double, number);
        GameSummary summary;
        summary.addCardRow(card(number));
        QCOMPARE(summary.shownRowCount(), 0);
        QCOMPARE(nextFlags(summary), QList<bool>({false, false, false, false}));
    }

    void resetHidesEverythingButTheResultLine()
    {
        GameSummary summary;
        play(summary, 60);
        summary.setResultLine(QStringLiteral("   Date: 12/8/2026"));
        summary.reset();
        QCOMPARE(summary.shownRowCount(), 0);
        for (int r = GameSummary::firstRow; r <= GameSummary::lastRow; ++r)
            QVERIFY(!summary.row(r).shown && !summary.row(r).timeShown);
        QCOMPARE(nextFlags(summary), QList<bool>({false, false, false, false}));
        QCOMPARE(summary.resultLine(), QStringLiteral("   Date: 12/8/2026"));

        // A shorter game afterwards shows only its own rows.
        play(summary, 5);
        QCOMPARE(summary.shownRowCount(), 5);
        QCOMPARE(summary.shownRows().size(), 5);
    }

    void timerOnAgainShowsTimes()
    {
        GameSummary summary;
        CardRecord untimed = card(1);
        untimed.timeShown = false;
        summary.addCardRow(untimed);
        QVERIFY(!summary.row(2).timeShown);
        summary.reset();
        summary.addCardRow(card(1));
        QVERIFY(summary.row(2).timeShown);
        QCOMPARE(summary.row(2).time, QStringLiteral("0:5"));
    }

    void loadedRowsShowEveryCell()
    {
        GameSummary summary;
        summary.setRow(2, QStringLiteral("1 + 1 = 2"), QStringLiteral("2"), QString(), true);
        summary.setRow(23, QStringLiteral("2 + 2 = 4"), QStringLiteral("4"), QStringLiteral("0:3"), false);
        summary.setRow(102, QStringLiteral("ignored"), QString(), QString(), false);
        const SummaryRow first = summary.row(2);
        QVERIFY(first.shown && first.timeShown && first.wrong);
        QCOMPARE(first.time, QString());
        QVERIFY(summary.row(23).shown && !summary.row(23).wrong);
        QCOMPARE(nextFlags(summary), QList<bool>({true, false, false, false}));
        // Row 3 is hidden, so the shown run stops after row 2.
        QCOMPARE(summary.shownRowCount(), 1);
    }

    void observersHearEveryChange()
    {
        GameSummary summary;
        QSignalSpy spy(&summary, &GameSummary::changed);
        summary.addCardRow(card(1));
        summary.setResultLine(QStringLiteral("x"));
        summary.setRow(3, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), false);
        summary.reset();
        summary.clearPages();
        QCOMPARE(spy.count(), 5);
    }
};

QTEST_GUILESS_MAIN(TestGameSummary)
#include "tst_gamesummary.moc"
