#pragma once

#include "platform/printlayout.h"
#include "worksheet/worksheetgenerator.h"

struct PrintedSheet;

// The worksheet page: a header line (in up to two lines), then the problems ten to a row, each top
// text over its bottom text, both right-aligned at the column's edge.
PrintPage worksheetLayout(const QList<WorksheetProblem> &problems, const QString &playerName,
                          const QString &versionLabel, const PrintMeasure &measure,
                          const QString &namePrefix = QStringLiteral("Worksheet for: "));

// The printed sheet: the worksheet page with its sheet number in the bottom
// corner, then with answerKey a page headed "Answer Key" with the same
// problems in the same places, each with its answer.
QList<PrintPage> worksheetPages(const PrintedSheet &sheet, const QList<WorksheetProblem> &problems, bool answerKey,
                                const QString &versionLabel, const PrintMeasure &measure);
