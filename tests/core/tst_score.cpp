#include <QTest>

#include "game/score.h"

class TestScore : public QObject
{
    Q_OBJECT

private slots:
    void roundedScore_data();
    void roundedScore();
    void roundedScoreIsNearestWithHalvesToEven();
    void endTexts_data();
    void endTexts();
    void resultLine_data();
    void resultLine();
};

void TestScore::roundedScore_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("cards");
    QTest::addColumn<int>("percent");

    QTest::newRow("12.5 down to even") << 5 << 40 << 12;
    QTest::newRow("87.5 up to even") << 35 << 40 << 88;
    QTest::newRow("37.5 up to even") << 3 << 8 << 38;
    QTest::newRow("57.5 up to even") << 23 << 40 << 58;
    QTest::newRow("57.5 of 80 cards") << 46 << 80 << 58;
    QTest::newRow("two thirds") << 20 << 30 << 67;
    QTest::newRow("one third") << 10 << 30 << 33;
    QTest::newRow("seventy") << 7 << 10 << 70;
    QTest::newRow("none right") << 0 << 10 << 0;
    QTest::newRow("all right") << 100 << 100 << 100;
    QTest::newRow("no cards") << 0 << 0 << 0;
}

void TestScore::roundedScore()
{
    QFETCH(int, right);
    QFETCH(int, cards);
    QFETCH(int, percent);
    QCOMPARE(::roundedScore(right, cards), percent);
}

void TestScore::roundedScoreIsNearestWithHalvesToEven()
{
    for (int cards = 10; cards <= 100; ++cards) {
        for (int right = 0; right <= cards; ++right) {
            const int p = ::roundedScore(right, cards);
            // Exact: |100 right / cards - p| <= 1/2, and a tie goes to an even p.
            const int twiceGap = 2 * std::abs(100 * right - p * cards);
            QVERIFY2(twiceGap < cards || (twiceGap == cards && p % 2 == 0),
                     qPrintable(QStringLiteral("%1 of %2 gave %3").arg(right).arg(cards).arg(p)));
        }
    }
}

void TestScore::endTexts_data()
{
    QTest::addColumn<int>("cardNumber");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("scoreLine");
    QTest::addColumn<QString>("message"); // completed: the Game Complete text; else the Stop Game? question

    QTest::newRow("7 of 10")
        << 11 << 7 << 10 << "     You got 7 right out of 10. That's a score of 70%"
        << "You got 7 right out of 10. That's a score of 70%";
    QTest::newRow("20 of 30")
        << 31 << 20 << 30 << "     You got 20 right out of 30. That's a score of 67%"
        << "You got 20 right out of 30. That's a score of 66.6666666666667%";
    QTest::newRow("5 of 40")
        << 41 << 5 << 40 << "     You got 5 right out of 40. That's a score of 12%"
        << "You got 5 right out of 40. That's a score of 12.5%";
    QTest::newRow("23 of 40")
        << 41 << 23 << 40 << "     You got 23 right out of 40. That's a score of 58%"
        << "You got 23 right out of 40. That's a score of 57.5%";
    QTest::newRow("none right")
        << 11 << 0 << 10 << "     You got 0 right out of 10. That's a score of 0%"
        << "You got 0 right out of 10. That's a score of 0%";
    QTest::newRow("stopped after 4")
        << 5 << 3 << 20 << "       You did not complete this game. You did 4 cards."
        << "You did not complete this game. You did 4 cards out of 20.\r\nAre you sure you want to stop?";
    QTest::newRow("stopped before any card")
        << 1 << 0 << 10 << "       You did not complete this game. You did 0 cards."
        << "You did not complete this game. You did 0 cards out of 10.\r\nAre you sure you want to stop?";
    QTest::newRow("stopped on the last card")
        << 10 << 9 << 10 << "       You did not complete this game. You did 9 cards."
        << "You did not complete this game. You did 9 cards out of 10.\r\nAre you sure you want to stop?";
}

void TestScore::endTexts()
{
    QFETCH(int, cardNumber);
    QFETCH(int, right);
    QFETCH(int, cards);
    QFETCH(QString, scoreLine);
    QFETCH(QString, message);

    GameSession session;
    session.cardNumber = cardNumber;
    session.rightCount = qint16(right);
    QCOMPARE(::scoreLine(session, cards), scoreLine);
    QCOMPARE(gameCompleted(session, cards) ? gameCompleteText(session, cards) : stopGameText(session, cards),
             message);
}

void TestScore::resultLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("gameTime"); // null: the timer option was off
    QTest::addColumn<QString>("line");

    const QString score = QStringLiteral("     You got 7 right out of 10. That's a score of 70%");
    QTest::newRow("name, no timer")
        << "Ann" << QString() << "Results for: Ann   Date: 12/8/2026" + score;
    QTest::newRow("no name, timer")
        << "" << "2:5" << "   Date: 12/8/2026         Game Time 2:5" + score;
    QTest::newRow("name, timer")
        << "Bo" << "0:0" << "Results for: Bo   Date: 12/8/2026         Game Time 0:0" + score;
    QTest::newRow("a blank is a name") << " " << QString() << "Results for:     Date: 12/8/2026" + score;
}

void TestScore::resultLine()
{
    QFETCH(QString, name);
    QFETCH(QString, gameTime);
    QFETCH(QString, line);
    const QString score = QStringLiteral("     You got 7 right out of 10. That's a score of 70%");
    const std::optional<QString> time = gameTime.isNull() ? std::nullopt : std::optional<QString>(gameTime);
    QCOMPARE(::resultLine(resultsForName(name), QStringLiteral("12/8/2026"), time, score), line);
}

QTEST_GUILESS_MAIN(TestScore)
#include "tst_score.moc"
