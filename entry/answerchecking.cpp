#include "entry/answerchecking.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/clicklabel.h"
#include "app/mainwindow.h"
#include "app/program.h"
#include "ui/widgets.h"
#include "entry/answerarea.h"
#include "entry/answerentry.h"
#include "entry/feedbackview.h"
#include "entry/keypad.h"
#include "entry/numberreading.h"
#include "entry/previouscard.h"
#include "game/cardview.h"
#include "game/timerdisplay.h"
#include "setup/setuppanel.h"

namespace {

const QColor rightGreen(0, 128, 0);

} // namespace

AnswerChecking::AnswerChecking(Program &program)
    : program(program)
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
    GameSession &session = program.session;
    if (session.state != 1)
        return; // no card on show: nothing to judge or log
    MainWindow &window = *program.frmProgram();
    AnswerArea &boxes = *window.answers;
    AnswerEntryState &entry = program.entry;

    window.keypad->keyCarryKey->setEnabled(false);
    setBackground(boxes.txtCarry, entry.idleEntryColour);
    setBackground(boxes.txtCarry1, entry.idleEntryColour);
    entry.digitsEntered = 0;
    entry.carryTarget = 0;
    entry.entryDirection = 0;
    window.keypad->key[10]->hide();
    window.keypad->key[11]->hide();

    if (session.cardTimedOut == 1) {
        session.lastCardRight = 0;
        session.givenAnswer = 0;
        session.cardTimedOut = 0;
        answerGiven = true;
        ending = CardEnding::TimedOut;
    } else {
        window.card->imgDivBox->hide();
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
        if (window.setup->chkSounds->isChecked())
            program.platform.playSound(session.lastCardRight == 1 ? QStringLiteral("cool.wav")
                                                                  : QStringLiteral("error.wav"));
    }
    displayPreviousCard();

    QLineEdit *units = boxes.txtAnswerUnits;
    if (session.entryMode == 0 && units->isVisible() && !window.setup->chkKeypad->isChecked())
        units->setFocus();
}

void AnswerChecking::markWrong()
{
    GameSession &session = program.session;
    if (session.state != 1)
        return;
    session.lastCardRight = 0;
    answerGiven = false;
    ending = CardEnding::MarkedWrong;
    displayPreviousCard();
}

void AnswerChecking::displayPreviousCard()
{
    const GameSession &session = program.session;
    MainWindow &window = *program.frmProgram();
    FeedbackView &feedback = *window.feedback;
    const bool right = session.lastCardRight == 1;
    if (window.setup->chkPrevCard->isChecked()) {
        setTextColour(feedback.lblPrevious, right ? rightGreen : darkRed);
        feedback.imgRightWrong->setPixmap(
            program.pictures.byId(right ? PictureId::GreenTickIcon : PictureId::RedCrossIcon, PictureKind::Icon));
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
    const GameSession &session = program.session;
    MainWindow &window = *program.frmProgram();
    CardRecord record;
    record.operation = session.cardOperation;
    const bool division = session.cardOperation == Operation::Division;
    record.top = division ? session.dividend : session.top;
    record.bottom = division ? session.divisor : session.bottom;
    record.answer = session.answer;
    record.ending = ending;
    record.cardNumber = session.cardNumber;
    record.problem = window.feedback->lblPrevious->text();
    record.given = session.givenAnswer;
    record.hasGiven = answerGiven;
    record.right = session.lastCardRight == 1;
    record.timeShown = window.setup->chkTimer->isChecked();
    if (record.timeShown)
        record.cardTime = window.timers->txtCardTime->text();
    emit cardJudged(record);
}
