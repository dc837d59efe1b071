#include "entry/answerchecking.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/clicklabel.h"
#include "ui/widgets.h"
#include "entry/answerarea.h"
#include "entry/answercontrols.h"
#include "entry/answerentrystate.h"
#include "game/gamesession.h"
#include "entry/answerentry.h"
#include "entry/feedbackview.h"
#include "entry/keypad.h"
#include "entry/numberreading.h"
#include "entry/previouscard.h"
#include "game/cardview.h"
#include "game/timerdisplay.h"
#include "platform/platform.h"
#include "resources/pictures.h"
#include "setup/setuppanel.h"

namespace {

const QColor rightGreen(0, 128, 0);

} // namespace

AnswerChecking::AnswerChecking(GameSession &session, AnswerEntryState &state, const AnswerControls &controls,
                               const PictureSet &pictures, Platform &platform)
    : session(session)
    , state(state)
    , controls(controls)
    , pictures(pictures)
    , platform(platform)
{
}

void AnswerChecking::checkAnswer()
{
    judge(false);
}

void AnswerChecking::markRight()
{
    judge(true);
}

void AnswerChecking::judge(bool supervisorSaidRight)
{
    if (session.state != 1)
        return; // no card on show: nothing to judge or log
    AnswerArea &boxes = controls.answers;
    AnswerEntryState &entry = state;

    controls.keypad.keyCarryKey->setEnabled(false);
    setBackground(boxes.txtCarry, entry.idleEntryColour);
    setBackground(boxes.txtCarry1, entry.idleEntryColour);
    entry.digitsEntered = 0;
    entry.carryTarget = 0;
    entry.entryDirection = 0;
    controls.keypad.key[10]->hide();
    controls.keypad.key[11]->hide();

    if (session.cardTimedOut == 1) {
        session.lastCardRight = 0;
        session.givenAnswer = 0;
        session.cardTimedOut = 0;
        answerGiven = true;
        ending = CardEnding::TimedOut;
    } else {
        controls.card.imgDivBox->hide();
        if (session.entryMode == 2 || supervisorSaidRight) {
            answerGiven = false;
            session.lastCardRight = 1;
            ending = CardEnding::MarkedRight;
        } else {
            answerGiven = true;
            ending = CardEnding::Typed;
            session.givenAnswer = session.entryMode == 0
                                      ? readSeparateBoxes(boxes.txtAnswerHund->text(), boxes.txtAnswerTens->text(),
                                                          boxes.txtAnswerUnits->text())
                                      : readNumber(boxes.txtAnswerSingle->text());
            session.lastCardRight = session.givenAnswer == session.answer ? 1 : 0;
        }
        if (session.lastCardRight == 1)
            ++session.rightCount;
        if (controls.setup.chkSounds->isChecked())
            platform.playSound(session.lastCardRight == 1 ? QStringLiteral("cool.wav")
                                                                  : QStringLiteral("error.wav"));
    }
    displayPreviousCard();

    QLineEdit *units = boxes.txtAnswerUnits;
    if (session.entryMode == 0 && units->isVisible() && !controls.setup.chkKeypad->isChecked())
        units->setFocus();
}

void AnswerChecking::markWrong()
{
    if (session.state != 1)
        return;
    session.lastCardRight = 0;
    answerGiven = false;
    ending = CardEnding::MarkedWrong;
    displayPreviousCard();
}

void AnswerChecking::displayPreviousCard()
{
    FeedbackView &feedback = controls.feedback;
    const bool right = session.lastCardRight == 1;
    if (controls.setup.chkPrevCard->isChecked()) {
        setTextColour(feedback.lblPrevious, right ? rightGreen : darkRed);
        feedback.imgRightWrong->setPixmap(
            pictures.byId(right ? PictureId::GreenTickIcon : PictureId::RedCrossIcon, PictureKind::Icon));
        feedback.imgRightWrong->setAccessibleName(right ? tr("right") : tr("wrong"));
        feedback.imgRightWrong->show();
        feedback.imgPrevious->show();
        feedback.lblPrevious->show();
    } else {
        feedback.imgPrevious->hide();
        feedback.lblPrevious->hide();
    }
    if (!right)
        setTextColour(feedback.lblPrevious, darkRed);
    if (const auto text = previousCardText(session))
        feedback.lblPrevious->setText(*text);
    logCard();
}

void AnswerChecking::logCard()
{
    CardRecord record;
    record.operation = session.cardOperation;
    const bool division = session.cardOperation == Operation::Division;
    record.top = division ? session.dividend : session.top;
    record.bottom = division ? session.divisor : session.bottom;
    record.answer = session.answer;
    record.ending = ending;
    record.cardNumber = session.cardNumber;
    record.problem = controls.feedback.lblPrevious->text();
    record.given = session.givenAnswer;
    record.hasGiven = answerGiven;
    record.right = session.lastCardRight == 1;
    record.timeShown = controls.setup.chkTimer->isChecked();
    if (record.timeShown)
        record.cardTime = controls.timers.txtCardTime->text();
    emit cardJudged(record);
}
