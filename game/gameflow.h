#pragma once

#include <QObject>

#include <memory>

class AnswerChecking;
class AnswerEntry;
class KeypadControl;
class GameTimers;
class MainWindow;
class Program;
class SetupPanel;
struct GeneratorSettings;

// The life of a game: Start and Stop, dealing each card, and the end with
// its score. It owns the behaviour of the answer boxes, the judging of cards
// and the clocks, which call back into it for the next card and the end.
class GameFlow : public QObject
{
    Q_OBJECT
public:
    explicit GameFlow(Program &program);
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

private:
    bool anyOperationTicked() const;
    GeneratorSettings generatorSettings() const;
    bool refuseUndealableGame(qint16 functions);
    void setKeysForCard();

    Program &program;
    MainWindow &window;
    SetupPanel &setup;
    std::unique_ptr<AnswerEntry> answerEntry;
    std::unique_ptr<AnswerChecking> answerChecking;
    std::unique_ptr<GameTimers> gameTimers;
    std::unique_ptr<KeypadControl> keypadControl;
};
