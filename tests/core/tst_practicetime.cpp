#include <QtTest>

#include "history/practicetime.h"

namespace {

const QDate today(2026, 12, 8);

// "-1/23:50": ten to midnight yesterday, local time; "-" is no time.
QDateTime at(const QString &text)
{
    if (text == QLatin1String("-"))
        return {};
    const QStringList parts = text.split(QLatin1Char('/'));
    return QDateTime(today.addDays(parts[0].toInt()), QTime::fromString(parts[1], QStringLiteral("hh:mm")));
}

// Games as "started ended lastCard", separated by ";".
QList<PractiseSpan> spansOf(const QString &text)
{
    QList<PractiseSpan> spans;
    for (const QString &game : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList times = game.simplified().split(QLatin1Char(' '));
        spans.append({at(times[0]), at(times[1]), at(times[2])});
    }
    return spans;
}

// The days with practice as "day:minutes", day 0 being today.
QString practisedDays(const PracticeDays &days)
{
    QStringList found;
    for (qsizetype i = 0; i < days.minutes.size(); ++i)
        if (days.minutes[i] > 0)
            found << QStringLiteral("%1:%2").arg(i - days.minutes.size() + 1).arg(days.minutes[i]);
    return found.join(QLatin1Char(' '));
}

} // namespace

class PracticeTimeTest : public QObject
{
    Q_OBJECT

private slots:
    void days_data()
    {
        QTest::addColumn<QString>("games");
        QTest::addColumn<QString>("practised");
        QTest::addColumn<double>("week");
        QTest::addColumn<int>("run");
        QTest::newRow("no games") << "" << "" << 0.0 << 0;
        QTest::newRow("a game over midnight") << "-1/23:50 0/00:10 0/00:09" << "-1:10 0:10" << 20.0 << 2;
        QTest::newRow("an open game, to its last card") << "0/10:00 - 0/10:15" << "0:15" << 15.0 << 1;
        QTest::newRow("stopped an hour after its last card") << "0/10:00 0/11:10 0/10:10" << "0:15" << 15.0 << 1;
        QTest::newRow("an end before the start") << "0/10:00 0/09:00 0/09:59" << "" << 0.0 << 0;
        QTest::newRow("two copies at once count once")
            << "0/10:00 0/10:30 0/10:29; 0/10:10 0/10:40 0/10:39; 0/11:00 0/11:05 0/11:04" << "0:45" << 45.0 << 1;
        QTest::newRow("days without practice break the run")
            << "-5/10:00 -5/10:05 -5/10:04; -4/10:00 -4/10:05 -4/10:04; -2/10:00 -2/10:05 -2/10:04; "
               "-1/10:00 -1/10:05 -1/10:04; 0/10:00 0/10:05 0/10:04"
            << "-5:5 -4:5 -2:5 -1:5 0:5" << 25.0 << 3;
        QTest::newRow("a run ending yesterday")
            << "-3/10:00 -3/10:05 -3/10:04; -2/10:00 -2/10:05 -2/10:04; -1/10:00 -1/10:05 -1/10:04"
            << "-3:5 -2:5 -1:5" << 15.0 << 3;
        QTest::newRow("the longest run, not the last")
            << "-12/10:00 -12/10:05 -12/10:04; -11/10:00 -11/10:05 -11/10:04; -10/10:00 -10/10:05 -10/10:04; "
               "0/10:00 0/10:05 0/10:04"
            << "-12:5 -11:5 -10:5 0:5" << 5.0 << 3;
        QTest::newRow("the first day shown counts, the day before not")
            << "-14/10:00 -14/10:20 -14/10:19; -13/10:00 -13/10:10 -13/10:09" << "-13:10" << 0.0 << 1;
        QTest::newRow("a game into the first day counts its part") << "-14/23:50 -13/00:10 -13/00:09" << "-13:10" << 0.0 << 1;
        QTest::newRow("the week is the last seven days")
            << "-7/10:00 -7/10:20 -7/10:19; -6/10:00 -6/10:05 -6/10:04" << "-7:20 -6:5" << 5.0 << 2;
        QTest::newRow("a game over before the first day") << "-20/10:00 -20/10:05 -20/10:04" << "" << 0.0 << 0;
    }
    void days()
    {
        QFETCH(QString, games);
        QFETCH(QString, practised);
        QFETCH(double, week);
        QFETCH(int, run);
        const PracticeDays days = practiceDays(spansOf(games), today);
        QCOMPARE(days.minutes.size(), practiceDaysShown);
        QCOMPARE(practisedDays(days), practised);
        QCOMPARE(days.weekMinutes, week);
        QCOMPARE(days.longestRun, run);
    }
};

QTEST_GUILESS_MAIN(PracticeTimeTest)
#include "tst_practicetime.moc"
