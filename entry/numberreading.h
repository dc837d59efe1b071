#pragma once

#include <QString>

// Reads an answer box the way the game always has: blanks anywhere are
// skipped, then a decimal number (optional sign, digits, optional fraction,
// optional exponent) is read up to the first character that cannot continue
// it. No leading number, or one too large to hold, reads as 0. Only the ASCII
// digits count.
double readNumber(const QString &text);

// The separate boxes are joined before reading, so an empty or blank box
// closes up: hundreds "1", tens "", units "5" read as 15.
double readSeparateBoxes(const QString &hundreds, const QString &tens, const QString &units);
