#include "entry/answerentry.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

#include "ui/clicklabel.h"
#include "ui/scale.h"
#include "ui/widgets.h"
#include "entry/answerarea.h"
#include "entry/answercontrols.h"
#include "entry/answerentrystate.h"
#include "game/gamesession.h"
#include "entry/keypad.h"
#include "resources/pictures.h"
#include "setup/setuppanel.h"

namespace {

constexpr int enterCode = 13;
constexpr int backspaceCode = 8;
constexpr int deleteCode = 127;

enum class KeyClass { Digit, Enter, Backspace, Other };

KeyClass classify(int code)
{
    if (code >= '0' && code <= '9')
        return KeyClass::Digit;
    if (code == enterCode)
        return KeyClass::Enter;
    if (code == backspaceCode || code == deleteCode)
        return KeyClass::Backspace;
    return KeyClass::Other;
}

const QString blankText = QStringLiteral(" ");
constexpr int cardTop = 100;

void blank(QLineEdit *box)
{
    box->setText(blankText);
}

} // namespace

AnswerEntry::AnswerEntry(GameSession &session, AnswerEntryState &state, const AnswerControls &controls,
                         const PictureSet &pictures, double screenScale, double fontScale)
    : pictures(pictures)
    , screenScale(screenScale)
    , fontScale(fontScale)
    , session(session)
    , state(state)
    , boxes(controls.answers)
    , setup(controls.setup)
    , keypad(controls.keypad)
{
    for (QLineEdit *box : {boxes.txtAnswerUnits, boxes.txtAnswerTens, boxes.txtAnswerHund, boxes.txtAnswerSingle,
                           boxes.txtCarry, boxes.txtCarry1})
        box->installEventFilter(this);
    connect(&keypad, &Keypad::enterClicked, this, &AnswerEntry::submitAnswer);
}

bool AnswerEntry::keypadInUse() const
{
    return setup.chkKeypad->isChecked() && !setup.chkVerbal->isChecked();
}

bool AnswerEntry::answerTyped() const
{
    const auto hasDigit = [](const QLineEdit *box) { return !box->text().trimmed().isEmpty(); };
    if (session.entryMode == 1)
        return hasDigit(boxes.txtAnswerSingle);
    return session.entryMode == 0
        && (hasDigit(boxes.txtAnswerUnits) || hasDigit(boxes.txtAnswerTens) || hasDigit(boxes.txtAnswerHund));
}

void AnswerEntry::submitAnswer()
{
    // An Enter with nothing typed, or a second one by accident, must not
    // throw the card away.
    if (answerTyped())
        emit answerSubmitted();
}

void AnswerEntry::focusNextDigit()
{
    if (session.state != 1)
        return;
    QWidget *last = boxes.txtAnswerUnits->window()->focusWidget();
    const auto takesDigits = [](const QWidget *box) { return box->isVisible() && box->isEnabled(); };
    for (QLineEdit *box : {boxes.txtAnswerSingle, boxes.txtAnswerUnits, boxes.txtAnswerTens, boxes.txtAnswerHund,
                           boxes.txtCarry, boxes.txtCarry1}) {
        if (box == last && takesDigits(box)) {
            box->setFocus();
            return;
        }
    }
    if (session.entryMode == 1 && takesDigits(boxes.txtAnswerSingle)) {
        boxes.txtAnswerSingle->setFocus();
        return;
    }
    for (QLineEdit *box : {boxes.txtAnswerUnits, boxes.txtAnswerTens, boxes.txtAnswerHund}) {
        if (session.entryMode == 0 && takesDigits(box) && isActive(box)) {
            box->setFocus();
            return;
        }
    }
}

void AnswerEntry::moveTo(QLineEdit *box)
{
    box->setFocus();
}

void AnswerEntry::highlight(QLineEdit *box)
{
    setBackground(box, state.activeEntryColour);
}

void AnswerEntry::makeIdle(QLineEdit *box)
{
    setBackground(box, state.idleEntryColour);
}

bool AnswerEntry::isActive(const QLineEdit *box) const
{
    return background(box) == state.activeEntryColour;
}

bool AnswerEntry::isIdle(const QLineEdit *box) const
{
    return background(box) == state.idleEntryColour;
}

void AnswerEntry::placeSingleBoxForStackedCard()
{
    QLineEdit *box = boxes.txtAnswerSingle;
    box->setGeometry(scaledRect(620, 498, 270, 118, screenScale));
    QFont font = box->font();
    font.setPointSizeF(48);
    box->setFont(font);
    box->hide();
    if (keypadInUse())
        box->setEnabled(false);
}

void AnswerEntry::placeSingleBoxForDivisionCard()
{
    QLineEdit *box = boxes.txtAnswerSingle;
    const double s = screenScale;
    const double f = fontScale;
    box->setGeometry(scaled(670, s), scaled(198, s), scaled(270, f), scaled(118, f));
    QFont font = box->font();
    font.setPointSizeF(pictures.small ? 48 * f : 48);
    box->setFont(font);
    box->show();
}

void AnswerEntry::showCarryScratchpad()
{
    // A subtraction borrows from further right than a carry is written.
    const bool subtraction = session.cardOperation == Operation::Subtraction;
    const double s = screenScale;
    // The caption keeps its font on a small display, and must still end above the card.
    const int captionTop = std::min(scaled(85, s), scaled(cardTop, s) - boxes.lblCarry->height());
    boxes.lblCarry->move(scaled(subtraction ? 725 : 625, s), captionTop);
    boxes.txtCarry->setGeometry(scaledRect(subtraction ? 780 : 670, 10, 80, 60, s));
    boxes.txtCarry1->setGeometry(scaledRect(subtraction ? 680 : 570, 10, 80, 60, s));
    boxes.lblCarry->show();
    for (QLineEdit *box : {boxes.txtCarry, boxes.txtCarry1}) {
        box->clear();
        box->show();
        box->setEnabled(true); // a keypad game before may have left them off
    }
}

void AnswerEntry::prepareAnswerArea()
{
    state.activeEntryColour = setup.highlightActive() ? QColor(0, 255, 0) : QColor(0, 0, 255);
    QLineEdit *const digitBoxes[] = {boxes.txtAnswerHund, boxes.txtAnswerTens, boxes.txtAnswerUnits};
    const bool division = session.cardOperation == Operation::Division;

    if (division || setup.singleBoxSelected()) {
        for (QLineEdit *box : digitBoxes)
            box->hide();
        boxes.txtAnswerSingle->clear();
        boxes.txtAnswerSingle->show();
        boxes.txtAnswerSingle->setEnabled(true);
        boxes.txtAnswerSingle->setFocus();
        if (keypadInUse())
            boxes.txtAnswerSingle->setEnabled(false);
        session.entryMode = 1;
        boxes.txtCarry->hide();
        boxes.txtCarry1->hide();
        boxes.lblCarry->hide();
        keypad.keyCarryKey->hide();
        keypad.key[10]->hide();
        keypad.key[11]->hide();
        if (division) {
            // Every division card is answered in the single box, in any game.
            state.digitsEntered = 0;
            return;
        }
    }

    if (setup.optAnsFormatSeparate->isChecked()) {
        boxes.txtAnswerSingle->hide();
        for (QLineEdit *box : digitBoxes) {
            box->clear();
            box->show();
            box->setEnabled(true);
            makeIdle(box);
        }
        boxes.txtAnswerUnits->setFocus();
        highlight(boxes.txtAnswerUnits);
        session.entryMode = 0;
    }

    if (session.entryMode == 0 && keypadInUse() && !setup.chkVerbal->isChecked()) {
        // Digits come only from the keypad.
        boxes.txtCarry->setEnabled(false);
        boxes.txtCarry1->setEnabled(false);
        boxes.txtAnswerSingle->setEnabled(false);
        boxes.txtAnswerSingle->clear();
        if (!setup.chkCarry->isChecked())
            keypad.keyCarryKey->hide();
        keypad.show();
        for (QLineEdit *box : digitBoxes) {
            box->clear();
            box->setEnabled(false);
        }
    }

    if (setup.chkVerbal->isChecked()) {
        boxes.imgEnter->setPixmap(boxes.imgRight->pixmap());
        for (QLineEdit *box : {boxes.txtAnswerSingle, boxes.txtAnswerHund, boxes.txtAnswerTens, boxes.txtAnswerUnits})
            box->hide();
        boxes.imgEnter->show();
        boxes.imgWrongEnter->show();
        session.entryMode = 2;
        boxes.txtCarry->hide();
        boxes.txtCarry1->hide();
        boxes.lblCarry->hide();
    }

    state.digitsEntered = 0;
}

void AnswerEntry::unitsKey(int code)
{
    QLineEdit *units = boxes.txtAnswerUnits;
    if (keypadInUse()) {
        blank(units);
        return;
    }
    switch (classify(code)) {
    case KeyClass::Digit:
        moveTo(boxes.txtAnswerTens);
        highlight(boxes.txtAnswerTens);
        makeIdle(units);
        units->setText(QString(QChar(code)));
        break;
    case KeyClass::Enter:
        if (!answerTyped())
            break;
        moveTo(boxes.txtAnswerTens);
        highlight(boxes.txtAnswerTens);
        makeIdle(units);
        submitAnswer();
        break;
    case KeyClass::Backspace:
        moveTo(units);
        highlight(units);
        blank(units);
        break;
    case KeyClass::Other:
        blank(units);
        break;
    }
}

void AnswerEntry::tensKey(int code)
{
    QLineEdit *tens = boxes.txtAnswerTens;
    const bool fromHundreds = state.entryDirection == 1;
    switch (classify(code)) {
    case KeyClass::Digit:
        if (!fromHundreds) {
            moveTo(boxes.txtAnswerHund);
            highlight(boxes.txtAnswerHund);
        }
        makeIdle(tens);
        tens->setText(QString(QChar(code)));
        break;
    case KeyClass::Enter:
        if (!answerTyped())
            break;
        if (!fromHundreds) {
            moveTo(boxes.txtAnswerHund);
            highlight(boxes.txtAnswerHund);
        }
        makeIdle(tens);
        submitAnswer();
        break;
    case KeyClass::Backspace:
        if (fromHundreds) {
            moveTo(boxes.txtAnswerHund);
            highlight(boxes.txtAnswerHund);
            makeIdle(tens);
            makeIdle(boxes.txtAnswerUnits);
        } else {
            moveTo(boxes.txtAnswerUnits);
            makeIdle(boxes.txtAnswerHund);
            makeIdle(tens);
            highlight(boxes.txtAnswerUnits);
        }
        break;
    case KeyClass::Other:
        blank(tens);
        break;
    }
}

void AnswerEntry::hundredsKey(int code)
{
    QLineEdit *hundreds = boxes.txtAnswerHund;
    switch (classify(code)) {
    case KeyClass::Digit:
        makeIdle(hundreds);
        hundreds->setText(QString(QChar(code)));
        if (state.entryDirection == 1) {
            highlight(boxes.txtAnswerTens);
            moveTo(boxes.txtAnswerTens);
        }
        break;
    case KeyClass::Enter:
        if (!answerTyped())
            break;
        makeIdle(hundreds);
        submitAnswer();
        break;
    case KeyClass::Backspace:
        if (hundreds->text() == blankText) {
            moveTo(boxes.txtAnswerTens);
            makeIdle(hundreds);
            highlight(boxes.txtAnswerTens);
            blank(boxes.txtAnswerTens);
        } else {
            blank(hundreds);
            moveTo(hundreds);
            highlight(hundreds);
        }
        break;
    case KeyClass::Other:
        blank(hundreds);
        break;
    }
}

void AnswerEntry::txtAnswerHundClick()
{
    highlight(boxes.txtAnswerHund);
    makeIdle(boxes.txtAnswerTens);
    makeIdle(boxes.txtAnswerUnits);
    state.entryDirection = 1;
    state.digitsEntered = 2;
    keypad.keyCarryKey->setEnabled(false);
    keypad.key[10]->setEnabled(false);
    keypad.key[11]->setEnabled(true);
}

void AnswerEntry::txtAnswerTensClick()
{
    highlight(boxes.txtAnswerTens);
    makeIdle(boxes.txtAnswerHund);
    makeIdle(boxes.txtAnswerUnits);
    const bool unitsFilled = !boxes.txtAnswerUnits->text().isEmpty(); // a blank counts as filled
    if (unitsFilled) {
        state.entryDirection = 0;
        state.digitsEntered = 1;
        keypad.keyCarryKey->setEnabled(true);
        keypad.key[10]->setEnabled(true);
        keypad.key[11]->setEnabled(false);
    } else {
        keypad.key[11]->setEnabled(true);
        keypad.key[10]->setEnabled(false);
        state.entryDirection = 2;
    }
}

void AnswerEntry::carryBoxClick(QLineEdit *carry)
{
    // The highlight shows where the next digit goes.
    for (QLineEdit *box : {boxes.txtAnswerUnits, boxes.txtAnswerTens, boxes.txtAnswerHund, boxes.txtCarry,
                           boxes.txtCarry1})
        makeIdle(box);
    highlight(carry);
}

void AnswerEntry::txtAnswerUnitsClick()
{
    highlight(boxes.txtAnswerUnits);
    makeIdle(boxes.txtAnswerTens);
    makeIdle(boxes.txtAnswerHund);
}

int AnswerEntry::characterCode(int key, const QString &text)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return enterCode;
    case Qt::Key_Backspace:
        return backspaceCode;
    case Qt::Key_Delete:
        return deleteCode;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return -1;
    default:
        return text.isEmpty() ? -1 : text.at(0).unicode();
    }
}

bool AnswerEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        // The event reaches us even on a box disabled for the keypad.
        if (!static_cast<QWidget *>(watched)->isEnabled())
            return false;
        if (watched == boxes.txtCarry || watched == boxes.txtCarry1) {
            carryBoxClick(static_cast<QLineEdit *>(watched));
            return false;
        }
        if (watched != boxes.txtAnswerSingle) {
            makeIdle(boxes.txtCarry);
            makeIdle(boxes.txtCarry1);
        }
        if (watched == boxes.txtAnswerHund)
            txtAnswerHundClick();
        else if (watched == boxes.txtAnswerTens)
            txtAnswerTensClick();
        else if (watched == boxes.txtAnswerUnits)
            txtAnswerUnitsClick();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const int code = characterCode(key->key(), key->text());
    if (code < 0)
        return false;
    if (watched == boxes.txtAnswerUnits) {
        unitsKey(code);
        return true;
    }
    if (watched == boxes.txtAnswerTens) {
        tensKey(code);
        return true;
    }
    if (watched == boxes.txtAnswerHund) {
        hundredsKey(code);
        return true;
    }
    // The single box and txtCarry type as usual; only Enter submits.
    if (code != enterCode || watched == boxes.txtCarry1)
        return false;
    if (watched == boxes.txtCarry || !keypadInUse())
        submitAnswer();
    return true;
}
