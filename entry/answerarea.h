#pragma once

#include <QObject>

class ClickLabel;
class QLabel;
class QLineEdit;
class QWidget;
class PictureSet;

// The answer boxes of the card, the carry scratchpad and the RIGHT and WRONG
// buttons of a supervised game.
class AnswerArea : public QObject
{
    Q_OBJECT
public:
    AnswerArea(QWidget *parent, double screenScale);
    void showPictures(const PictureSet &pictures);

    QLineEdit *txtAnswerSingle = nullptr;
    QLineEdit *txtAnswerHund = nullptr;
    QLineEdit *txtAnswerTens = nullptr;
    QLineEdit *txtAnswerUnits = nullptr;
    QLineEdit *txtCarry = nullptr;
    QLineEdit *txtCarry1 = nullptr;
    QLabel *lblCarry = nullptr;
    ClickLabel *imgEnter = nullptr;
    ClickLabel *imgWrongEnter = nullptr;
    QLabel *imgRight = nullptr;
};
