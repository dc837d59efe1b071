#include "game/score.h"

#include <QCoreApplication>

#include "game/numbertext.h"

bool gameCompleted(const GameSession &session, int cardCount)
{
    return session.cardNumber == cardCount + 1;
}

int roundedScore(int rightCount, int cardCount)
{
    if (cardCount <= 0)
        return 0;
    // Whole numbers only: in floating point 23 of 40 comes out just below
    // 57.5 and would round down.
    const qint64 scaled = qint64(rightCount) * 100;
    const qint64 whole = scaled / cardCount;
    const qint64 twiceRest = 2 * (scaled % cardCount);
    if (twiceRest > cardCount || (twiceRest == cardCount && whole % 2 != 0))
        return int(whole + 1);
    return int(whole);
}

QString scoreLine(const GameSession &session, int cardCount, bool timeRanOut)
{
    if (gameCompleted(session, cardCount))
        return QStringLiteral("     ") + QCoreApplication::translate("Score", "You got %1 right out of %2. That's a score of %3%")
            .arg(session.rightCount)
            .arg(cardCount)
            .arg(roundedScore(session.rightCount, cardCount));
    if (timeRanOut)
        return QStringLiteral("       ") + timeUpText(session);
    return QStringLiteral("       ") + QCoreApplication::translate("Score", "You did not complete this game. You did %1 cards.")
        .arg(numberText(session.cardNumber - 1));
}

QString gameCompleteTitle()
{
    return QCoreApplication::translate("Score", "Game Complete");
}

QString stopGameTitle()
{
    return QCoreApplication::translate("Score", "Stop Game?");
}

QString timeUpTitle()
{
    return QCoreApplication::translate("Score", "Time's Up");
}

QString timeUpText(const GameSession &session)
{
    return QCoreApplication::translate("Score", "Time's up! You got %1 right out of %2 cards.")
        .arg(session.rightCount)
        .arg(session.cardNumber - 1);
}

QString gameCompleteText(const GameSession &session, int cardCount)
{
    const double percent = cardCount > 0 ? double(session.rightCount) / cardCount * 100 : 0;
    return QCoreApplication::translate("Score", "You got %1 right out of %2. That's a score of %3%")
        .arg(session.rightCount)
        .arg(cardCount)
        .arg(numberText(percent));
}

QString stopGameText(const GameSession &session, int cardCount)
{
    return QCoreApplication::translate("Score", "You did not complete this game. You did %1 cards out of %2.\r\n"
                                                "Are you sure you want to stop?")
        .arg(numberText(session.cardNumber - 1))
        .arg(cardCount);
}

QString resultsForName(const QString &playerName)
{
    return playerName.isEmpty() ? QString() : QCoreApplication::translate("Score", "Results for: ") + playerName;
}

QString resultLine(const QString &resultsFor, const QString &date, const std::optional<QString> &gameTime,
                   const QString &scoreLine)
{
    QString line = resultsFor + QCoreApplication::translate("Score", "   Date: ") + date;
    if (gameTime)
        line += QStringLiteral("     ") + QCoreApplication::translate("Score", "    Game Time ") + *gameTime;
    return line + scoreLine;
}
