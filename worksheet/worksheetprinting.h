#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "history/classprint.h"
#include "worksheet/printedsheet.h"

class Dialogs;
class Platform;

// What printing needs from the main window, the setup tabs and the practice
// history.
struct WorksheetPrintHooks
{
    std::function<void(bool enabled)> setOptionsMenuEnabled;
    std::function<void()> tickAddition; // the answer OK to "No Math Function Selected!"
    // Keeps a printed sheet for reprinting; says why it could not, or nothing.
    // Unset, sheets are not kept.
    std::function<QString(const PrintedSheet &)> keepSheet;
};

// The user option of "Print Answer Key With Worksheets".
QString answerKeyOption();

// "Print Worksheet": confirms, shows the print dialog and prints one page of
// cardCount problems. The Options menu is disabled while the print dialog is
// up and enabled again however printing ends.
void printWorksheet(Platform &platform, Dialogs &dialogs, WorksheetSetup setup, const QString &playerName,
                    const WorksheetPrintHooks &hooks);

// "Print Weak Facts Worksheet": the same page drawn from the player's weak
// facts among those weakFacts gives for the ticked operations.
using WeakFactsFor = std::function<QList<WeakFact>(const WorksheetSetup &)>;
void printWeakWorksheet(Platform &platform, Dialogs &dialogs, WorksheetSetup setup, const QString &playerName,
                        const WeakFactsFor &weakFacts, const WorksheetPrintHooks &hooks);

// The user option of the check box "Print Class..." asks with.
QString classWorksheetsOption();

// "Print Class...": asks whether to add a weak-facts worksheet for each child
// who has weak facts among the ticked operations, then prints the class
// pages and those worksheets in one job, each sheet with its own number, kept
// for reprinting. children are the names of the report's rows.
using ChildWeakFactsFor = std::function<QList<WeakFact>(const QString &child, const WorksheetSetup &)>;
void printClass(Platform &platform, Dialogs &dialogs, const ClassReport &report, const QStringList &children,
                WorksheetSetup setup, const ChildWeakFactsFor &weakFacts, const WorksheetPrintHooks &hooks);

// "Reprint Worksheet...": asks for a sheet number and prints that sheet again.
// The finder says why, in unavailable, when the kept sheets cannot be read.
using SheetFinder = std::function<std::optional<PrintedSheet>(int number, QString &unavailable)>;
void reprintWorksheet(Platform &platform, Dialogs &dialogs, const SheetFinder &findSheet, const WorksheetPrintHooks &hooks);
