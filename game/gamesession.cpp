#include "game/gamesession.h"

FunctionSet functionSetFor(bool, bool, bool, bool)
{
    return 0;
}

void GameSession::resetCardFields()
{
    top = bottom = topUnits = topTens = bottomUnits = bottomTens = 0;
}
