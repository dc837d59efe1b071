#include "game/cardphrase.h"

#include <QCoreApplication>

#include "game/gamesession.h"

QString cardPhrase(const GameSession &session)
{
    const char *pattern = QT_TRANSLATE_NOOP("CardPhrase", "%1 plus %2");
    double first = session.top;
    double second = session.bottom;
    switch (session.cardOperation) {
    case Operation::Subtraction: pattern = QT_TRANSLATE_NOOP("CardPhrase", "%1 minus %2"); break;
    case Operation::Multiplication: pattern = QT_TRANSLATE_NOOP("CardPhrase", "%1 times %2"); break;
    case Operation::Division:
        pattern = QT_TRANSLATE_NOOP("CardPhrase", "%1 divided by %2");
        first = session.dividend;
        second = session.divisor;
        break;
    default: break;
    }
    return QCoreApplication::translate("CardPhrase", pattern)
        .arg(QString::number(qint64(first)), QString::number(qint64(second)));
}
