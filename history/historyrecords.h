#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

#include "game/gamesession.h"
#include "history/mastery.h"

// What a game was set up to be, written with its first judged card.
struct GameSetup
{
    QString child; // as typed, trimmed
    QDateTime started;
    FunctionSet operations = 0;
    int cardCount = 0;
    bool advancedRange = false;
    int topMin = 0;
    int topMax = 0;
    int bottomMin = 0;
    int bottomMax = 0;
    int divisorLow = 0;
    int divisorHigh = 0;
    int answerFormat = 0;
    bool verbal = false;

    bool operator==(const GameSetup &) const = default;
};

struct ChildEntry
{
    QString name; // the latest spelling; empty for the child with no name
    QDateTime lastPlayed;
};

// One card as the export writes it.
struct StoredCard
{
    qint64 game = 0;
    QDateTime judgedAt;
    Fact fact;
    int answer = 0;
    std::optional<int> given;
    bool right = false;
    CardEnding ending = CardEnding::Typed;
    double seconds = 0;
};

// A card of the class export: whose it is and where it was played.
struct ClassCard
{
    QString child;
    QString machine;
    StoredCard card;
};
