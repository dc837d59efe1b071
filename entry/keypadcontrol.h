#pragma once

#include <QObject>

class AnswerArea;
class AnswerEntry;
class CardView;
class Keypad;
struct AnswerControls;
struct AnswerEntryState;
struct GameSession;

// What the screen keypad's keys do: digits into the answer boxes from the
// units leftwards, the arrows, Erase, and Carry with its scratchpad, which on
// a subtraction card is a borrow that strikes the top digits through.
class KeypadControl : public QObject
{
    Q_OBJECT
public:
    KeypadControl(GameSession &session, AnswerEntryState &state, const AnswerControls &controls,
                  AnswerEntry &entry);

    // key(i): 0 to 9 the digits, 10 "<", 11 ">".
    void keyClick(int index);
    void keyCarryKeyClick();
    void keyEraseClick();

    // "<", ">" and Erase as the answer boxes' colours say.
    void updateArrowKeys();

private:
    void leftArrow();
    void rightArrow();
    void digit(int d);
    void digitInSeparateBoxes(const QString &d);
    // False when Erase leaves the count of digits as it is.
    bool eraseSingleBox();
    bool eraseSeparateBoxes();
    void undoBorrow();
    bool subtractionCard() const;
    bool borrowNeeded() const;

    GameSession &session;
    AnswerEntryState &state;
    AnswerEntry &entry;
    AnswerArea &boxes;
    CardView &card;
    Keypad &keypad;
};
