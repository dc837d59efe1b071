#pragma once

#include <QString>

#include <functional>

#include "worksheet/worksheetgenerator.h"

class Program;

// What printing needs from the main window and the setup tabs.
struct WorksheetPrintHooks
{
    std::function<void(bool enabled)> setOptionsMenuEnabled;
    std::function<void()> tickAddition; // the answer OK to "No Math Function Selected!"
};

// "Print Worksheet": confirms, shows the print dialog and prints one page of
// cardCount problems. The Options menu is disabled while the print dialog is
// up and enabled again however printing ends.
void printWorksheet(Program &program, WorksheetSetup setup, const QString &playerName,
                    const WorksheetPrintHooks &hooks);
