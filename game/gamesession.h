#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// Codes of the operations in play: 15 to 18 are the single operations and
// double as the operation of one card; 4, 5 and 7 to 14 and 19 are mixes.
using FunctionSet = qint16;

namespace Operation {
inline constexpr qint16 Addition = 15;
inline constexpr qint16 Subtraction = 16;
inline constexpr qint16 Multiplication = 17;
inline constexpr qint16 Division = 18;
} // namespace Operation

// The code of exactly the set of ticked operations; 0 when none is ticked.
FunctionSet functionSetFor(bool addition, bool subtraction, bool multiplication, bool division);

// How a card's judging came about.
enum class CardEnding : qint16 { Typed = 0, TimedOut = 1, MarkedRight = 2, MarkedWrong = 3 };

// The log entry of one judged card.
struct CardRecord
{
    // The card itself: for division, top is the dividend and bottom the divisor.
    qint16 operation = 0;
    double top = 0;
    double bottom = 0;
    double answer = 0;
    CardEnding ending = CardEnding::Typed;
    double seconds = 0; // from the deal to the judging, on a monotonic clock
    QDateTime judgedAt; // UTC

    double cardNumber = 0;
    QString problem;
    double given = 0;
    bool hasGiven = true; // false for a verbal card, whose answer cell stays empty
    bool right = false;
    QString cardTime;
    bool timeShown = false;
};

// The one record of the game being played. Whole numbers held as doubles
// follow the program's long-standing arithmetic.
struct GameSession
{
    qint16 state = 0; // 0 idle, 1 running
    FunctionSet functionSet = 0;
    qint16 cardOperation = 0;
    double operationPick = 0;
    double cardNumber = 0;
    qint16 rightCount = 0;
    double top = 0;
    double bottom = 0;
    double topUnits = 0;
    double topTens = 0;
    double bottomUnits = 0;
    double bottomTens = 0;
    double divisor = 0;
    double dividend = 0;
    double answer = 0;
    double givenAnswer = 0;
    qint16 lastCardRight = 0;
    qint16 cardTimedOut = 0;
    qint16 entryMode = 0; // 0 separate boxes, 1 single box, 2 verbal
    double rangeTopMin = 0;
    double rangeTopMax = 0;
    double rangeBottomMin = 0;
    qint16 rangeBottomMax = 0;
    double gameMinutes = 0;
    double gameSeconds = 0;
    double cardMinutes = 0;
    double cardSeconds = 0;
    double elapsedSeconds = 0;
    QString scoreLine;
    QString resultsFor;

    void resetCardFields();
};
