#include <QTest>

#include <cmath>
#include <set>

#include "game/generator.h"
#include "queuedsource.h"

namespace {

// Basic mode reads the limits from the high ends; Advanced reads all four.
struct Ranges
{
    bool advanced = false;
    int topLow = 1;
    int topHigh = 9;
    int bottomLow = 1;
    int bottomHigh = 9;
};

struct Game
{
    GameSession session;
    GeneratorSettings settings;
};

Game gameFor(FunctionSet set, const Ranges &ranges, int divisorLow = 2, int divisorHigh = 9,
             int resultLimit = 10)
{
    Game game;
    game.session.functionSet = set;
    game.session.cardOperation = set;
    game.session.rangeTopMin = ranges.topLow;
    game.session.rangeTopMax = ranges.topHigh;
    game.session.rangeBottomMin = ranges.bottomLow;
    game.session.rangeBottomMax = qint16(ranges.bottomHigh);
    game.settings.advancedRange = ranges.advanced;
    game.settings.topLimit = ranges.topHigh;
    game.settings.bottomLimit = ranges.bottomHigh;
    game.settings.divisorLow = divisorLow;
    game.settings.divisorHigh = divisorHigh;
    game.settings.divisionResultLimit = resultLimit;
    return game;
}

bool whole(double x)
{
    return std::floor(x) == x;
}

bool within(double x, double low, double high)
{
    return whole(x) && x >= low && x <= high;
}

bool digitsMatch(double number, double tens, double units)
{
    return within(units, 0, 9) && within(tens, 0, 9) && tens * 10 + units == number;
}

// Everything a dealt card must satisfy; empty when it does.
QString cardFault(const Game &game)
{
    const GameSession &s = game.session;
    const GeneratorSettings &g = game.settings;
    if (!operationsOf(s.functionSet).contains(s.cardOperation))
        return QStringLiteral("operation %1 not in set").arg(s.cardOperation);
    if (s.cardOperation == Operation::Division) {
        if (!within(s.divisor, g.divisorLow, g.divisorHigh) || !within(s.answer, 1, g.divisionResultLimit)
            || s.dividend != s.answer * s.divisor)
            return QStringLiteral("division %1 / %2 = %3").arg(s.dividend).arg(s.divisor).arg(s.answer);
        return {};
    }
    const QString card = QStringLiteral("%1 op%2 %3 = %4").arg(s.top).arg(s.cardOperation).arg(s.bottom).arg(s.answer);
    // The setup keeps numbers to two digits; wider test ranges only probe the limits.
    const bool twoDigits = s.top <= 99 && s.bottom <= 99;
    if (twoDigits && (!digitsMatch(s.top, s.topTens, s.topUnits) || !digitsMatch(s.bottom, s.bottomTens, s.bottomUnits)))
        return QStringLiteral("digits of ") + card;
    const double topLow = g.advancedRange ? s.rangeTopMin : 1;
    const double topHigh = g.advancedRange ? s.rangeTopMax : g.topLimit;
    const double bottomLow = g.advancedRange ? s.rangeBottomMin : 1;
    const double bottomHigh = g.advancedRange ? s.rangeBottomMax : g.bottomLimit;
    bool ok = false;
    switch (s.cardOperation) {
    case Operation::Addition:
        ok = within(s.top, topLow, topHigh) && within(s.bottom, bottomLow, bottomHigh)
             && s.answer == s.top + s.bottom;
        break;
    case Operation::Subtraction:
        ok = s.top > s.bottom && s.answer == s.top - s.bottom && s.answer > 0
             && within(s.top, std::min(topLow, bottomLow), std::max(topHigh, bottomHigh))
             && within(s.bottom, std::min(topLow, bottomLow), std::max(topHigh, bottomHigh));
        break;
    case Operation::Multiplication:
        ok = within(s.top, topLow, topHigh) && s.answer == s.top * s.bottom && s.answer <= 999
             && (g.advancedRange ? (within(s.bottom, bottomLow, std::min(bottomHigh, 10.0)) || s.bottom == 9)
                                 : within(s.bottom, 1, 9));
        break;
    }
    return ok ? QString() : card;
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void operationPick_data();
    void operationPick();
    void stackedCard_data();
    void stackedCard();
    void digitSplit_data();
    void digitSplit();
    void divisionCard_data();
    void divisionCard();
    void rejectedAttemptStartsAgain_data();
    void rejectedAttemptStartsAgain();
    void subtractionPossible_data();
    void subtractionPossible();
    void possibilityMatchesDealing();
    void dealableOperations_data();
    void dealableOperations();
    void endlessRejectionsStillDeal_data();
    void endlessRejectionsStillDeal();
    void manyCards_data();
    void manyCards();
};

void TestGenerator::operationPick_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("pick"); // 0: a single operation draws no pick
    QTest::addColumn<int>("operation");

    const struct
    {
        int code;
        QList<int> picks;
    } table[] = {
        {4, {17, 16, 18}},  {5, {17, 16, 15}},  {7, {16, 15, 18}}, {8, {17, 15, 18}},
        {9, {15, 16}},      {10, {15, 17}},     {11, {15, 18}},    {12, {17, 16}},
        {13, {18, 16}},     {14, {17, 18}},     {19, {17, 15, 18, 16}},
    };
    for (const auto &row : table) {
        const int n = int(row.picks.size());
        for (int pick = 1; pick <= n; ++pick) {
            const double r = (pick - 0.5) / n;
            QTest::addRow("code %d pick %d", row.code, pick) << row.code << r << pick << row.picks[pick - 1];
        }
        QTest::addRow("code %d r 0", row.code) << row.code << 0.0 << 1 << row.picks.first();
        QTest::addRow("code %d r below 1", row.code)
            << row.code << std::nextafter(1.0, 0.0) << n << row.picks.last();
    }
    for (int code = 15; code <= 18; ++code)
        QTest::addRow("single %d", code) << code << -1.0 << 0 << code;
}

void TestGenerator::operationPick()
{
    QFETCH(int, code);
    QFETCH(double, r);
    QFETCH(int, pick);
    QFETCH(int, operation);

    Game game = gameFor(FunctionSet(code), {});
    QueuedSource random{0.5, 0.5};
    if (pick > 0)
        random.values.push_front(r);
    QList<int> seen;
    size_t leftAtHook = 0;
    QVERIFY(generateCard(game.session, game.settings, random, [&](const GameSession &s) {
        seen.append(s.cardOperation);
        leftAtHook = random.values.size();
    }));
    QCOMPARE(game.session.cardOperation, operation);
    if (pick > 0)
        QCOMPARE(game.session.operationPick, double(pick));
    QCOMPARE(seen, QList<int>{operation});
    QCOMPARE(leftAtHook, size_t(2)); // the numbers are drawn after the hook
    QVERIFY(random.values.empty());
    QCOMPARE(random.overruns, 0);
}

void TestGenerator::stackedCard_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<Ranges>("ranges");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("answer");

    QTest::newRow("basic + top then bottom") << 15 << Ranges{false, 1, 20, 1, 30} << QList<double>{0.5, 0.1} << 11.0 << 4.0 << 15.0;
    QTest::newRow("advanced + bottom first") << 15 << Ranges{true, 10, 20, 30, 40} << QList<double>{0.0, 0.99} << 20.0 << 30.0 << 50.0;
    QTest::newRow("advanced + upper ends") << 15 << Ranges{true, 10, 20, 30, 40} << QList<double>{0.999, 0.999} << 20.0 << 40.0 << 60.0;
    QTest::newRow("+ 999 is kept") << 15 << Ranges{true, 499, 499, 500, 500} << QList<double>{0.0, 0.0} << 499.0 << 500.0 << 999.0;
    QTest::newRow("basic - ignores bottom limit") << 16 << Ranges{false, 1, 50, 1, 1} << QList<double>{0.5, 0.5} << 26.0 << 14.0 << 12.0;
    QTest::newRow("basic - bottom up to top") << 16 << Ranges{false, 1, 50, 1, 1} << QList<double>{0.5, 0.999} << 26.0 << 26.0 << 0.0;
    QTest::newRow("advanced - both bounds fitted") << 16 << Ranges{true, 10, 20, 25, 30} << QList<double>{0.5, 0.0} << 15.0 << 10.0 << 5.0;
    QTest::newRow("advanced - fitted and exchanged") << 16 << Ranges{true, 10, 20, 25, 30} << QList<double>{0.5, 0.99} << 20.0 << 15.0 << 5.0;
    QTest::newRow("advanced - high bound fitted") << 16 << Ranges{true, 10, 20, 5, 30} << QList<double>{0.5, 0.99} << 20.0 << 15.0 << 5.0;
    QTest::newRow("advanced - high bound fitted, low kept") << 16 << Ranges{true, 10, 20, 5, 30} << QList<double>{0.5, 0.0} << 15.0 << 5.0 << 10.0;
    QTest::newRow("advanced - bottom range kept") << 16 << Ranges{true, 50, 60, 5, 9} << QList<double>{0.0, 0.99} << 50.0 << 9.0 << 41.0;
    QTest::newRow("basic x ignores bottom limit") << 17 << Ranges{false, 1, 10, 1, 50} << QList<double>{0.5, 0.99} << 6.0 << 9.0 << 54.0;
    QTest::newRow("basic x bottom 1") << 17 << Ranges{false, 1, 10, 1, 50} << QList<double>{0.5, 0.0} << 6.0 << 1.0 << 6.0;
    QTest::newRow("advanced x bottom 5") << 17 << Ranges{true, 1, 10, 5, 15} << QList<double>{0.0, 0.0} << 1.0 << 5.0 << 5.0;
    QTest::newRow("advanced x bottom 10 stays") << 17 << Ranges{true, 1, 10, 5, 15} << QList<double>{0.0, 5.5 / 11} << 1.0 << 10.0 << 10.0;
    QTest::newRow("advanced x bottom 11 becomes 9") << 17 << Ranges{true, 1, 10, 5, 15} << QList<double>{0.0, 6.5 / 11} << 1.0 << 9.0 << 9.0;
    QTest::newRow("advanced x bottom 15 becomes 9") << 17 << Ranges{true, 3, 3, 5, 15} << QList<double>{0.0, 0.999} << 3.0 << 9.0 << 27.0;
    QTest::newRow("x 999 is kept") << 17 << Ranges{true, 111, 111, 9, 9} << QList<double>{0.0, 0.0} << 111.0 << 9.0 << 999.0;
    QTest::newRow("r of 1 stays in range") << 15 << Ranges{false, 1, 99, 1, 99} << QList<double>{1.0, std::nextafter(1.0, 0.0)} << 99.0 << 99.0 << 198.0;
}

void TestGenerator::stackedCard()
{
    QFETCH(int, operation);
    QFETCH(Ranges, ranges);
    QFETCH(QList<double>, draws);
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(double, answer);

    Game game = gameFor(FunctionSet(operation), ranges);
    QueuedSource random(draws);
    random.fallback = 0.999; // keeps a rejected card from ending the test early
    const bool dealt = generateCard(game.session, game.settings, random);
    if (answer == 0) {
        // Equal numbers make no card: the attempt must have been drawn again.
        QVERIFY(random.overruns > 0);
        return;
    }
    QVERIFY(dealt);
    QCOMPARE(random.overruns, 0);
    QVERIFY(random.values.empty());
    QCOMPARE(game.session.top, top);
    QCOMPARE(game.session.bottom, bottom);
    QCOMPARE(game.session.answer, answer);
    QCOMPARE(cardFault(game), QString());
}

void TestGenerator::digitSplit_data()
{
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<QList<double>>("digits"); // top tens, top units, bottom tens, bottom units

    QTest::newRow("7 and 5") << 7.0 << 5.0 << QList<double>{0, 7, 0, 5};
    QTest::newRow("40 and 1") << 40.0 << 1.0 << QList<double>{4, 0, 0, 1};
    QTest::newRow("99 and 10") << 99.0 << 10.0 << QList<double>{9, 9, 1, 0};
    QTest::newRow("10 and 9") << 10.0 << 9.0 << QList<double>{1, 0, 0, 9};
}

void TestGenerator::digitSplit()
{
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(QList<double>, digits);

    Game game = gameFor(Operation::Multiplication, {true, int(top), int(top), int(bottom), int(bottom)});
    QueuedSource random{0.0, 0.0};
    QVERIFY(generateCard(game.session, game.settings, random));
    const QList<double> actual{game.session.topTens, game.session.topUnits, game.session.bottomTens,
                               game.session.bottomUnits};
    QCOMPARE(actual, digits);
}

void TestGenerator::divisionCard_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<double>("answer");

    QTest::newRow("9 to 9, up to 12, top") << 9 << 9 << 12 << QList<double>{0.5, 0.99} << 9.0 << 12.0;
    QTest::newRow("9 to 9, up to 12, bottom") << 9 << 9 << 12 << QList<double>{0.5, 0.0} << 9.0 << 1.0;
    QTest::newRow("2 to 9, up to 10, ends") << 2 << 9 << 10 << QList<double>{0.0, 0.99} << 2.0 << 10.0;
    QTest::newRow("2 to 9, upper divisor") << 2 << 9 << 10 << QList<double>{0.99, 0.5} << 9.0 << 6.0;
    QTest::newRow("2 to 9, up to 12, middle") << 2 << 9 << 12 << QList<double>{0.5, 0.5} << 6.0 << 7.0;
}

void TestGenerator::divisionCard()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, limit);
    QFETCH(QList<double>, draws);
    QFETCH(double, divisor);
    QFETCH(double, answer);

    Game game = gameFor(Operation::Division, {}, low, high, limit);
    QueuedSource random(draws);
    QVERIFY(generateCard(game.session, game.settings, random));
    QCOMPARE(random.overruns, 0);
    QCOMPARE(game.session.divisor, divisor);
    QCOMPARE(game.session.answer, answer);
    QCOMPARE(game.session.dividend, divisor * answer);
}

void TestGenerator::rejectedAttemptStartsAgain_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Ranges>("ranges");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QList<int>>("attempts"); // the operation of each attempt
    QTest::addColumn<double>("answer");

    QTest::newRow("basic - equal numbers") << 16 << Ranges{false, 1, 5, 1, 5} << QList<double>{0.0, 0.0, 0.5, 0.0} << QList<int>{16, 16} << 2.0;
    QTest::newRow("advanced - equal after fitting") << 16 << Ranges{true, 7, 8, 7, 20} << QList<double>{0.0, 0.0, 0.99, 0.0} << QList<int>{16, 16} << 1.0;
    QTest::newRow("mixed game picks again") << 9 << Ranges{false, 1, 5, 1, 5} << QList<double>{0.9, 0.0, 0.0, 0.1, 0.5, 0.5} << QList<int>{16, 15} << 6.0;
    QTest::newRow("+ above 999") << 11 << Ranges{true, 500, 500, 500, 500} << QList<double>{0.0, 0.0, 0.0, 0.9, 0.0, 0.0} << QList<int>{15, 18} << 1.0;
    QTest::newRow("x above 999") << 14 << Ranges{true, 100, 100, 10, 10} << QList<double>{0.0, 0.0, 0.0, 0.9, 0.0, 0.99} << QList<int>{17, 18} << 10.0;
}

void TestGenerator::rejectedAttemptStartsAgain()
{
    QFETCH(int, code);
    QFETCH(Ranges, ranges);
    QFETCH(QList<double>, draws);
    QFETCH(QList<int>, attempts);
    QFETCH(double, answer);

    Game game = gameFor(FunctionSet(code), ranges, 2, 2);
    QueuedSource random(draws);
    QList<int> seen;
    QVERIFY(generateCard(game.session, game.settings, random,
                         [&](const GameSession &s) { seen.append(s.cardOperation); }));
    QCOMPARE(seen, attempts);
    QCOMPARE(game.session.cardOperation, attempts.last());
    QCOMPARE(game.session.answer, answer);
    QCOMPARE(random.overruns, 0);
    QVERIFY(random.values.empty());
    QCOMPARE(cardFault(game), QString());
}

void TestGenerator::subtractionPossible_data()
{
    QTest::addColumn<Ranges>("ranges");
    QTest::addColumn<bool>("possible");

    QTest::newRow("basic top limit 1") << Ranges{false, 1, 1, 1, 99} << false;
    QTest::newRow("basic top limit 2") << Ranges{false, 1, 2, 1, 1} << true;
    QTest::newRow("advanced all 5") << Ranges{true, 5, 5, 5, 5} << false;
    QTest::newRow("advanced bottom above, fitted back to top") << Ranges{true, 5, 5, 7, 9} << false;
    QTest::newRow("advanced bottom reaching above top") << Ranges{true, 7, 7, 7, 20} << false;
    QTest::newRow("advanced bottom below top") << Ranges{true, 5, 5, 3, 3} << true;
    QTest::newRow("advanced bottom around top") << Ranges{true, 5, 5, 1, 9} << true;
    QTest::newRow("advanced top 5 to 6, bottom 6") << Ranges{true, 5, 6, 6, 6} << true;
    QTest::newRow("advanced both ranges 1") << Ranges{true, 1, 1, 1, 1} << false;
    QTest::newRow("advanced 10-20 over 25-30") << Ranges{true, 10, 20, 25, 30} << true;
    QTest::newRow("advanced 99 and 99") << Ranges{true, 99, 99, 99, 99} << false;
}

void TestGenerator::subtractionPossible()
{
    QFETCH(Ranges, ranges);
    QFETCH(bool, possible);
    const Game game = gameFor(Operation::Subtraction, ranges);
    QCOMPARE(subtractionCardPossible(game.session, game.settings), possible);
}

void TestGenerator::possibilityMatchesDealing()
{
    // Every small range setting: the check agrees with what dealing achieves.
    SeededSource random(7);
    int impossible = 0;
    for (int advanced = 0; advanced <= 1; ++advanced) {
        for (int topLow = 1; topLow <= 4; ++topLow) {
            for (int topHigh = topLow; topHigh <= 4; ++topHigh) {
                for (int bottomLow = 1; bottomLow <= 4; ++bottomLow) {
                    for (int bottomHigh = bottomLow; bottomHigh <= 4; ++bottomHigh) {
                        Game game = gameFor(Operation::Subtraction,
                                            {bool(advanced), topLow, topHigh, bottomLow, bottomHigh});
                        const bool possible = subtractionCardPossible(game.session, game.settings);
                        impossible += possible ? 0 : 1;
                        const QByteArray where = QStringLiteral("advanced %1 top %2-%3 bottom %4-%5")
                                                     .arg(advanced).arg(topLow).arg(topHigh)
                                                     .arg(bottomLow).arg(bottomHigh).toUtf8();
                        QVERIFY2(generateCard(game.session, game.settings, random) == possible, where);
                        if (possible)
                            QVERIFY2(cardFault(game).isEmpty(), where);
                    }
                }
            }
        }
    }
    QVERIFY(impossible > 0);
}

void TestGenerator::dealableOperations_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Ranges>("ranges");
    QTest::addColumn<QList<qint16>>("dealable");

    QTest::newRow("all four, top limit 1") << 19 << Ranges{false, 1, 1, 1, 9} << QList<qint16>{17, 15, 18};
    QTest::newRow("all four, top limit 2") << 19 << Ranges{false, 1, 2, 1, 9} << QList<qint16>{17, 15, 18, 16};
    QTest::newRow("subtraction only, top limit 1") << 16 << Ranges{false, 1, 1, 1, 9} << QList<qint16>{};
    QTest::newRow("+- top limit 1") << 9 << Ranges{false, 1, 1, 1, 9} << QList<qint16>{15};
    QTest::newRow("-/ equal ranges") << 13 << Ranges{true, 5, 5, 5, 5} << QList<qint16>{18};
    QTest::newRow("+ beyond 999") << 15 << Ranges{true, 500, 600, 500, 600} << QList<qint16>{};
    QTest::newRow("no operation") << 0 << Ranges{} << QList<qint16>{};
    QTest::newRow("unknown code 6") << 6 << Ranges{} << QList<qint16>{};
}

void TestGenerator::dealableOperations()
{
    QFETCH(int, code);
    QFETCH(Ranges, ranges);
    QFETCH(QList<qint16>, dealable);
    const Game game = gameFor(FunctionSet(code), ranges);
    QCOMPARE(::dealableOperations(FunctionSet(code), game.session, game.settings), dealable);
}

void TestGenerator::endlessRejectionsStillDeal_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("topLimit");
    QTest::addColumn<double>("r"); // every draw
    QTest::addColumn<bool>("dealt");
    QTest::addColumn<int>("operation");
    QTest::addColumn<double>("answer");

    // A source stuck on one value rejects every attempt; the game still gets a card.
    QTest::newRow("subtraction stuck on 1 - 1") << 16 << 5 << 0.0 << true << 16 << 1.0;
    QTest::newRow("mixed, subtraction impossible") << 13 << 1 << 0.99 << true << 18 << 10.0;
    QTest::newRow("subtraction impossible") << 16 << 1 << 0.5 << false << 16 << 0.0;
}

void TestGenerator::endlessRejectionsStillDeal()
{
    QFETCH(int, code);
    QFETCH(int, topLimit);
    QFETCH(double, r);
    QFETCH(bool, dealt);
    QFETCH(int, operation);
    QFETCH(double, answer);

    Game game = gameFor(FunctionSet(code), {false, 1, topLimit, 1, 9});
    QueuedSource random;
    random.fallback = r;
    int attempts = 0;
    int lastOperation = 0;
    QCOMPARE(generateCard(game.session, game.settings, random,
                          [&](const GameSession &s) {
                              ++attempts;
                              lastOperation = s.cardOperation;
                          }),
             dealt);
    QVERIFY(attempts > 1000);
    if (!dealt)
        return;
    QCOMPARE(lastOperation, operation);
    QCOMPARE(game.session.cardOperation, operation);
    QCOMPARE(game.session.answer, answer);
    QCOMPARE(cardFault(game), QString());
}

void TestGenerator::manyCards_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Ranges>("ranges");
    QTest::addColumn<QList<qint16>>("dealt");

    const FunctionSet codes[] = {4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    for (const FunctionSet code : codes) {
        QTest::addRow("basic %d", code) << int(code) << Ranges{false, 1, 99, 1, 99} << operationsOf(code);
        QTest::addRow("advanced %d", code) << int(code) << Ranges{true, 10, 99, 1, 30} << operationsOf(code);
        QTest::addRow("small %d", code) << int(code) << Ranges{true, 1, 3, 2, 4} << operationsOf(code);
    }
    QTest::newRow("all four, subtraction impossible") << 19 << Ranges{false, 1, 1, 1, 99} << QList<qint16>{17, 15, 18};
    QTest::newRow("-x, subtraction impossible") << 12 << Ranges{true, 8, 8, 8, 8} << QList<qint16>{17};
}

void TestGenerator::manyCards()
{
    QFETCH(int, code);
    QFETCH(Ranges, ranges);
    QFETCH(QList<qint16>, dealt);

    Game game = gameFor(FunctionSet(code), ranges, 3, 8, 12);
    SeededSource random(uint(code) * 1000 + uint(ranges.topLow));
    std::set<qint16> seen;
    std::set<double> dividends;
    for (int card = 0; card < 3000; ++card) {
        game.session.resetCardFields();
        QVERIFY(generateCard(game.session, game.settings, random));
        const QString fault = cardFault(game);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        seen.insert(game.session.cardOperation);
        if (game.session.cardOperation == Operation::Division)
            dividends.insert(game.session.dividend);
    }
    QCOMPARE(QList<qint16>(seen.begin(), seen.end()), [&] {
        QList<qint16> sorted = dealt;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }());
    if (seen.count(Operation::Division))
        QVERIFY(dividends.count(3) && dividends.count(96)); // 1 x 3 and 12 x 8 both come up
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
