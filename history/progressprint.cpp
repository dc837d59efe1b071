#include "history/progressprint.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

#include "game/gamesession.h"
#include "platform/datetext.h"

namespace {

constexpr PrintColour scoreBar{120, 165, 230};
constexpr PrintColour secondsLine{220, 110, 0};
constexpr PrintColour minutesBar{102, 187, 106};
constexpr double gridCell = 0.3;
constexpr int chartSlots = 30;

struct Progress
{
    Q_DECLARE_TR_FUNCTIONS(Progress)
};

// The axis top for the slowest game: 5, 10, 15 ... seconds.
double secondsScale(const QList<GameTrend> &games)
{
    double slowest = 0;
    for (const GameTrend &game : games)
        slowest = std::max(slowest, game.medianSeconds);
    return std::max(5.0, std::ceil(slowest / 5) * 5);
}

QString operationName(qint16 operation)
{
    switch (operation) {
    case Operation::Addition: return Progress::tr("Addition");
    case Operation::Subtraction: return Progress::tr("Subtraction");
    case Operation::Multiplication: return Progress::tr("Multiplication");
    default: return Progress::tr("Division");
    }
}

void addGrid(PrintPage &page, const MasteryGrid &grid, QPointF at)
{
    const PrintFont label{QString(), 8, false, false, printBlack};
    const int first = gridFirstRow(grid.operation);
    for (int column = 0; column <= gridLast; ++column)
        page.add(PrintText{at + QPointF((column + 1) * gridCell + 0.06, 0.07), QString::number(column), label});
    for (int row = first; row <= gridLast; ++row) {
        const double y = at.y() + (row - first + 1) * gridCell;
        page.add(PrintText{{at.x() + 0.06, y + 0.07}, QString::number(row), label});
        for (int column = 0; column <= gridLast; ++column) {
            const QRectF cell(at.x() + (column + 1) * gridCell, y, gridCell, gridCell);
            page.add(PrintBox{cell, masteryColour(grid.at({row, column}).state)});
        }
    }
}

const PrintFont heading{QString(), 12, true, false, printBlack};

// The name and the date at the top of every page.
PrintPage headedPage(const ProgressReport &report)
{
    PrintPage page;
    const QString child = report.child.isEmpty() ? Progress::tr("(no name)") : report.child;
    page.add(PrintText{{0.5, 0.2}, Progress::tr("Sumdrop progress: %1").arg(child), PrintFont{QString(), 14, true, false, printBlack}});
    page.add(PrintText{{0.5, 0.55},
                       Progress::tr("Printed %1. A fact is fluent when it is answered right within %2 seconds.")
                           .arg(report.date)
                           .arg(report.fluencySeconds),
                       PrintFont{QString(), 10, false, false, printBlack}});
    return page;
}

PrintPage sectionPage(const ProgressReport &report, const ProgressSection &section)
{
    PrintPage page = headedPage(report);
    const PrintFont plain{QString(), 9, false, false, printBlack};
    page.add(PrintText{{0.5, 0.95}, operationName(section.grid.operation) + QStringLiteral(": ")
                                        + masteredCountText(section.grid),
                       heading});
    addGrid(page, section.grid, {0.5, 1.35});

    double x = 0.5;
    for (const Mastery state : {Mastery::Mastered, Mastery::Learning, Mastery::NeedsWork, Mastery::NotSeen}) {
        page.add(PrintBox{QRectF(x, 5.75, 0.16, 0.16), masteryColour(state)});
        page.add(PrintText{{x + 0.22, 5.73}, masteryText(state), plain});
        x += 1.5;
    }

    page.add(PrintText{{0.5, 6.15}, Progress::tr("The hardest facts"), heading});
    if (section.hardest.isEmpty())
        page.add(PrintText{{0.5, 6.45}, Progress::tr("None yet"), plain});
    for (qsizetype i = 0; i < section.hardest.size(); ++i)
        page.add(PrintText{{0.5, 6.45 + 0.18 * double(i)}, factDescription(section.hardest[i]), plain});

    page.add(PrintText{{0.5, 8.35}, Progress::tr("Last 30 games"), heading});
    for (const PrintItem &item : trendChartItems(section.games, QRectF(0.5, 8.6, 6.5, 1.35), 8))
        page.add(item);
    return page;
}

} // namespace

PrintColour masteryColour(Mastery state)
{
    switch (state) {
    case Mastery::Mastered: return {102, 187, 106};
    case Mastery::Learning: return {255, 221, 87};
    case Mastery::NeedsWork: return {229, 96, 96};
    case Mastery::NotSeen: break;
    }
    return {225, 225, 225};
}

QList<PrintItem> trendChartItems(const QList<GameTrend> &games, const QRectF &area, double fontPoints)
{
    QList<PrintItem> items;
    const double line = fontPoints / 72.0 * 1.4;
    const PrintFont font{QString(), fontPoints, false, false, printBlack};
    const double axis = 0.5;
    const QRectF plot = area.adjusted(axis, line * 1.5, -axis, -line * 1.3);

    // The legend above the plot.
    items.append(PrintBox{QRectF(plot.left(), area.top() + line * 0.2, line * 0.6, line * 0.6), scoreBar, false});
    items.append(PrintText{{plot.left() + line, area.top()}, Progress::tr("Score %"), font});
    const double second = plot.left() + plot.width() / 3;
    items.append(PrintLine{{second, area.top() + line * 0.5}, {second + line, area.top() + line * 0.5}, secondsLine, 2});
    items.append(PrintText{{second + line * 1.4, area.top()}, Progress::tr("Median seconds per card"), font});

    items.append(PrintLine{plot.bottomLeft(), plot.bottomRight()});
    items.append(PrintLine{plot.topLeft(), plot.bottomLeft()});
    items.append(PrintLine{plot.topRight(), plot.bottomRight()});
    const double topSeconds = secondsScale(games);
    for (const double share : {0.0, 0.5, 1.0}) {
        const double y = plot.bottom() - share * plot.height() - line / 2;
        items.append(PrintText{{plot.left() - 0.06, y}, QStringLiteral("%1%").arg(int(share * 100)), font, true});
        items.append(PrintText{{plot.right() + 0.06, y}, QStringLiteral("%1 s").arg(share * topSeconds), font});
    }
    if (games.isEmpty()) {
        items.append(PrintText{{plot.left() + 0.2, plot.center().y() - line / 2}, Progress::tr("No games yet"), font});
        return items;
    }

    const double slot = plot.width() / double(std::max<qsizetype>(chartSlots, games.size()));
    // A date is about six characters wide; no two may touch.
    const double dateWidth = 6 * fontPoints / 72.0 * 0.6;
    const auto labelEvery = qsizetype(std::ceil(dateWidth * 1.2 / slot));
    QPointF previous;
    QDate labelled;
    qsizetype labelledAt = -labelEvery;
    // A dot on every game, so that a single game shows its seconds too.
    const double dot = std::min(slot * 0.5, 0.06);
    for (qsizetype i = 0; i < games.size(); ++i) {
        const GameTrend &game = games.at(i);
        const double share = game.judged > 0 ? double(game.right) / game.judged : 0;
        const double centre = plot.left() + (double(i) + 0.5) * slot;
        const double height = share * plot.height();
        items.append(PrintBox{QRectF(centre - slot * 0.35, plot.bottom() - height, slot * 0.7, height), scoreBar, false});
        const QPointF point(centre, plot.bottom() - std::min(1.0, game.medianSeconds / topSeconds) * plot.height());
        if (i > 0)
            items.append(PrintLine{previous, point, secondsLine, 2});
        items.append(PrintBox{QRectF(point.x() - dot / 2, point.y() - dot / 2, dot, dot), secondsLine, false});
        previous = point;
        // Each day once, under its first game that has room for it.
        const QDate day = game.started.toLocalTime().date();
        if (day != labelled && i - labelledAt >= labelEvery) {
            items.append(PrintText{{centre - slot * 0.5, plot.bottom() + line * 0.15}, monthDayText(day), font});
            labelled = day;
            labelledAt = i;
        }
    }
    return items;
}

QList<PrintItem> practiceChartItems(const PracticeDays &days, const QRectF &area, double fontPoints)
{
    QList<PrintItem> items;
    const double line = fontPoints / 72.0 * 1.4;
    const PrintFont font{QString(), fontPoints, false, false, printBlack};
    const double axis = 0.5;
    const QRectF plot = area.adjusted(axis, line * 2.6, -axis, -line * 1.3);

    items.append(PrintBox{QRectF(plot.left(), area.top() + line * 0.2, line * 0.6, line * 0.6), minutesBar, false});
    items.append(PrintText{{plot.left() + line, area.top()},
                           Progress::tr("Minutes practised per day, last %1 days").arg(days.minutes.size()), font});
    const QString run = days.longestRun == 1 ? Progress::tr("1 day in a row")
                                             : Progress::tr("%1 days in a row").arg(days.longestRun);
    items.append(PrintText{{plot.left(), area.top() + line},
                           Progress::tr("This week: %1 minutes. Longest run: %2.")
                               .arg(shownMinutes(days.weekMinutes))
                               .arg(run),
                           PrintFont{QString(), fontPoints, true, false, printBlack}});

    items.append(PrintLine{plot.bottomLeft(), plot.bottomRight()});
    items.append(PrintLine{plot.topLeft(), plot.bottomLeft()});
    double most = 0;
    for (const double minutes : days.minutes)
        most = std::max(most, minutes);
    // The axis top: 10, 20, 30 ... minutes.
    const double top = std::max(10.0, std::ceil(most / 10) * 10);
    for (const double share : {0.0, 0.5, 1.0}) {
        const double y = plot.bottom() - share * plot.height() - line / 2;
        items.append(PrintText{{plot.left() - 0.06, y}, Progress::tr("%1 min").arg(share * top), font, true});
    }
    if (days.minutes.isEmpty())
        return items;

    const double slot = plot.width() / double(days.minutes.size());
    const double dateWidth = 6 * fontPoints / 72.0 * 0.6;
    const auto labelEvery = qsizetype(std::ceil(dateWidth * 1.2 / slot));
    const QDate first = days.today.addDays(1 - days.minutes.size());
    for (qsizetype i = 0; i < days.minutes.size(); ++i) {
        const double minutes = days.minutes.at(i);
        const double left = plot.left() + double(i) * slot;
        const double height = std::min(1.0, minutes / top) * plot.height();
        if (minutes > 0) {
            items.append(PrintBox{QRectF(left + slot * 0.15, plot.bottom() - height, slot * 0.7, height), minutesBar, false});
            items.append(PrintText{{left + slot * 0.15, plot.bottom() - height - line}, QString::number(shownMinutes(minutes)),
                                   font});
        }
        // Counted back from today, so that today always has its date.
        if ((days.minutes.size() - 1 - i) % labelEvery == 0)
            items.append(PrintText{{left + slot * 0.1, plot.bottom() + line * 0.15}, monthDayText(first.addDays(i)), font});
    }
    return items;
}

QList<PrintPage> progressPrintPages(const ProgressReport &report)
{
    QList<PrintPage> pages;
    for (const ProgressSection &section : report.sections)
        pages.append(sectionPage(report, section));
    if (pages.isEmpty())
        return pages;
    PrintPage time = headedPage(report);
    time.add(PrintText{{0.5, 0.95}, Progress::tr("Time practised"), heading});
    for (const PrintItem &item : practiceChartItems(report.practice, QRectF(0.5, 1.35, 6.5, 3.0), 10))
        time.add(item);
    pages.append(time);
    return pages;
}
