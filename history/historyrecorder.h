#pragma once

#include <QObject>

#include <memory>

#include "game/gameflow.h"
#include "history/historystore.h"

class Program;

// Listens to the game and writes every judged card to the practice history,
// and offers the history's weak facts to a game that practises them. A
// history that cannot be used is reported once in a run, and then left alone.
class HistoryRecorder : public QObject, public WeakFactSource
{
    Q_OBJECT
public:
    HistoryRecorder(Program &program, GameFlow &flow);
    ~HistoryRecorder() override;

    // The store, opened on first use; null when it cannot be read this run.
    HistoryStore *store();

    // Whether the child has played a game on record; quiet when the history
    // cannot be read.
    bool hasHistory(const QString &child);

    QList<WeakFact> weakFacts(const QString &child, FunctionSet functions, const GameSession &ranges,
                              const GeneratorSettings &settings) override;

private:
    void startGame();
    void recordCard(const CardRecord &card);
    void endGame(bool completed);
    void reportProblem();

    Program &program;
    std::unique_ptr<HistoryStore> history;
    GameSetup setup;
    qint64 game = 0;
    bool writing = true;
    bool reported = false;
};
