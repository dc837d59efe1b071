#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>

// One game's time at the cards, as the history holds it.
struct PractiseSpan
{
    QDateTime started;
    QDateTime ended;    // invalid for a game left open
    QDateTime lastCard; // its last judged card
};

// Minutes practised per day, the oldest day first and today last.
struct PracticeDays
{
    QDate today;
    QList<double> minutes;
    double weekMinutes = 0; // the last seven days
    int longestRun = 0;     // the most days in a row with practice
};

inline constexpr int practiceDaysShown = 14;
// A window left open is not practice: a game counts up to this long after
// its last card, however much later it was stopped.
inline constexpr int idleSecondsAfterLastCard = 5 * 60;

// The earliest start a game counted in the days ending today can have; a day
// early, for a game that runs over midnight into them.
QDateTime practiceReadSince(QDate today, int days = practiceDaysShown);
// Where a game's practice ends; invalid when it cannot be told.
QDateTime practiceEnd(const PractiseSpan &span);
// Days in local time. Two copies playing at once count the time once.
PracticeDays practiceDays(const QList<PractiseSpan> &spans, QDate today, int days = practiceDaysShown);
// A day's minutes as shown: whole, and at least 1 for any practice.
int shownMinutes(double minutes);
