#pragma once

#include <QObject>

#include <memory>
#include <optional>

#include "game/gamesession.h"
#include "game/playersource.h"
#include "history/practicesources.h"
#include "history/practisedraw.h"

class AnswerChecking;
class AnswerEntry;
class Dialogs;
class GameBoard;
class KeypadControl;
class GameTimers;
class PictureSet;
class Platform;
class SetupPanel;
struct AnswerEntryState;
struct GameSettings;
class GameSummary;

// What a game is played with: the program-wide records, the controls and the
// seams, all owned by the program for the whole run.
struct GameParts
{
    Platform &platform;
    Dialogs &dialogs;
    const GameSettings &settings;
    GameSession &session;
    GameSummary &summary;
    AnswerEntryState &entry;
    const PictureSet &pictures;
    double screenScale;
    double fontScale;
    GameBoard &board;
    SetupPanel &setup;
};


// The life of a game: Start and Stop, dealing each card, and the end with
// its score. It owns the behaviour of the answer boxes, the judging of cards
// and the clocks, which signal what happened; it announces the game's events
// to whoever listens (the summary, the practice history).
class GameFlow : public QObject
{
    Q_OBJECT
public:
    explicit GameFlow(const GameParts &parts);
    ~GameFlow() override;

    // cmdStart: begins a game when none runs, otherwise asks to stop it.
    void startClicked();
    void beginGame();
    void dealCard();
    enum class EndReason { CardsOrStop, TimeRanOut, NoCardToDeal };
    // After the last card, or on Stop; a stop before the last card asks
    // first, and No leaves the game exactly as it was. The other reasons end
    // the game without asking.
    void endGame(EndReason reason = EndReason::CardsOrStop);

    AnswerEntry &entry() { return *answerEntry; }
    AnswerChecking &checking() { return *answerChecking; }
    GameTimers &timers() { return *gameTimers; }
    KeypadControl &keypad() { return *keypadControl; }

    void setWeakFactSource(WeakFactSource *source) { weakFactSource = source; }
    void setPlayerSource(PlayerSource *source) { playerSource = source; }
    void setFactsWonSource(FactsWonSource *source) { factsWonSource = source; }
    // The player's seen facts that a game of these operations in the current
    // ranges could deal; none without a practice history.
    QList<WeakFact> weakFacts(FunctionSet functions) const;
    // The same for any child of the history, as a class printout needs.
    QList<WeakFact> weakFactsOf(const QString &child, FunctionSet functions) const;

signals:
    void gameStarted();
    // A card is on show, its numbers in the session.
    void cardDealt();
    // Every judged card, with its time from the deal and the UTC moment.
    void cardJudged(const CardRecord &card);
    void gameEnded(bool completed);
    // A new game's summary begins: the last one is put away.
    void summaryCleared();
    // A game begins or ends: what may not change during a game follows.
    void playingChanged(bool playing);
    // The game has ended and the main window may take input again.
    void mainWindowFree();
    // What the game won the child, for the summary's end.
    void factsWonTold(const QString &won);
    // The summary's first page, at the end of a game that shows it.
    void summaryWanted();

private:
    void cardWasJudged(CardRecord card);
    void choosePractiseDraw();
    bool anyOperationTicked() const;
    GeneratorSettings generatorSettings() const;
    bool refuseUndealableGame(qint16 functions);
    void setKeysForCard();

    const GameParts parts;
    GameBoard &board;
    SetupPanel &setup;
    std::unique_ptr<AnswerEntry> answerEntry;
    std::unique_ptr<AnswerChecking> answerChecking;
    std::unique_ptr<GameTimers> gameTimers;
    std::unique_ptr<KeypadControl> keypadControl;
    WeakFactSource *weakFactSource = nullptr;
    PlayerSource *playerSource = nullptr;
    FactsWonSource *factsWonSource = nullptr;
    std::optional<PractiseDraw> practiseDraw;
    qint64 cardShownAt = 0;
};
