#include <QtTest>

#include "history/classprint.h"
#include "history/mastery.h"
#include "history/practisedraw.h"
#include "history/progressprint.h"
#include "platform/datetext.h"
#include "queuedsource.h"

namespace {

// "R2.5 W12 R6" = right in 2.5 s, wrong in 12 s, right in 6 s, oldest first.
QList<Attempt> attemptsOf(const QString &text)
{
    QList<Attempt> attempts;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        attempts.append({word.front() == QLatin1Char('R'), word.mid(1).toDouble()});
    return attempts;
}

constexpr qint16 add = Operation::Addition;
constexpr qint16 sub = Operation::Subtraction;
constexpr qint16 mul = Operation::Multiplication;
constexpr qint16 dvd = Operation::Division;

GeneratorSettings basicSettings()
{
    GeneratorSettings settings;
    settings.topLimit = 12;
    settings.bottomLimit = 12;
    settings.divisorLow = 2;
    settings.divisorHigh = 9;
    settings.divisionResultLimit = 10;
    return settings;
}

} // namespace

Q_DECLARE_METATYPE(Mastery)
Q_DECLARE_METATYPE(Fact)

class MasteryTest : public QObject
{
    Q_OBJECT

private slots:
    void state_data()
    {
        QTest::addColumn<QString>("attempts");
        QTest::addColumn<double>("fluency");
        QTest::addColumn<Mastery>("expected");
        QTest::newRow("never dealt") << "" << 6.0 << Mastery::NotSeen;
        QTest::newRow("one fluent right") << "R2" << 6.0 << Mastery::Learning;
        QTest::newRow("two fluent rights") << "R2 R3" << 6.0 << Mastery::Mastered;
        QTest::newRow("exactly at the limit is fluent") << "R6 R6" << 6.0 << Mastery::Mastered;
        QTest::newRow("a millisecond over is not") << "R6 R6.001" << 6.0 << Mastery::Learning;
        QTest::newRow("slow rights only learn") << "R7 R8 R9" << 6.0 << Mastery::Learning;
        QTest::newRow("same rights within 12 s") << "R7 R8 R9" << 12.0 << Mastery::Mastered;
        QTest::newRow("within 3 s is stricter") << "R4 R4 R4" << 3.0 << Mastery::Learning;
        QTest::newRow("last wrong after mastery") << "R1 R1 W1" << 6.0 << Mastery::NeedsWork;
        QTest::newRow("timed out last") << "R2 R2 W10" << 6.0 << Mastery::NeedsWork;
        QTest::newRow("two wrongs of three, last right") << "W1 W1 R1" << 6.0 << Mastery::NeedsWork;
        QTest::newRow("one wrong of three, two fluent") << "R1 W1 R1" << 6.0 << Mastery::Mastered;
        QTest::newRow("only the last three count") << "W1 W1 W1 R1 R1" << 6.0 << Mastery::Mastered;
        QTest::newRow("old mastery is forgotten") << "R1 R1 R1 W9 W9" << 6.0 << Mastery::NeedsWork;
        QTest::newRow("verbal card marked right, 0 s") << "R0 R0" << 6.0 << Mastery::Mastered;
        QTest::newRow("right but one fluent") << "W1 R9 R2" << 6.0 << Mastery::Learning;
    }
    void state()
    {
        QFETCH(QString, attempts);
        QFETCH(double, fluency);
        QFETCH(Mastery, expected);
        QCOMPARE(masteryOf(attemptsOf(attempts), fluency), expected);
    }

    void describe()
    {
        const Fact fact{mul, 7, 8};
        QCOMPARE(factDescription(summarise(recordOf(fact, attemptsOf("R3 W9 R4.2 R5 W4.4")), 6)),
                 QStringLiteral("7 x 8 = 56: 5 tries, 3 right, median 4.4 s, needs work"));
        QCOMPARE(factDescription(summarise(recordOf({dvd, 56, 8}, {}), 6)), QString::fromUtf8("56 ÷ 8 = 7: not seen"));
    }

    void gridCells_data()
    {
        QTest::addColumn<Fact>("fact");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column"); // -1: not on the grid
        QTest::newRow("7 + 8 by its numbers") << Fact{add, 7, 8} << 7 << 8;
        QTest::newRow("0 + 12 on the edge") << Fact{add, 0, 12} << 0 << 12;
        QTest::newRow("13 + 1 beyond") << Fact{add, 13, 1} << -1 << -1;
        QTest::newRow("15 - 8 = 7 at row 8, column 7") << Fact{sub, 15, 8} << 8 << 7;
        QTest::newRow("25 - 12 = 13 beyond") << Fact{sub, 25, 12} << -1 << -1;
        QTest::newRow("9 - 0 = 9 at row 0") << Fact{sub, 9, 0} << 0 << 9;
        QTest::newRow("12 x 12") << Fact{mul, 12, 12} << 12 << 12;
        QTest::newRow("56 / 8 = 7 at row 8, column 7") << Fact{dvd, 56, 8} << 8 << 7;
        QTest::newRow("144 / 12 = 12") << Fact{dvd, 144, 12} << 12 << 12;
        QTest::newRow("by 0 never") << Fact{dvd, 0, 0} << -1 << -1;
        QTest::newRow("with a remainder never") << Fact{dvd, 7, 2} << -1 << -1;
    }
    void gridCells()
    {
        QFETCH(Fact, fact);
        QFETCH(int, row);
        QFETCH(int, column);
        const auto cell = gridCellOf(fact);
        QCOMPARE(cell.has_value(), row >= 0);
        if (cell) {
            QCOMPARE(cell->row, row);
            QCOMPARE(cell->column, column);
            QCOMPARE(factAtCell(fact.operation, *cell), fact);
        }
    }

    void gridCounts()
    {
        AttemptHistory history;
        history[{mul, 7, 8}] = attemptsOf("R1 R1");
        history[{mul, 47, 38}] = attemptsOf("R1 R1"); // beyond the grid
        history[{add, 7, 8}] = attemptsOf("R1 R1");
        const MasteryGrid grid = masteryGrid(recordsOf(history), mul, 6);
        QCOMPARE(masteredCountText(grid), QStringLiteral("Mastered 1 of 169"));
        QCOMPARE(grid.at({7, 8}).state, Mastery::Mastered);
        QCOMPARE(grid.at({8, 7}).state, Mastery::NotSeen);
        QCOMPARE(masteredCountText(masteryGrid(recordsOf(history), dvd, 6)), QStringLiteral("Mastered 0 of 156"));
    }

    void hardestOrder()
    {
        AttemptHistory history;
        history[{add, 1, 1}] = attemptsOf("R1 R1");       // mastered
        history[{add, 47, 38}] = attemptsOf("W3 W3 W3"); // needs work, none right
        history[{add, 2, 2}] = attemptsOf("R1 R1 W2");    // needs work, two thirds right
        history[{add, 3, 3}] = attemptsOf("R9");          // learning, slow
        history[{add, 4, 4}] = attemptsOf("R8");          // learning, less slow
        history[{mul, 9, 9}] = attemptsOf("W1");          // another operation
        QList<Fact> order;
        for (const FactSummary &fact : hardestFacts(recordsOf(history), add, 6, 4))
            order.append(fact.fact);
        QCOMPARE(order, (QList<Fact>{{add, 47, 38}, {add, 2, 2}, {add, 3, 3}, {add, 4, 4}}));
    }

    void weakPick_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("picked");
        // Weights 4 (needs work), 2 (learning), 1 (mastered): shares 4/7, 2/7, 1/7.
        QTest::newRow("start") << 0.0 << 0;
        QTest::newRow("end of needs work") << 3.99 / 7 << 0;
        QTest::newRow("start of learning") << 4.0 / 7 << 1;
        QTest::newRow("start of mastered") << 6.0 / 7 << 2;
        QTest::newRow("r of exactly 1") << 1.0 << 2;
    }
    void weakPick()
    {
        QFETCH(double, r);
        QFETCH(int, picked);
        const QList<WeakFact> facts = {{{add, 1, 1}, Mastery::NeedsWork},
                                       {{add, 2, 2}, Mastery::Learning},
                                       {{add, 3, 3}, Mastery::Mastered}};
        QCOMPARE(pickWeakFact(facts, r), facts.at(picked).fact);
    }

    void factsInRange()
    {
        AttemptHistory history;
        for (const Fact &fact : {Fact{add, 7, 8}, Fact{add, 47, 38}, Fact{sub, 9, 4}, Fact{sub, 4, 9},
                                 Fact{mul, 5, 9}, Fact{mul, 5, 10}, Fact{dvd, 56, 8}, Fact{dvd, 99, 11},
                                 Fact{dvd, 20, 2}})
            history[fact] = attemptsOf("W1");
        GameSession ranges;
        QList<Fact> found;
        for (const WeakFact &weak : weakFactsFor(recordsOf(history), 6, 19, ranges, basicSettings()))
            found.append(weak.fact);
        // Basic multiplication bottoms stop at 9, quotients at 10, divisors at 9.
        QCOMPARE(found, (QList<Fact>{{add, 7, 8}, {sub, 9, 4}, {mul, 5, 9}, {dvd, 20, 2}, {dvd, 56, 8}}));
        QVERIFY(weakFactsFor(recordsOf(history), 6, add, ranges, basicSettings()).size() == 1);
    }

    // Card 1 is weak (r < 0.5), card 2 normal and missed; card 4 cannot be
    // 7 + 8 again, and card 5, a practice card, is the missed 3 + 4.
    void practiseDraw()
    {
        PractiseDraw draw({{{add, 7, 8}, Mastery::NeedsWork}, {{add, 1, 2}, Mastery::Mastered}});
        GameSession session;
        session.functionSet = add;
        QueuedSource random({0.1, 0.0,                 // weak: 7 + 8
                             0.9, 2.5 / 12, 3.5 / 12,  // normal: 3 + 4
                             0.1, 0.0,                 // weak: 7 + 8
                             0.1, 0.0,                 // weak, but 7 + 8 was last: 1 + 2
                             0.1});                    // practice: the missed 3 + 4 is due
        QList<Fact> dealt;
        for (int card = 1; card <= 5; ++card) {
            QVERIFY(draw.deal(session, card, basicSettings(), random));
            dealt.append(cardFact(session));
            draw.judged(cardFact(session), card != 2, card);
        }
        QCOMPARE(dealt, (QList<Fact>{{add, 7, 8}, {add, 3, 4}, {add, 7, 8}, {add, 1, 2}, {add, 3, 4}}));
        QVERIFY(random.values.empty());
        QCOMPARE(random.overruns, 0);
        QCOMPARE(session.answer, 7.0);
    }

    // A child who misses every card: missed facts come back, but no more than
    // every other card, and the game meets at least half as many different
    // facts as a game without a history.
    void missesLeaveRoomForNewFacts_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("10 cards") << 10 << 1u;
        QTest::newRow("100 cards") << 100 << 2u;
        QTest::newRow("100 cards, another seed") << 100 << 3u;
    }
    void missesLeaveRoomForNewFacts()
    {
        QFETCH(int, cards);
        QFETCH(unsigned, seed);
        GameSession session;
        session.functionSet = add;
        SeededSource random(seed);
        QSet<Fact> without;
        for (int card = 1; card <= cards; ++card) {
            QVERIFY(generateCard(session, basicSettings(), random));
            without.insert(cardFact(session));
        }
        // The history of an earlier game, every card of it missed.
        AttemptHistory history;
        for (int top = 1; top <= 3; ++top)
            history[{add, top, top + 1}] = attemptsOf("W3 W3 W3");
        PractiseDraw draw(weakFactsFor(recordsOf(history), 6, add, session, basicSettings()));
        QSet<Fact> with;
        QSet<Fact> missed;
        int returns = 0;
        for (int card = 1; card <= cards; ++card) {
            QVERIFY(draw.deal(session, card, basicSettings(), random));
            const Fact fact = cardFact(session);
            returns += missed.contains(fact) ? 1 : 0;
            missed.insert(fact);
            with.insert(fact);
            draw.judged(fact, false, card);
        }
        QVERIFY2(2 * with.size() >= without.size(), qPrintable(QStringLiteral("%1 against %2").arg(with.size()).arg(without.size())));
        QVERIFY2(returns <= cards * 0.7, qPrintable(QString::number(returns)));
    }

    void practiseDrawStaysInRange_data()
    {
        QTest::addColumn<bool>("advanced");
        QTest::addColumn<FunctionSet>("functions");
        QTest::newRow("basic, all four") << false << FunctionSet(19);
        QTest::newRow("advanced, subtraction") << true << FunctionSet(sub);
        QTest::newRow("advanced, + x") << true << FunctionSet(10);
    }
    void practiseDrawStaysInRange()
    {
        QFETCH(bool, advanced);
        QFETCH(FunctionSet, functions);
        GeneratorSettings settings = basicSettings();
        settings.advancedRange = advanced;
        GameSession session;
        session.functionSet = functions;
        session.rangeTopMin = 5;
        session.rangeTopMax = 9;
        session.rangeBottomMin = 2;
        session.rangeBottomMax = 4; // below the top range: no subtraction is turned over
        AttemptHistory history;
        for (int a = 0; a <= 20; ++a)
            for (int b = 0; b <= 20; ++b)
                for (const qint16 operation : {add, sub, mul})
                    history[{operation, a, b}] = attemptsOf(a % 3 ? "W1" : "R1 R1");
        for (int d = 1; d <= 12; ++d)
            for (int q = 0; q <= 12; ++q)
                history[{dvd, d * q, d}] = attemptsOf("W1");
        SeededSource random(7);
        PractiseDraw draw(weakFactsFor(recordsOf(history), 6, functions, session, settings));
        std::optional<Fact> previous;
        for (int card = 1; card <= 5000; ++card) {
            QVERIFY(draw.deal(session, card, settings, random));
            const Fact fact = cardFact(session);
            QVERIFY2(previous != fact, qPrintable(factText(fact)));
            previous = fact;
            const int low = advanced ? 5 : 1, high = advanced ? 9 : 12;
            const int bottomLow = advanced ? 2 : 1, bottomHigh = advanced ? 4 : 12;
            const auto within = [](int n, int a, int b) { return n >= a && n <= b; };
            bool fits = false;
            if (fact.operation == dvd)
                fits = within(fact.bottom, 2, 9) && fact.top % fact.bottom == 0 && within(fact.top / fact.bottom, 1, 10);
            else if (fact.operation == sub)
                fits = fact.top > fact.bottom && within(fact.top, low, high)
                    && within(fact.bottom, advanced ? bottomLow : 1, advanced ? bottomHigh : fact.top);
            else
                fits = within(fact.top, low, high)
                    && within(fact.bottom, bottomLow, fact.operation == mul && !advanced ? 9 : bottomHigh);
            QVERIFY2(fits, qPrintable(factText(fact)));
            draw.judged(fact, card % 4 != 0, card);
        }
    }

    // Every game shows a point for its seconds, one game too; a day is named
    // once however many games it had.
    void trendChart_data()
    {
        QTest::addColumn<QList<int>>("days"); // the day in December of each game, oldest first
        QTest::addColumn<QList<int>>("named");
        QTest::newRow("one game") << QList<int>{9} << QList<int>{9};
        QTest::newRow("three games on one day") << QList<int>{9, 9, 9} << QList<int>{9};
        QTest::newRow("two days") << QList<int>{7, 7, 8, 8, 8} << QList<int>{7, 8};
    }
    void trendChart()
    {
        QFETCH(QList<int>, days);
        QFETCH(QList<int>, named);
        QList<GameTrend> games;
        for (const int day : days)
            games.append({QDateTime(QDate(2026, 12, day), QTime(12, 0)), 10, 7, 4.5});
        QStringList dayNames;
        for (const int day : days)
            dayNames.append(monthDayText(QDate(2026, 12, day)));
        int points = 0;
        QStringList labels;
        for (const PrintItem &item : trendChartItems(games, QRectF(0, 0, 6.5, 1.35), 8)) {
            if (const auto *box = std::get_if<PrintBox>(&item); box && box->fill == PrintColour{220, 110, 0})
                ++points;
            if (const auto *text = std::get_if<PrintText>(&item); text && dayNames.contains(text->text))
                labels.append(text->text);
        }
        QCOMPARE(points, int(days.size()));
        QStringList expected;
        for (const int day : named)
            expected.append(monthDayText(QDate(2026, 12, day)));
        QCOMPARE(labels, expected);
    }

    void printedPages()
    {
        AttemptHistory history;
        history[{add, 7, 8}] = attemptsOf("W1");
        history[{dvd, 56, 8}] = attemptsOf("R1 R1 R1");
        const FactRecords records = recordsOf(history);
        ProgressReport report;
        report.child = QStringLiteral("Zoë");
        for (const qint16 operation : {add, dvd})
            report.sections.append({masteryGrid(records, operation, 6), hardestFacts(records, operation, 6, 10),
                                    {{QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC), 10, 7, 3.5}}});
        const QDateTime practised(QDate(2026, 12, 7), QTime(9, 0));
        report.practice = practiceDays({{practised, practised.addSecs(720), practised.addSecs(700)}}, QDate(2026, 12, 8));
        const QList<PrintPage> pages = progressPrintPages(report);
        QCOMPARE(pages.size(), 3);
        const QList<PrintBox> boxes = pages[0].boxes();
        // The grid's cells, 4 legend swatches, one score bar, its seconds point and the legend's bar.
        QCOMPARE(boxes.size(), 169 + 4 + 3);
        QCOMPARE(pages[1].boxes().size(), 156 + 4 + 3);
        // Addition's cell 7 + 8: row 7 below the header row, column 8 right of the header column.
        const auto cell = std::find_if(boxes.begin(), boxes.end(), [](const PrintBox &box) {
            return qAbs(box.rect.left() - (0.5 + 9 * 0.3)) < 1e-9 && qAbs(box.rect.top() - (1.35 + 8 * 0.3)) < 1e-9;
        });
        QVERIFY(cell != boxes.end());
        QCOMPARE(cell->fill, masteryColour(Mastery::NeedsWork));
        QStringList texts;
        for (const PrintText &text : pages[0].texts())
            texts.append(text.text);
        QVERIFY(texts.contains(QStringLiteral("Sumdrop progress: Zoë")));
        QVERIFY(texts.contains(QStringLiteral("Addition: Mastered 0 of 169")));
        QVERIFY(texts.contains(factDescription(report.sections[0].hardest[0])));
        QVERIFY(texts.contains(QStringLiteral("70%")) == false); // axis shows 0, 50 and 100 only
        // The last page: the time practised, its legend swatch and one day's bar.
        QStringList time;
        for (const PrintText &text : pages[2].texts())
            time.append(text.text);
        QVERIFY(time.contains(QStringLiteral("Sumdrop progress: Zoë")));
        QVERIFY(time.contains(QStringLiteral("This week: 12 minutes. Longest run: 1 day in a row.")));
        QVERIFY(time.contains(monthDayText(QDate(2026, 12, 8)))); // today is always named
        QCOMPARE(pages[2].boxes().size(), 2);
        // Every item stays on a Letter page inside half-inch margins.
        for (const PrintPage &page : pages)
            for (const PrintText &text : page.texts())
                QVERIFY2(text.at.y() >= 0 && text.at.y() < 10.0 - 0.1, qPrintable(text.text));
    }

    // The colour steps: three quarters exactly is the top step, and a fact
    // no child has practised is told apart from one nobody has mastered.
    void classShare_data()
    {
        QTest::addColumn<int>("mastered");
        QTest::addColumn<int>("of");
        QTest::addColumn<bool>("seen");
        QTest::addColumn<ClassShare>("share");
        QTest::newRow("nobody practised it") << 0 << 30 << false << ClassShare::NotSeen;
        QTest::newRow("practised, nobody has it") << 0 << 30 << true << ClassShare::UnderQuarter;
        QTest::newRow("just under a quarter") << 7 << 30 << true << ClassShare::UnderQuarter;
        QTest::newRow("a quarter") << 1 << 4 << true << ClassShare::UnderHalf;
        QTest::newRow("a half") << 2 << 4 << true << ClassShare::UnderThreeQuarters;
        QTest::newRow("just under three quarters") << 22 << 30 << true << ClassShare::UnderThreeQuarters;
        QTest::newRow("three quarters") << 3 << 4 << true << ClassShare::ThreeQuartersUp;
        QTest::newRow("all") << 30 << 30 << true << ClassShare::ThreeQuartersUp;
        QTest::newRow("no children") << 0 << 0 << true << ClassShare::NotSeen;
    }
    void classShare()
    {
        QFETCH(int, mastered);
        QFETCH(int, of);
        QFETCH(bool, seen);
        QTEST(classShareOf(mastered, of, seen), "share");
    }

    // A class of 35 and its hardest facts fit on one page; the 36th child
    // goes on, and every text stays inside the margins of A4 and Letter.
    void classPages_data()
    {
        QTest::addColumn<int>("children");
        QTest::addColumn<int>("pages");
        QTest::newRow("empty") << 0 << 1;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("thirty-five") << 35 << 1;
        QTest::newRow("thirty-six") << 36 << 2;
        QTest::newRow("seventy") << 70 << 2;
    }
    void classPages()
    {
        QFETCH(int, children);
        ClassReport report;
        report.className = QStringLiteral("4B");
        for (int i = 0; i < children; ++i)
            report.rows.append({QStringLiteral("A name long enough to be cut at the column's edge %1").arg(i),
                                QDateTime(QDate(2026, 12, 1), QTime(9, 0)), 3, {12, 0, 50, 0}, {169, 169, 169, 156},
                                {true, false, true, false}});
        for (int i = 0; i < 10; ++i)
            report.hardest.append({{mul, 12, i}, 1, 3, {QStringLiteral("Ann")}, {}});
        // Each character a tenth of an inch: the names are cut.
        const PrintMeasure measure = [](const QString &text, const PrintFont &) { return 0.1 * double(text.size()); };
        const QList<PrintPage> pages = classPrintPages(report, measure);
        QTEST(int(pages.size()), "pages");
        int names = 0;
        int facts = 0;
        for (const PrintPage &page : pages) {
            for (const PrintText &text : page.texts()) {
                QVERIFY2(text.at.y() >= 0 && text.at.y() < 10.0 - 0.1, qPrintable(text.text));
                QVERIFY2(measure(text.text, text.font) <= 6.6, qPrintable(text.text));
                names += text.text.startsWith(QStringLiteral("A name")) ? 1 : 0;
                facts += text.text.startsWith(QStringLiteral("12 x ")) ? 1 : 0;
            }
        }
        QCOMPARE(names, children);
        QCOMPARE(facts, 10);
        // Addition's 12 of 169 is under a quarter; subtraction was never practised.
        const QList<PrintBox> boxes = pages[0].boxes();
        if (children > 0) {
            QCOMPARE(boxes.value(0).fill, classShareColour(ClassShare::UnderQuarter));
            QCOMPARE(boxes.value(1).fill, classShareColour(ClassShare::NotSeen));
            QCOMPARE(boxes.value(2).fill, classShareColour(ClassShare::UnderHalf));
        }
    }
};

QTEST_GUILESS_MAIN(MasteryTest)
#include "tst_mastery.moc"
