#pragma once

#include <QObject>

class GameFlow;
class Program;

// Judging the card on show: reading the answer, counting it, the sound, the
// previous-card display and the card's row in the summary.
class AnswerChecking : public QObject
{
    Q_OBJECT
public:
    AnswerChecking(Program &program, GameFlow &flow);

    // Enter, the keypad's Enter, or the card clock running out.
    void checkAnswer();
    // RIGHT in a supervised game: right whatever the boxes hold, also on a
    // division card, which keeps its answer box in a supervised game.
    void markRight();
    // WRONG in a supervised game.
    void markWrong();

    void displayPreviousCard();
    void logCard();

private:
    void judge(bool supervisorSaidRight);
    void nextCard();

    Program &program;
    GameFlow &flow;
    // A supervisor's mark reads no box, so that card has no answer of its own.
    bool answerGiven = true;
};
