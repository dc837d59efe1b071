#pragma once

#include <QHash>
#include <QList>

#include <optional>

#include "game/generator.h"
#include "history/mastery.h"

struct WeakFact
{
    Fact fact;
    Mastery state = Mastery::NotSeen;

    bool operator==(const WeakFact &) const = default;
};

// The child's seen facts that a game of these operations and ranges could
// deal, each with its state.
QList<WeakFact> weakFactsFor(const FactRecords &records, double fluencySeconds, FunctionSet functions,
                             const GameSession &ranges, const GeneratorSettings &settings);

// Picks a fact with r in [0, 1), each weighted by weakFactWeight(); none when
// there is nothing to pick.
std::optional<Fact> pickWeakFact(const QList<WeakFact> &facts, double r);

Fact cardFact(const GameSession &session);

// The deal of a game that practises weak facts: half the cards practise and
// half are the normal draw. A practice card is a fact missed in this game,
// once it is three cards old (each fact at most twice in a game), or else a
// weak fact. No fact is dealt twice in a row.
class PractiseDraw
{
public:
    static constexpr int returnAfter = 3;
    static constexpr int returnsPerFact = 2;

    explicit PractiseDraw(QList<WeakFact> facts = {});

    // Deals card number cardNumber into the session, like generateCard().
    bool deal(GameSession &session, int cardNumber, const GeneratorSettings &settings, RandomSource &random,
              const AttemptHook &beforeNumbers = {});
    void judged(const Fact &fact, bool right, int cardNumber);

private:
    bool dealFact(GameSession &session, const Fact &fact, const AttemptHook &beforeNumbers);

    QList<WeakFact> weak;
    struct Return
    {
        Fact fact;
        int due;
    };
    QList<Return> returns;
    QHash<Fact, int> timesReturned;
    std::optional<Fact> last;
};
