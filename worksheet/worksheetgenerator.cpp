#include "worksheet/worksheetgenerator.h"

#include "platform/randomsource.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int maxProblems = 100;
constexpr int largestAnswer = 999;
constexpr int largestQuotient = 12;
// Far more draws than any reachable range needs; only a random source that
// keeps repeating an unusable value gets there.
constexpr int drawsBeforeFallback = 100000;

struct Range
{
    int low;
    int high;
};

Range clampedRange(int low, int high, int floor, int ceiling)
{
    low = std::clamp(low, floor, ceiling);
    high = std::clamp(high, floor, ceiling);
    return low <= high ? Range{low, high} : Range{high, low};
}

// a + floor(r * (b - a + 1)), kept within the range whatever r is.
int pick(RandomSource &random, Range range)
{
    const double r = random.next();
    const double uniform = r >= 0 && r < 1 ? r : 0;
    const int offset = static_cast<int>(std::floor(uniform * (range.high - range.low + 1)));
    return std::min(range.low + offset, range.high);
}

struct Draw
{
    WorksheetOperation operation;
    int top = 0;
    int bottom = 0;
    int divisor = 0;
    int quotient = 0;
};

// Subtraction never goes below zero, and a two-digit number goes on top of a
// one-digit one.
Draw ordered(Draw draw)
{
    if (draw.operation == WorksheetOperation::Subtraction && draw.bottom > draw.top)
        std::swap(draw.top, draw.bottom);
    if (draw.top < 10 && draw.bottom > 9)
        std::swap(draw.top, draw.bottom);
    return draw;
}

// For a division, top is the dividend and bottom the divisor.
int answerOf(WorksheetOperation operation, int top, int bottom)
{
    // Sixty-four bits: a reprinted sheet's numbers come from a file.
    const qint64 a = top;
    const qint64 b = bottom;
    switch (operation) {
    case WorksheetOperation::Addition: return int(a + b);
    case WorksheetOperation::Subtraction: return int(a - b);
    case WorksheetOperation::Multiplication: return int(a * b);
    case WorksheetOperation::Division: break;
    }
    return b == 0 ? 0 : int(a / b);
}

bool acceptable(const Draw &draw)
{
    const int answer = draw.operation == WorksheetOperation::Division
                           ? draw.quotient
                           : answerOf(draw.operation, draw.top, draw.bottom);
    return answer >= 0 && answer <= largestAnswer;
}

WorksheetProblem textsOf(const Draw &draw)
{
    if (draw.operation == WorksheetOperation::Division) {
        const int divisor = draw.divisor == 0 ? 2 : draw.divisor == 1 ? 3 : draw.divisor;
        return worksheetProblem(draw.operation, draw.quotient * divisor, divisor);
    }
    return worksheetProblem(draw.operation, draw.top, draw.bottom);
}

class Drawer
{
public:
    explicit Drawer(const WorksheetSetup &setup)
        : top(setup.advancedRange ? clampedRange(setup.topMin, setup.topMax, 1, 99)
                                  : clampedRange(1, setup.topLimit, 1, 99))
        , bottom(setup.advancedRange ? clampedRange(setup.bottomMin, setup.bottomMax, 1, 99)
                                     : clampedRange(1, setup.bottomLimit, 1, 99))
        , divisor(clampedRange(setup.divisorLow, setup.divisorHigh, 0, 9))
        , quotient{1, largestQuotient}
    {
        const std::pair<bool, WorksheetOperation> ticked[] = {
            {setup.addition, WorksheetOperation::Addition},
            {setup.subtraction, WorksheetOperation::Subtraction},
            {setup.multiplication, WorksheetOperation::Multiplication},
            {setup.division, WorksheetOperation::Division},
        };
        for (const auto &[on, operation] : ticked) {
            if (!on)
                continue;
            QList<Draw> usable = usableDrawsOf(operation);
            if (!usable.isEmpty()) {
                operations.append(operation);
                usableDraws.append(std::move(usable));
            }
        }
    }

    QList<WorksheetOperation> operations;

    WorksheetProblem next(RandomSource &random) const
    {
        for (int attempt = 0; attempt < drawsBeforeFallback; ++attempt) {
            const int index = pickOperation(random);
            Draw draw{operations[index], pick(random, top), pick(random, bottom)};
            if (draw.operation == WorksheetOperation::Division) {
                draw.divisor = pick(random, divisor);
                draw.quotient = pick(random, quotient);
            }
            draw = ordered(draw);
            if (acceptable(draw))
                return textsOf(draw);
        }
        const QList<Draw> &usable = usableDraws[pickOperation(random)];
        return textsOf(usable[pick(random, Range{0, int(usable.size()) - 1})]);
    }

private:
    int pickOperation(RandomSource &random) const
    {
        return operations.size() == 1 ? 0 : pick(random, Range{0, int(operations.size()) - 1});
    }

    // Every draw of the operation that gives an answer within 0..999; the
    // ranges are at most 99 numbers wide, so this stays small.
    QList<Draw> usableDrawsOf(WorksheetOperation operation) const
    {
        QList<Draw> found;
        const bool division = operation == WorksheetOperation::Division;
        const Range first = division ? divisor : top;
        const Range second = division ? quotient : bottom;
        for (int a = first.low; a <= first.high; ++a) {
            for (int b = second.low; b <= second.high; ++b) {
                const Draw draw = ordered(division ? Draw{operation, top.low, bottom.low, a, b} : Draw{operation, a, b});
                if (acceptable(draw))
                    found.append(draw);
            }
        }
        return found;
    }

    Range top;
    Range bottom;
    Range divisor;
    Range quotient;
    QList<QList<Draw>> usableDraws;
};

} // namespace

WorksheetProblem worksheetProblem(WorksheetOperation operation, int top, int bottom)
{
    const int answer = answerOf(operation, top, bottom);
    if (operation == WorksheetOperation::Division)
        return {top < 100 ? QStringLiteral("___") : QStringLiteral("____"),
                QString::number(bottom) + (top < 10 ? QStringLiteral(") ") : QStringLiteral(")")) + QString::number(top),
                answer};
    const char sign = operation == WorksheetOperation::Addition      ? '+'
                      : operation == WorksheetOperation::Subtraction ? '-'
                                                                     : 'x';
    // The sign and a one-digit number take three characters, like a two-digit one.
    return {QString::number(top).rightJustified(3, QLatin1Char(' ')),
            QLatin1Char(sign) + QString::number(bottom).rightJustified(2, QLatin1Char(' ')), answer};
}

QList<WorksheetOperation> drawableOperations(const WorksheetSetup &setup)
{
    return Drawer(setup).operations;
}

QList<WorksheetProblem> generateWorksheet(const WorksheetSetup &setup, RandomSource &random)
{
    const Drawer drawer(setup);
    QList<WorksheetProblem> problems;
    if (drawer.operations.isEmpty())
        return problems;
    const int count = std::clamp(setup.cardCount, 0, maxProblems);
    for (int i = 0; i < count; ++i)
        problems.append(drawer.next(random));
    return problems;
}
