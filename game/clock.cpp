#include "game/clock.h"

#include <cmath>

#include "game/numbertext.h"

namespace {

void countUp(double &minutes, double &seconds)
{
    seconds += 1;
    if (seconds >= 60) {
        minutes += 1;
        seconds = 0;
    }
}

void splitSeconds(double total, double &minutes, double &seconds)
{
    minutes = std::floor(total / 60);
    seconds = total - 60 * minutes;
}

QString cardLimitText(const ClockOptions &options)
{
    return QStringLiteral("0:") + numberText(options.cardTimeLimit);
}

// The game count-down runs on whole seconds left, so that every minute of the
// limit lasts sixty ticks.
TickResult countDownGame(GameSession &session)
{
    TickResult result;
    double left = session.gameMinutes * 60 + session.gameSeconds;
    if (left > 0) {
        left -= 1;
        if (left <= 0)
            result.event = TickEvent::GameTimedOut;
    }
    splitSeconds(std::max(left, 0.0), session.gameMinutes, session.gameSeconds);
    result.totalTime = clockText(session.gameMinutes, session.gameSeconds);
    countUp(session.cardMinutes, session.cardSeconds);
    result.cardTime = clockText(session.cardMinutes, session.cardSeconds);
    return result;
}

TickResult countDownCard(GameSession &session, const ClockOptions &options)
{
    TickResult result;
    countUp(session.gameMinutes, session.gameSeconds);
    result.totalTime = clockText(session.gameMinutes, session.gameSeconds);
    session.cardSeconds += 1;
    // At or past the limit: a clock left over from elsewhere must not count on below zero.
    if (session.cardSeconds >= options.cardTimeLimit) {
        session.cardTimedOut = 1;
        result.event = TickEvent::CardTimedOut;
    } else {
        result.cardTime = u':' + numberText(options.cardTimeLimit - session.cardSeconds);
    }
    return result;
}

} // namespace

ClockLimit activeLimit(const ClockOptions &options)
{
    if (!options.timer)
        return ClockLimit::None;
    if (options.gameLimit)
        return ClockLimit::Game;
    return options.cardLimit ? ClockLimit::Card : ClockLimit::None;
}

QString clockText(double minutes, double seconds)
{
    return numberText(minutes) + u':' + numberText(seconds);
}

QString gameTimeText(double seconds)
{
    double minutes = 0;
    splitSeconds(seconds, minutes, seconds);
    return clockText(minutes, seconds);
}

QString playedGameTime(const GameSession &session, const ClockOptions &options,
                       const QString &shownTotalTime)
{
    if (activeLimit(options) == ClockLimit::Game)
        return gameTimeText(session.elapsedSeconds);
    return shownTotalTime;
}

ClockTexts startClocks(GameSession &session, const ClockOptions &options)
{
    session.gameMinutes = session.gameSeconds = 0;
    session.cardMinutes = session.cardSeconds = 0;
    session.elapsedSeconds = 0;
    ClockTexts texts{clockText(0, 0), clockText(0, 0)};
    switch (activeLimit(options)) {
    case ClockLimit::Game:
        session.gameMinutes = options.gameLimitMinutes;
        texts.totalTime = clockText(session.gameMinutes, 0);
        break;
    case ClockLimit::Card:
        texts.cardTime = cardLimitText(options);
        break;
    case ClockLimit::None:
        break;
    }
    return texts;
}

TickResult tickClocks(GameSession &session, const ClockOptions &options)
{
    if (session.state == 0)
        return {};
    session.elapsedSeconds += 1;
    switch (activeLimit(options)) {
    case ClockLimit::Game:
        return countDownGame(session);
    case ClockLimit::Card:
        return countDownCard(session, options);
    case ClockLimit::None:
        break;
    }
    countUp(session.gameMinutes, session.gameSeconds);
    countUp(session.cardMinutes, session.cardSeconds);
    return {TickEvent::Nothing, clockText(session.gameMinutes, session.gameSeconds),
            clockText(session.cardMinutes, session.cardSeconds)};
}

std::optional<QString> restartCardClock(GameSession &session, const ClockOptions &options)
{
    session.cardMinutes = session.cardSeconds = 0;
    if (activeLimit(options) == ClockLimit::Card)
        return cardLimitText(options);
    return std::nullopt;
}
