#pragma once

#include <QList>
#include <QString>

#include "history/classmastery.h"
#include "platform/printlayout.h"

// What the class printout shows: the class table and its hardest facts.
struct ClassReport
{
    QString className;
    QString date;
    QList<ClassRow> rows;
    QList<ClassFact> hardest;
};

// Rows of the class table on one page: a class of 35 and its hardest facts fit.
inline constexpr int classRowsPerPage = 35;

// The class table, the first classRowsPerPage children a page, each row's
// counts coloured by share, then the hardest facts under the last rows (on a
// page of their own when those leave no room). Names too wide are cut with an
// ellipsis.
QList<PrintPage> classPrintPages(const ClassReport &report, const PrintMeasure &measure);
