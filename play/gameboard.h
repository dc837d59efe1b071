#pragma once

#include <QCoreApplication>

class AnswerArea;
class CardView;
class FeedbackView;
class Keypad;
class PictureSet;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class TimerDisplay;

// The card table: the card, the answer boxes, the keypad, the feedback, the
// clocks, Start/Stop and the card counter, built into the main window's
// client area in the order their stacking and Tab order have always had.
class GameBoard
{
    // The captions were the main window's and keep its translations.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
public:
    GameBoard(QWidget *client, const PictureSet &pictures, double screenScale);

    // The start states and places of the start-up.
    void layOut();
    // The faces and pictures of the current picture set.
    void showPictures(bool stopFace);
    // The Start button's face: the picture of imgStart or imgStop.
    void showStartFace(bool stop);
    void showCardCounterCaption();

    CardView *card = nullptr;
    AnswerArea *answers = nullptr;
    FeedbackView *feedback = nullptr;
    TimerDisplay *timers = nullptr;
    QLabel *imgStart = nullptr;
    QLabel *imgStop = nullptr;
    QPushButton *cmdStart = nullptr;
    QLabel *lblCardReport = nullptr;
    Keypad *keypad = nullptr;
    QTimer *Timer1 = nullptr;

private:
    const PictureSet &pictures;
    double screenScale;
};
