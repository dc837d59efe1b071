#include "history/historyrecorder.h"

#include <QCheckBox>
#include <QRadioButton>

#include <algorithm>

#include "platform/dialogs.h"
#include "platform/product.h"
#include "setup/settings.h"
#include "setup/setuppanel.h"

namespace {

// Enough for another copy's few cards, short enough not to be felt; while
// the file is known to be held, a card waits only a moment.
constexpr int lockWaitMs = 250;
constexpr int lockWaitWhileHeldMs = 50;
// At the end of the run nothing else waits on it.
constexpr int lockWaitAtQuitMs = 3000;

} // namespace

HistoryRecorder::HistoryRecorder(Platform &platform, Dialogs &dialogs, const GameSettings &settings,
                                 const GameSession &session, const SetupPanel &setup)
    : platform(platform)
    , dialogs(dialogs)
    , settings(settings)
    , session(session)
    , panel(setup)
{
    retry.setSingleShot(true);
    retry.setInterval(retryMs);
    connect(&retry, &QTimer::timeout, this, &HistoryRecorder::flush);
}

HistoryRecorder::~HistoryRecorder()
{
    if (inGame && !waiting.isEmpty() && !waiting.last().end)
        waiting.last().end = std::make_pair(platform.now(), false);
    inGame = false;
    if (writing && !waiting.isEmpty()) {
        busySinceMs = -1;
        made().setLockWait(lockWaitAtQuitMs);
        flush();
    }
}

HistoryStore &HistoryRecorder::made()
{
    if (!history)
        history = std::make_unique<HistoryStore>(HistoryStore::defaultPath());
    return *history;
}

HistoryStore *HistoryRecorder::store()
{
    HistoryStore &found = made();
    if (found.open(false) || found.state() == HistoryStore::State::Absent)
        return &found;
    if (!reported) {
        reported = true;
        problem(found.state() == HistoryStore::State::NotOurs
                    ? tr("Sumdrop's practice history file %1 is damaged or is not a Sumdrop file, so this game is not "
                         "being recorded. The file has not been changed.\n\n(%2)")
                          .arg(found.path(), found.error())
                : found.state() == HistoryStore::State::Newer
                    ? tr("The practice history %1 was made by a newer Sumdrop. Sumdrop leaves it as it is and keeps "
                         "no history this time.")
                          .arg(found.path())
                : found.state() == HistoryStore::State::NotAFile
                    ? tr("The practice history %1 cannot be used: %2. Sumdrop keeps its history only in a file of its "
                         "own, leaves this one as it is and keeps no history this time.")
                          .arg(found.path(), found.error())
                    : tr("The practice history %1 cannot be read: %2.").arg(found.path(), found.error()));
    }
    return nullptr;
}

void HistoryRecorder::problem(const QString &text)
{
    untold.append(text);
    tellProblems();
}

void HistoryRecorder::tellProblems()
{
    if (inGame)
        return;
    if (!failure.isEmpty()) {
        untold.append(failure + QLatin1Char(' ')
                      + (notKept == 1 ? tr("1 card was not kept.") : tr("%1 cards were not kept.").arg(notKept)));
        failure.clear();
    }
    const int rejected = history ? history->rejectedRecords() : 0;
    if (rejected > 0 && !rejectedTold) {
        rejectedTold = true;
        untold.append(rejected == 1
                          ? tr("1 record in the practice history was not understood and is left out.")
                          : tr("%1 records in the practice history were not understood and are left out.")
                                .arg(rejected));
    }
    while (!untold.isEmpty())
        dialogs.ask(programTitle(), untold.takeFirst(), Platform::Buttons::OkByClick,
                    Platform::Icon::Warning);
}

void HistoryRecorder::startGame()
{
    PendingGame game;
    GameSetup &setup = game.setup;
    setup.child = panel.playerName().trimmed();
    setup.started = platform.now();
    setup.operations = session.functionSet;
    setup.cardCount = settings.cardCount;
    setup.advancedRange = settings.advancedRange;
    setup.topMin = settings.advancedRange ? int(session.rangeTopMin) : 1;
    setup.topMax = settings.advancedRange ? int(session.rangeTopMax) : settings.topLimit;
    setup.bottomMin = settings.advancedRange ? int(session.rangeBottomMin) : 1;
    setup.bottomMax = settings.advancedRange ? int(session.rangeBottomMax) : settings.bottomLimit;
    setup.divisorLow = settings.divisorLow;
    setup.divisorHigh = settings.divisorHigh;
    setup.answerFormat = panel.optAnsFormatSingle->isChecked() ? 0 : 1;
    setup.verbal = panel.chkVerbal->isChecked();
    inGame = true;
    if (writing)
        waiting.append(game);
    gameCards.clear();
    factsAtStart.reset();
    // Quietly: a file that cannot be read is told of once its first card
    // cannot be written.
    if (HistoryStore &found = made(); writing && found.open(false)) {
        factsAtStart = found.factRecords(setup.child);
        fluencyAtStart = found.fluencySeconds(setup.child);
    } else if (writing && found.state() == HistoryStore::State::Absent) {
        factsAtStart = FactRecords();
    }
}

void HistoryRecorder::recordCard(const CardRecord &card)
{
    gameCards.append(card);
    if (!writing || waiting.isEmpty()) {
        notKept += failure.isEmpty() ? 0 : 1;
        return;
    }
    waiting.last().cards.append(card);
    flush();
}

void HistoryRecorder::endGame(bool completed)
{
    if (writing && !waiting.isEmpty() && !waiting.last().end) {
        waiting.last().end = std::make_pair(platform.now(), completed);
        flush();
    }
    inGame = false;
    tellProblems();
}

int HistoryRecorder::waitingCards() const
{
    int count = 0;
    for (const PendingGame &game : waiting)
        count += int(game.cards.size());
    return count;
}

void HistoryRecorder::flush()
{
    if (!writing || waiting.isEmpty())
        return;
    HistoryStore &store = made();
    // While the file is held, the timer tries again too.
    store.setLockWait(busySinceMs >= 0 ? lockWaitWhileHeldMs : lockWaitMs);
    bool wrote = false;
    while (!waiting.isEmpty()) {
        PendingGame &game = waiting.first();
        // A game with no card yet is written with its first.
        while (!game.cards.isEmpty()) {
            if (!store.recordCard(game.id, game.setup, game.cards.first()))
                return writeFailed();
            game.cards.removeFirst();
            wrote = true;
        }
        if (!game.end)
            break; // still being played
        if (game.id != 0 && !store.endGame(game.id, game.end->first, game.end->second))
            return writeFailed();
        waiting.removeFirst();
    }
    busySinceMs = -1;
    retry.stop();
    if (wrote)
        emit recorded();
}

void HistoryRecorder::writeFailed()
{
    HistoryStore &file = *history;
    const qint64 now = platform.monotonicMs();
    if (file.busy() && (busySinceMs < 0 || now - busySinceMs < lockPatienceMs)) {
        if (busySinceMs < 0)
            busySinceMs = now;
        retry.start();
        return;
    }
    // Lasting: the history is off for the run, and the adult learns what was lost.
    notKept += waitingCards();
    writing = false;
    waiting.clear();
    retry.stop();
    QString &text = failure;
    if (file.readOnly()) {
        text = tr("The practice history %1 can be read but not written, so the cards of this run are not kept. "
                  "Earlier practice still shows in Progress.")
                   .arg(file.path());
    } else if (file.state() != HistoryStore::State::Open && file.state() != HistoryStore::State::Failed) {
        store(); // not ours: said the way reading it says it
        return;
    } else {
        text = tr("The practice history %1 cannot be saved: %2. The game goes on without it.")
                   .arg(file.path(), file.error());
    }
    tellProblems();
}

bool HistoryRecorder::hasHistory(const QString &child)
{
    const QString key = HistoryStore::childKey(child);
    const QList<ChildEntry> known = children();
    return std::any_of(known.begin(), known.end(),
                       [&key](const ChildEntry &entry) { return HistoryStore::childKey(entry.name) == key; });
}

QList<ChildEntry> HistoryRecorder::children()
{
    HistoryStore &found = made();
    return found.open(false) ? found.children() : QList<ChildEntry>();
}

QString HistoryRecorder::factsWon()
{
    // Cards not kept did not make anything mastered in the history.
    if (!factsAtStart || !writing)
        return {};
    FactRecords after = *factsAtStart;
    for (const CardRecord &card : std::as_const(gameCards)) {
        const Fact fact{card.operation, int(card.top), int(card.bottom)};
        if (!isPlausibleFact(fact) || !isPlausibleSeconds(card.seconds))
            continue;
        FactRecord &record = after[fact];
        record.fact = fact;
        record.recent.append({card.right, card.seconds});
        record.recent = record.recent.mid(std::max<qsizetype>(0, record.recent.size() - recentAttempts));
    }
    return factsWonText(*factsAtStart, after, fluencyAtStart);
}

QList<WeakFact> HistoryRecorder::weakFacts(const QString &child, FunctionSet functions, const GameSession &ranges,
                                           const GeneratorSettings &settings)
{
    HistoryStore *found = store();
    if (!found)
        return {};
    return weakFactsFor(found->factRecords(child), found->fluencySeconds(child), functions, ranges, settings);
}
