#include "report/summaryprint.h"

#include <QCoreApplication>

#include "report/gamesummary.h"

namespace {

struct SummaryPrint
{
    Q_DECLARE_TR_FUNCTIONS(SummaryPrint)
};

constexpr int longestSingleColumn = 48;
constexpr int rowsInFirstColumn = 50;
constexpr double firstRowY = 1.85;
// Two lines of the result fit above the column headings.
constexpr int resultLines = 2;

void addColumnHeadings(PrintPage &page, double h)
{
    const PrintFont bold{QString(), 10, true, false, printBlack};
    const double y1 = 1.4;
    const double y2 = y1 + summaryLineHeight;
    page.add(PrintText{{h + 1.1, y1}, SummaryPrint::tr("YOUR"), bold});
    page.add(PrintText{{h + 2.0, y1}, SummaryPrint::tr("CARD"), bold});
    page.add(PrintText{{h, y2}, SummaryPrint::tr("PROBLEM"), bold});
    page.add(PrintText{{h + 1.0, y2}, SummaryPrint::tr("ANSWER"), bold});
    page.add(PrintText{{h + 2.0, y2}, SummaryPrint::tr("TIME"), bold});
    page.add(PrintLine{{h, 1.75}, {h + 2.5, 1.75}});
}

} // namespace

PrintPage summaryPrintLayout(const GameSummary &summary, const QString &versionLabel, const PrintMeasure &measure)
{
    const QString underscores(25, QLatin1Char('_'));
    PrintPage page;
    page.add(PrintText{{1.0, 0.75},
                       underscores + QStringLiteral("Sumdrop ") + versionLabel + underscores,
                       PrintFont{QString(), 10, true, true, printBlack}});
    const PrintFont blue{QString(), 10, false, false, printBlue};
    const QStringList result = wrapForPrint(summary.resultLine(), blue, printRightEdge - 1.0, resultLines, measure);
    for (int i = 0; i < result.size(); ++i)
        page.add(PrintText{{1.0, 1.0 + i * summaryLineHeight}, result[i], blue});

    const QList<SummaryRow> rows = summary.shownRows();
    const bool twoColumns = rows.size() > longestSingleColumn;
    const QList<double> origins = twoColumns ? QList<double>{1.0, 4.5} : QList<double>{2.5};
    for (double h : origins)
        addColumnHeadings(page, h);

    for (int i = 0; i < rows.size(); ++i) {
        const int column = twoColumns && i >= rowsInFirstColumn ? 1 : 0;
        const double h = origins[column];
        const double y = firstRowY + (i - column * rowsInFirstColumn) * summaryLineHeight;
        const PrintFont font{QString(), 10, false, false, rows[i].wrong ? printRed : printBlack};
        page.add(PrintText{{h, y}, rows[i].problem, font});
        page.add(PrintText{{h + 1.25, y}, rows[i].answer, font});
        page.add(PrintText{{h + 2.0, y}, rows[i].time, font});
    }
    return page;
}
