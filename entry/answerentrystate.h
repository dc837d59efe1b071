#pragma once

#include <QColor>
#include <QtGlobal>

// What the answer boxes and the screen keypad share about the answer being
// entered. A box is active when its background equals activeEntryColour.
struct AnswerEntryState
{
    QColor idleEntryColour;
    QColor activeEntryColour;
    qint16 digitsEntered = 0;  // last place filled by the keypad: 0 none, 1 units, 2 tens, 3 hundreds
    qint16 entryDirection = 0; // 0 units first; 1 hundreds then tens; 2 tens then units
    qint16 carryTarget = 0;    // where the keypad's next digit goes: 0 the answer, 1 txtCarry, 2 txtCarry1
};
