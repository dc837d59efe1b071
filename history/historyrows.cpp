#include "history/historyrows.h"

#include <QSqlQuery>
#include <QStringList>
#include <QtEndian>

#include "game/gamesession.h"

namespace HistoryRows {

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime timeOf(const QVariant &text)
{
    return QDateTime::fromString(text.toString(), Qt::ISODateWithMs).toUTC();
}

QString recentText(const QList<Attempt> &recent)
{
    QStringList words;
    for (const Attempt &attempt : recent)
        words.append((attempt.right ? QLatin1Char('R') : QLatin1Char('W')) + QString::number(attempt.seconds, 'f', 3));
    return words.join(QLatin1Char(' '));
}

std::optional<QList<Attempt>> recentOf(const QString &text)
{
    QList<Attempt> recent;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool number = false;
        const double seconds = word.mid(1).toDouble(&number);
        const QChar mark = word.front();
        if (!number || !isPlausibleSeconds(seconds) || (mark != QLatin1Char('R') && mark != QLatin1Char('W')))
            return std::nullopt;
        recent.append({mark == QLatin1Char('R'), seconds});
    }
    if (recent.size() > recentAttempts)
        return std::nullopt;
    return recent;
}

QList<float> timesOf(const QByteArray &bytes)
{
    QList<float> times(bytes.size() / qsizetype(sizeof(float)));
    for (qsizetype i = 0; i < times.size(); ++i)
        times[i] = qFromLittleEndian<float>(bytes.constData() + i * qsizetype(sizeof(float)));
    return times;
}

QByteArray bytesOf(const QList<float> &times)
{
    QByteArray bytes(times.size() * qsizetype(sizeof(float)), Qt::Uninitialized);
    for (qsizetype i = 0; i < times.size(); ++i)
        qToLittleEndian(times[i], bytes.data() + i * qsizetype(sizeof(float)));
    return bytes;
}

double medianOfSorted(const QList<float> &times)
{
    const qsizetype n = times.size();
    if (n == 0)
        return 0;
    return n % 2 ? times[n / 2] : (double(times[n / 2 - 1]) + times[n / 2]) / 2;
}

QString weakFactsText(const QList<WeakFact> &facts)
{
    QStringList words;
    for (const WeakFact &weak : facts)
        words.append(QStringLiteral("%1:%2:%3:%4")
                         .arg(weak.fact.operation)
                         .arg(weak.fact.top)
                         .arg(weak.fact.bottom)
                         .arg(int(weak.state)));
    return words.join(QLatin1Char(' '));
}

std::optional<QList<WeakFact>> weakFactsOf(const QString &text)
{
    QList<WeakFact> facts;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(QLatin1Char(':'));
        if (parts.size() != 4)
            return std::nullopt;
        bool ok[4] = {};
        const int operation = parts[0].toInt(&ok[0]);
        const Fact fact{qint16(operation), parts[1].toInt(&ok[1]), parts[2].toInt(&ok[2])};
        const int state = parts[3].toInt(&ok[3]);
        if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || operation != fact.operation || !isPlausibleFact(fact)
            || state < int(Mastery::NotSeen) || state > int(Mastery::Mastered))
            return std::nullopt;
        facts.append({fact, Mastery(state)});
    }
    return facts;
}

std::optional<int> wholeOf(const QVariant &value, qint64 low, qint64 high)
{
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    if (!ok || n < low || n > high || value.typeId() == QMetaType::QByteArray)
        return std::nullopt;
    return int(n);
}

QString notNull(const QString &text)
{
    return text.isNull() ? QString(QLatin1String("")) : text;
}

QString childKey(const QString &name)
{
    // Never null: a null text binds as SQL NULL, which matches no child.
    return notNull(name.trimmed().toCaseFolded());
}

bool isUuidText(const QString &text)
{
    if (text.size() != 36)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        if (dash ? c != QLatin1Char('-')
                 : !((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return false;
    }
    return true;
}

} // namespace HistoryRows

using HistoryRows::wholeOf;

void RowChecks::reject(const QString &table, const QVariant &key)
{
    rejected.insert(table + QLatin1Char(':') + key.toString());
}

std::optional<Fact> RowChecks::factOf(const QSqlQuery &row, int column, const QString &table, const QVariant &key)
{
    const auto operation = wholeOf(row.value(column), Operation::Addition, Operation::Division);
    const auto top = wholeOf(row.value(column + 1), 0, largestCardAnswer);
    const auto bottom = wholeOf(row.value(column + 2), 0, largestCardAnswer);
    if (operation && top && bottom) {
        const Fact fact{qint16(*operation), *top, *bottom};
        if (isPlausibleFact(fact))
            return fact;
    }
    reject(table, key);
    return std::nullopt;
}

std::optional<Fact> RowChecks::cardFactOf(const QSqlQuery &row, int at)
{
    // Columns from at: id, operation, top, bottom, answer, right, seconds, ending.
    const QVariant id = row.value(at);
    const std::optional<Fact> fact = factOf(row, at + 1, QStringLiteral("cards"), id);
    if (!fact)
        return std::nullopt;
    if (wholeOf(row.value(at + 4), 0, largestCardAnswer) != factAnswer(*fact) || !wholeOf(row.value(at + 5), 0, 1)
        || !isPlausibleSeconds(row.value(at + 6).toDouble())
        || !wholeOf(row.value(at + 7), int(CardEnding::Typed), int(CardEnding::MarkedWrong))) {
        reject(QStringLiteral("cards"), id);
        return std::nullopt;
    }
    return fact;
}
