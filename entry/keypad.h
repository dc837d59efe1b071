#pragma once

#include <QFrame>

class ClickLabel;

// frmKeypad: the on-screen keypad, fifteen keys clicked with the mouse.
class Keypad : public QFrame
{
    Q_OBJECT
public:
    explicit Keypad(QWidget *parent = nullptr);

    // The deal of a card sets Carry and the arrow keys for its operation.
    void setKeysForCard(qint16 cardOperation);

    ClickLabel *key[12] = {}; // 0-9 the digits, 10 "<", 11 ">"
    ClickLabel *keyErase = nullptr;    // item 10
    ClickLabel *keyCarryKey = nullptr; // item 0
    ClickLabel *keyEnter = nullptr;    // item 11

signals:
    void digitOrArrowClicked(int index);
    void eraseClicked();
    void carryClicked();
    void enterClicked();
};
