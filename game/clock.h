#pragma once

#include <QString>

#include <optional>

#include "game/gamesession.h"

// What the clocks are asked to do, read from the setup when a game starts.
struct ClockOptions
{
    bool timer = false;     // "Game and Card Timer"
    bool gameLimit = false; // "Game Time Limit"
    bool cardLimit = false; // "Card Time Limit"
    int gameLimitMinutes = 1;
    qint16 cardTimeLimit = 2; // seconds
};

// The limit in force: limits count only with the timer on, and the game limit
// wins should both be ticked.
enum class ClockLimit { None, Game, Card };
ClockLimit activeLimit(const ClockOptions &options);

// m:s without padding: 0:5, 1:0, 12:34.
QString clockText(double minutes, double seconds);

// m:s of a number of seconds (125 gives 2:5).
QString gameTimeText(double seconds);

// The game time of the summary's result line: the game clock as shown, or,
// after a count-down, the time played.
QString playedGameTime(const GameSession &session, const ClockOptions &options,
                       const QString &shownTotalTime);

struct ClockTexts
{
    QString totalTime;
    QString cardTime;
};

// Sets the clocks for a timed game; a game limit of n minutes shows n:0.
ClockTexts startClocks(GameSession &session, const ClockOptions &options);

enum class TickEvent { Nothing, CardTimedOut, GameTimedOut };

// What one tick did; a text is empty when its box keeps what it shows.
struct TickResult
{
    TickEvent event = TickEvent::Nothing;
    std::optional<QString> totalTime;
    std::optional<QString> cardTime;
};

// One second of a running game (nothing at all while idle). The clocks count
// on in the background when the timer option is off. A game limit of n
// minutes runs out on the tick that reaches 0:0, exactly n * 60 ticks after
// the start; that tick alone reports it and the clock then stays at 0:0. A
// card that runs out has cardTimedOut set for the answer check.
TickResult tickClocks(GameSession &session, const ClockOptions &options);

// After a judged card: the card clock starts again. Returns the text the card
// box then shows, when a card limit is in force.
std::optional<QString> restartCardClock(GameSession &session, const ClockOptions &options);
