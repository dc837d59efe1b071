#pragma once

#include <QString>

#include <optional>

#include "game/gamesession.h"

// The card just judged with its correct answer, as the previous-card display
// and the summary show it: "12 + 7 = 19", "56 / 8 = 7". Empty for any other
// operation code, whose display keeps its old text.
std::optional<QString> previousCardText(const GameSession &session);
