#include "worksheet/worksheetlayout.h"

#include <algorithm>

namespace {

constexpr int problemsPerRow = 10;
constexpr int largestWorksheet = 100;
// Two lines of the header fit above the first row of problems.
constexpr int headerLines = 2;
constexpr double headerLineHeight = 0.16;

} // namespace

PrintPage worksheetLayout(const QList<WorksheetProblem> &problems, const QString &playerName,
                          const QString &versionLabel, const PrintMeasure &measure)
{
    PrintPage page;
    const QString name = playerName.isEmpty() ? QString() : QStringLiteral("Worksheet for: ") + playerName;
    const PrintFont headerFont{QString(), 10, true, true, printBlack};
    const QStringList header =
        wrapForPrint(name + QStringLiteral("            Sumdrop ") + versionLabel + QString(25, QLatin1Char('_')),
                     headerFont, printRightEdge - 1.0, headerLines, measure);
    for (int i = 0; i < header.size(); ++i)
        page.add(PrintText{{1.0, 0.75 + i * headerLineHeight}, header[i], headerFont});

    const PrintFont plain{QStringLiteral("Courier"), 14, false, false, printBlack};
    PrintFont underlined = plain;
    underlined.underline = true;
    const int count = std::min(int(problems.size()), largestWorksheet);
    // Each row prints its top texts first, then its bottom texts.
    for (int first = 0; first < count; first += problemsPerRow) {
        const int last = std::min(first + problemsPerRow, count);
        const int row = first / problemsPerRow;
        const double top = 1.2 + 0.9 * row;
        for (int i = first; i < last; ++i)
            page.add(PrintText{{0.7 * (i - first + 1), top}, problems[i].top, plain, true});
        for (int i = first; i < last; ++i) {
            const bool division = problems[i].bottom.mid(1, 1) == QLatin1String(")");
            page.add(PrintText{{0.7 * (i - first + 1), top + 0.2}, problems[i].bottom, division ? plain : underlined, true});
        }
    }
    return page;
}
