#include "worksheet/printedsheet.h"

#include <algorithm>
#include <cmath>

#include "game/gamesession.h"
#include "platform/randomsource.h"

namespace {

constexpr int largestWorksheet = 100;

WorksheetOperation worksheetOperationOf(qint16 operation)
{
    switch (operation) {
    case Operation::Subtraction: return WorksheetOperation::Subtraction;
    case Operation::Multiplication: return WorksheetOperation::Multiplication;
    case Operation::Division: return WorksheetOperation::Division;
    default: return WorksheetOperation::Addition;
    }
}

} // namespace

int newSheetNumber(RandomSource &random)
{
    const double r = std::clamp(random.next(), 0.0, 1.0);
    const int span = highestSheetNumber - lowestSheetNumber;
    return std::min(lowestSheetNumber + int(std::floor(r * (span + 1))), highestSheetNumber);
}

QList<WorksheetProblem> sheetProblems(const PrintedSheet &sheet)
{
    SeededRandom random(std::uint32_t(sheet.number));
    return sheet.weakFacts.isEmpty() ? generateWorksheet(sheet.setup, random)
                                     : weakFactProblems(sheet.weakFacts, sheet.setup.cardCount, random);
}

QList<WorksheetProblem> weakFactProblems(const QList<WeakFact> &facts, int count, RandomSource &random)
{
    QList<WorksheetProblem> problems;
    const int wanted = std::clamp(count, 0, largestWorksheet);
    std::optional<Fact> previous;
    while (problems.size() < wanted) {
        QList<WeakFact> choices = facts;
        if (previous)
            choices.removeIf([&previous](const WeakFact &weak) { return weak.fact == *previous; });
        const std::optional<Fact> fact = pickWeakFact(choices, random.next());
        if (!fact)
            break;
        problems.append(worksheetProblem(worksheetOperationOf(fact->operation), fact->top, fact->bottom));
        previous = fact;
    }
    return problems;
}
