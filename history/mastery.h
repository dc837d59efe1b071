#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <compare>
#include <optional>

// A fact is an operation and its two numbers: the top and bottom numbers of a
// stacked card, or the dividend and the divisor of a division card.
struct Fact
{
    qint16 operation = 0;
    int top = 0;
    int bottom = 0;

    auto operator<=>(const Fact &) const = default;
    bool operator==(const Fact &) const = default;
};

inline size_t qHash(const Fact &fact, size_t seed = 0)
{
    return qHashMulti(seed, fact.operation, fact.top, fact.bottom);
}

int factAnswer(const Fact &fact);

// What a card can hold: numbers of at most two digits (a dividend of three),
// answers of at most three, and a day at the most on one card.
inline constexpr int largestCardNumber = 99;
inline constexpr int largestCardAnswer = 999;
inline constexpr double longestCardSeconds = 24 * 60 * 60;
// Whether the program could have dealt the fact: a known operation, numbers a
// card shows, no negative answer, and a whole quotient of a divisor above 0.
// Facts read from a file are checked with it before any rule sees them.
bool isPlausibleFact(const Fact &fact);
bool isPlausibleSeconds(double seconds);
// "7 x 8 = 56", as the tool tips, the lists and the export show a fact.
QString factText(const Fact &fact);

// One dealing of a fact: verbal and marked cards count like typed ones.
struct Attempt
{
    bool right = false;
    double seconds = 0;
};

enum class Mastery { NotSeen, Learning, NeedsWork, Mastered };

inline constexpr double defaultFluencySeconds = 6;
inline constexpr double fluencyChoices[] = {3, 6, 12};
bool isFluencyChoice(double seconds);

// A right answer within the fluency time; exactly at the limit still counts.
bool isFluent(const Attempt &attempt, double fluencySeconds);
// From the last three attempts (oldest first in the list).
Mastery masteryOf(const QList<Attempt> &attempts, double fluencySeconds);
QString masteryText(Mastery state);
// How much more often the practice draw deals a fact in this state.
int weakFactWeight(Mastery state);
double medianSeconds(QList<double> seconds);

// Everything the Progress window and the printouts say about one fact.
struct FactSummary
{
    Fact fact;
    int tries = 0;
    int right = 0;
    double medianSeconds = 0;
    Mastery state = Mastery::NotSeen;
};

// Every attempt of a child, oldest first, per fact.
using AttemptHistory = QHash<Fact, QList<Attempt>>;

// What the rules need of a fact's attempts: the counts, the median time and
// the last three attempts, oldest first. The store keeps it up to date.
struct FactRecord
{
    Fact fact;
    int tries = 0;
    int right = 0;
    double medianSeconds = 0;
    QList<Attempt> recent;
};
using FactRecords = QHash<Fact, FactRecord>;
inline constexpr int recentAttempts = 3;

FactRecord recordOf(const Fact &fact, const QList<Attempt> &attempts);
FactRecords recordsOf(const AttemptHistory &history);

FactSummary summarise(const FactRecord &record, double fluencySeconds);
// "7 x 8 = 56: 5 tries, 3 right, median 4.2 s, needs work"
QString factDescription(const FactSummary &summary);
// The weakest seen facts of one operation, needs work first, then by the
// share right, then the slowest; any numbers, not just the grid's.
QList<FactSummary> hardestFacts(const FactRecords &records, qint16 operation, double fluencySeconds,
                                int count);

// The mastery grid of the basic facts 0 to 12: addition and multiplication
// by top and bottom number, subtraction and division by their inverse
// (a - b = c at row b, column c; a / b = c at row b from 1, column c).
struct GridCell
{
    int row = 0;
    int column = 0;
};
int gridFirstRow(qint16 operation);
inline constexpr int gridLast = 12;
int gridCellCount(qint16 operation);
// Where a cell stands in a grid's cells, row by row from gridFirstRow(), 13 a row.
inline qsizetype gridIndexOf(qint16 operation, GridCell cell)
{
    return qsizetype(cell.row - gridFirstRow(operation)) * (gridLast + 1) + cell.column;
}
std::optional<GridCell> gridCellOf(const Fact &fact);
Fact factAtCell(qint16 operation, GridCell cell);

// One operation's grid: its cells row by row from gridFirstRow(), 13 a row.
struct MasteryGrid
{
    qint16 operation = 0;
    QList<FactSummary> cells;
    int mastered = 0;

    const FactSummary &at(GridCell cell) const
    {
        return cells.at(gridIndexOf(operation, cell));
    }
};
MasteryGrid masteryGrid(const FactRecords &records, qint16 operation, double fluencySeconds);
// "Mastered 37 of 169"
QString masteredCountText(const MasteryGrid &grid);

// "7 × 8", as the end of a game names a fact.
QString factShortText(const Fact &fact);
// What a game won: the facts mastered after it that were not before, and for
// each of their operations how much of its grid is mastered now, one line
// each; empty when nothing new.
QString factsWonText(const FactRecords &before, const FactRecords &after, double fluencySeconds);

// One game as the trend shows it.
struct GameTrend
{
    QDateTime started;
    int judged = 0;
    int right = 0;
    double medianSeconds = 0;
};
