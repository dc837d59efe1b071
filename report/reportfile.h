#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

#include "report/gamesummary.h"

class QIODevice;

// The saved game report: a comma-separated text file, CR LF line ends, UTF-8.
// Line 1 is "-sdr-" and the result line, then one line per shown row:
// "problem","answer","time",colour,0 with colour 255 for a wrong row, else 0.
// A double quote inside a text is written twice.

inline constexpr char reportMark[] = "-sdr-";

// The name a report is saved under: ".txt" is added unless the name already
// ends in exactly ".txt" (so "REPORT.TXT" becomes "REPORT.TXT.txt").
QString reportFileName(const QString &chosen);

QByteArray formatReport(const GameSummary &summary);
// Atomic: a failed save leaves an existing file whole. False on failure.
bool writeReportFile(const GameSummary &summary, const QString &path, QString *error = nullptr);

struct ReportContents
{
    enum class Kind {
        Unreadable, // could not be opened
        Empty,      // no field at all
        NotAReport, // the first field is not exactly the mark
        Loaded,     // the mark was found: resultLine and rows hold what was read
    };
    Kind kind = Kind::Empty;
    std::optional<QString> resultLine;
    QList<SummaryRow> rows;
    // The data ended cleanly after a whole row (or the header). A file cut
    // short, or one with more rows than the summary holds, keeps what was read
    // but is not complete.
    bool complete = false;
};

// Reads fields one at a time and keeps at most a few kilobytes of each, so
// no file, however long or broken, costs more than a full report.
ReportContents parseReport(QIODevice &device);
ReportContents readReportFile(const QString &path);

// The message shown when a file does not carry the mark.
QString notAReportMessage(const QString &path);

// Puts a loaded report on the summary (pages cleared, result line, rows in
// order); leaves it untouched for anything but Loaded. True when page 1 is to
// be shown, that is when the whole file was read.
bool applyReport(const ReportContents &contents, GameSummary &summary);
