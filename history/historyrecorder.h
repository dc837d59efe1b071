#pragma once

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

#include "history/historystore.h"
#include "history/practicesources.h"

class Dialogs;
class Platform;
class SetupPanel;
struct GameSettings;

// Told of the game's events, writes every judged card to the practice
// history, and offers the history's weak facts to a game that practises them.
// Cards wait in order while another copy holds the file for a moment, and go
// in as soon as it lets go; only a lasting failure ends the history for the
// run. What goes wrong is told once, between games, never over a card.
class HistoryRecorder : public QObject, public WeakFactSource, public FactsWonSource
{
    Q_OBJECT
public:
    // setup is read as each game starts: the child and the way of answering.
    HistoryRecorder(Platform &platform, Dialogs &dialogs, const GameSettings &settings, const GameSession &session,
                    const SetupPanel &setup);
    // A game still going is ended, not completed, and what waits is written.
    ~HistoryRecorder() override;

    // The store, opened on first use; null when it cannot be read this run.
    HistoryStore *store();

    // Whether the child has played a game on record; quiet when the history
    // cannot be read.
    bool hasHistory(const QString &child);
    // The children on record, the most recently played first; quiet, and
    // none, when the history cannot be read.
    QList<ChildEntry> children();

    QList<WeakFact> weakFacts(const QString &child, FunctionSet functions, const GameSession &ranges,
                              const GeneratorSettings &settings) override;
    // The facts the game being played has brought to mastered, counted from
    // the child's records at its start and its cards since.
    QString factsWon() override;

    // Writes the cards that wait, in order; the retry timer calls it too.
    void flush();
    int waitingCards() const;
    // Says what was kept back during a game, and how many records of the
    // file were left out; nothing while a game runs.
    void tellProblems();
    bool gameRunning() const { return inGame; }

    // The game's events, in the order it announces them.
    void startGame();
    void recordCard(const CardRecord &card);
    void endGame(bool completed);

    // How long the file may stay locked before the history gives up.
    static constexpr qint64 lockPatienceMs = 60000;
    static constexpr int retryMs = 500;

signals:
    // New cards are in the file.
    void recorded();

private:
    struct PendingGame
    {
        GameSetup setup;
        qint64 id = 0;
        QList<CardRecord> cards;
        std::optional<std::pair<QDateTime, bool>> end; // when, and whether completed
    };

    void writeFailed();
    void problem(const QString &text);
    HistoryStore &made();

    Platform &platform;
    Dialogs &dialogs;
    const GameSettings &settings;
    const GameSession &session;
    const SetupPanel &panel;
    std::unique_ptr<HistoryStore> history;
    QList<PendingGame> waiting;
    QTimer retry;
    qint64 busySinceMs = -1;
    bool writing = true;
    bool inGame = false;
    bool reported = false;
    bool rejectedTold = false;
    QStringList untold;
    QString failure; // why the history stopped, until it is told
    int notKept = 0;
    // The game being played: the child's records at its start (none when the
    // history could not be read then) and its cards.
    std::optional<FactRecords> factsAtStart;
    double fluencyAtStart = defaultFluencySeconds;
    QList<CardRecord> gameCards;
};
