#include "history/practisedraw.h"

#include <algorithm>

#include "platform/randomsource.h"

namespace {

// Redraws of a normal card that repeats the last fact; a range of one fact
// has to repeat it in the end.
constexpr int repeatRedraws = 100;

} // namespace

QList<WeakFact> weakFactsFor(const FactRecords &records, double fluencySeconds, FunctionSet functions,
                             const GameSession &ranges, const GeneratorSettings &settings)
{
    const QList<qint16> operations = operationsOf(functions);
    QList<WeakFact> facts;
    for (const FactRecord &record : records) {
        const Fact &fact = record.fact;
        if (record.recent.isEmpty() || !operations.contains(fact.operation)
            || !cardFits(fact.operation, fact.top, fact.bottom, ranges, settings))
            continue;
        facts.append({fact, masteryOf(record.recent, fluencySeconds)});
    }
    // The hash's order changes from run to run; a seeded game must not.
    std::sort(facts.begin(), facts.end(), [](const WeakFact &a, const WeakFact &b) { return a.fact < b.fact; });
    return facts;
}

std::optional<Fact> pickWeakFact(const QList<WeakFact> &facts, double r)
{
    int total = 0;
    for (const WeakFact &fact : facts)
        total += weakFactWeight(fact.state);
    if (total == 0)
        return std::nullopt;
    double target = r * total;
    for (const WeakFact &fact : facts) {
        target -= weakFactWeight(fact.state);
        if (target < 0)
            return fact.fact;
    }
    // r of exactly 1 from some sources: the last fact that has a weight.
    for (auto it = facts.rbegin(); it != facts.rend(); ++it)
        if (weakFactWeight(it->state) > 0)
            return it->fact;
    return std::nullopt;
}

Fact cardFact(const GameSession &session)
{
    if (session.cardOperation == Operation::Division)
        return {session.cardOperation, int(session.dividend), int(session.divisor)};
    return {session.cardOperation, int(session.top), int(session.bottom)};
}

PractiseDraw::PractiseDraw(QList<WeakFact> facts)
    : weak(std::move(facts))
{
}

bool PractiseDraw::dealFact(GameSession &session, const Fact &fact, const AttemptHook &beforeNumbers)
{
    session.cardOperation = fact.operation;
    if (beforeNumbers)
        beforeNumbers(session);
    setCard(session, fact.operation, fact.top, fact.bottom);
    last = fact;
    return true;
}

bool PractiseDraw::deal(GameSession &session, int cardNumber, const GeneratorSettings &settings,
                        RandomSource &random, const AttemptHook &beforeNumbers)
{
    // Half the cards practise: a missed fact that is due comes back first,
    // otherwise a weak fact. The other half stays the normal draw, so that a
    // child who misses everything still meets new facts.
    const auto due = std::find_if(returns.begin(), returns.end(), [&](const Return &r) {
        return r.due <= cardNumber && r.fact != last;
    });
    if ((due != returns.end() || !weak.isEmpty()) && random.next() < 0.5) {
        if (due != returns.end()) {
            const Fact fact = due->fact;
            returns.erase(due);
            return dealFact(session, fact, beforeNumbers);
        }
        QList<WeakFact> choices = weak;
        choices.removeIf([this](const WeakFact &w) { return w.fact == last; });
        if (const auto fact = pickWeakFact(choices, random.next()))
            return dealFact(session, *fact, beforeNumbers);
    }
    for (int redraw = 0; redraw < repeatRedraws; ++redraw) {
        if (!generateCard(session, settings, random, beforeNumbers))
            return false;
        if (cardFact(session) != last)
            break;
    }
    last = cardFact(session);
    return true;
}

void PractiseDraw::judged(const Fact &fact, bool right, int cardNumber)
{
    if (right || timesReturned.value(fact) >= returnsPerFact)
        return;
    timesReturned[fact] += 1;
    returns.append({fact, cardNumber + returnAfter});
}
