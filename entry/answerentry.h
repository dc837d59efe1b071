#pragma once

#include <QObject>

class AnswerArea;
struct GameSession;
class Keypad;
class QLineEdit;
class SetupPanel;
struct AnswerEntryState;
struct AnswerControls;
class PictureSet;

// The behaviour of the answer boxes: their preparation before each card, the
// keys typed into them and the clicks on the three digit boxes.
class AnswerEntry : public QObject
{
    Q_OBJECT
public:
    AnswerEntry(GameSession &session, AnswerEntryState &state, const AnswerControls &controls,
                const PictureSet &pictures, double screenScale, double fontScale);

    // Before every card, once the deal has chosen the card's operation.
    void prepareAnswerArea();

    // The single box on a stacked card is placed and hidden until the
    // preparation decides; on a division card it holds the quotient above the bracket.
    void placeSingleBoxForStackedCard();
    void placeSingleBoxForDivisionCard();
    // The carry boxes above the columns of a stacked card, emptied.
    void showCarryScratchpad();

    // Character codes as typed: digits 48 to 57, Enter 13, Backspace 8 (127 alike).
    void unitsKey(int code);
    void tensKey(int code);
    void hundredsKey(int code);

    // Mouse clicks on the digit boxes; the keypad's arrow keys call them too.
    void txtAnswerHundClick();
    void txtAnswerTensClick();
    void txtAnswerUnitsClick();

    // Enter, typed or on the keypad: judges the card only once a digit of
    // the answer has been given.
    void submitAnswer();
    bool answerTyped() const;
    // Gives the keyboard back to the box that takes the next digit, as after
    // a message box in a running game.
    void focusNextDigit();
    // In a supervised game the keypad stays away: only RIGHT and WRONG judge.
    bool keypadInUse() const;

    void highlight(QLineEdit *box);
    void makeIdle(QLineEdit *box);
    bool isActive(const QLineEdit *box) const;
    bool isIdle(const QLineEdit *box) const;

    // The character code of a key event; -1 for keys that type nothing here
    // (arrows, Tab, modifiers), which keep their ordinary effect.
    static int characterCode(int key, const QString &text);

signals:
    // Enter in a box that submits the answer.
    void answerSubmitted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveTo(QLineEdit *box);
    void carryBoxClick(QLineEdit *carry);

    const PictureSet &pictures;
    const double screenScale;
    const double fontScale;
    GameSession &session;
    AnswerEntryState &state;
    AnswerArea &boxes;
    const SetupPanel &setup;
    Keypad &keypad;
};
