#include "play/gameflow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "ui/clicklabel.h"
#include "app/mainwindow.h"
#include "app/program.h"
#include "entry/answerarea.h"
#include "entry/answerchecking.h"
#include "entry/answerentry.h"
#include "entry/feedbackview.h"
#include "entry/keypad.h"
#include "entry/keypadcontrol.h"
#include "game/cardview.h"
#include "game/clock.h"
#include "play/gametimers.h"
#include "game/generator.h"
#include "game/score.h"
#include "game/timerdisplay.h"
#include "report/summarywindows.h"
#include "setup/setuppanel.h"

namespace {

const QString blankText = QStringLiteral(" ");

void copyRanges(GameSession &session, const GameSettings &settings)
{
    session.rangeTopMin = settings.topMin;
    session.rangeTopMax = settings.topMax;
    session.rangeBottomMin = settings.bottomMin;
    session.rangeBottomMax = qint16(settings.bottomMax);
}

} // namespace

GameFlow::GameFlow(Program &program)
    : program(program)
    , window(*program.frmProgram())
    , setup(*program.frmProgram()->setup)
    , answerEntry(std::make_unique<AnswerEntry>(program))
    , answerChecking(std::make_unique<AnswerChecking>(program))
    , gameTimers(std::make_unique<GameTimers>(program))
    , keypadControl(std::make_unique<KeypadControl>(program, *answerEntry))
{
    connect(window.cmdStart, &QPushButton::clicked, this, &GameFlow::startClicked);
    connect(window.Timer1, &QTimer::timeout, gameTimers.get(), &GameTimers::timerTick);
    connect(answerEntry.get(), &AnswerEntry::answerSubmitted, answerChecking.get(), &AnswerChecking::checkAnswer);
    connect(window.answers->imgEnter, &ClickLabel::clicked, answerChecking.get(), &AnswerChecking::markRight);
    connect(window.answers->imgWrongEnter, &ClickLabel::clicked, answerChecking.get(), &AnswerChecking::markWrong);
    connect(gameTimers.get(), &GameTimers::cardTimedOut, answerChecking.get(), &AnswerChecking::checkAnswer);
    connect(gameTimers.get(), &GameTimers::gameTimedOut, this, [this] { endGame(EndReason::TimeRanOut); });
    connect(answerChecking.get(), &AnswerChecking::cardJudged, this, &GameFlow::cardWasJudged);
    connect(this, &GameFlow::cardJudged, this, [&program](const CardRecord &card) { program.summary.addCardRow(card); });
}

GameFlow::~GameFlow() = default;

bool GameFlow::anyOperationTicked() const
{
    return setup.chkAddition->isChecked() || setup.chkSubtraction->isChecked()
        || setup.chkMultiplication->isChecked() || setup.chkDivision->isChecked();
}

GeneratorSettings GameFlow::generatorSettings() const
{
    const GameSettings &settings = program.settings;
    GeneratorSettings generator;
    generator.advancedRange = settings.advancedRange;
    generator.topLimit = settings.topLimit;
    generator.bottomLimit = settings.bottomLimit;
    generator.divisorLow = settings.divisorLow;
    generator.divisorHigh = settings.divisorHigh;
    generator.divisionResultLimit = setup.divisionResultLimit();
    return generator;
}

void GameFlow::startClicked()
{
    GameSession &session = program.session;
    if (session.state == 1) {
        endGame();
        return;
    }
    if (!anyOperationTicked()) {
        const Platform::Answer answer = program.ask(
            tr("No Math Function Selected!"),
            tr("You did not select a Math Function.") + QStringLiteral("\r\n")
                + tr("Click OK to do Addition Only or CANCEL to got to setup"),
            Platform::Buttons::OkCancel);
        if (answer != Platform::Answer::Ok)
            return;
        setup.chkAddition->setChecked(true);
    }
    const FunctionSet functions = functionSetFor(setup.chkAddition->isChecked(), setup.chkSubtraction->isChecked(),
                                                 setup.chkMultiplication->isChecked(), setup.chkDivision->isChecked());
    if (refuseUndealableGame(functions) || (playerSource && !playerSource->settlePlayer()))
        return;

    beginGame();
    program.resetSummary();
    session.cardOperation = functions;
    copyRanges(session, program.settings);
    session.resetCardFields();
    session.functionSet = session.cardOperation;
    choosePractiseDraw();
    emit gameStarted();
    dealCard();
}

void GameFlow::choosePractiseDraw()
{
    practiseDraw.reset();
    if (!setup.chkPractise->isChecked() || !weakFactSource)
        return;
    const QList<WeakFact> facts = weakFacts(program.session.functionSet);
    // Without a weak fact in range, the game is the normal draw throughout.
    if (!facts.isEmpty())
        practiseDraw.emplace(facts);
}

QList<WeakFact> GameFlow::weakFacts(FunctionSet functions) const
{
    if (!weakFactSource)
        return {};
    GameSession ranges;
    copyRanges(ranges, program.settings);
    return weakFactSource->weakFacts(setup.playerName(), functions, ranges, generatorSettings());
}

void GameFlow::cardWasJudged(CardRecord card)
{
    GameSession &session = program.session;
    card.seconds = double(program.platform.monotonicMs() - cardShownAt) / 1000.0;
    card.judgedAt = program.platform.now().toUTC();
    if (practiseDraw)
        practiseDraw->judged({card.operation, int(card.top), int(card.bottom)}, card.right, int(session.cardNumber));
    emit cardJudged(card);

    // After WRONG too, so that a quickly judged next card does not log the old time.
    if (const auto cardTime = restartCardClock(session, gameTimers->options()))
        window.timers->txtCardTime->setText(*cardTime);
    session.cardNumber += 1;
    session.resetCardFields();
    dealCard();
}

bool GameFlow::refuseUndealableGame(FunctionSet functions)
{
    // A game whose every card would be rejected would deal for ever.
    GameSession ranges;
    copyRanges(ranges, program.settings);
    if (!dealableOperations(functions, ranges, generatorSettings()).isEmpty())
        return false;
    const QString text =
        program.settings.advancedRange
            ? tr("No card can be dealt: these number ranges only make subtractions of two equal "
                 "numbers. Widen the top number range, or lower the bottom number range below it, "
                 "on the Number Range tab.")
            : tr("No card can be dealt: a subtraction needs a top number limit of at least 2. "
                 "Raise the top number limit on the Number Range tab.");
    program.ask(Program::programTitle(), text, Platform::Buttons::Ok);
    return true;
}

void GameFlow::beginGame()
{
    GameSession &session = program.session;
    if (answerEntry->keypadInUse())
        window.keypad->show();
    window.setOptionsMenuEnabled(false);
    // A report opened now would mix its rows with the game's.
    window.mnuSavedGame->setEnabled(false);
    session.state = 1;
    session.cardNumber = 1;
    window.Timer1->start();
    setup.hide();
    window.showStartFace(true);
    window.lblCardReport->show();
    answerEntry->prepareAnswerArea();
    if (setup.chkTimer->isChecked())
        gameTimers->startTimers();
    window.feedback->lblPrevious->hide();
    window.feedback->imgRightWrong->hide();
    if (!setup.chkCardCountDisp->isChecked())
        window.lblCardReport->hide();
}

void GameFlow::dealCard()
{
    GameSession &session = program.session;
    if (session.cardNumber >= program.settings.cardCount + 1) {
        endGame();
        return;
    }
    AnswerArea &boxes = *window.answers;
    for (QLineEdit *box : {boxes.txtAnswerSingle, boxes.txtAnswerUnits, boxes.txtAnswerTens, boxes.txtAnswerHund})
        box->setText(blankText);
    boxes.txtCarry->clear();
    boxes.txtCarry1->clear();
    window.keypad->keyErase->setEnabled(false);

    const QString counter = tr("Card %1 of %2").arg(qint64(session.cardNumber)).arg(program.settings.cardCount);
    const auto eachAttempt = [this, &counter](const GameSession &card) {
        window.lblCardReport->setText(counter);
        if (card.cardOperation == Operation::Addition || card.cardOperation == Operation::Multiplication)
            keypadControl->updateArrowKeys();
    };
    const bool dealt = practiseDraw ? practiseDraw->deal(session, int(session.cardNumber), generatorSettings(),
                                                         program.platform.random(), eachAttempt)
                                    : generateCard(session, generatorSettings(), program.platform.random(), eachAttempt);
    if (!dealt) {
        endGame(EndReason::NoCardToDeal); // cannot happen after Start's check; never deal for ever
        return;
    }

    if (session.cardOperation == Operation::Division) {
        window.card->drawDivisionCard(session);
        answerEntry->placeSingleBoxForDivisionCard();
    } else {
        if (setup.chkCarry->isChecked()) {
            answerEntry->showCarryScratchpad();
            // A Carry left on by an earlier game would borrow where nothing
            // needs borrowing, down to a tens digit of -1.
            if (session.cardOperation == Operation::Subtraction)
                window.keypad->keyCarryKey->setEnabled(session.bottomUnits > session.topUnits);
        }
        if (setup.chkKeypad->isChecked())
            window.keypad->setKeysForCard(session.cardOperation);
        window.card->drawStackedCard(session);
        answerEntry->placeSingleBoxForStackedCard();
    }
    answerEntry->prepareAnswerArea();
    window.card->layoutCard(session.cardOperation);
    cardShownAt = program.platform.monotonicMs();
    emit cardDealt();
}

void GameFlow::endGame(EndReason reason)
{
    GameSession &session = program.session;
    const int cardCount = program.settings.cardCount;
    const bool completed = gameCompleted(session, cardCount);
    const bool timeRanOut = reason == EndReason::TimeRanOut;
    session.scoreLine = scoreLine(session, cardCount, timeRanOut);
    const bool summaryShown = setup.chkSummary->isChecked() && session.cardNumber > 1;
    const QString won = factsWonSource ? factsWonSource->factsWon() : QString();
    const auto withWon = [&won](const QString &text) {
        return won.isEmpty() ? text : text + QStringLiteral("\r\n\r\n") + won;
    };
    if (timeRanOut && !completed) {
        // The child always learns why the game ended and how it went.
        if (!summaryShown)
            program.ask(timeUpTitle(), withWon(timeUpText(session)), Platform::Buttons::Ok);
    } else if (!setup.chkSummary->isChecked()) {
        if (completed) {
            program.ask(gameCompleteTitle(), withWon(gameCompleteText(session, cardCount)),
                        Platform::Buttons::OkCancel);
        } else if (reason == EndReason::CardsOrStop
                   && program.ask(stopGameTitle(), stopGameText(session, cardCount), Platform::Buttons::YesNo)
                          == Platform::Answer::No) {
            return;
        }
    }

    if (setup.setupTabsWanted())
        setup.show();
    program.enableMainWindow();
    window.Timer1->stop();
    window.setOptionsMenuEnabled(true);
    window.mnuSavedGame->setEnabled(true);
    window.mnuPrevious->setEnabled(true);
    setup.restoreDivisorSliders();

    session.resultsFor = resultsForName(setup.playerName());
    std::optional<QString> gameTime;
    if (setup.chkTimer->isChecked()) {
        // A count-down display no longer shows the time played.
        gameTime = activeLimit(gameTimers->options()) == ClockLimit::Game ? gameTimeText(session.elapsedSeconds)
                                                                          : window.timers->txtTotalTime->text();
    }
    program.summary.setResultLine(
        resultLine(session.resultsFor, program.platform.shortDate(), gameTime, session.scoreLine));
    program.summaryWindows().setFactsWon(won);
    session.state = 0;
    session.rightCount = 0;

    AnswerArea &boxes = *window.answers;
    for (QLineEdit *box : {boxes.txtAnswerSingle, boxes.txtAnswerUnits, boxes.txtAnswerTens, boxes.txtAnswerHund}) {
        box->clear();
        box->hide();
        box->setEnabled(false);
    }
    TimerDisplay &clocks = *window.timers;
    for (QWidget *hidden : std::initializer_list<QWidget *>{clocks.imgTotalTime, clocks.imgCardTime,
                                                            clocks.txtTotalTime, clocks.txtCardTime,
                                                            boxes.imgWrongEnter, boxes.imgEnter})
        hidden->hide();
    window.lblCardReport->setText(MainWindow::tr("Card Counter"));
    window.lblCardReport->show();
    for (QWidget *hidden : std::initializer_list<QWidget *>{window.feedback->imgRightWrong, boxes.txtCarry,
                                                            boxes.txtCarry1, boxes.lblCarry})
        hidden->hide();
    if (summaryShown)
        program.summaryWindows().showPage(1);
    window.feedback->imgPrevious->hide();
    window.keypad->hide();
    window.keypad->keyCarryKey->show();
    window.card->imgDivBox->hide();
    window.showStartFace(false);
    session.cardOperation = Operation::Addition;
    window.card->showGameOverCard();
    practiseDraw.reset();
    emit gameEnded(completed);
}
