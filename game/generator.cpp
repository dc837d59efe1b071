#include "game/generator.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "platform/randomsource.h"

namespace {

// Far beyond any run of rejections a dealable game can produce; only a game
// that skipped the check at Start could get here.
constexpr int attemptLimit = 10000;

// Whole numbers from low to high, both included.
struct WholeRange
{
    double low;
    double high;

    WholeRange ordered() const { return {std::min(low, high), std::max(low, high)}; }
};

double drawWhole(RandomSource &random, WholeRange range)
{
    const WholeRange bounds = range.ordered();
    const double drawn = std::floor(bounds.low + random.next() * (bounds.high - bounds.low + 1));
    // Some uniform distributions can return exactly 1; the card must stay in range.
    return std::clamp(drawn, bounds.low, bounds.high);
}

WholeRange topRange(const GameSession &session, const GeneratorSettings &settings)
{
    if (settings.advancedRange)
        return {session.rangeTopMin, session.rangeTopMax};
    return {1, double(settings.topLimit)};
}

WholeRange bottomRange(qint16 operation, const GameSession &session,
                       const GeneratorSettings &settings, double top)
{
    if (!settings.advancedRange) {
        if (operation == Operation::Subtraction)
            return {1, top};
        if (operation == Operation::Multiplication)
            return {1, 9};
        return {1, double(settings.bottomLimit)};
    }
    if (operation == Operation::Subtraction) {
        // A bound beyond the top number is replaced by the top range's bound.
        const double low = session.rangeBottomMin > top ? session.rangeTopMin : session.rangeBottomMin;
        const double high = session.rangeBottomMax > top ? session.rangeTopMax : double(session.rangeBottomMax);
        return {low, high};
    }
    return {session.rangeBottomMin, double(session.rangeBottomMax)};
}

double adjustedBottom(qint16 operation, const GeneratorSettings &settings, double bottom)
{
    // The multiplication card has room for a bottom of 10 but not beyond.
    if (operation == Operation::Multiplication && settings.advancedRange && bottom > 10)
        return 9;
    return bottom;
}

struct StackedCard
{
    double top;
    double bottom;
    double answer;
};

// The card two drawn numbers make, or nothing when it must be drawn again.
std::optional<StackedCard> stackedCard(qint16 operation, double top, double bottom)
{
    if (operation == Operation::Subtraction && bottom > top)
        std::swap(top, bottom);
    switch (operation) {
    case Operation::Addition:
        if (top + bottom > 999 || top + bottom < 0)
            return std::nullopt;
        return StackedCard{top, bottom, top + bottom};
    case Operation::Subtraction:
        if (top == bottom)
            return std::nullopt;
        return StackedCard{top, bottom, top - bottom};
    case Operation::Multiplication:
        if (top * bottom > 999)
            return std::nullopt;
        return StackedCard{top, bottom, top * bottom};
    default:
        return std::nullopt;
    }
}

std::optional<StackedCard> drawStackedCard(qint16 operation, const GameSession &session,
                                           const GeneratorSettings &settings, RandomSource &random)
{
    double top = 0;
    double bottom = 0;
    if (operation == Operation::Addition && settings.advancedRange) {
        bottom = drawWhole(random, bottomRange(operation, session, settings, 0));
        top = drawWhole(random, topRange(session, settings));
    } else {
        top = drawWhole(random, topRange(session, settings));
        bottom = adjustedBottom(operation, settings,
                                drawWhole(random, bottomRange(operation, session, settings, top)));
    }
    return stackedCard(operation, top, bottom);
}

// Every draw the ranges allow, in order; the first card that is not rejected.
std::optional<StackedCard> firstStackedCard(qint16 operation, const GameSession &session,
                                            const GeneratorSettings &settings)
{
    const WholeRange tops = topRange(session, settings).ordered();
    for (double top = tops.low; top <= tops.high; ++top) {
        const WholeRange bottoms = bottomRange(operation, session, settings, top).ordered();
        for (double bottom = bottoms.low; bottom <= bottoms.high; ++bottom) {
            if (const auto card = stackedCard(operation, top, adjustedBottom(operation, settings, bottom)))
                return card;
        }
    }
    return std::nullopt;
}

void setStackedCard(GameSession &session, const StackedCard &card)
{
    session.top = card.top;
    session.bottom = card.bottom;
    session.answer = card.answer;
    // Both numbers are at most 99: tens and units are all the card shows.
    session.topTens = std::floor(card.top / 10);
    session.topUnits = card.top - 10 * session.topTens;
    session.bottomTens = std::floor(card.bottom / 10);
    session.bottomUnits = card.bottom - 10 * session.bottomTens;
}

void drawDivisionCard(GameSession &session, const GeneratorSettings &settings, RandomSource &random)
{
    session.divisor = drawWhole(random, {double(settings.divisorLow), double(settings.divisorHigh)});
    session.answer = drawWhole(random, {1, double(settings.divisionResultLimit)});
    session.dividend = session.answer * session.divisor;
}

void chooseOperation(GameSession &session, const QList<qint16> &operations, RandomSource &random)
{
    if (operations.size() == 1) {
        session.cardOperation = operations.first();
        return;
    }
    session.operationPick = drawWhole(random, {1, double(operations.size())});
    session.cardOperation = operations.at(int(session.operationPick) - 1);
}

// Draws the numbers of the chosen operation; false when the attempt is rejected.
bool drawNumbers(GameSession &session, const GeneratorSettings &settings, RandomSource &random)
{
    if (session.cardOperation == Operation::Division) {
        drawDivisionCard(session, settings, random);
        return true;
    }
    const auto card = drawStackedCard(session.cardOperation, session, settings, random);
    if (card)
        setStackedCard(session, *card);
    return card.has_value();
}

// The last resort after attemptLimit rejections: the first card of the first
// operation that has one, so that the game goes on instead of freezing.
bool dealFallbackCard(GameSession &session, const GeneratorSettings &settings, RandomSource &random,
                      const QList<qint16> &operations, const AttemptHook &beforeNumbers)
{
    for (const qint16 operation : operations) {
        if (!cardPossible(operation, session, settings))
            continue;
        session.cardOperation = operation;
        if (beforeNumbers)
            beforeNumbers(session);
        if (operation == Operation::Division)
            drawDivisionCard(session, settings, random);
        else
            setStackedCard(session, *firstStackedCard(operation, session, settings));
        return true;
    }
    return false;
}

} // namespace

bool generateCard(GameSession &session, const GeneratorSettings &settings, RandomSource &random,
                  const AttemptHook &beforeNumbers)
{
    const QList<qint16> operations = operationsOf(session.functionSet);
    if (operations.isEmpty())
        return false;
    for (int attempt = 0; attempt < attemptLimit; ++attempt) {
        chooseOperation(session, operations, random);
        if (beforeNumbers)
            beforeNumbers(session);
        if (drawNumbers(session, settings, random))
            return true;
    }
    return dealFallbackCard(session, settings, random, operations, beforeNumbers);
}

QList<qint16> operationsOf(FunctionSet set)
{
    using namespace Operation;
    switch (set) {
    case 4: return {Multiplication, Subtraction, Division};
    case 5: return {Multiplication, Subtraction, Addition};
    case 7: return {Subtraction, Addition, Division};
    case 8: return {Multiplication, Addition, Division};
    case 9: return {Addition, Subtraction};
    case 10: return {Addition, Multiplication};
    case 11: return {Addition, Division};
    case 12: return {Multiplication, Subtraction};
    case 13: return {Division, Subtraction};
    case 14: return {Multiplication, Division};
    case 15:
    case 16:
    case 17:
    case 18: return {set};
    case 19: return {Multiplication, Addition, Division, Subtraction};
    default: return {};
    }
}

bool cardPossible(qint16 operation, const GameSession &ranges, const GeneratorSettings &settings)
{
    // A division card is made to fit and never drawn again.
    if (operation == Operation::Division)
        return true;
    return firstStackedCard(operation, ranges, settings).has_value();
}

bool subtractionCardPossible(const GameSession &ranges, const GeneratorSettings &settings)
{
    return cardPossible(Operation::Subtraction, ranges, settings);
}

bool cardFits(qint16 operation, double top, double bottom, const GameSession &ranges,
              const GeneratorSettings &settings)
{
    const auto within = [](double n, WholeRange range) {
        const WholeRange bounds = range.ordered();
        return n >= bounds.low && n <= bounds.high && n == std::floor(n);
    };
    if (operation == Operation::Division) {
        if (bottom == 0 || std::fmod(top, bottom) != 0)
            return false;
        return within(bottom, {double(settings.divisorLow), double(settings.divisorHigh)})
            && within(top / bottom, {1, double(settings.divisionResultLimit)});
    }
    const auto card = stackedCard(operation, top, bottom);
    if (!card || card->top != top || card->bottom != bottom)
        return false;
    if (operation == Operation::Multiplication && settings.advancedRange && bottom > 10)
        return false;
    const auto drawn = [&](double first, double second) {
        return within(first, topRange(ranges, settings))
            && within(second, bottomRange(operation, ranges, settings, first));
    };
    // A subtraction drawn the other way round is turned over.
    return drawn(top, bottom) || (operation == Operation::Subtraction && drawn(bottom, top));
}

void setCard(GameSession &session, qint16 operation, double top, double bottom)
{
    session.cardOperation = operation;
    if (operation == Operation::Division) {
        session.divisor = bottom;
        session.dividend = top;
        session.answer = top / bottom;
        return;
    }
    setStackedCard(session, *stackedCard(operation, top, bottom));
}

QList<qint16> dealableOperations(FunctionSet set, const GameSession &ranges,
                                 const GeneratorSettings &settings)
{
    QList<qint16> dealable;
    for (const qint16 operation : operationsOf(set)) {
        if (cardPossible(operation, ranges, settings))
            dealable.append(operation);
    }
    return dealable;
}
