#pragma once

#include <QObject>

class QLabel;
class QWidget;
struct PictureSet;

// The flash card: its background and the picture boxes of the digits, the
// sign, the answer line and the division bracket.
class CardView : public QObject
{
    Q_OBJECT
public:
    CardView(QWidget *parent, const PictureSet &pictures, double screenScale);

    // The idle card of start-up: zeros, the plus sign, the answer line.
    void showIdleCard();

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
    const PictureSet &pictures;
    double screenScale;
};
