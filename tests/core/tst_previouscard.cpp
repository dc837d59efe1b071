#include <QTest>

#include "entry/previouscard.h"

class TestPreviousCard : public QObject
{
    Q_OBJECT

private slots:
    void previousCardText_data();
    void previousCardText();
};

void TestPreviousCard::previousCardText_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QList<double>>("numbers"); // top, bottom, dividend, divisor, answer
    QTest::addColumn<QString>("text");          // empty: left unchanged

    QTest::newRow("+") << 15 << QList<double>{12, 7, 56, 8, 19} << "12 + 7 = 19";
    QTest::newRow("-") << 16 << QList<double>{40, 3, 0, 0, 37} << "40 - 3 = 37";
    QTest::newRow("x") << 17 << QList<double>{6, 10, 0, 0, 60} << "6 x 10 = 60";
    QTest::newRow("/ uses the dividend") << 18 << QList<double>{12, 7, 56, 8, 7} << "56 / 8 = 7";
    QTest::newRow("/ largest") << 18 << QList<double>{0, 0, 108, 9, 12} << "108 / 9 = 12";
    QTest::newRow("three-digit answer") << 17 << QList<double>{99, 9, 0, 0, 891} << "99 x 9 = 891";
    QTest::newRow("game code 19") << 19 << QList<double>{1, 1, 1, 1, 2} << "";
    QTest::newRow("no operation") << 0 << QList<double>{1, 1, 1, 1, 2} << "";
}

void TestPreviousCard::previousCardText()
{
    QFETCH(int, operation);
    QFETCH(QList<double>, numbers);
    QFETCH(QString, text);

    GameSession session;
    session.cardOperation = qint16(operation);
    session.top = numbers[0];
    session.bottom = numbers[1];
    session.dividend = numbers[2];
    session.divisor = numbers[3];
    session.answer = numbers[4];
    session.givenAnswer = 5; // the text shows the correct answer, never the player's
    QCOMPARE(::previousCardText(session).value_or(QString()), text);
}

QTEST_GUILESS_MAIN(TestPreviousCard)
#include "tst_previouscard.moc"
