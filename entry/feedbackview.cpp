#include "entry/feedbackview.h"

#include <QLabel>

#include "ui/widgets.h"
#include "resources/pictures.h"

FeedbackView::FeedbackView(QWidget *parent)
    : QObject(parent)
{
    imgPrevious = makePicture(parent, QStringLiteral("imgPrevious"));
    imgPrevious->setAccessibleName(tr("previous card"));
    imgPrevious->setGeometry(40, 240, 330, 110);
    imgRightWrong = makePicture(parent, QStringLiteral("imgRightWrong"));
    imgRightWrong->setGeometry(70, 270, 72, 72);
    lblPrevious = makeNamed<QLabel>(parent, QStringLiteral("lblPrevious"));
    lblPrevious->setText(QStringLiteral("3+3=6"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(20);
    font.setBold(true);
    lblPrevious->setFont(font);
    // The text starts right of the mark, which reaches past the label's left edge.
    lblPrevious->setGeometry(120, 290, 240, 40);
    lblPrevious->setContentsMargins(30, 0, 0, 0);
    for (QLabel *label : {imgPrevious, imgRightWrong, lblPrevious})
        label->hide();
}

void FeedbackView::showPictures(const PictureSet &pictures)
{
    imgPrevious->setPixmap(pictures.byId(PictureId::PreviousCard));
}
