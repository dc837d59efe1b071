#pragma once

#include <QString>

#include <optional>

#include "game/gamesession.h"

// Every card of the game was judged.
bool gameCompleted(const GameSession &session, int cardCount);

// The whole percentage of the result line: exact halves go to the even
// neighbour (5 of 40 gives 12, 35 of 40 gives 88).
int roundedScore(int rightCount, int cardCount);

// The score sentence kept in the session: five leading blanks when the game
// was completed, seven when it was not.
QString scoreLine(const GameSession &session, int cardCount, bool timeRanOut = false);

// A game ended by its time limit counts the cards done and the right ones.
QString timeUpTitle();
QString timeUpText(const GameSession &session);

QString gameCompleteTitle();
QString stopGameTitle();

// The message of a completed game, with the unrounded percentage.
QString gameCompleteText(const GameSession &session, int cardCount);
// The question before an unfinished game ends.
QString stopGameText(const GameSession &session, int cardCount);

// "Results for: " and the name, or nothing without a name.
QString resultsForName(const QString &playerName);

// The summary's result line. The game time is given only when the timer
// option is on.
QString resultLine(const QString &resultsFor, const QString &date, const std::optional<QString> &gameTime,
                   const QString &scoreLine);
