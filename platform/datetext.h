#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Dates as a person reads them, in the program's language (the default
// QLocale). In English, and wherever the user's own locale speaks that
// language, the user's own short format is kept.
QLocale dateLocale();

// A day in the short date format of dateLocale().
QString shortDateText(const QDate &date);

// Month and day, as a chart labels its days: "Dec 9" in English, "9. Dez."
// in German, "9 déc." in French.
QString monthDayText(const QDate &date);
