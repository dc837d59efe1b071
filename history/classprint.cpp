#include "history/classprint.h"

#include <QCoreApplication>

#include "platform/datetext.h"

namespace {

constexpr double left = 0.5;
constexpr double rowHeight = 0.17;
constexpr double tableTop = 1.35;
constexpr double pageBottom = 9.9;
// The name, the four operations, the last practice and the games of the week.
constexpr double columns[] = {0.5, 1.8, 2.7, 3.6, 4.5, 5.4, 6.35, printRightEdge};

const PrintFont title{QString(), 14, true, false, printBlack};
const PrintFont heading{QString(), 12, true, false, printBlack};
const PrintFont header{QString(), 7.5, true, false, printBlack};
const PrintFont plain{QString(), 9, false, false, printBlack};

struct Class
{
    Q_DECLARE_TR_FUNCTIONS(Class)
};

PrintPage headedPage(const ClassReport &report, const PrintMeasure &measure, bool table = true)
{
    PrintPage page;
    page.add(PrintText{{left, 0.2}, Class::tr("Sumdrop class: %1").arg(report.className), title});
    const PrintFont note{QString(), 10, false, false, printBlack};
    const QStringList lines = wrapForPrint(
        Class::tr("Printed %1. Children: %2. Each child's facts are fluent within that child's own time.")
            .arg(report.date)
            .arg(report.rows.size()),
        note, printRightEdge - left, 2, measure);
    for (qsizetype l = 0; l < lines.size(); ++l)
        page.add(PrintText{{left, 0.5 + 0.17 * double(l)}, lines[l], note});
    if (!table)
        return page;
    const QString child = Class::tr("Child");
    const QString last = Class::tr("Last practice");
    const QString games = Class::tr("Games in 7 days");
    const QString names[] = {child,
                             QCoreApplication::translate("Progress", "Addition"),
                             QCoreApplication::translate("Progress", "Subtraction"),
                             QCoreApplication::translate("Progress", "Multiplication"),
                             QCoreApplication::translate("Progress", "Division"),
                             last,
                             games};
    for (int c = 0; c < 7; ++c) {
        const QStringList lines = wrapForPrint(names[c], header, columns[c + 1] - columns[c] - 0.05, 2, measure);
        for (qsizetype l = 0; l < lines.size(); ++l)
            page.add(PrintText{{columns[c] + 0.03, tableTop - 0.34 + 0.14 * double(l)}, lines[l], header});
    }
    page.add(PrintLine{{left, tableTop - 0.03}, {printRightEdge, tableTop - 0.03}});
    return page;
}

void addRow(PrintPage &page, const ClassRow &row, double y, const PrintMeasure &measure)
{
    page.add(PrintText{{columns[0] + 0.03, y + 0.02},
                       wrapForPrint(row.name, plain, columns[1] - columns[0] - 0.08, 1, measure).value(0), plain});
    for (int op = 0; op < 4; ++op) {
        const ClassShare share = classShareOf(row.mastered[op], row.cells[op], row.practised[op]);
        page.add(PrintBox{QRectF(columns[op + 1], y, columns[op + 2] - columns[op + 1], rowHeight),
                          classShareColour(share)});
        page.add(PrintText{{columns[op + 2] - 0.05, y + 0.02},
                           Class::tr("%1 of %2").arg(row.mastered[op]).arg(row.cells[op]), plain, true});
    }
    const QString last = row.lastPlayed.isValid() ? shortDateText(row.lastPlayed.toLocalTime().date()) : QString();
    page.add(PrintText{{columns[6] - 0.05, y + 0.02}, last, plain, true});
    page.add(PrintText{{columns[7] - 0.05, y + 0.02}, QString::number(row.gamesLastWeek), plain, true});
}

} // namespace

QList<PrintPage> classPrintPages(const ClassReport &report, const PrintMeasure &measure)
{
    QList<PrintPage> pages;
    double y = tableTop;
    for (qsizetype i = 0; i < report.rows.size() || pages.isEmpty(); ++i) {
        if (i % classRowsPerPage == 0) {
            pages.append(headedPage(report, measure));
            y = tableTop;
        }
        if (i >= report.rows.size())
            break;
        addRow(pages.last(), report.rows[i], y, measure);
        y += rowHeight;
    }

    const double hardestHeight = 0.5 + rowHeight * double(std::max<qsizetype>(1, report.hardest.size()));
    if (y + 0.2 + hardestHeight > pageBottom) {
        pages.append(headedPage(report, measure, false));
        y = tableTop - 0.4;
    }
    PrintPage &page = pages.last();
    y += 0.2;
    page.add(PrintText{{left, y}, Class::tr("The facts most children need work on"), heading});
    y += 0.3;
    if (report.hardest.isEmpty())
        page.add(PrintText{{left, y}, QCoreApplication::translate("Progress", "None yet"), plain});
    for (const ClassFact &fact : report.hardest) {
        page.add(PrintText{{left, y},
                           Class::tr("%1: needs work for %2, learning for %3, mastered by %4")
                               .arg(factText(fact.fact))
                               .arg(fact.needWork.size())
                               .arg(fact.learning.size())
                               .arg(fact.mastered),
                           plain});
        y += rowHeight;
    }
    return pages;
}
