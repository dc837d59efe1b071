#pragma once

#include <QString>

struct GameSession;

// The dealt card as words in the program's language: "32 plus 6",
// "72 divided by 9". Digits stay 0-9 whatever the language.
QString cardPhrase(const GameSession &session);
