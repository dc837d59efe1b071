#pragma once

#include <optional>

#include "game/gamesession.h"

// Picture ids for the boxes of a stacked card (addition, subtraction,
// multiplication). The sign is empty for any other operation, so the box
// keeps the sign it shows.
struct StackedCardPictures
{
    std::optional<int> sign;
    int topTens = 0;
    int topUnits = 0;
    int bottomTens = 0;
    int bottomUnits = 0;
};

// Picture ids for a division card: the divisor and the dividend's three places.
struct DivisionCardPictures
{
    int divisor = 0;
    int hundreds = 0;
    int tens = 0;
    int units = 0;
};

StackedCardPictures stackedCardPictures(const GameSession &session, bool smallSet);
DivisionCardPictures divisionCardPictures(const GameSession &session, bool smallSet);
