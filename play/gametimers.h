#pragma once

#include <QObject>

struct ClockOptions;
class Program;

// The game and card clocks of a running game, moved on by Timer1 once a second.
// It says when time runs out; the game flow decides what follows.
class GameTimers : public QObject
{
    Q_OBJECT
public:
    explicit GameTimers(Program &program);

    // A timed game begins: the clocks start and are shown.
    void startTimers();
    // Timer1's one job. Holds still while a question is on the screen.
    void timerTick();

    ClockOptions options() const;

signals:
    void cardTimedOut();
    void gameTimedOut();

private:
    Program &program;
};
