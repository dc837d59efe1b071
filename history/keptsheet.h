#pragma once

#include <QList>
#include <QString>

#include "history/practisedraw.h"
#include "setup/worksheetsetup.h"

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
