#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

#include "history/historyrecords.h"

// What the local history holds that the class server may not have yet, and
// what the server holds that this machine may not: games and cards keyed by
// the UUIDs they were given when they were made, never by local row ids.
struct SharedGame
{
    QString uuid; // 8-4-4-4-12 lower-case hex, as QUuid::WithoutBraces writes it
    QString childKey; // childKey() of the name: how one child is known on every machine
    QString machine; // the machine the game was played on, as a person reads it
    GameSetup setup; // setup.child: the name as typed
    std::optional<QDateTime> ended; // UTC; none while it runs
    bool completed = false;

    bool operator==(const SharedGame &) const = default;
};

struct SharedCard
{
    QString uuid;
    QString gameUuid;
    QDateTime judgedAt; // UTC
    Fact fact;
    int answer = 0;
    std::optional<int> given;
    bool right = false;
    CardEnding ending = CardEnding::Typed;
    double seconds = 0;

    bool operator==(const SharedCard &) const = default;
};

// One batch: every game a card of the batch belongs to comes with it, so that
// the server can take the batch whole in one transaction.
struct SharedBatch
{
    QList<SharedGame> games;
    QList<SharedCard> cards;

    bool isEmpty() const { return games.isEmpty() && cards.isEmpty(); }
};
