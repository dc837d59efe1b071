#pragma once

#include <QList>
#include <QRectF>

#include "history/mastery.h"
#include "platform/printlayout.h"

// The colours of the grid and its legend, on screen and on paper.
PrintColour masteryColour(Mastery state);

// A chart of games, oldest first: the score per cent as bars and the median
// seconds per card as a line, dates along the bottom; placed in area (inches).
QList<PrintItem> trendChartItems(const QList<GameTrend> &games, const QRectF &area, double fontPoints);

struct ProgressReport
{
    QString child;
    QString date;
    double fluencySeconds = defaultFluencySeconds;
    QList<MasteryGrid> grids; // addition, subtraction, multiplication, division
    QList<GameTrend> games;
};

// One page for a parent or a teacher: the four grids, the legend, the trend.
PrintPage progressPrintLayout(const ProgressReport &report);
