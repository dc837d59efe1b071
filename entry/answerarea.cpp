#include "entry/answerarea.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "ui/clicklabel.h"
#include "ui/scale.h"
#include "ui/widgets.h"
#include "resources/pictures.h"

namespace {

const QColor idleBlue(0, 0, 255);

QLineEdit *makeBox(QWidget *parent, const QString &name, const QFont &font, int maxLength, bool hiddenAtStart = false)
{
    auto *box = makeNamed<QLineEdit>(parent, name);
    if (hiddenAtStart)
        setFontWhenShown(box, font);
    else
        box->setFont(font);
    box->setMaxLength(maxLength);
    box->setFrame(true);
    setBackground(box, idleBlue);
    return box;
}

} // namespace

AnswerArea::AnswerArea(QWidget *parent, double screenScale)
    : QObject(parent)
{
    const double s = screenScale;
    QFont digitFont(QStringLiteral("MS Sans Serif"));
    digitFont.setPointSizeF(48);
    digitFont.setBold(true);

    txtAnswerSingle = makeBox(parent, QStringLiteral("txtAnswerSingle"), digitFont, 4);
    txtAnswerSingle->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtAnswerSingle->setGeometry(scaledRect(620, 498, 270, 118, s));
    txtAnswerSingle->hide(); // shown by the preparation of a card that uses it
    txtAnswerHund = makeBox(parent, QStringLiteral("txtAnswerHund"), digitFont, 1);
    txtAnswerTens = makeBox(parent, QStringLiteral("txtAnswerTens"), digitFont, 1);
    txtAnswerUnits = makeBox(parent, QStringLiteral("txtAnswerUnits"), digitFont, 1);
    txtAnswerUnits->setGeometry(scaledRect(780, 498, 97, 97, s));
    txtAnswerTens->setGeometry(scaledRect(675, 498, 97, 97, s));
    txtAnswerHund->setGeometry(scaledRect(570, 498, 97, 97, s));
    for (QLineEdit *box : {txtAnswerHund, txtAnswerTens, txtAnswerUnits}) {
        box->setAlignment(Qt::AlignCenter);
        box->setEnabled(false);
    }

    QFont carryFont(QStringLiteral("Arial Black"));
    carryFont.setPointSizeF(36 * s);
    carryFont.setBold(true);
    txtCarry = makeBox(parent, QStringLiteral("txtCarry"), carryFont, 2, true);
    txtCarry1 = makeBox(parent, QStringLiteral("txtCarry1"), carryFont, 32767, true);
    txtCarry->setGeometry(scaledRect(670, 10, 80, 60, s));
    txtCarry1->setGeometry(scaledRect(570, 10, 80, 60, s));
    for (QLineEdit *box : {txtCarry, txtCarry1}) {
        box->setAlignment(Qt::AlignCenter);
        box->clear();
        box->hide();
    }
    const std::pair<QLineEdit *, const char *> names[] = {
        {txtAnswerSingle, QT_TR_NOOP("answer")},
        {txtAnswerHund, QT_TR_NOOP("answer, hundreds digit")},
        {txtAnswerTens, QT_TR_NOOP("answer, tens digit")},
        {txtAnswerUnits, QT_TR_NOOP("answer, units digit")},
        {txtCarry, QT_TR_NOOP("carry to the tens")},
        {txtCarry1, QT_TR_NOOP("carry to the hundreds")},
    };
    for (const auto &[box, name] : names)
        box->setAccessibleName(tr(name));
    // Carry digits look like answer digits, typed or put there by the keypad.
    for (QLineEdit *box : {txtAnswerSingle, txtAnswerHund, txtAnswerTens, txtAnswerUnits, txtCarry, txtCarry1})
        setTextColour(box, Qt::white);
    // A letter would read as 0: the boxes typed into freely take digits only.
    auto *digitsOnly = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (QLineEdit *box : {txtAnswerSingle, txtCarry, txtCarry1})
        box->setValidator(digitsOnly);

    lblCarry = makeNamed<QLabel>(parent, QStringLiteral("lblCarry"));
    lblCarry->setText(tr("Carry Boxes"));
    QFont captionFont(QStringLiteral("MS Sans Serif"));
    captionFont.setPointSizeF(9.75);
    captionFont.setBold(true);
    lblCarry->setFont(captionFont);
    setTextColour(lblCarry, Qt::white);
    lblCarry->move(scaled(625, s), scaled(85, s));
    lblCarry->adjustSize();
    lblCarry->hide();

    imgRight = makePicture(parent, QStringLiteral("imgRight"));
    imgRight->hide();
    imgEnter = makeNamed<ClickLabel>(parent, QStringLiteral("imgEnter"));
    imgEnter->move(40, 402);
    imgEnter->resize(160, 44);
    imgEnter->hide();
    imgWrongEnter = makeNamed<ClickLabel>(parent, QStringLiteral("imgWrongEnter"));
    imgWrongEnter->move(40, 452);
    imgWrongEnter->resize(160, 44);
    imgWrongEnter->hide();
    for (QLabel *button : {static_cast<QLabel *>(imgEnter), static_cast<QLabel *>(imgWrongEnter)})
        button->setCursor(Qt::PointingHandCursor);
    // The supervisor's marks are pictures of words, lettered in the language in use.
    imgRight->setAccessibleName(tr("RIGHT"));
    imgEnter->setAccessibleName(tr("RIGHT"));
    imgWrongEnter->setAccessibleName(tr("WRONG"));
}

void AnswerArea::showPictures(const PictureSet &pictures)
{
    imgRight->setPixmap(pictures.face(PictureId::RightButton, tr("RIGHT")));
    imgWrongEnter->setPixmap(pictures.face(PictureId::WrongButton, tr("WRONG")));
}
