#pragma once

#include <QList>
#include <QString>

#include "history/keptsheet.h"
#include "worksheet/worksheetgenerator.h"

class RandomSource;

// Six digits, short enough to read off the paper and type back in.
int newSheetNumber(RandomSource &random);

// The sheet's problems, the same for the same sheet on every run.
QList<WorksheetProblem> sheetProblems(const PrintedSheet &sheet);

// count problems from the weak facts, weighted as the practice draw weights
// them; a fact repeats when there are fewer facts than problems, but never
// next to itself. A single fact is one problem.
QList<WorksheetProblem> weakFactProblems(const QList<WeakFact> &facts, int count, RandomSource &random);
