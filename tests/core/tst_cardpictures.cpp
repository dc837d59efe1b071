#include <QTest>

#include "game/cardpictures.h"

using PictureIds = QList<int>;

class TestCardPictures : public QObject
{
    Q_OBJECT

private slots:
    void stackedCard_data();
    void stackedCard();
    void divisionCard_data();
    void divisionCard();
};

void TestCardPictures::stackedCard_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<bool>("smallSet");
    QTest::addColumn<int>("sign"); // 0: the sign box is left alone
    QTest::addColumn<PictureIds>("digits"); // top tens, top units, bottom tens, bottom units

    QTest::newRow("7 + 5") << 15 << 7 << 5 << false << 106 << PictureIds{117, 114, 117, 112};
    QTest::newRow("7 + 5 small") << 15 << 7 << 5 << true << 143 << PictureIds{133, 140, 133, 138};
    QTest::newRow("top 40") << 16 << 40 << 3 << false << 105 << PictureIds{111, 107, 117, 110};
    QTest::newRow("top 40 small") << 16 << 40 << 3 << true << 145 << PictureIds{137, 147, 133, 136};
    QTest::newRow("bottom 10") << 17 << 6 << 10 << false << 101 << PictureIds{117, 113, 108, 107};
    QTest::newRow("bottom 10 small") << 17 << 6 << 10 << true << 144 << PictureIds{133, 139, 134, 147};
    QTest::newRow("99 x 99") << 17 << 99 << 99 << false << 101 << PictureIds{116, 116, 116, 116};
    QTest::newRow("idle card") << 18 << 0 << 0 << false << 0 << PictureIds{117, 107, 117, 107};
}

void TestCardPictures::stackedCard()
{
    QFETCH(int, operation);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(bool, smallSet);
    QFETCH(int, sign);
    QFETCH(PictureIds, digits);

    GameSession session;
    session.cardOperation = qint16(operation);
    session.topTens = top / 10;
    session.topUnits = top % 10;
    session.bottomTens = bottom / 10;
    session.bottomUnits = bottom % 10;
    const StackedCardPictures pictures = stackedCardPictures(session, smallSet);
    QCOMPARE(pictures.sign.value_or(0), sign);
    QCOMPARE((PictureIds{pictures.topTens, pictures.topUnits, pictures.bottomTens, pictures.bottomUnits}), digits);
}

void TestCardPictures::divisionCard_data()
{
    QTest::addColumn<int>("dividend");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<bool>("smallSet");
    QTest::addColumn<PictureIds>("pictures"); // divisor, hundreds, tens, units

    QTest::newRow("56 / 8") << 56 << 8 << false << PictureIds{158, 180, 155, 156};
    QTest::newRow("108 / 9") << 108 << 9 << false << PictureIds{159, 151, 160, 158};
    QTest::newRow("108 / 9 small") << 108 << 9 << true << PictureIds{169, 161, 170, 168};
    QTest::newRow("6 / 2") << 6 << 2 << false << PictureIds{152, 180, 180, 156};
    QTest::newRow("6 / 2 small") << 6 << 2 << true << PictureIds{162, 190, 190, 166};
    QTest::newRow("10 / 2, units 0") << 10 << 2 << false << PictureIds{152, 180, 151, 160};
    QTest::newRow("100 / 5, tens and units 0") << 100 << 5 << false << PictureIds{155, 151, 160, 160};
    QTest::newRow("99 / 9") << 99 << 9 << true << PictureIds{169, 190, 169, 169};
}

void TestCardPictures::divisionCard()
{
    QFETCH(int, dividend);
    QFETCH(int, divisor);
    QFETCH(bool, smallSet);
    QFETCH(PictureIds, pictures);

    GameSession session;
    session.cardOperation = Operation::Division;
    session.dividend = dividend;
    session.divisor = divisor;
    const DivisionCardPictures card = divisionCardPictures(session, smallSet);
    QCOMPARE((PictureIds{card.divisor, card.hundreds, card.tens, card.units}), pictures);
}

QTEST_GUILESS_MAIN(TestCardPictures)
#include "tst_cardpictures.moc"
