#include "platform/datetext.h"

#include <QRegularExpression>

QLocale dateLocale()
{
    const QLocale language;
    const QLocale user = QLocale::system();
    if (language.language() == QLocale::English || language.language() == user.language())
        return user;
    return language;
}

QString shortDateText(const QDate &date)
{
    return dateLocale().toString(date, QLocale::ShortFormat);
}

QString monthDayText(const QDate &date)
{
    const QString english = QStringLiteral("MMM d");
    if (QLocale().language() == QLocale::English)
        return QLocale().toString(date, english);
    // The day and the month in the order, and with the mark after the day,
    // of the language's long date ("d. MMMM yyyy", "d 'de' MMMM 'de' yyyy").
    const QLocale locale = dateLocale();
    const QString longFormat = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression dayPattern(QStringLiteral("(?<!d)dd?(?!d)"));
    const QRegularExpressionMatch day = dayPattern.match(longFormat);
    const qsizetype month = longFormat.indexOf(QStringLiteral("MMM"));
    if (!day.hasMatch() || month < day.capturedStart())
        return locale.toString(date, english);
    const bool dotted = longFormat.mid(day.capturedEnd(), 1) == QStringLiteral(".");
    return locale.toString(date, dotted ? QStringLiteral("d. MMM") : QStringLiteral("d MMM"));
}
