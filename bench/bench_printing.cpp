// Building and rendering the two printouts to PDF: a 100-problem worksheet and
// a 100-row summary. Medians of repeated runs. With a folder argument the last
// PDFs are kept there for a look.
#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

#include "benchtable.h"

#include "app/fonts.h"
#include "app/program.h"
#include "game/gamesession.h"
#include "platform/printrenderer.h"
#include "platform/randomsource.h"
#include "report/gamesummary.h"
#include "report/summaryprint.h"
#include "worksheet/worksheetlayout.h"

namespace {

constexpr int runs = 21;
constexpr double targetMs = 150;

class SeededRandom final : public RandomSource
{
public:
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); }

private:
    std::mt19937 engine{20261208};
};

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

void renderToPdf(const std::function<PrintPage(const PrintMeasure &)> &layout, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    renderPrintPage(layout(printTextWidth(printer)), printer);
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
    SeededRandom random;
    const double worksheetMs = medianMs([&] {
        const QList<WorksheetProblem> problems = generateWorksheet(setup, random);
        renderToPdf([&](const PrintMeasure &measure) {
            return worksheetLayout(problems, QStringLiteral("Ann"), Program::versionLabel(), measure);
        }, folder + QStringLiteral("/worksheet.pdf"));
    });

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
        renderToPdf([&](const PrintMeasure &measure) { return summaryPrintLayout(summary, Program::versionLabel(), measure); },
                    folder + QStringLiteral("/summary.pdf"));
    });

    const QString target = QStringLiteral("<= %1").arg(targetMs);
    const QString runsText = QStringLiteral(" to PDF, ms (%1 runs)").arg(runs);
    printBenchRow(QStringLiteral("100-problem worksheet printed") + runsText, worksheetMs, {}, target);
    printBenchRow(QStringLiteral("100-row summary printed") + runsText, summaryMs, {}, target);
    return 0;
}
