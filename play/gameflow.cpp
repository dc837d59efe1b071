#include "play/gameflow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "platform/product.h"
#include "ui/clicklabel.h"
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
#include "platform/dialogs.h"
#include "play/gameboard.h"
#include "report/gamesummary.h"
#include "resources/pictures.h"
#include "entry/answercontrols.h"
#include "entry/answerentrystate.h"
#include "setup/settings.h"
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

GameFlow::GameFlow(const GameParts &parts)
    : parts(parts)
    , board(parts.board)
    , setup(parts.setup)
{
    const AnswerControls controls{*board.answers, *board.keypad, *board.feedback, *board.card, *board.timers, setup};
    answerEntry = std::make_unique<AnswerEntry>(parts.session, parts.entry, controls, parts.pictures, parts.screenScale,
                                                parts.fontScale);
    answerChecking = std::make_unique<AnswerChecking>(parts.session, parts.entry, controls, parts.pictures, parts.platform);
    gameTimers = std::make_unique<GameTimers>(parts.session, parts.settings, setup, *board.timers, parts.dialogs);
    keypadControl = std::make_unique<KeypadControl>(parts.session, parts.entry, controls, *answerEntry);

    connect(board.cmdStart, &QPushButton::clicked, this, &GameFlow::startClicked);
    connect(board.Timer1, &QTimer::timeout, gameTimers.get(), &GameTimers::timerTick);
    connect(answerEntry.get(), &AnswerEntry::answerSubmitted, answerChecking.get(), &AnswerChecking::checkAnswer);
    connect(board.answers->imgEnter, &ClickLabel::clicked, answerChecking.get(), &AnswerChecking::markRight);
    connect(board.answers->imgWrongEnter, &ClickLabel::clicked, answerChecking.get(), &AnswerChecking::markWrong);
    connect(gameTimers.get(), &GameTimers::cardTimedOut, answerChecking.get(), &AnswerChecking::checkAnswer);
    connect(gameTimers.get(), &GameTimers::gameTimedOut, this, [this] { endGame(EndReason::TimeRanOut); });
    connect(answerChecking.get(), &AnswerChecking::cardJudged, this, &GameFlow::cardWasJudged);
    connect(this, &GameFlow::cardJudged, this, [this](const CardRecord &card) { this->parts.summary.addCardRow(card); });
}

GameFlow::~GameFlow() = default;

bool GameFlow::anyOperationTicked() const
{
    return setup.chkAddition->isChecked() || setup.chkSubtraction->isChecked()
        || setup.chkMultiplication->isChecked() || setup.chkDivision->isChecked();
}

GeneratorSettings GameFlow::generatorSettings() const
{
    const GameSettings &settings = parts.settings;
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
    GameSession &session = parts.session;
    if (session.state == 1) {
        endGame();
        return;
    }
    if (!anyOperationTicked()) {
        const Platform::Answer answer = parts.dialogs.ask(
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
    emit summaryCleared();
    session.cardOperation = functions;
    copyRanges(session, parts.settings);
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
    const QList<WeakFact> facts = weakFacts(parts.session.functionSet);
    // Without a weak fact in range, the game is the normal draw throughout.
    if (!facts.isEmpty())
        practiseDraw.emplace(facts);
}

QList<WeakFact> GameFlow::weakFacts(FunctionSet functions) const
{
    return weakFactsOf(setup.playerName(), functions);
}

QList<WeakFact> GameFlow::weakFactsOf(const QString &child, FunctionSet functions) const
{
    if (!weakFactSource)
        return {};
    GameSession ranges;
    copyRanges(ranges, parts.settings);
    return weakFactSource->weakFacts(child, functions, ranges, generatorSettings());
}

void GameFlow::cardWasJudged(CardRecord card)
{
    GameSession &session = parts.session;
    card.seconds = double(parts.platform.monotonicMs() - cardShownAt) / 1000.0;
    card.judgedAt = parts.platform.now().toUTC();
    if (practiseDraw)
        practiseDraw->judged({card.operation, int(card.top), int(card.bottom)}, card.right, int(session.cardNumber));
    emit cardJudged(card);

    // After WRONG too, so that a quickly judged next card does not log the old time.
    if (const auto cardTime = restartCardClock(session, gameTimers->options()))
        board.timers->txtCardTime->setText(*cardTime);
    session.cardNumber += 1;
    session.resetCardFields();
    dealCard();
}

bool GameFlow::refuseUndealableGame(FunctionSet functions)
{
    // A game whose every card would be rejected would deal for ever.
    GameSession ranges;
    copyRanges(ranges, parts.settings);
    if (!dealableOperations(functions, ranges, generatorSettings()).isEmpty())
        return false;
    const QString text =
        parts.settings.advancedRange
            ? tr("No card can be dealt: these number ranges only make subtractions of two equal "
                 "numbers. Widen the top number range, or lower the bottom number range below it, "
                 "on the Number Range tab.")
            : tr("No card can be dealt: a subtraction needs a top number limit of at least 2. "
                 "Raise the top number limit on the Number Range tab.");
    parts.dialogs.ask(programTitle(), text, Platform::Buttons::Ok);
    return true;
}

void GameFlow::beginGame()
{
    GameSession &session = parts.session;
    if (answerEntry->keypadInUse())
        board.keypad->show();
    // A report opened now would mix its rows with the game's.
    emit playingChanged(true);
    session.state = 1;
    session.cardNumber = 1;
    board.Timer1->start();
    setup.hide();
    board.showStartFace(true);
    board.lblCardReport->show();
    answerEntry->prepareAnswerArea();
    if (setup.chkTimer->isChecked())
        gameTimers->startTimers();
    board.feedback->lblPrevious->hide();
    board.feedback->imgRightWrong->hide();
    if (!setup.chkCardCountDisp->isChecked())
        board.lblCardReport->hide();
}

void GameFlow::dealCard()
{
    GameSession &session = parts.session;
    if (session.cardNumber >= parts.settings.cardCount + 1) {
        endGame();
        return;
    }
    AnswerArea &boxes = *board.answers;
    for (QLineEdit *box : {boxes.txtAnswerSingle, boxes.txtAnswerUnits, boxes.txtAnswerTens, boxes.txtAnswerHund})
        box->setText(blankText);
    boxes.txtCarry->clear();
    boxes.txtCarry1->clear();
    board.keypad->keyErase->setEnabled(false);

    const QString counter = tr("Card %1 of %2").arg(qint64(session.cardNumber)).arg(parts.settings.cardCount);
    const auto eachAttempt = [this, &counter](const GameSession &card) {
        board.lblCardReport->setText(counter);
        if (card.cardOperation == Operation::Addition || card.cardOperation == Operation::Multiplication)
            keypadControl->updateArrowKeys();
    };
    const bool dealt = practiseDraw ? practiseDraw->deal(session, int(session.cardNumber), generatorSettings(),
                                                         parts.platform.random(), eachAttempt)
                                    : generateCard(session, generatorSettings(), parts.platform.random(), eachAttempt);
    if (!dealt) {
        endGame(EndReason::NoCardToDeal); // cannot happen after Start's check; never deal for ever
        return;
    }

    if (session.cardOperation == Operation::Division) {
        board.card->drawDivisionCard(session);
        answerEntry->placeSingleBoxForDivisionCard();
    } else {
        if (setup.chkCarry->isChecked()) {
            answerEntry->showCarryScratchpad();
            // A Carry left on by an earlier game would borrow where nothing
            // needs borrowing, down to a tens digit of -1.
            if (session.cardOperation == Operation::Subtraction)
                board.keypad->keyCarryKey->setEnabled(session.bottomUnits > session.topUnits);
        }
        if (setup.chkKeypad->isChecked())
            board.keypad->setKeysForCard(session.cardOperation);
        board.card->drawStackedCard(session);
        answerEntry->placeSingleBoxForStackedCard();
    }
    answerEntry->prepareAnswerArea();
    board.card->layoutCard(session.cardOperation);
    cardShownAt = parts.platform.monotonicMs();
    emit cardDealt();
}

void GameFlow::endGame(EndReason reason)
{
    GameSession &session = parts.session;
    const int cardCount = parts.settings.cardCount;
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
            parts.dialogs.ask(timeUpTitle(), withWon(timeUpText(session)), Platform::Buttons::Ok);
    } else if (!setup.chkSummary->isChecked()) {
        if (completed) {
            parts.dialogs.ask(gameCompleteTitle(), withWon(gameCompleteText(session, cardCount)),
                        Platform::Buttons::OkCancel);
        } else if (reason == EndReason::CardsOrStop
                   && parts.dialogs.ask(stopGameTitle(), stopGameText(session, cardCount), Platform::Buttons::YesNo)
                          == Platform::Answer::No) {
            return;
        }
    }

    if (setup.setupTabsWanted())
        setup.show();
    emit mainWindowFree();
    board.Timer1->stop();
    emit playingChanged(false);
    setup.restoreDivisorSliders();

    session.resultsFor = resultsForName(setup.playerName());
    std::optional<QString> gameTime;
    if (setup.chkTimer->isChecked()) {
        // A count-down display no longer shows the time played.
        gameTime = activeLimit(gameTimers->options()) == ClockLimit::Game ? gameTimeText(session.elapsedSeconds)
                                                                          : board.timers->txtTotalTime->text();
    }
    parts.summary.setResultLine(
        resultLine(session.resultsFor, parts.platform.shortDate(), gameTime, session.scoreLine));
    emit factsWonTold(won);
    session.state = 0;
    session.rightCount = 0;

    AnswerArea &boxes = *board.answers;
    for (QLineEdit *box : {boxes.txtAnswerSingle, boxes.txtAnswerUnits, boxes.txtAnswerTens, boxes.txtAnswerHund}) {
        box->clear();
        box->hide();
        box->setEnabled(false);
    }
    TimerDisplay &clocks = *board.timers;
    for (QWidget *hidden : std::initializer_list<QWidget *>{clocks.imgTotalTime, clocks.imgCardTime,
                                                            clocks.txtTotalTime, clocks.txtCardTime,
                                                            boxes.imgWrongEnter, boxes.imgEnter})
        hidden->hide();
    board.showCardCounterCaption();
    board.lblCardReport->show();
    for (QWidget *hidden : std::initializer_list<QWidget *>{board.feedback->imgRightWrong, boxes.txtCarry,
                                                            boxes.txtCarry1, boxes.lblCarry})
        hidden->hide();
    if (summaryShown)
        emit summaryWanted();
    board.feedback->imgPrevious->hide();
    board.keypad->hide();
    board.keypad->keyCarryKey->show();
    board.card->imgDivBox->hide();
    board.showStartFace(false);
    session.cardOperation = Operation::Addition;
    board.card->showGameOverCard();
    practiseDraw.reset();
    emit gameEnded(completed);
}
