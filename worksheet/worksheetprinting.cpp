#include "worksheet/worksheetprinting.h"

#include "app/program.h"
#include "platform/printrenderer.h"
#include "worksheet/worksheetlayout.h"

namespace {

QString confirmation(int problemCount)
{
    const QString twoLines = QStringLiteral("\r\n\r\n");
    return QStringLiteral("The number of problems printed will be the number of cards set for the game.")
           + QStringLiteral(" This will print a ") + QString::number(problemCount)
           + QStringLiteral(" problem worksheet using the current game settings ")
           + QStringLiteral("for math function and number range.") + twoLines
           + QStringLiteral("For Multiplication, the botom numbers will contain 2 digits per the RANGE settings")
           + twoLines + QStringLiteral("\t");
}

} // namespace

void printWorksheet(Program &program, WorksheetSetup setup, const QString &playerName,
                    const WorksheetPrintHooks &hooks)
{
    // The same question as Start, rather than a sheet of nothing.
    if (!setup.addition && !setup.subtraction && !setup.multiplication && !setup.division) {
        const Platform::Answer answer = program.ask(
            QStringLiteral("No Math Function Selected!"),
            QStringLiteral("You did not select a Math Function.\r\nClick OK to do Addition Only or CANCEL to got to setup"),
            Platform::Buttons::OkCancel);
        if (answer != Platform::Answer::Ok)
            return;
        hooks.tickAddition();
        setup.addition = true;
    }

    const QString title = QStringLiteral("Print Worksheet");
    if (program.ask(title, confirmation(setup.cardCount), Platform::Buttons::OkCancel, Platform::Icon::Question)
        != Platform::Answer::Ok)
        return;

    // Ranges in which every product is over 999 would otherwise never yield a problem.
    if (drawableOperations(setup).isEmpty()) {
        program.ask(title,
                    QStringLiteral("No worksheet can be printed: with these number ranges every Multiplication "
                                   "answer is larger than 999. Lower the Top or Bottom range and try again."),
                    Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }

    hooks.setOptionsMenuEnabled(false);
    program.platform.print([&](QPagedPaintDevice &printer) {
        const QList<WorksheetProblem> problems = generateWorksheet(setup, program.platform.random());
        renderPrintPage(worksheetLayout(problems, playerName, Program::versionLabel(), printTextWidth(printer)),
                        printer);
    });
    hooks.setOptionsMenuEnabled(true);
}
