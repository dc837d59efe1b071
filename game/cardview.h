#pragma once

#include <QObject>

class QLabel;
class QPixmap;
class QWidget;
struct GameSession;
class PictureSet;

// The flash card: its background and the picture boxes of the digits, the
// sign, the answer line and the division bracket.
class CardView : public QObject
{
    Q_OBJECT
public:
    CardView(QWidget *parent, const PictureSet &pictures, double screenScale);

    // The idle card of start-up: zeros, the plus sign, the answer line.
    void showIdleCard();
    // Between games: the card as it stands, from the picture set now in use.
    void reloadPictures();
    // The idle card after a game: zeros under the sign of the last stacked card.
    void showGameOverCard();

    // Puts the pictures of a dealt card into the boxes; layoutCard shows them.
    void drawStackedCard(const GameSession &session);
    void drawDivisionCard(const GameSession &session);
    // The long-division layout for operation 18, otherwise the stacked layout.
    void layoutCard(qint16 cardOperation);

    // A borrow strikes the top number's digits through; the pictures they
    // showed wait in picTemp and picTemp1 until the borrow is taken back.
    void strikeTopDigits(int tens, int units);
    void restoreTopDigits();

    QLabel *imgCard = nullptr;
    QLabel *picTopTens = nullptr;
    QLabel *picTopUnits = nullptr;
    QLabel *picBotHunds = nullptr;
    QLabel *picBotTens = nullptr;
    QLabel *picBotUnits = nullptr;
    QLabel *picSign = nullptr;
    QLabel *picLine = nullptr;
    QLabel *imgDivBox = nullptr;
    QLabel *picTemp = nullptr;
    QLabel *picTemp1 = nullptr;

private:
    const QPixmap &tablePicture(int id) const;
    // What a screen reader says of each picture box: its part of the card and
    // the digit or sign it shows.
    void nameStackedParts(qint16 operation, int top, int bottom);
    void nameDivisionParts(int divisor, int dividend);
    void placeStacked();
    void placeDivision();

    const PictureSet &pictures;
    double screenScale;
    int signId = 0;
};
