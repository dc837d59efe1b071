#pragma once

#include <QList>

#include <functional>

#include "game/gamesession.h"

class RandomSource;

// The setup values the generator reads besides the range copies that Start
// keeps in the session. Ranges run from 1 to 99, as the setup keeps them.
struct GeneratorSettings
{
    bool advancedRange = false;
    int topLimit = 1;
    int bottomLimit = 1;
    int divisorLow = 2;
    int divisorHigh = 2;
    int divisionResultLimit = 10; // largest quotient: 10 or 12
};

// Runs in every attempt once the card's operation is chosen and before its
// numbers are drawn (the game flow updates the card counter and keypad here).
using AttemptHook = std::function<void(const GameSession &)>;

// Fills the session's problem fields (cardOperation, operationPick, top,
// bottom and their digits, divisor, dividend, answer) with a valid card of the
// game's functionSet. A rejected attempt draws its operation anew. Returns
// false only when no operation of the set can ever make a card, which a game
// refused by dealableOperations() never meets.
bool generateCard(GameSession &session, const GeneratorSettings &settings, RandomSource &random,
                  const AttemptHook &beforeNumbers = {});

// The operations of a set in pick order: a mixed game's pick k chooses the
// k-th. A single operation gives itself; an unknown code gives none.
QList<qint16> operationsOf(FunctionSet set);

// Whether any draw of the current ranges makes a card of this operation.
bool cardPossible(qint16 operation, const GameSession &ranges, const GeneratorSettings &settings);
bool subtractionCardPossible(const GameSession &ranges, const GeneratorSettings &settings);

// Whether the normal draw could deal this card with the current ranges and
// divisor rules: for division, top is the dividend and bottom the divisor.
bool cardFits(qint16 operation, double top, double bottom, const GameSession &ranges,
              const GeneratorSettings &settings);
// Puts a card chosen elsewhere into the session's problem fields, as the
// normal draw would have filled them.
void setCard(GameSession &session, qint16 operation, double top, double bottom);

// The operations of the set that can be dealt with the current ranges, in
// pick order. Start refuses a game when this is empty.
QList<qint16> dealableOperations(FunctionSet set, const GameSession &ranges,
                                 const GeneratorSettings &settings);
