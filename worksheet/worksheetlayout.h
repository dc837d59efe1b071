#pragma once

#include "platform/printlayout.h"
#include "worksheet/worksheetgenerator.h"

// The worksheet page: a header line (in up to two lines), then the problems ten to a row, each top
// text over its bottom text, both right-aligned at the column's edge.
PrintPage worksheetLayout(const QList<WorksheetProblem> &problems, const QString &playerName,
                          const QString &versionLabel, const PrintMeasure &measure);
