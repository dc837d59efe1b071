#include "play/gameboard.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

#include "entry/answerarea.h"
#include "entry/feedbackview.h"
#include "entry/keypad.h"
#include "game/cardview.h"
#include "game/timerdisplay.h"
#include "resources/pictures.h"
#include "ui/clicklabel.h"
#include "ui/scale.h"
#include "ui/widgets.h"

namespace {

// The style draws a button's icon at the screen's density; a face sharper
// than the screen is meant for the zoomed window, so it is drawn here and
// scaled smoothly with the window.
class FaceButton : public QPushButton
{
public:
    using QPushButton::QPushButton;
    bool sharpFaces = false;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (!sharpFaces || devicePixelRatioF() > 1) {
            QPushButton::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        QRect place(QPoint(), iconSize());
        place.moveCenter(rect().center());
        painter.drawPixmap(place, icon().pixmap(iconSize(), 2.0, isEnabled() ? QIcon::Normal : QIcon::Disabled));
    }
};

} // namespace

GameBoard::GameBoard(QWidget *client, const PictureSet &pictures, double screenScale)
    : pictures(pictures)
    , screenScale(screenScale)
{
    card = new CardView(client, pictures, screenScale);
    answers = new AnswerArea(client, screenScale);
    feedback = new FeedbackView(client);
    timers = new TimerDisplay(client);

    imgStart = makePicture(client, QStringLiteral("imgStart"));
    imgStart->hide();
    imgStop = makePicture(client, QStringLiteral("imgStop"));
    imgStop->hide();
    cmdStart = makeNamed<FaceButton>(client, QStringLiteral("cmdStart"));
    cmdStart->setFlat(true);
    cmdStart->setCursor(Qt::PointingHandCursor);
    cmdStart->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    showPictures(false);

    lblCardReport = makeNamed<QLabel>(client, QStringLiteral("lblCardReport"));
    showCardCounterCaption();
    setTextColour(lblCardReport, Qt::white);
    lblCardReport->setAutoFillBackground(true);
    QPalette counterPalette = lblCardReport->palette();
    counterPalette.setColor(QPalette::Window, darkRed);
    lblCardReport->setPalette(counterPalette);

    keypad = new Keypad(client);

    Timer1 = new QTimer(client);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
}

void GameBoard::layOut()
{
    const double s = screenScale;
    keypad->hide();
    // Shrunk for a small display, the keypad would reach up over the previous card.
    keypad->move(scaled(250, s), std::max(scaled(420, s), feedback->imgPrevious->geometry().bottom() + 8));
    keypad->key[10]->hide();
    keypad->key[11]->hide();
    // The banner strip between the logo and the card holds the Start button and
    // the card counter; on a small display they shrink with the card.
    QFont counterFont(QStringLiteral("MS Sans Serif"));
    counterFont.setPointSizeF(12 * s);
    counterFont.setBold(true);
    lblCardReport->setFont(counterFont);
    lblCardReport->setGeometry(scaled(405, s), scaled(72, s), scaled(134, s), scaled(24, s));
    cmdStart->setGeometry(scaledRect(328, 12, 154, 60, s));
    cmdStart->setIconSize(QSize(scaled(150, s), scaled(56, s)));
}

void GameBoard::showPictures(bool stopFace)
{
    static_cast<FaceButton *>(cmdStart)->sharpFaces = pictures.sharp;
    imgStart->setPixmap(pictures.face(PictureId::StartFace, tr("Start")));
    imgStop->setPixmap(pictures.face(PictureId::StopFace, tr("Stop")));
    showStartFace(stopFace);
    timers->showPictures(pictures);
    answers->showPictures(pictures);
    feedback->showPictures(pictures);
}

void GameBoard::showStartFace(bool stop)
{
    cmdStart->setIcon(QIcon((stop ? imgStop : imgStart)->pixmap()));
    cmdStart->setAccessibleName(stop ? tr("Stop") : tr("Start"));
    // During a game a click on Stop leaves the keyboard with the answer boxes.
    cmdStart->setFocusPolicy(stop ? Qt::NoFocus : Qt::StrongFocus);
}

void GameBoard::showCardCounterCaption()
{
    lblCardReport->setText(tr("Card Counter"));
}
