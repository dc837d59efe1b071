// Building and rendering the printouts to PDF: a 100-problem worksheet, alone
// and with its answer key, a 100-row summary and a four-page progress report.
// Medians of repeated runs. With a folder argument the last PDFs are kept there
// for a look.
#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <vector>

#include "benchtable.h"

#include "app/fonts.h"
#include "app/program.h"
#include "game/gamesession.h"
#include "history/progressprint.h"
#include "platform/printrenderer.h"
#include "platform/product.h"
#include "platform/randomsource.h"
#include "report/gamesummary.h"
#include "report/summaryprint.h"
#include "worksheet/printedsheet.h"
#include "worksheet/worksheetlayout.h"

namespace {

constexpr int runs = 21;
constexpr double targetMs = 150;

double medianMs(const std::function<void()> &job)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        job();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void renderToPdf(const PagesForPrinter &layout, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    renderPrintPages(layout(printTextWidth(printer)), printer);
}

// A child who has played every fact of the four grids a few times.
ProgressReport progressReport()
{
    AttemptHistory history;
    constexpr qint16 operations[] = {Operation::Addition, Operation::Subtraction, Operation::Multiplication,
                                     Operation::Division};
    int n = 0;
    for (const qint16 operation : operations)
        for (int row = gridFirstRow(operation); row <= gridLast; ++row)
            for (int column = 0; column <= gridLast; ++column, ++n)
                for (int i = 0; i < 3; ++i)
                    history[factAtCell(operation, {row, column})].append({(n + i) % 3 != 0, 1.0 + (n + i) % 9});
    const FactRecords records = recordsOf(history);
    ProgressReport report;
    report.child = QStringLiteral("Ann");
    report.date = QStringLiteral("12/9/2026");
    QList<GameTrend> games;
    for (int g = 0; g < 30; ++g)
        games.append({QDateTime(QDate(2026, 11, 1).addDays(g), QTime(9, 0)), 20, 10 + g % 10, 2.0 + g % 5});
    for (const qint16 operation : operations)
        report.sections.append({masteryGrid(records, operation, report.fluencySeconds),
                                hardestFacts(records, operation, report.fluencySeconds, 10), games});
    return report;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    installFontSubstitutes();
    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();

    WorksheetSetup setup;
    setup.addition = setup.subtraction = setup.multiplication = setup.division = true;
    setup.topLimit = setup.bottomLimit = 99;
    setup.divisorLow = 2;
    setup.divisorHigh = 9;
    setup.cardCount = 100;
    int number = lowestSheetNumber;
    const auto worksheetMs = [&](bool answerKey) {
        return medianMs([&] {
            const PrintedSheet sheet{++number, QStringLiteral("Ann"), setup, {}};
            const QList<WorksheetProblem> problems = sheetProblems(sheet);
            renderToPdf([&](const PrintMeasure &measure) {
                return worksheetPages(sheet, problems, answerKey, versionLabel(), measure);
            }, folder + (answerKey ? QStringLiteral("/answerkey.pdf") : QStringLiteral("/worksheet.pdf")));
        });
    };
    const double sheetMs = worksheetMs(false);
    const double keyMs = worksheetMs(true);

    GameSummary summary;
    for (int n = 1; n <= 100; ++n) {
        CardRecord card;
        card.cardNumber = n;
        card.problem = QStringLiteral("%1 x %2 = %3").arg(n % 12 + 1).arg(n % 9 + 1).arg((n % 12 + 1) * (n % 9 + 1));
        card.given = (n % 12 + 1) * (n % 9 + 1) + (n % 7 == 0);
        card.right = n % 7 != 0;
        card.cardTime = QStringLiteral("0:%1").arg(n % 13);
        card.timeShown = true;
        summary.addCardRow(card);
    }
    summary.setResultLine(QStringLiteral("   Results for: Ann   Date: 12/8/2026   Game Time: 4:12   Score: 86%"));
    const double summaryMs = medianMs([&] {
        renderToPdf([&](const PrintMeasure &measure) {
            return QList<PrintPage>{summaryPrintLayout(summary, versionLabel(), measure)};
        }, folder + QStringLiteral("/summary.pdf"));
    });
    const ProgressReport report = progressReport();
    const double progressMs = medianMs([&] {
        renderToPdf([&](const PrintMeasure &) { return progressPrintPages(report); },
                    folder + QStringLiteral("/progress.pdf"));
    });

    const QString target = QStringLiteral("<= %1").arg(targetMs);
    const QString runsText = QStringLiteral(" to PDF, ms (%1 runs)").arg(runs);
    printBenchRow(QStringLiteral("100-problem worksheet printed") + runsText, sheetMs, {}, target);
    printBenchRow(QStringLiteral("100-problem worksheet with its answer key printed (baseline: without)") + runsText,
                  keyMs, sheetMs, target);
    printBenchRow(QStringLiteral("100-row summary printed") + runsText, summaryMs, {}, target);
    printBenchRow(QStringLiteral("four-page progress report printed") + runsText, progressMs, {},
                  QStringLiteral("<= 300"));
    return 0;
}
