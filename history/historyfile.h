#pragma once

#include <QString>

enum class HistoryState { Closed, Absent, Open, NotOurs, Newer, NotAFile, Failed };

// What the bytes of a history file say before SQLite may open it: Open when it
// may (for writing, a missing file is made first), else why not. A file not
// accepted, or a log beside it from another database, is left exactly as it is.
struct FileVerdict
{
    HistoryState state = HistoryState::Open;
    QString why;
};
FileVerdict inspectHistoryFile(const QString &file, bool forWriting);
