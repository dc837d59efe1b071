#include "history/mastery.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "game/gamesession.h"

int factAnswer(const Fact &fact)
{
    // Wide enough that no pair of ints overflows; a fact read from a file may
    // hold any pair.
    const qint64 top = fact.top;
    const qint64 bottom = fact.bottom;
    switch (fact.operation) {
    case Operation::Addition: return int(top + bottom);
    case Operation::Subtraction: return int(top - bottom);
    case Operation::Multiplication: return int(top * bottom);
    case Operation::Division: return bottom == 0 ? 0 : int(top / bottom);
    default: return 0;
    }
}

bool isPlausibleFact(const Fact &fact)
{
    const auto within = [](int n, int high) { return n >= 0 && n <= high; };
    const int top = fact.top;
    const int bottom = fact.bottom;
    switch (fact.operation) {
    case Operation::Addition: return within(top, largestCardNumber) && within(bottom, largestCardNumber);
    case Operation::Subtraction:
        return within(top, largestCardNumber) && within(bottom, largestCardNumber) && bottom <= top;
    case Operation::Multiplication:
        return within(top, largestCardNumber) && within(bottom, largestCardNumber) && top * bottom <= largestCardAnswer;
    case Operation::Division:
        return within(top, largestCardAnswer) && bottom > 0 && bottom <= largestCardNumber && top % bottom == 0;
    default: return false;
    }
}

bool isPlausibleSeconds(double seconds)
{
    return std::isfinite(seconds) && seconds >= 0 && seconds <= longestCardSeconds;
}

bool isFluencyChoice(double seconds)
{
    return std::find(std::begin(fluencyChoices), std::end(fluencyChoices), seconds) != std::end(fluencyChoices);
}

QString factText(const Fact &fact)
{
    QString sign;
    switch (fact.operation) {
    case Operation::Addition: sign = QStringLiteral("+"); break;
    case Operation::Subtraction: sign = QStringLiteral("-"); break;
    case Operation::Multiplication: sign = QStringLiteral("x"); break;
    default: sign = QStringLiteral("\u00f7"); break;
    }
    return QStringLiteral("%1 %2 %3 = %4").arg(fact.top).arg(sign).arg(fact.bottom).arg(factAnswer(fact));
}

bool isFluent(const Attempt &attempt, double fluencySeconds)
{
    return attempt.right && attempt.seconds <= fluencySeconds;
}

Mastery masteryOf(const QList<Attempt> &attempts, double fluencySeconds)
{
    if (attempts.isEmpty())
        return Mastery::NotSeen;
    const QList<Attempt> lastThree = attempts.mid(std::max<qsizetype>(0, attempts.size() - 3));
    const auto fluent = std::count_if(lastThree.begin(), lastThree.end(),
                                      [fluencySeconds](const Attempt &a) { return isFluent(a, fluencySeconds); });
    const auto wrong = std::count_if(lastThree.begin(), lastThree.end(), [](const Attempt &a) { return !a.right; });
    const bool lastRight = lastThree.last().right;
    if (fluent >= 2 && lastRight)
        return Mastery::Mastered;
    if (!lastRight || wrong >= 2)
        return Mastery::NeedsWork;
    return Mastery::Learning;
}

QString masteryText(Mastery state)
{
    switch (state) {
    case Mastery::Mastered: return QCoreApplication::translate("Mastery", "mastered");
    case Mastery::NeedsWork: return QCoreApplication::translate("Mastery", "needs work");
    case Mastery::Learning: return QCoreApplication::translate("Mastery", "learning");
    case Mastery::NotSeen: break;
    }
    return QCoreApplication::translate("Mastery", "not seen");
}

int weakFactWeight(Mastery state)
{
    switch (state) {
    case Mastery::NeedsWork: return 4;
    case Mastery::Learning: return 2;
    case Mastery::Mastered: return 1;
    case Mastery::NotSeen: break;
    }
    return 0;
}

double medianSeconds(QList<double> seconds)
{
    if (seconds.isEmpty())
        return 0;
    std::sort(seconds.begin(), seconds.end());
    const qsizetype n = seconds.size();
    return n % 2 ? seconds[n / 2] : (seconds[n / 2 - 1] + seconds[n / 2]) / 2;
}

FactRecord recordOf(const Fact &fact, const QList<Attempt> &attempts)
{
    FactRecord record;
    record.fact = fact;
    record.tries = int(attempts.size());
    QList<double> seconds;
    seconds.reserve(attempts.size());
    for (const Attempt &attempt : attempts) {
        record.right += attempt.right ? 1 : 0;
        seconds.append(attempt.seconds);
    }
    record.medianSeconds = medianSeconds(seconds);
    record.recent = attempts.mid(std::max<qsizetype>(0, attempts.size() - recentAttempts));
    return record;
}

FactRecords recordsOf(const AttemptHistory &history)
{
    FactRecords records;
    for (auto it = history.begin(); it != history.end(); ++it)
        records.insert(it.key(), recordOf(it.key(), it.value()));
    return records;
}

FactSummary summarise(const FactRecord &record, double fluencySeconds)
{
    return {record.fact, record.tries, record.right, record.medianSeconds, masteryOf(record.recent, fluencySeconds)};
}

QString factDescription(const FactSummary &summary)
{
    if (summary.tries == 0)
        return factText(summary.fact) + QStringLiteral(": ") + masteryText(Mastery::NotSeen);
    const QString text = summary.tries == 1
                           ? QCoreApplication::translate("Mastery", "%1: %2 try, %3 right, median %4 s, %5")
                           : QCoreApplication::translate("Mastery", "%1: %2 tries, %3 right, median %4 s, %5");
    return text.arg(factText(summary.fact))
        .arg(summary.tries)
        .arg(summary.right)
        .arg(summary.medianSeconds, 0, 'f', 1)
        .arg(masteryText(summary.state));
}

QList<FactSummary> hardestFacts(const FactRecords &records, qint16 operation, double fluencySeconds, int count)
{
    QList<FactSummary> facts;
    for (const FactRecord &record : records) {
        if (record.fact.operation == operation && record.tries > 0)
            facts.append(summarise(record, fluencySeconds));
    }
    const auto rank = [](Mastery state) {
        return state == Mastery::NeedsWork ? 0 : state == Mastery::Learning ? 1 : 2;
    };
    std::sort(facts.begin(), facts.end(), [&rank](const FactSummary &a, const FactSummary &b) {
        if (rank(a.state) != rank(b.state))
            return rank(a.state) < rank(b.state);
        const double shareA = double(a.right) / a.tries;
        const double shareB = double(b.right) / b.tries;
        if (shareA != shareB)
            return shareA < shareB;
        if (a.medianSeconds != b.medianSeconds)
            return a.medianSeconds > b.medianSeconds;
        return a.fact < b.fact;
    });
    return facts.mid(0, count);
}

int gridFirstRow(qint16 operation)
{
    return operation == Operation::Division ? 1 : 0;
}

int gridCellCount(qint16 operation)
{
    return (gridLast + 1 - gridFirstRow(operation)) * (gridLast + 1);
}

std::optional<GridCell> gridCellOf(const Fact &fact)
{
    GridCell cell;
    switch (fact.operation) {
    case Operation::Addition:
    case Operation::Multiplication:
        cell = {fact.top, fact.bottom};
        break;
    case Operation::Subtraction:
    case Operation::Division:
        if (fact.operation == Operation::Division && (fact.bottom == 0 || fact.top % fact.bottom != 0))
            return std::nullopt;
        cell = {fact.bottom, factAnswer(fact)};
        break;
    default:
        return std::nullopt;
    }
    const auto inGrid = [](int n, int first) { return n >= first && n <= gridLast; };
    if (!inGrid(cell.row, gridFirstRow(fact.operation)) || !inGrid(cell.column, 0))
        return std::nullopt;
    return cell;
}

MasteryGrid masteryGrid(const FactRecords &records, qint16 operation, double fluencySeconds)
{
    MasteryGrid grid;
    grid.operation = operation;
    for (int row = gridFirstRow(operation); row <= gridLast; ++row) {
        for (int column = 0; column <= gridLast; ++column) {
            const Fact fact = factAtCell(operation, {row, column});
            FactRecord record = records.value(fact);
            record.fact = fact;
            grid.cells.append(summarise(record, fluencySeconds));
            grid.mastered += grid.cells.last().state == Mastery::Mastered ? 1 : 0;
        }
    }
    return grid;
}

QString masteredCountText(const MasteryGrid &grid)
{
    return QCoreApplication::translate("Mastery", "Mastered %1 of %2").arg(grid.mastered).arg(grid.cells.size());
}

Fact factAtCell(qint16 operation, GridCell cell)
{
    switch (operation) {
    case Operation::Subtraction: return {operation, cell.row + cell.column, cell.row};
    case Operation::Division: return {operation, cell.row * cell.column, cell.row};
    default: return {operation, cell.row, cell.column};
    }
}

QString factShortText(const Fact &fact)
{
    QString sign;
    switch (fact.operation) {
    case Operation::Addition: sign = QStringLiteral("+"); break;
    case Operation::Subtraction: sign = QStringLiteral("-"); break;
    case Operation::Multiplication: sign = QStringLiteral("\u00d7"); break;
    default: sign = QStringLiteral("\u00f7"); break;
    }
    return QStringLiteral("%1 %2 %3").arg(fact.top).arg(sign).arg(fact.bottom);
}

QString factsWonText(const FactRecords &before, const FactRecords &after, double fluencySeconds)
{
    // A game of 100 cards could win more than a line holds.
    constexpr int mostNamed = 10;
    const auto stateIn = [fluencySeconds](const FactRecords &records, const Fact &fact) {
        const auto found = records.constFind(fact);
        return found == records.cend() ? Mastery::NotSeen : masteryOf(found->recent, fluencySeconds);
    };
    QList<Fact> won;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (stateIn(after, it.key()) == Mastery::Mastered && stateIn(before, it.key()) != Mastery::Mastered)
            won.append(it.key());
    if (won.isEmpty())
        return {};
    std::sort(won.begin(), won.end());
    QStringList named;
    for (const Fact &fact : won.mid(0, mostNamed))
        named.append(factShortText(fact));
    QString text = QCoreApplication::translate("Mastery", "New: %1")
                       .arg(named.join(QStringLiteral(", ")) + (won.size() > mostNamed ? QStringLiteral(", \u2026")
                                                                                         : QString()));
    for (const qint16 operation : {Operation::Addition, Operation::Subtraction, Operation::Multiplication,
                                   Operation::Division}) {
        if (std::none_of(won.begin(), won.end(), [operation](const Fact &fact) { return fact.operation == operation; }))
            continue;
        const MasteryGrid grid = masteryGrid(after, operation, fluencySeconds);
        const int of = int(grid.cells.size());
        QString line;
        switch (operation) {
        case Operation::Addition:
            line = QCoreApplication::translate("Mastery", "Addition: %1 of %2 mastered").arg(grid.mastered).arg(of);
            break;
        case Operation::Subtraction:
            line = QCoreApplication::translate("Mastery", "Subtraction: %1 of %2 mastered").arg(grid.mastered).arg(of);
            break;
        case Operation::Multiplication:
            line = QCoreApplication::translate("Mastery", "Multiplication: %1 of %2 mastered")
                       .arg(grid.mastered)
                       .arg(of);
            break;
        default:
            line = QCoreApplication::translate("Mastery", "Division: %1 of %2 mastered").arg(grid.mastered).arg(of);
            break;
        }
        text += QLatin1Char('\n') + line;
    }
    return text;
}
