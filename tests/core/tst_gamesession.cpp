#include <QTest>

#include "game/gamesession.h"

class TestGameSession : public QObject
{
    Q_OBJECT

private slots:
    void functionSetForTickedBoxes_data();
    void functionSetForTickedBoxes();
    void resetCardFieldsKeepsTheRest();
};

void TestGameSession::functionSetForTickedBoxes_data()
{
    QTest::addColumn<bool>("addition");
    QTest::addColumn<bool>("subtraction");
    QTest::addColumn<bool>("multiplication");
    QTest::addColumn<bool>("division");
    QTest::addColumn<int>("code");

    QTest::newRow("none") << false << false << false << false << 0;
    QTest::newRow("+") << true << false << false << false << 15;
    QTest::newRow("-") << false << true << false << false << 16;
    QTest::newRow("x") << false << false << true << false << 17;
    QTest::newRow("/") << false << false << false << true << 18;
    QTest::newRow("+-") << true << true << false << false << 9;
    QTest::newRow("+x") << true << false << true << false << 10;
    QTest::newRow("+/") << true << false << false << true << 11;
    QTest::newRow("-x") << false << true << true << false << 12;
    QTest::newRow("-/") << false << true << false << true << 13;
    QTest::newRow("x/") << false << false << true << true << 14;
    QTest::newRow("-x/") << false << true << true << true << 4;
    QTest::newRow("+-x") << true << true << true << false << 5;
    QTest::newRow("+-/") << true << true << false << true << 7;
    QTest::newRow("+x/") << true << false << true << true << 8;
    QTest::newRow("+-x/") << true << true << true << true << 19;
}

void TestGameSession::functionSetForTickedBoxes()
{
    QFETCH(bool, addition);
    QFETCH(bool, subtraction);
    QFETCH(bool, multiplication);
    QFETCH(bool, division);
    QFETCH(int, code);
    QCOMPARE(int(functionSetFor(addition, subtraction, multiplication, division)), code);
}

void TestGameSession::resetCardFieldsKeepsTheRest()
{
    GameSession session;
    session.top = 47;
    session.bottom = 9;
    session.topTens = 4;
    session.topUnits = 7;
    session.bottomTens = 0;
    session.bottomUnits = 9;
    session.answer = 38;
    session.cardNumber = 3;
    session.divisor = 7;
    session.resetCardFields();
    QCOMPARE(session.top + session.bottom + session.topTens + session.topUnits + session.bottomUnits, 0.0);
    // The previous card's answer and the counters survive for the previous-card display.
    QCOMPARE(session.answer, 38.0);
    QCOMPARE(session.cardNumber, 3.0);
    QCOMPARE(session.divisor, 7.0);
}

QTEST_GUILESS_MAIN(TestGameSession)
#include "tst_gamesession.moc"
