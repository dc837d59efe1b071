#include "game/gamesession.h"

FunctionSet functionSetFor(bool addition, bool subtraction, bool multiplication, bool division)
{
    // Each rule that holds overwrites the earlier ones, so the larger groups,
    // tested last, win: the result is the code of exactly the ticked set.
    FunctionSet code = 0;
    if (addition)
        code = 15;
    if (subtraction)
        code = 16;
    if (multiplication)
        code = 17;
    if (division)
        code = 18;
    if (addition && subtraction)
        code = 9;
    if (addition && multiplication)
        code = 10;
    if (addition && division)
        code = 11;
    if (subtraction && multiplication)
        code = 12;
    if (subtraction && division)
        code = 13;
    if (multiplication && division)
        code = 14;
    if (subtraction && multiplication && division)
        code = 4;
    if (subtraction && multiplication && addition)
        code = 5;
    if (division && addition && subtraction)
        code = 7;
    if (division && addition && multiplication)
        code = 8;
    if (addition && subtraction && multiplication && division)
        code = 19;
    return code;
}

void GameSession::resetCardFields()
{
    top = bottom = topUnits = topTens = bottomUnits = bottomTens = 0;
}
