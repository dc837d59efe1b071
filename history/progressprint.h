#pragma once

#include <QList>
#include <QRectF>

#include "history/mastery.h"
#include "history/practicetime.h"
#include "platform/printlayout.h"

// The colours of the grid and its legend, on screen and on paper.
PrintColour masteryColour(Mastery state);

// A chart of games, oldest first: the score per cent as bars and the median
// seconds per card as a line, dates along the bottom; placed in area (inches).
QList<PrintItem> trendChartItems(const QList<GameTrend> &games, const QRectF &area, double fontPoints);

// Minutes practised per day as bars, the oldest day first, under a line with
// the week's minutes and the longest run of days; placed in area (inches).
QList<PrintItem> practiceChartItems(const PracticeDays &days, const QRectF &area, double fontPoints);

// What the report shows of one operation.
struct ProgressSection
{
    MasteryGrid grid;
    QList<FactSummary> hardest;
    QList<GameTrend> games; // the last games with this operation, each counting its cards of it
};

struct ProgressReport
{
    QString child;
    QString date;
    double fluencySeconds = defaultFluencySeconds;
    QList<ProgressSection> sections; // the operations the child has practised
    PracticeDays practice;
};

// For a parent or a teacher, a page per operation: the name and the date,
// the grid in colour with its legend and count, the hardest facts and the
// trend of the last games; then a page of the time practised.
QList<PrintPage> progressPrintPages(const ProgressReport &report);
