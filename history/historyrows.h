#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>

#include <optional>

#include "history/mastery.h"
#include "history/practisedraw.h"

class QSqlQuery;

// How values are kept in the history's columns, and read back only when the
// program could have written them.
namespace HistoryRows {

// Times as UTC text with milliseconds, which sorts as time does.
QString timeText(const QDateTime &time);
QDateTime timeOf(const QVariant &text);
// A fact's last attempts as text, "R2.345 W6.000", oldest first.
QString recentText(const QList<Attempt> &recent);
// None when the text is not one the program writes.
std::optional<QList<Attempt>> recentOf(const QString &text);
// Every time a fact took, sorted, as little-endian 32-bit floats.
QList<float> timesOf(const QByteArray &bytes);
QByteArray bytesOf(const QList<float> &times);
double medianOfSorted(const QList<float> &times);
// The weak facts of a sheet as "operation:top:bottom:state" words.
QString weakFactsText(const QList<WeakFact> &facts);
// None when any word is not a fact the program could have kept.
std::optional<QList<WeakFact>> weakFactsOf(const QString &text);
// A whole number of the file within low and high; none for anything else.
std::optional<int> wholeOf(const QVariant &value, qint64 low, qint64 high);
// A null text binds as SQL NULL; an empty one is what is meant.
QString notNull(const QString &text);
// Children are matched by name, trimmed and without regard to case.
QString childKey(const QString &name);
// A UUID as QUuid writes it without braces: lower-case 8-4-4-4-12 hex.
bool isUuidText(const QString &text);

} // namespace HistoryRows

// Rows seen so far that the program could not have written; they are left
// out of everything read.
class RowChecks
{
public:
    int rejectedCount() const { return int(rejected.size()); }
    // Counts a row that fails the checks, once however often it is read.
    void reject(const QString &table, const QVariant &key);
    std::optional<Fact> factOf(const QSqlQuery &row, int column, const QString &table, const QVariant &key);
    // A card's fact, when the whole card is one the program could have written.
    std::optional<Fact> cardFactOf(const QSqlQuery &row, int at);

private:
    QSet<QString> rejected;
};
