#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QWidget;
class PictureSet;

// The game and card clocks shown beside the card while a timed game runs.
class TimerDisplay : public QObject
{
    Q_OBJECT
public:
    explicit TimerDisplay(QWidget *parent);
    void showPictures(const PictureSet &pictures);

    QLabel *imgTotalTime = nullptr;
    QLineEdit *txtTotalTime = nullptr;
    QLabel *imgCardTime = nullptr;
    QLineEdit *txtCardTime = nullptr;
};
