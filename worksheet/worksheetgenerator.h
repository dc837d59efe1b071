#pragma once

#include <QList>
#include <QString>

#include "setup/worksheetsetup.h"

class RandomSource;

// Two texts meant to be right-aligned in a fixed-pitch face: " 15" over "- 7",
// or "___" over "7)56"; and the answer, the quotient for a division.
struct WorksheetProblem
{
    QString top;
    QString bottom;
    int answer = 0;

    bool operator==(const WorksheetProblem &) const = default;
};

enum class WorksheetOperation { Addition, Subtraction, Multiplication, Division };

// The ticked operations that can give at least one problem whose answer lies
// within 0..999 in the current ranges, in the order +, -, x, /. Large
// multiplication ranges can leave none.
QList<WorksheetOperation> drawableOperations(const WorksheetSetup &setup);

// One problem: top and bottom numbers, or for a division the dividend and
// the divisor.
WorksheetProblem worksheetProblem(WorksheetOperation operation, int top, int bottom);

// cardCount problems (at most 100) drawn from the drawable operations; empty
// when there are none.
QList<WorksheetProblem> generateWorksheet(const WorksheetSetup &setup, RandomSource &random);
