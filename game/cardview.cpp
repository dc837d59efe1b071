#include "game/cardview.h"

#include <QLabel>

#include "app/scale.h"
#include "app/widgets.h"
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

    const double s = screenScale;
    imgCard->move(scaled(539, s), scaled(100, s));
    picTopUnits->setGeometry(scaledRect(782, 110, 125, 172, s));
    picTopTens->setGeometry(scaledRect(657, 110, 125, 172, s));
    picBotUnits->setGeometry(scaledRect(782, 285, 125, 172, s));
    picBotTens->setGeometry(scaledRect(657, 285, 125, 172, s));
    picSign->setGeometry(scaledRect(548, 293, 109, 165, s));
    picLine->move(scaled(607, s), scaled(468, s));
    picBotHunds->setGeometry(scaledRect(670, 345, 76, 106, s));
}

void CardView::showIdleCard()
{
    imgCard->setPixmap(pictures.card);
    imgCard->resize(pictures.card.isNull() ? QSize(scaled(390, screenScale), scaled(555, screenScale))
                                           : pictures.card.size());
    for (QLabel *digit : {picTopUnits, picTopTens, picBotUnits, picBotTens})
        digit->setPixmap(pictures.digit[0]);
    picSign->setPixmap(pictures.plus);
    picLine->setPixmap(pictures.answerLine);
    picLine->resize(pictures.answerLine.isNull() ? QSize(scaled(300, screenScale), scaled(30, screenScale))
                                                 : pictures.answerLine.size());
    picBotHunds->hide();
    imgCard->lower();
}
