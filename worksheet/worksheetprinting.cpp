#include "worksheet/worksheetprinting.h"

#include <QCoreApplication>
#include <QSet>

#include "platform/dialogs.h"
#include "platform/product.h"
#include "platform/printrenderer.h"
#include "worksheet/worksheetlayout.h"

namespace {


struct Worksheet
{
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

QString printTitle()
{
    return Worksheet::tr("Print Worksheet");
}

QString confirmation(int problemCount)
{
    const QString twoLines = QStringLiteral("\r\n\r\n");
    return Worksheet::tr("The number of problems printed will be the number of cards set for the game. This will print a %1 "
              "problem worksheet using the current game settings for math function and number range.")
               .arg(problemCount)
           + twoLines + Worksheet::tr("For Multiplication, the botom numbers will contain 2 digits per the RANGE settings")
           + twoLines + QStringLiteral("\t");
}

// The same question as Start, rather than a sheet of nothing; false on Cancel.
bool someOperationTicked(Dialogs &dialogs, WorksheetSetup &setup, const WorksheetPrintHooks &hooks)
{
    if (setup.addition || setup.subtraction || setup.multiplication || setup.division)
        return true;
    const Platform::Answer answer = dialogs.ask(
        QCoreApplication::translate("GameFlow", "No Math Function Selected!"),
        QCoreApplication::translate("GameFlow", "You did not select a Math Function.") + QStringLiteral("\r\n")
            + QCoreApplication::translate("GameFlow", "Click OK to do Addition Only or CANCEL to got to setup"),
        Platform::Buttons::OkCancel);
    if (answer != Platform::Answer::Ok)
        return false;
    hooks.tickAddition();
    setup.addition = true;
    return true;
}

// The weak facts that a sheet practises: those that need work or are being learned.
QList<WeakFact> sheetFacts(QList<WeakFact> facts)
{
    facts.removeIf([](const WeakFact &weak) {
        return weak.state != Mastery::NeedsWork && weak.state != Mastery::Learning;
    });
    return facts;
}

void tellNotKept(Dialogs &dialogs, const QList<int> &numbers, const QString &why)
{
    QStringList shown;
    for (const int number : numbers)
        shown.append(QString::number(number));
    dialogs.ask(printTitle(),
                Worksheet::tr("The worksheet was printed, but its sheet number %1 cannot be kept for reprinting: %2.")
                    .arg(shown.join(QStringLiteral(", ")), why),
                Platform::Buttons::Ok, Platform::Icon::Warning);
}

void printSheet(Platform &platform, Dialogs &dialogs, const PrintedSheet &sheet, const WorksheetPrintHooks &hooks, bool keep)
{
    const QList<WorksheetProblem> problems = sheetProblems(sheet);
    const bool answerKey = platform.userOption(answerKeyOption()).toBool();
    hooks.setOptionsMenuEnabled(false);
    const bool printed = printPages(platform, [&](const PrintMeasure &measure) {
        return worksheetPages(sheet, problems, answerKey, versionLabel(), measure);
    });
    hooks.setOptionsMenuEnabled(true);
    if (!printed || !keep || !hooks.keepSheet)
        return;
    const QString why = hooks.keepSheet(sheet);
    if (!why.isEmpty())
        tellNotKept(dialogs, {sheet.number}, why);
}

} // namespace

QString answerKeyOption()
{
    return QStringLiteral("printAnswerKey");
}

void printWorksheet(Platform &platform, Dialogs &dialogs, WorksheetSetup setup, const QString &playerName,
                    const WorksheetPrintHooks &hooks)
{
    if (!someOperationTicked(dialogs, setup, hooks))
        return;
    if (dialogs.ask(printTitle(), confirmation(setup.cardCount), Platform::Buttons::OkCancel, Platform::Icon::Question)
        != Platform::Answer::Ok)
        return;

    // Ranges in which every product is over 999 would otherwise never yield a problem.
    if (drawableOperations(setup).isEmpty()) {
        dialogs.ask(printTitle(),
                    Worksheet::tr("No worksheet can be printed: with these number ranges every Multiplication "
                       "answer is larger than 999. Lower the Top or Bottom range and try again."),
                    Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    printSheet(platform, dialogs, {newSheetNumber(platform.random()), playerName, setup, {}}, hooks, true);
}

void printWeakWorksheet(Platform &platform, Dialogs &dialogs, WorksheetSetup setup, const QString &playerName,
                        const WeakFactsFor &weakFacts, const WorksheetPrintHooks &hooks)
{
    if (!someOperationTicked(dialogs, setup, hooks))
        return;
    const QList<WeakFact> facts = sheetFacts(weakFacts(setup));
    if (facts.isEmpty()) {
        const QString name = playerName.trimmed().isEmpty() ? Worksheet::tr("This child") : playerName.trimmed();
        dialogs.ask(Worksheet::tr("Print Weak Facts Worksheet"),
                    Worksheet::tr("%1 has no facts that need work or are being learned among the ticked operations "
                       "in the current number ranges, so there is nothing to print.")
                        .arg(name),
                    Platform::Buttons::Ok, Platform::Icon::Information);
        return;
    }
    printSheet(platform, dialogs, {newSheetNumber(platform.random()), playerName, setup, facts}, hooks, true);
}

QString classWorksheetsOption()
{
    return QStringLiteral("printClassWorksheets");
}

void printClass(Platform &platform, Dialogs &dialogs, const ClassReport &report, const QStringList &children,
                WorksheetSetup setup, const ChildWeakFactsFor &weakFacts, const WorksheetPrintHooks &hooks)
{
    const QVariant kept = platform.userOption(classWorksheetsOption());
    const std::optional<bool> withSheets = platform.askWithCheckBox(
        Worksheet::tr("Print Class"),
        Worksheet::tr("This prints the class table and the facts most children need work on."),
        Worksheet::tr("Add a weak-facts worksheet for each child who has weak facts among the ticked operations"),
        !kept.isValid() || kept.toBool());
    if (!withSheets)
        return;
    platform.setUserOption(classWorksheetsOption(), *withSheets);
    QList<PrintedSheet> sheets;
    if (*withSheets) {
        if (!someOperationTicked(dialogs, setup, hooks))
            return;
        QSet<int> numbers;
        for (const QString &child : children) {
            const QList<WeakFact> facts = sheetFacts(weakFacts(child, setup));
            if (facts.isEmpty())
                continue;
            // Each sheet of the job its own number, so that each reprints.
            int number = newSheetNumber(platform.random());
            while (numbers.contains(number))
                number = number == highestSheetNumber ? lowestSheetNumber : number + 1;
            numbers.insert(number);
            sheets.append({number, child, setup, facts});
        }
    }
    const bool answerKey = platform.userOption(answerKeyOption()).toBool();
    hooks.setOptionsMenuEnabled(false);
    const bool printed = printPages(platform, [&](const PrintMeasure &measure) {
        QList<PrintPage> pages = classPrintPages(report, measure);
        for (const PrintedSheet &sheet : std::as_const(sheets))
            pages += worksheetPages(sheet, sheetProblems(sheet), answerKey, versionLabel(), measure);
        return pages;
    });
    hooks.setOptionsMenuEnabled(true);
    if (!printed || !hooks.keepSheet)
        return;
    QList<int> notKept;
    QString why;
    for (const PrintedSheet &sheet : std::as_const(sheets)) {
        const QString failed = hooks.keepSheet(sheet);
        if (failed.isEmpty())
            continue;
        notKept.append(sheet.number);
        why = failed;
    }
    if (!notKept.isEmpty())
        tellNotKept(dialogs, notKept, why);
}

void reprintWorksheet(Platform &platform, Dialogs &dialogs, const SheetFinder &findSheet, const WorksheetPrintHooks &hooks)
{
    const QString title = Worksheet::tr("Reprint Worksheet");
    const std::optional<int> number = platform.askNumber(
        title, Worksheet::tr("The sheet number printed in the bottom corner of the worksheet:"), lowestSheetNumber,
        highestSheetNumber);
    if (!number)
        return;
    QString unavailable;
    const std::optional<PrintedSheet> sheet = findSheet(*number, unavailable);
    if (!sheet && !unavailable.isEmpty()) {
        dialogs.ask(title,
                    Worksheet::tr("Worksheet number %1 cannot be looked up: %2. Sheet numbers are kept in the "
                                  "practice history.")
                        .arg(*number)
                        .arg(unavailable),
                    Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    if (!sheet) {
        dialogs.ask(title,
                    Worksheet::tr("There is no worksheet number %1 among the last %2 printed on this computer.")
                        .arg(*number)
                        .arg(keptSheets),
                    Platform::Buttons::Ok, Platform::Icon::Information);
        return;
    }
    printSheet(platform, dialogs, *sheet, hooks, false);
}
