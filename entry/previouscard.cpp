#include "entry/previouscard.h"

#include "game/numbertext.h"

namespace {

QString problemText(double first, const char *sign, double second, double answer)
{
    return numberText(first) + QLatin1String(sign) + numberText(second) + QLatin1String(" = ")
           + numberText(answer);
}

} // namespace

std::optional<QString> previousCardText(const GameSession &session)
{
    switch (session.cardOperation) {
    case Operation::Addition:
        return problemText(session.top, " + ", session.bottom, session.answer);
    case Operation::Subtraction:
        return problemText(session.top, " - ", session.bottom, session.answer);
    case Operation::Multiplication:
        return problemText(session.top, " x ", session.bottom, session.answer);
    case Operation::Division:
        return problemText(session.dividend, " / ", session.divisor, session.answer);
    default:
        return std::nullopt;
    }
}
