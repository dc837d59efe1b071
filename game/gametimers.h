#pragma once

#include <QObject>

struct ClockOptions;
class GameFlow;
class Program;

// The game and card clocks of a running game, moved on by Timer1 once a second.
class GameTimers : public QObject
{
    Q_OBJECT
public:
    GameTimers(Program &program, GameFlow &flow);

    // A timed game begins: the clocks start and are shown.
    void startTimers();
    // Timer1's one job. Holds still while a question is on the screen.
    void timerTick();

    ClockOptions options() const;

private:
    Program &program;
    GameFlow &flow;
};
