#include "game/cardview.h"

#include <QLabel>

#include "ui/scale.h"
#include "ui/widgets.h"
#include "game/cardpictures.h"
#include "resources/pictures.h"

CardView::CardView(QWidget *parent, const PictureSet &pictures, double screenScale)
    : QObject(parent)
    , pictures(pictures)
    , screenScale(screenScale)
{
    imgCard = makePicture(parent, QStringLiteral("imgCard"));
    picTopTens = makePicture(parent, QStringLiteral("picTopTens"));
    picTopUnits = makePicture(parent, QStringLiteral("picTopUnits"));
    picBotHunds = makePicture(parent, QStringLiteral("picBotHunds"));
    picBotTens = makePicture(parent, QStringLiteral("picBotTens"));
    picBotUnits = makePicture(parent, QStringLiteral("picBotUnits"));
    picSign = makePicture(parent, QStringLiteral("picSign"));
    picLine = makePicture(parent, QStringLiteral("picLine"));
    imgDivBox = makePicture(parent, QStringLiteral("imgDivBox"));
    picTemp = makePicture(parent, QStringLiteral("picTemp"));
    picTemp1 = makePicture(parent, QStringLiteral("picTemp1"));
    picTemp->hide();
    picTemp1->hide();
    imgDivBox->hide();
    // The bracket's bar runs behind the dividend's digits, not over them.
    imgDivBox->stackUnder(picTopTens);

    imgCard->move(scaled(539, screenScale), scaled(100, screenScale));
    placeStacked();
    picBotHunds->setGeometry(scaledRect(670, 345, 76, 106, screenScale));
}

void CardView::showIdleCard()
{
    signId = CardPictureId::plus.of(pictures.small);
    reloadPictures();
}

void CardView::reloadPictures()
{
    imgCard->setPixmap(pictures.card());
    imgCard->resize(pictures.card().isNull() ? QSize(scaled(390, screenScale), scaled(555, screenScale))
                                           : logicalSize(pictures.card()));
    picSign->setPixmap(tablePicture(signId));
    showGameOverCard();
    imgCard->lower();
}

void CardView::showGameOverCard()
{
    for (QLabel *digit : {picTopUnits, picTopTens, picBotUnits, picBotTens})
        digit->setPixmap(pictures.digit(0));
    layoutCard(Operation::Addition);
    nameStackedParts(Operation::Addition, 0, 0);
    // The idle card shows 00 over 00: both tens places show their 0.
    picTopTens->setAccessibleName(tr("top number, tens digit: %1").arg(0));
    picBotTens->setAccessibleName(tr("bottom number, tens digit: %1").arg(0));
}

void CardView::nameStackedParts(qint16 operation, int top, int bottom)
{
    const auto digit = [](int number, int place) {
        return place > 1 && number < place ? tr("blank") : QString::number(number / place % 10);
    };
    picTopTens->setAccessibleName(tr("top number, tens digit: %1").arg(digit(top, 10)));
    picTopUnits->setAccessibleName(tr("top number, units digit: %1").arg(digit(top, 1)));
    picBotTens->setAccessibleName(tr("bottom number, tens digit: %1").arg(digit(bottom, 10)));
    picBotUnits->setAccessibleName(tr("bottom number, units digit: %1").arg(digit(bottom, 1)));
    if (operation == Operation::Subtraction)
        picSign->setAccessibleName(tr("minus"));
    else if (operation == Operation::Multiplication)
        picSign->setAccessibleName(tr("times"));
    else if (operation == Operation::Addition)
        picSign->setAccessibleName(tr("plus"));
    picLine->setAccessibleName(tr("answer line"));
}

void CardView::nameDivisionParts(int divisor, int dividend)
{
    picTopUnits->setAccessibleName(tr("divisor: %1").arg(divisor));
    const std::pair<QLabel *, int> places[] = {{picBotHunds, 100}, {picBotTens, 10}, {picBotUnits, 1}};
    const char *roles[] = {QT_TR_NOOP("dividend, hundreds digit: %1"), QT_TR_NOOP("dividend, tens digit: %1"),
                           QT_TR_NOOP("dividend, units digit: %1")};
    for (int i = 0; i < 3; ++i) {
        const auto [picture, place] = places[i];
        picture->setAccessibleName(
            tr(roles[i]).arg(place > 1 && dividend < place ? tr("blank") : QString::number(dividend / place % 10)));
    }
    imgDivBox->setAccessibleName(tr("division bracket"));
}

const QPixmap &CardView::tablePicture(int id) const
{
    const bool small = pictures.small;
    for (int d = 0; d < 10; ++d) {
        if (id == CardPictureId::digits[d].of(small))
            return pictures.digit(d);
    }
    if (id == CardPictureId::plus.of(small))
        return pictures.plus();
    if (id == CardPictureId::minus.of(small))
        return pictures.minus();
    if (id == CardPictureId::times.of(small))
        return pictures.times();
    return pictures.blank();
}

void CardView::drawStackedCard(const GameSession &session)
{
    const StackedCardPictures ids = stackedCardPictures(session, pictures.small);
    if (ids.sign) {
        signId = *ids.sign;
        picSign->setPixmap(tablePicture(signId));
    }
    picTopTens->setPixmap(tablePicture(ids.topTens));
    picTopUnits->setPixmap(tablePicture(ids.topUnits));
    picBotTens->setPixmap(tablePicture(ids.bottomTens));
    picBotUnits->setPixmap(tablePicture(ids.bottomUnits));
    nameStackedParts(session.cardOperation, int(session.top), int(session.bottom));
    if (session.cardOperation == Operation::Subtraction) {
        // Kept so that a borrow can strike the top digits through and undo it.
        picTemp->setPixmap(picTopUnits->pixmap());
        picTemp1->setPixmap(picTopTens->pixmap());
    }
}

void CardView::drawDivisionCard(const GameSession &session)
{
    for (QLabel *hidden : {picTopTens, picTopUnits, picBotTens, picBotUnits, picSign, picLine})
        hidden->hide();
    imgDivBox->show();
    // Division digits are few and read per card rather than kept in the table.
    const DivisionCardPictures ids = divisionCardPictures(session, pictures.small);
    picTopUnits->setPixmap(pictures.byId(ids.divisor));
    picBotUnits->setPixmap(pictures.byId(ids.units));
    picBotTens->setPixmap(pictures.byId(ids.tens));
    picBotHunds->setPixmap(pictures.byId(ids.hundreds));
    nameDivisionParts(int(session.divisor), int(session.dividend));
}

void CardView::strikeTopDigits(int tens, int units)
{
    picTemp->setPixmap(picTopUnits->pixmap());
    picTemp1->setPixmap(picTopTens->pixmap());
    picTopUnits->setPixmap(pictures.byId(CardPictureId::struckDigit(units, pictures.small)));
    picTopTens->setPixmap(pictures.byId(CardPictureId::struckDigit(tens, pictures.small)));
}

void CardView::restoreTopDigits()
{
    picTopUnits->setPixmap(picTemp->pixmap());
    picTopTens->setPixmap(picTemp1->pixmap());
}

void CardView::layoutCard(qint16 cardOperation)
{
    if (cardOperation == Operation::Division)
        placeDivision();
    else
        placeStacked();
}

void CardView::placeStacked()
{
    const double s = screenScale;
    imgDivBox->hide();
    picBotHunds->hide();
    picTopUnits->setGeometry(scaledRect(782, 110, 125, 172, s));
    picTopTens->setGeometry(scaledRect(657, 110, 125, 172, s));
    picBotUnits->setGeometry(scaledRect(782, 285, 125, 172, s));
    picBotTens->setGeometry(scaledRect(657, 285, 125, 172, s));
    picSign->setGeometry(scaledRect(548, 293, 109, 165, s));
    picLine->setPixmap(pictures.answerLine());
    picLine->move(scaled(607, s), scaled(468, s));
    picLine->resize(pictures.answerLine().isNull() ? QSize(scaled(300, s), scaled(30, s))
                                                   : logicalSize(pictures.answerLine()));
    for (QLabel *shown : {picTopUnits, picTopTens, picBotUnits, picBotTens, picSign, picLine})
        shown->show();
}

void CardView::placeDivision()
{
    const double s = screenScale;
    const double k = s < 1 ? 0.75 : 1.0;
    imgDivBox->setPixmap(pictures.bracket());
    imgDivBox->move(scaled(620, s), scaled(318, s));
    imgDivBox->resize(pictures.bracket().isNull() ? QSize(scaled(272, s), scaled(155, s))
                                                  : logicalSize(pictures.bracket()));
    imgDivBox->show();
    const QSize digitSize(scaled(76, k), scaled(106, k));
    const std::pair<QLabel *, int> places[] = {
        {picTopUnits, 550}, {picBotHunds, 670}, {picBotTens, 750}, {picBotUnits, 830}};
    for (const auto &[picture, left] : places) {
        picture->setGeometry(QRect(QPoint(scaled(left, s), scaled(345, s)), digitSize));
        picture->show();
    }
}
