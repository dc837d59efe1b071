#pragma once

#include <QObject>

#include "entry/answercontrols.h"
#include "game/gamesession.h"

class PictureSet;
class Platform;
struct AnswerEntryState;

// Judging the card on show: reading the answer, counting it, the sound, the
// previous-card display. It announces each judged card; its owner moves on.
class AnswerChecking : public QObject
{
    Q_OBJECT
public:
    AnswerChecking(GameSession &session, AnswerEntryState &state, const AnswerControls &controls,
                   const PictureSet &pictures, Platform &platform);

    // Enter, the keypad's Enter, or the card clock running out.
    void checkAnswer();
    // RIGHT in a supervised game: right whatever the boxes hold, also on a
    // division card, which keeps its answer box in a supervised game.
    void markRight();
    // WRONG in a supervised game.
    void markWrong();

    void displayPreviousCard();
    void logCard();

signals:
    void cardJudged(const CardRecord &card);

private:
    void judge(bool supervisorSaidRight);

    GameSession &session;
    AnswerEntryState &state;
    const AnswerControls controls;
    const PictureSet &pictures;
    Platform &platform;
    // A supervisor's mark reads no box, so that card has no answer of its own.
    bool answerGiven = true;
    CardEnding ending = CardEnding::Typed;
};
