#include "game/cardpictures.h"

#include "resources/pictureids.h"

namespace {

// A tens digit of 0 is no digit at all: the place shows the blank tile.
int stackedDigit(double digit, bool smallSet, bool blankForZero)
{
    const int d = int(digit);
    if (d < 0 || d > 9 || (blankForZero && d == 0))
        return CardPictureId::blank.of(smallSet);
    return CardPictureId::digits[d].of(smallSet);
}

int divisionPlace(qint64 number, qint64 place, bool smallSet)
{
    if (place > 1 && number < place)
        return CardPictureId::divisionBlank(smallSet);
    return CardPictureId::divisionDigit(int(number / place % 10), smallSet);
}

} // namespace

StackedCardPictures stackedCardPictures(const GameSession &session, bool smallSet)
{
    StackedCardPictures pictures;
    switch (session.cardOperation) {
    case Operation::Addition:
        pictures.sign = CardPictureId::plus.of(smallSet);
        break;
    case Operation::Subtraction:
        pictures.sign = CardPictureId::minus.of(smallSet);
        break;
    case Operation::Multiplication:
        pictures.sign = CardPictureId::times.of(smallSet);
        break;
    }
    pictures.topTens = stackedDigit(session.topTens, smallSet, true);
    pictures.topUnits = stackedDigit(session.topUnits, smallSet, false);
    pictures.bottomTens = stackedDigit(session.bottomTens, smallSet, true);
    pictures.bottomUnits = stackedDigit(session.bottomUnits, smallSet, false);
    return pictures;
}

DivisionCardPictures divisionCardPictures(const GameSession &session, bool smallSet)
{
    // A card has three places; a dividend is at most 108.
    const qint64 dividend = qBound(qint64(0), qint64(session.dividend), qint64(999));
    return {divisionPlace(qint64(session.divisor), 1, smallSet), divisionPlace(dividend, 100, smallSet),
            divisionPlace(dividend, 10, smallSet), divisionPlace(dividend, 1, smallSet)};
}
