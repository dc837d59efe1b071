#pragma once

#include <QList>
#include <QString>

#include "history/practisedraw.h"
#include "worksheet/worksheetgenerator.h"

class RandomSource;

// Everything it takes to print a worksheet again exactly: its number is the
// seed of its draw.
struct PrintedSheet
{
    int number = 0;
    QString name;
    WorksheetSetup setup;
    QList<WeakFact> weakFacts; // a sheet of the child's weak facts; empty for the ordinary one

    bool operator==(const PrintedSheet &) const = default;
};

// Sheets kept for reprinting: the last ones printed.
inline constexpr int keptSheets = 100;

inline constexpr int lowestSheetNumber = 100000;
inline constexpr int highestSheetNumber = 999999;
// Six digits, short enough to read off the paper and type back in.
int newSheetNumber(RandomSource &random);

// The sheet's problems, the same for the same sheet on every run.
QList<WorksheetProblem> sheetProblems(const PrintedSheet &sheet);

// count problems from the weak facts, weighted as the practice draw weights
// them; a fact repeats when there are fewer facts than problems, but never
// next to itself. A single fact is one problem.
QList<WorksheetProblem> weakFactProblems(const QList<WeakFact> &facts, int count, RandomSource &random);
