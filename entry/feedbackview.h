#pragma once

#include <QObject>

class QLabel;
class QWidget;

// The previous-card display beside the card.
class FeedbackView : public QObject
{
    Q_OBJECT
public:
    explicit FeedbackView(QWidget *parent);

    QLabel *imgPrevious = nullptr;
    QLabel *imgRightWrong = nullptr;
    QLabel *lblPrevious = nullptr;
};
