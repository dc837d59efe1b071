#pragma once

#include <QObject>

class Dialogs;
class SetupPanel;
class TimerDisplay;
struct ClockOptions;
struct GameSession;
struct GameSettings;

// The game and card clocks of a running game, moved on by Timer1 once a second.
// It says when time runs out; the game flow decides what follows.
class GameTimers : public QObject
{
    Q_OBJECT
public:
    GameTimers(GameSession &session, const GameSettings &settings, const SetupPanel &setup, TimerDisplay &clocks,
               const Dialogs &dialogs);

    // A timed game begins: the clocks start and are shown.
    void startTimers();
    // Timer1's one job. Holds still while a question is on the screen.
    void timerTick();

    ClockOptions options() const;

signals:
    void cardTimedOut();
    void gameTimedOut();

private:
    GameSession &session;
    const GameSettings &settings;
    const SetupPanel &setup;
    TimerDisplay &clocks;
    const Dialogs &dialogs;
};
