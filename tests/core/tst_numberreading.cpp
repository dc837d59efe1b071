#include <QElapsedTimer>
#include <QTest>

#include <cmath>
#include <random>

#include "entry/numberreading.h"

class TestNumberReading : public QObject
{
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void separateBoxes_data();
    void separateBoxes();
    void hugeTextsReadQuickly_data();
    void hugeTextsReadQuickly();
    void blanksNeverChangeTheNumber();
};

void TestNumberReading::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("one blank") << " " << 0.0;
    QTest::newRow("plain") << "42" << 42.0;
    QTest::newRow("letter ends it") << "12a" << 12.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("leading blanks") << "   7" << 7.0;
    QTest::newRow("tab and line breaks are blanks") << "\t1\r\n2" << 12.0;
    QTest::newRow("blank between digits") << "1 5" << 15.0;
    QTest::newRow("trailing blank") << "4 " << 4.0;
    QTest::newRow("leading zeros") << "0042" << 42.0;
    QTest::newRow("minus counts") << "-5" << -5.0;
    QTest::newRow("blank after the sign") << "- 5" << -5.0;
    QTest::newRow("plus counts") << "+5" << 5.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("minus zero is zero") << "-0" << 0.0;
    QTest::newRow("second minus ends it") << "5-3" << 5.0;
    QTest::newRow("fraction") << "1.5" << 1.5;
    QTest::newRow("fraction without units") << ".5" << 0.5;
    QTest::newRow("point at the end") << "5." << 5.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("comma is no decimal point") << "12,5" << 12.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("capital exponent") << "2E2" << 200.0;
    QTest::newRow("negative exponent") << "5e-1" << 0.5;
    QTest::newRow("blank inside exponent") << "2e 1" << 20.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "7e+x" << 7.0;
    QTest::newRow("exponent without mantissa") << "e3" << 0.0;
    QTest::newRow("too large to hold") << "1e400" << 0.0;
    QTest::newRow("too small to hold") << "1e-400" << 0.0;
    QTest::newRow("hex prefix is not a number") << "&H10" << 0.0;
    QTest::newRow("no-break space is no blank") << "\u00a012" << 0.0;
    QTest::newRow("arabic-indic digits") << "\u0661\u0662" << 0.0;
    QTest::newRow("full-width digits") << "\uff11\uff12" << 0.0;
    QTest::newRow("digit then full-width") << "3\uff11" << 3.0;
    QTest::newRow("vulgar half") << "\u00bd" << 0.0;
    QTest::newRow("emoji after digits") << "9\U0001F600" << 9.0;
    QTest::newRow("nul character") << QString(QChar(0)) + "5" << 0.0;
}

void TestNumberReading::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const double read = ::readNumber(text);
    QCOMPARE(read, value);
    QVERIFY(!std::signbit(read) || read < 0);
}

void TestNumberReading::separateBoxes_data()
{
    QTest::addColumn<QString>("hundreds");
    QTest::addColumn<QString>("tens");
    QTest::addColumn<QString>("units");
    QTest::addColumn<double>("value");

    QTest::newRow("empty hundreds") << "" << "4" << "2" << 42.0;
    QTest::newRow("blank hundreds") << " " << "2" << "5" << 25.0;
    QTest::newRow("blank units") << " " << "4" << " " << 4.0;
    QTest::newRow("empty tens closes up") << "1" << "" << "5" << 15.0;
    QTest::newRow("blank tens closes up") << "1" << " " << "5" << 15.0;
    QTest::newRow("three digits") << "1" << "0" << "8" << 108.0;
    QTest::newRow("units only") << " " << " " << "7" << 7.0;
    QTest::newRow("all blank") << " " << " " << " " << 0.0;
    QTest::newRow("all empty") << "" << "" << "" << 0.0;
}

void TestNumberReading::separateBoxes()
{
    QFETCH(QString, hundreds);
    QFETCH(QString, tens);
    QFETCH(QString, units);
    QFETCH(double, value);
    QCOMPARE(readSeparateBoxes(hundreds, tens, units), value);
}

void TestNumberReading::hugeTextsReadQuickly_data()
{
    const qsizetype size = 1'000'000;
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("a million digits") << QString(size, u'9') << 0.0;
    QTest::newRow("a million zeros then 7") << QString(size, u'0') + "7" << 7.0;
    QTest::newRow("a million blanks then 3") << QString(size, u' ') + "3" << 3.0;
    QTest::newRow("a million fraction digits") << "0." + QString(size, u'3') << 1.0 / 3;
    QTest::newRow("exponent of a million digits") << "1e" + QString(size, u'9') << 0.0;
    QTest::newRow("a million letters") << QString(size, u'e') << 0.0;
}

void TestNumberReading::hugeTextsReadQuickly()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(::readNumber(text), value);
    QVERIFY2(clock.elapsed() < 2000, "reading must stay linear");
}

void TestNumberReading::blanksNeverChangeTheNumber()
{
    // Random texts from the characters that matter: the value is always
    // finite, and blanks anywhere never change it.
    const QString alphabet = QStringLiteral("0123456789+-.eE x,\t\u0663\u00a0");
    std::mt19937 engine(2024);
    std::uniform_int_distribution<qsizetype> pickChar(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> pickLength(0, 12);
    for (int i = 0; i < 20000; ++i) {
        QString text;
        for (int n = pickLength(engine); n > 0; --n)
            text += alphabet.at(pickChar(engine));
        const double value = ::readNumber(text);
        QVERIFY2(std::isfinite(value), qPrintable(text));
        QString squeezed = text;
        squeezed.remove(u' ').remove(u'\t');
        QVERIFY2(::readNumber(squeezed) == value, qPrintable(text));
    }
}

QTEST_GUILESS_MAIN(TestNumberReading)
#include "tst_numberreading.moc"
