#include "game/timerdisplay.h"

#include <QLabel>
#include <QLineEdit>

#include "ui/widgets.h"
#include "resources/pictures.h"

namespace {

QLineEdit *makeClock(QWidget *parent, const QString &name, QPoint place)
{
    auto *clock = makeNamed<QLineEdit>(parent, name);
    clock->setText(QStringLiteral("00:00"));
    clock->setReadOnly(true);
    clock->setFocusPolicy(Qt::NoFocus);
    clock->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(16);
    font.setBold(true);
    // Hidden until a timed game starts.
    setFontWhenShown(clock, font);
    clock->setGeometry(QRect(place, QSize(90, 34)));
    return clock;
}

} // namespace

TimerDisplay::TimerDisplay(QWidget *parent)
    : QObject(parent)
{
    imgTotalTime = makePicture(parent, QStringLiteral("imgTotalTime"));
    imgTotalTime->setGeometry(40, 150, 120, 40);
    imgTotalTime->hide();
    imgTotalTime->setAccessibleName(tr("game time"));
    txtTotalTime = makeClock(parent, QStringLiteral("txtTotalTime"), {70, 195});
    imgCardTime = makePicture(parent, QStringLiteral("imgCardTime"));
    imgCardTime->setGeometry(200, 150, 120, 40);
    imgCardTime->hide();
    imgCardTime->setAccessibleName(tr("card time"));
    txtCardTime = makeClock(parent, QStringLiteral("txtCardTime"), {230, 195});
}

void TimerDisplay::showPictures(const PictureSet &pictures)
{
    imgTotalTime->setPixmap(pictures.byId(PictureId::GameClock));
    imgCardTime->setPixmap(pictures.byId(PictureId::CardClock));
}
