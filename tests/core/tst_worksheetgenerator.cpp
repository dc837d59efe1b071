#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSet>
#include <QTest>


#include "queuedsource.h"
#include "worksheet/worksheetgenerator.h"

namespace {

// r that makes a + floor(r * (b - a + 1)) give value.
double rFor(int value, int low, int high)
{
    return (value - low + 0.5) / (high - low + 1);
}

WorksheetSetup advanced(int topMin, int topMax, int bottomMin, int bottomMax)
{
    WorksheetSetup setup;
    setup.advancedRange = true;
    setup.topMin = topMin;
    setup.topMax = topMax;
    setup.bottomMin = bottomMin;
    setup.bottomMax = bottomMax;
    setup.cardCount = 100;
    return setup;
}

// Basic mode with both limits at 99: bottoms can have two digits.
WorksheetSetup basicMultiplication(int cardCount)
{
    WorksheetSetup setup;
    setup.multiplication = true;
    setup.topLimit = setup.bottomLimit = 99;
    setup.cardCount = cardCount;
    return setup;
}

struct Parsed
{
    QChar sign;
    int top = 0;
    int bottom = 0;
};

// Reads " 14" over "+ 3" back, checking the three-character texts on the way.
Parsed parse(const WorksheetProblem &problem)
{
    static const QRegularExpression topPattern(QStringLiteral("^( \\d|\\d\\d| {2}\\d)$"));
    static const QRegularExpression bottomPattern(QStringLiteral("^([+x-])( \\d|\\d\\d)$"));
    Parsed parsed;
    const auto bottom = bottomPattern.match(problem.bottom);
    if (problem.top.size() != 3 || !bottom.hasMatch() || (problem.top.trimmed().size() == 1) != (problem.top[1] == u' '))
        return parsed;
    parsed.sign = bottom.captured(1)[0];
    parsed.top = problem.top.trimmed().toInt();
    parsed.bottom = bottom.captured(2).trimmed().toInt();
    return parsed;
}

} // namespace

class TestWorksheetGenerator : public QObject
{
    Q_OBJECT
private slots:
    void twoDigitNumbersGoOnTop_data()
    {
        QTest::addColumn<bool>("subtraction");
        QTest::newRow("addition") << false;
        QTest::newRow("subtraction") << true;
    }
    void twoDigitNumbersGoOnTop()
    {
        QFETCH(bool, subtraction);
        WorksheetSetup setup = advanced(1, 5, 10, 20);
        setup.addition = !subtraction;
        setup.subtraction = subtraction;
        SeededSource random(1);
        const QList<WorksheetProblem> problems = generateWorksheet(setup, random);
        QCOMPARE(problems.size(), 100);
        for (const WorksheetProblem &problem : problems) {
            const Parsed parsed = parse(problem);
            QVERIFY2(parsed.top >= 10 && parsed.top <= 20, qPrintable(problem.top));
            QVERIFY2(parsed.bottom >= 1 && parsed.bottom <= 5, qPrintable(problem.bottom));
            QCOMPARE(parsed.sign, subtraction ? u'-' : u'+');
            QCOMPARE(problem.bottom[1], u' ');
        }
    }

    void subtractionNeverGoesNegative()
    {
        WorksheetSetup setup = advanced(1, 99, 1, 99);
        setup.subtraction = true;
        SeededSource random(5);
        for (const WorksheetProblem &problem : generateWorksheet(setup, random)) {
            const Parsed parsed = parse(problem);
            QCOMPARE(parsed.sign, u'-');
            QVERIFY2(parsed.top >= parsed.bottom, qPrintable(problem.top + problem.bottom));
        }
    }

    void multiplicationBottomsFollowTheRange()
    {
        const WorksheetSetup setup = basicMultiplication(100);
        SeededSource random(11);
        int twoDigitBottoms = 0;
        for (int sheet = 0; sheet < 5; ++sheet) {
            for (const WorksheetProblem &problem : generateWorksheet(setup, random)) {
                const Parsed parsed = parse(problem);
                QCOMPARE(parsed.sign, u'x');
                QVERIFY2(parsed.top * parsed.bottom <= 999, qPrintable(problem.top + problem.bottom));
                twoDigitBottoms += parsed.bottom > 9;
            }
        }
        QVERIFY(twoDigitBottoms > 0);
    }

    void forcedNumbers_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<QString>("topText");
        QTest::addColumn<QString>("bottomText");
        QTest::newRow("two digits over two") << 21 << 47 << " 21" << "x47";
        QTest::newRow("one digit over one") << 7 << 8 << "  7" << "x 8";
        QTest::newRow("one digit over two, exchanged") << 3 << 47 << " 47" << "x 3";
        QTest::newRow("largest product") << 27 << 37 << " 27" << "x37";
    }
    void forcedNumbers()
    {
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(QString, topText);
        QFETCH(QString, bottomText);
        const WorksheetSetup setup = basicMultiplication(10);
        QueuedSource random;
        random.values = {rFor(top, 1, 99), rFor(bottom, 1, 99)};
        const QList<WorksheetProblem> problems = generateWorksheet(setup, random);
        QCOMPARE(problems.first(), (WorksheetProblem{topText, bottomText, top * bottom}));
    }

    void productsOver999AreDrawnAgain()
    {
        const WorksheetSetup setup = basicMultiplication(10);
        QueuedSource random;
        // 99 x 99 is refused, then 12 x 11 is taken.
        random.values = {rFor(99, 1, 99), rFor(99, 1, 99), rFor(12, 1, 99), rFor(11, 1, 99)};
        QCOMPARE(generateWorksheet(setup, random).first(), (WorksheetProblem{" 12", "x11", 132}));
    }

    void operationIsDrawnAgainWithTheNumbers()
    {
        WorksheetSetup setup = advanced(10, 99, 10, 99);
        setup.addition = true;
        setup.multiplication = true;
        setup.cardCount = 10;
        QueuedSource random;
        // Multiplication with 50 x 60 is refused; the next draw picks addition.
        random.values = {0.9, rFor(50, 10, 99), rFor(60, 10, 99), 0.1, rFor(41, 10, 99), rFor(42, 10, 99)};
        QCOMPARE(generateWorksheet(setup, random).first(), (WorksheetProblem{" 41", "+42", 83}));
    }

    void division_data()
    {
        QTest::addColumn<int>("divisorLow");
        QTest::addColumn<int>("divisorHigh");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<int>("quotient");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::newRow("7 into 7") << 7 << 7 << 7 << 1 << "___" << "7) 7";
        QTest::newRow("7 into 56") << 7 << 7 << 7 << 8 << "___" << "7)56";
        QTest::newRow("9 into 108") << 2 << 9 << 9 << 12 << "____" << "9)108";
        QTest::newRow("3 into 6") << 2 << 9 << 3 << 2 << "___" << "3) 6";
        QTest::newRow("divisor 0 becomes 2") << 0 << 0 << 0 << 5 << "___" << "2)10";
        QTest::newRow("divisor 1 becomes 3") << 1 << 1 << 1 << 3 << "___" << "3) 9";
    }
    void division()
    {
        QFETCH(int, divisorLow);
        QFETCH(int, divisorHigh);
        QFETCH(int, divisor);
        QFETCH(int, quotient);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        WorksheetSetup setup;
        setup.division = true;
        setup.divisorLow = divisorLow;
        setup.divisorHigh = divisorHigh;
        QueuedSource random;
        // Top and bottom are drawn first and not used.
        random.values = {0.5, 0.5, rFor(divisor, divisorLow, divisorHigh), rFor(quotient, 1, 12)};
        QCOMPARE(generateWorksheet(setup, random).first(), (WorksheetProblem{top, bottom, quotient}));
        QCOMPARE(random.overruns, 9 * 4); // nine more problems of four draws each
    }

    void divisorSevenGivesItsTimesTable()
    {
        WorksheetSetup setup;
        setup.division = true;
        setup.divisorLow = setup.divisorHigh = 7;
        setup.cardCount = 100;
        SeededSource random(3);
        QSet<QString> seen;
        for (int sheet = 0; sheet < 3; ++sheet)
            for (const WorksheetProblem &problem : generateWorksheet(setup, random)) {
                QCOMPARE(problem.top, QStringLiteral("___"));
                seen.insert(problem.bottom);
            }
        QSet<QString> table;
        for (int q = 1; q <= 12; ++q)
            table.insert(QStringLiteral("7)") + (q == 1 ? QStringLiteral(" ") : QString()) + QString::number(7 * q));
        QCOMPARE(seen, table);
    }

    void divisionIgnoresTheNumberRanges()
    {
        WorksheetSetup narrow = advanced(1, 1, 1, 1);
        narrow.division = true;
        narrow.divisorLow = 2;
        narrow.divisorHigh = 9;
        WorksheetSetup wide = narrow;
        wide.advancedRange = false;
        wide.topLimit = wide.bottomLimit = 99;
        SeededSource first(9);
        SeededSource second(9);
        QCOMPARE(generateWorksheet(narrow, first), generateWorksheet(wide, second));
    }

    void rangesOfTheCurrentMode_data()
    {
        QTest::addColumn<bool>("advancedRange");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        QTest::newRow("basic: 1 to the limits") << false << 1 << 9;
        QTest::newRow("advanced: minimum to maximum") << true << 60 << 70;
    }
    void rangesOfTheCurrentMode()
    {
        QFETCH(bool, advancedRange);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        WorksheetSetup setup = advanced(60, 70, 60, 70);
        setup.advancedRange = advancedRange;
        setup.topLimit = setup.bottomLimit = 9;
        setup.addition = true;
        SeededSource random(4);
        int seenLowest = 100;
        int seenHighest = 0;
        for (const WorksheetProblem &problem : generateWorksheet(setup, random)) {
            const Parsed parsed = parse(problem);
            seenLowest = std::min({seenLowest, parsed.top, parsed.bottom});
            seenHighest = std::max({seenHighest, parsed.top, parsed.bottom});
        }
        QCOMPARE(seenLowest, lowest);
        QCOMPARE(seenHighest, highest);
    }

    void allFourOperationsAppear()
    {
        WorksheetSetup setup = advanced(1, 20, 1, 20);
        setup.addition = setup.subtraction = setup.multiplication = setup.division = true;
        SeededSource random(8);
        QSet<QChar> signs;
        for (const WorksheetProblem &problem : generateWorksheet(setup, random))
            signs.insert(problem.bottom.contains(u')') ? u'/' : problem.bottom[0]);
        QCOMPARE(signs, (QSet<QChar>{u'+', u'-', u'x', u'/'}));
    }

    void problemCount_data()
    {
        QTest::addColumn<int>("cardCount");
        QTest::addColumn<int>("problems");
        QTest::newRow("10") << 10 << 10;
        QTest::newRow("25") << 25 << 25;
        QTest::newRow("100") << 100 << 100;
        QTest::newRow("never more than a page") << 150 << 100;
        QTest::newRow("negative") << -3 << 0;
    }
    void problemCount()
    {
        QFETCH(int, cardCount);
        QFETCH(int, problems);
        WorksheetSetup setup;
        setup.addition = true;
        setup.cardCount = cardCount;
        QueuedSource random;
        QCOMPARE(generateWorksheet(setup, random).size(), problems);
    }

    void unusableOperations_data()
    {
        QTest::addColumn<bool>("addition");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<QList<WorksheetOperation>>("drawable");
        QTest::newRow("every product over 999") << false << 32 << QList<WorksheetOperation>{};
        QTest::newRow("addition still works") << true << 32 << QList<WorksheetOperation>{WorksheetOperation::Addition};
        QTest::newRow("31 x 32 = 992 is the one left")
            << false << 31 << QList<WorksheetOperation>{WorksheetOperation::Multiplication};
        QTest::newRow("both usable") << true << 10
                                     << QList<WorksheetOperation>{WorksheetOperation::Addition,
                                                                  WorksheetOperation::Multiplication};
    }
    void unusableOperations()
    {
        QFETCH(bool, addition);
        QFETCH(int, minimum);
        QFETCH(QList<WorksheetOperation>, drawable);
        WorksheetSetup setup = advanced(minimum, 99, minimum + (minimum == 31), 99);
        setup.addition = addition;
        setup.multiplication = true;
        QCOMPARE(drawableOperations(setup), drawable);
        SeededSource random(2);
        QElapsedTimer timer;
        timer.start();
        const QList<WorksheetProblem> problems = generateWorksheet(setup, random);
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(problems.size(), drawable.isEmpty() ? 0 : 100);
        for (const WorksheetProblem &problem : problems) {
            const Parsed parsed = parse(problem);
            QVERIFY(parsed.sign == u'+' || parsed.top * parsed.bottom <= 999);
            if (!drawable.contains(WorksheetOperation::Multiplication))
                QCOMPARE(parsed.sign, u'+');
        }
    }

    void noOperationTickedGivesNothing()
    {
        WorksheetSetup setup;
        QueuedSource random;
        QVERIFY(drawableOperations(setup).isEmpty());
        QVERIFY(generateWorksheet(setup, random).isEmpty());
    }

    void aStuckRandomSourceStillEnds_data()
    {
        QTest::addColumn<double>("r");
        QTest::newRow("just below 1") << 0.9999;
        QTest::newRow("1 itself") << 1.0;
        QTest::newRow("negative") << -0.5;
    }
    void aStuckRandomSourceStillEnds()
    {
        QFETCH(double, r);
        const WorksheetSetup setup = basicMultiplication(10);
        QueuedSource random;
        random.fallback = r;
        const QList<WorksheetProblem> problems = generateWorksheet(setup, random);
        QCOMPARE(problems.size(), 10);
        for (const WorksheetProblem &problem : problems) {
            const Parsed parsed = parse(problem);
            QVERIFY(parsed.top >= 1 && parsed.bottom >= 1 && parsed.top * parsed.bottom <= 999);
        }
    }
};

QTEST_GUILESS_MAIN(TestWorksheetGenerator)
#include "tst_worksheetgenerator.moc"
