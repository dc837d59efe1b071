#pragma once

#include <QString>

#include <optional>

#include "history/keptsheet.h"

class HistoryConnection;
class RowChecks;

// The worksheets printed, kept in the history so that a sheet's number
// prints it again.
class SheetArchive
{
public:
    SheetArchive(HistoryConnection &connection, RowChecks &checks);

    // Keeps the sheet under its number, in place of any older one, and
    // forgets all but the last keptSheets printed.
    bool keep(const PrintedSheet &sheet);
    std::optional<PrintedSheet> sheet(int number);
    // Inside the caller's transaction: the sheets printed for the child
    // (by its key), which carry the name and the weak facts.
    bool forgetChild(const QString &key);

private:
    HistoryConnection &db;
    RowChecks &checks;
};
