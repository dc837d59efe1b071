#include "entry/keypadcontrol.h"

#include <QLineEdit>

#include "ui/clicklabel.h"
#include "entry/answerarea.h"
#include "entry/answercontrols.h"
#include "entry/answerentrystate.h"
#include "game/gamesession.h"
#include "entry/answerentry.h"
#include "entry/keypad.h"
#include "game/cardview.h"

KeypadControl::KeypadControl(GameSession &session, AnswerEntryState &state, const AnswerControls &controls,
                             AnswerEntry &entry)
    : session(session)
    , state(state)
    , entry(entry)
    , boxes(controls.answers)
    , card(controls.card)
    , keypad(controls.keypad)
{
    connect(&keypad, &Keypad::digitOrArrowClicked, this, &KeypadControl::keyClick);
    connect(&keypad, &Keypad::carryClicked, this, &KeypadControl::keyCarryKeyClick);
    connect(&keypad, &Keypad::eraseClicked, this, &KeypadControl::keyEraseClick);
}

bool KeypadControl::subtractionCard() const
{
    return session.cardOperation == Operation::Subtraction;
}

bool KeypadControl::borrowNeeded() const
{
    return session.bottomUnits > session.topUnits;
}

void KeypadControl::keyClick(int index)
{
    // A full answer takes no more digits until Erase or Enter.
    if (state.digitsEntered != 3) {
        if (index == 10)
            leftArrow();
        else if (index == 11)
            rightArrow();
        else
            digit(index);
    }
    // Once the child writes, the borrow is no longer offered.
    if (subtractionCard())
        keypad.keyCarryKey->setEnabled(false);
}

void KeypadControl::leftArrow()
{
    if (entry.isActive(boxes.txtAnswerUnits))
        entry.txtAnswerTensClick();
    else
        entry.txtAnswerHundClick();
}

void KeypadControl::rightArrow()
{
    if (state.entryDirection != 2) {
        entry.txtAnswerTensClick();
        return;
    }
    // Back from the tens to the units before anything was written.
    entry.highlight(boxes.txtAnswerUnits);
    entry.makeIdle(boxes.txtAnswerTens);
    state.entryDirection = 0;
    keypad.key[10]->setEnabled(true);
    keypad.key[11]->setEnabled(false);
}

void KeypadControl::digit(int d)
{
    const QString text = QString::number(d);
    if (state.carryTarget != 0) {
        QLineEdit *carryBox = state.carryTarget == 1 ? boxes.txtCarry : boxes.txtCarry1;
        carryBox->setText(text);
        entry.makeIdle(carryBox);
        state.carryTarget = 0;
        return;
    }
    ++state.digitsEntered;
    keypad.keyErase->setEnabled(true);
    if (session.entryMode != 0) {
        QLineEdit *single = boxes.txtAnswerSingle;
        single->setText(state.digitsEntered == 1 ? text : single->text() + text);
        updateArrowKeys();
        return;
    }
    if (state.entryDirection == 2) {
        // The tens were written first; the units come next.
        boxes.txtAnswerTens->setText(text);
        entry.makeIdle(boxes.txtAnswerTens);
        entry.highlight(boxes.txtAnswerUnits);
        keypad.key[11]->setEnabled(false);
        state.digitsEntered = 0;
        state.entryDirection = 1;
        return;
    }
    digitInSeparateBoxes(text);
    updateArrowKeys();
}

void KeypadControl::digitInSeparateBoxes(const QString &d)
{
    QLineEdit *units = boxes.txtAnswerUnits;
    QLineEdit *tens = boxes.txtAnswerTens;
    QLineEdit *hundreds = boxes.txtAnswerHund;
    const bool fromHundreds = state.entryDirection == 1;
    switch (state.digitsEntered) {
    case 1:
        units->setText(d);
        entry.makeIdle(units);
        entry.highlight(tens);
        keypad.keyCarryKey->setEnabled(true);
        if (fromHundreds)
            entry.makeIdle(tens);
        break;
    case 2:
        tens->setText(d);
        entry.makeIdle(tens);
        entry.highlight(hundreds);
        keypad.keyCarryKey->setEnabled(!fromHundreds);
        if (fromHundreds)
            entry.makeIdle(hundreds);
        break;
    case 3:
        hundreds->setText(d);
        entry.makeIdle(hundreds);
        keypad.keyCarryKey->setEnabled(false);
        if (fromHundreds) {
            // Written from the left: the tens follow the hundreds.
            entry.highlight(tens);
            state.digitsEntered = 1;
        }
        break;
    }
}

void KeypadControl::keyCarryKeyClick()
{
    if (subtractionCard()) {
        boxes.txtCarry->setText(QString::number(session.topUnits + 10));
        boxes.txtCarry1->setText(QString::number(session.topTens - 1));
        keypad.keyCarryKey->setEnabled(false);
        card.strikeTopDigits(int(session.topTens), int(session.topUnits));
    }
    // After the units digit the carry goes over the tens, after the tens over the hundreds.
    if (state.digitsEntered == 1) {
        entry.highlight(boxes.txtCarry);
        state.carryTarget = 1;
    } else if (state.digitsEntered == 2) {
        entry.highlight(boxes.txtCarry1);
        state.carryTarget = 2;
    }
    keypad.keyErase->setEnabled(true);
}

void KeypadControl::undoBorrow()
{
    entry.makeIdle(boxes.txtAnswerTens);
    boxes.txtAnswerUnits->clear();
    entry.highlight(boxes.txtAnswerUnits);
    boxes.txtCarry->clear();
    boxes.txtCarry1->clear();
    card.restoreTopDigits();
    keypad.keyErase->setEnabled(false);
}

void KeypadControl::keyEraseClick()
{
    const bool erased = session.entryMode != 0 ? eraseSingleBox() : eraseSeparateBoxes();
    if (!erased)
        return;
    --state.digitsEntered;
    updateArrowKeys();
}

bool KeypadControl::eraseSingleBox()
{
    if (state.digitsEntered == 0)
        return false;
    // Keeps the digits before the last one.
    QLineEdit *single = boxes.txtAnswerSingle;
    single->setText(single->text().left(state.digitsEntered - 1));
    return true;
}

bool KeypadControl::eraseSeparateBoxes()
{
    QLineEdit *units = boxes.txtAnswerUnits;
    QLineEdit *tens = boxes.txtAnswerTens;
    QLineEdit *hundreds = boxes.txtAnswerHund;
    const bool subtraction = subtractionCard();
    const bool fromHundreds = state.entryDirection == 1;
    switch (state.digitsEntered) {
    case 0:
        if (fromHundreds) {
            // The tens written first are taken back: the tens box waits again.
            entry.makeIdle(units);
            tens->clear();
            entry.highlight(tens);
            state.entryDirection = 2;
            keypad.key[11]->setEnabled(true);
            return false;
        }
        if (!subtraction)
            return false;
        undoBorrow();
        // Only a card that needs a borrow offers it again.
        keypad.keyCarryKey->setEnabled(borrowNeeded());
        state.digitsEntered = 1;
        return true;
    case 1:
        if (subtraction) {
            undoBorrow();
            keypad.keyCarryKey->setEnabled(borrowNeeded());
        }
        if (fromHundreds) {
            hundreds->clear();
            entry.highlight(hundreds);
            entry.makeIdle(tens);
            state.digitsEntered = 3;
            return true;
        }
        units->clear();
        tens->clear();
        entry.highlight(units);
        entry.makeIdle(boxes.txtCarry);
        if (state.carryTarget == 1)
            state.carryTarget = 0; // its box no longer shows that it waits
        if (!subtraction)
            boxes.txtCarry->clear();
        entry.makeIdle(tens);
        keypad.keyErase->setEnabled(false);
        return true;
    case 2:
        if (!fromHundreds) {
            tens->clear();
            entry.highlight(tens);
            entry.makeIdle(hundreds);
            if (!subtraction)
                boxes.txtCarry1->clear();
            return true;
        }
        tens->clear();
        entry.makeIdle(tens);
        entry.highlight(hundreds);
        state.digitsEntered = 3;
        if (hundreds->text().isEmpty()) {
            // Nothing was written from the left: go back to the units.
            entry.makeIdle(hundreds);
            entry.highlight(units);
            state.digitsEntered = 2;
            state.entryDirection = 0;
        } else {
            hundreds->clear();
        }
        return true;
    case 3:
        hundreds->clear();
        entry.highlight(hundreds);
        return true;
    default:
        return false;
    }
}

void KeypadControl::updateArrowKeys()
{
    QLineEdit *tens = boxes.txtAnswerTens;
    QLineEdit *hundreds = boxes.txtAnswerHund;
    const auto arrows = [this](bool left, bool right) {
        keypad.key[10]->setEnabled(left);
        keypad.key[11]->setEnabled(right);
    };
    // Later tests override earlier ones; with one colour for both states
    // every test holds and the arrows end disabled.
    if (entry.isActive(hundreds))
        arrows(false, true);
    if (entry.isActive(tens))
        arrows(true, false);
    if (entry.isIdle(tens) && entry.isIdle(hundreds))
        arrows(false, false);
    if (entry.isIdle(tens) && boxes.txtAnswerUnits->text().isEmpty()) {
        arrows(false, false);
        keypad.keyErase->setEnabled(true);
    }
}
