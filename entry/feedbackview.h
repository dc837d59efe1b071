#pragma once

#include <QObject>

class QLabel;
class QWidget;
class PictureSet;

// The previous-card display beside the card.
class FeedbackView : public QObject
{
    Q_OBJECT
public:
    explicit FeedbackView(QWidget *parent);
    void showPictures(const PictureSet &pictures);

    QLabel *imgPrevious = nullptr;
    QLabel *imgRightWrong = nullptr;
    QLabel *lblPrevious = nullptr;
};
