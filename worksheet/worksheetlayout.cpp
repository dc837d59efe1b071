#include "worksheet/worksheetlayout.h"

#include <QCoreApplication>

#include <algorithm>

#include "worksheet/printedsheet.h"

namespace {

constexpr int problemsPerRow = 10;
constexpr int largestWorksheet = 100;
// Two lines of the header fit above the first row of problems.
constexpr int headerLines = 2;
constexpr double headerLineHeight = 0.16;
constexpr double headerTop = 0.75;
constexpr double firstRowTop = 1.2;
constexpr double rowHeight = 0.9;
constexpr double columnWidth = 0.7;

const PrintFont headerFont{QString(), 10, true, true, printBlack};
const PrintFont plain{QStringLiteral("Courier"), 14, false, false, printBlack};

struct Worksheet
{
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

QPointF problemAt(int index)
{
    const int row = index / problemsPerRow;
    return {columnWidth * (index % problemsPerRow + 1), firstRowTop + rowHeight * row};
}

bool isDivision(const WorksheetProblem &problem)
{
    return problem.bottom.mid(1, 1) == QLatin1String(")");
}

void addProblems(PrintPage &page, const QList<WorksheetProblem> &problems)
{
    PrintFont underlined = plain;
    underlined.underline = true;
    const int count = std::min(int(problems.size()), largestWorksheet);
    // Each row prints its top texts first, then its bottom texts.
    for (int first = 0; first < count; first += problemsPerRow) {
        const int last = std::min(first + problemsPerRow, count);
        for (int i = first; i < last; ++i)
            page.add(PrintText{problemAt(i), problems[i].top, plain, true});
        for (int i = first; i < last; ++i)
            page.add(PrintText{problemAt(i) + QPointF(0, 0.2), problems[i].bottom,
                               isDivision(problems[i]) ? plain : underlined, true});
    }
}

void addHeader(PrintPage &page, const QString &text, int maxLines, const PrintMeasure &measure)
{
    const QStringList header = wrapForPrint(text, headerFont, printRightEdge - 1.0, maxLines, measure);
    for (int i = 0; i < header.size(); ++i)
        page.add(PrintText{{1.0, headerTop + i * headerLineHeight}, header[i], headerFont});
}

} // namespace

PrintPage worksheetLayout(const QList<WorksheetProblem> &problems, const QString &playerName,
                          const QString &versionLabel, const PrintMeasure &measure, const QString &namePrefix)
{
    PrintPage page;
    const QString name = playerName.isEmpty() ? QString() : namePrefix + playerName;
    addHeader(page, name + QStringLiteral("            Sumdrop ") + versionLabel + QString(25, QLatin1Char('_')),
              headerLines, measure);
    addProblems(page, problems);
    return page;
}

QList<PrintPage> worksheetPages(const PrintedSheet &sheet, const QList<WorksheetProblem> &problems, bool answerKey,
                                const QString &versionLabel, const PrintMeasure &measure)
{
    const QString prefix = sheet.weakFacts.isEmpty() ? Worksheet::tr("Worksheet for: ") : Worksheet::tr("Practice for: ");
    // Small, in the bottom corner, below the tenth row's answers.
    const PrintText number{{printRightEdge, 9.9}, Worksheet::tr("Sheet %1").arg(sheet.number),
                           PrintFont{QString(), 7, false, false, printBlack}, true};
    QList<PrintPage> pages{worksheetLayout(problems, sheet.name, versionLabel, measure, prefix)};
    pages[0].add(number);
    if (!answerKey)
        return pages;

    PrintPage key;
    const QString name = sheet.name.isEmpty() ? QString() : QStringLiteral("            ") + prefix + sheet.name;
    // One line, so that the first row's quotients stay clear of it.
    addHeader(key, Worksheet::tr("Answer Key") + name, 1, measure);
    addProblems(key, problems);
    const PrintFont answerFont{QStringLiteral("Courier"), 14, true, false, printRed};
    for (int i = 0; i < std::min(int(problems.size()), largestWorksheet); ++i) {
        // A quotient goes above the bar; any other answer below the line.
        const double below = isDivision(problems[i]) ? -0.04 : 0.4;
        key.add(PrintText{problemAt(i) + QPointF(0, below), QString::number(problems[i].answer), answerFont, true});
    }
    key.add(number);
    pages.append(key);
    return pages;
}
