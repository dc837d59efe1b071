#pragma once

#include <QList>
#include <QString>

#include "game/gamesession.h"
#include "game/generator.h"
#include "history/practisedraw.h"

// Where a game that practises weak facts finds them: the practice history.
class WeakFactSource
{
public:
    virtual ~WeakFactSource() = default;
    virtual QList<WeakFact> weakFacts(const QString &child, FunctionSet functions, const GameSession &ranges,
                                      const GeneratorSettings &settings) = 0;
};

// What the game now ending won the child, in words for its end; empty when
// nothing new.
class FactsWonSource
{
public:
    virtual ~FactsWonSource() = default;
    virtual QString factsWon() = 0;
};
