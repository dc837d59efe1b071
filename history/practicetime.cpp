#include "history/practicetime.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

QDateTime practiceReadSince(QDate today, int days)
{
    return today.addDays(-days).startOfDay();
}

QDateTime practiceEnd(const PractiseSpan &span)
{
    QDateTime end = span.ended.isValid() ? span.ended : span.lastCard;
    if (span.lastCard.isValid())
        end = std::min(end, span.lastCard.addSecs(idleSecondsAfterLastCard));
    return end;
}

PracticeDays practiceDays(const QList<PractiseSpan> &spans, QDate today, int days)
{
    PracticeDays result;
    result.today = today;
    result.minutes = QList<double>(std::max(0, days), 0.0);
    if (days <= 0)
        return result;
    const QDate first = today.addDays(1 - days);
    const qint64 windowStart = first.startOfDay().toMSecsSinceEpoch();
    const qint64 windowEnd = today.addDays(1).startOfDay().toMSecsSinceEpoch();

    // Each span cut to the window, then the overlaps joined.
    std::vector<std::pair<qint64, qint64>> times;
    for (const PractiseSpan &span : spans) {
        const QDateTime end = practiceEnd(span);
        if (!span.started.isValid() || !end.isValid())
            continue;
        const qint64 from = std::max(windowStart, span.started.toMSecsSinceEpoch());
        const qint64 to = std::min(windowEnd, end.toMSecsSinceEpoch());
        if (from < to)
            times.emplace_back(from, to);
    }
    std::sort(times.begin(), times.end());
    std::vector<std::pair<qint64, qint64>> joined;
    for (const auto &time : times) {
        if (!joined.empty() && time.first <= joined.back().second)
            joined.back().second = std::max(joined.back().second, time.second);
        else
            joined.push_back(time);
    }

    for (const auto &[from, to] : joined) {
        qint64 at = from;
        while (at < to) {
            const QDate day = QDateTime::fromMSecsSinceEpoch(at).date();
            const qint64 midnight = std::min(to, day.addDays(1).startOfDay().toMSecsSinceEpoch());
            const qint64 index = first.daysTo(day);
            if (index >= 0 && index < days)
                result.minutes[index] += double(midnight - at) / 60000.0;
            // A day that does not move the clock on (a broken zone) must not stop the loop.
            at = std::max(midnight, at + 1);
        }
    }

    int run = 0;
    for (int i = 0; i < days; ++i) {
        run = result.minutes[i] > 0 ? run + 1 : 0;
        result.longestRun = std::max(result.longestRun, run);
        if (i >= days - 7)
            result.weekMinutes += result.minutes[i];
    }
    return result;
}

int shownMinutes(double minutes)
{
    return minutes > 0 ? std::max(1, int(std::lround(minutes))) : 0;
}
