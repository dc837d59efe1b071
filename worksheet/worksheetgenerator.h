#pragma once

#include <QList>
#include <QString>

class RandomSource;

// What the worksheet reads from the setup at the moment of printing.
struct WorksheetSetup
{
    bool addition = false;
    bool subtraction = false;
    bool multiplication = false;
    bool division = false;
    bool advancedRange = false;
    int topMin = 1;
    int topMax = 1;
    int bottomMin = 1;
    int bottomMax = 1;
    int topLimit = 1;
    int bottomLimit = 1;
    int divisorLow = 2;
    int divisorHigh = 2;
    int cardCount = 10;

    bool operator==(const WorksheetSetup &) const = default;
};

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
