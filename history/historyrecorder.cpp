#include "history/historyrecorder.h"

#include <QCheckBox>
#include <QRadioButton>

#include <algorithm>

#include "app/mainwindow.h"
#include "app/program.h"
#include "setup/setuppanel.h"

HistoryRecorder::HistoryRecorder(Program &program, GameFlow &flow)
    : program(program)
{
    connect(&flow, &GameFlow::gameStarted, this, &HistoryRecorder::startGame);
    connect(&flow, &GameFlow::cardJudged, this, &HistoryRecorder::recordCard);
    connect(&flow, &GameFlow::gameEnded, this, &HistoryRecorder::endGame);
    flow.setWeakFactSource(this);
}

HistoryRecorder::~HistoryRecorder() = default;

HistoryStore *HistoryRecorder::store()
{
    if (!history)
        history = std::make_unique<HistoryStore>(HistoryStore::defaultPath());
    if (history->open(false) || history->state() == HistoryStore::State::Absent)
        return history.get();
    reportProblem();
    return nullptr;
}

void HistoryRecorder::reportProblem()
{
    if (reported)
        return;
    reported = true;
    QString text;
    switch (history->state()) {
    case HistoryStore::State::NotOurs:
        text = tr("The file %1 is not a Sumdrop practice history (%2). Sumdrop leaves it as it is and keeps no "
                  "history this time.");
        break;
    case HistoryStore::State::Newer:
        text = tr("The practice history %1 was made by a newer Sumdrop (%2). Sumdrop leaves it as it is and keeps "
                  "no history this time.");
        break;
    default:
        text = tr("The practice history %1 cannot be saved: %2. The game goes on without it.");
        break;
    }
    program.ask(Program::programTitle(), text.arg(history->path(), history->error()), Platform::Buttons::Ok,
                Platform::Icon::Warning);
}

void HistoryRecorder::startGame()
{
    const MainWindow &window = *program.frmProgram();
    const SetupPanel &panel = *window.setup;
    const GameSettings &settings = program.settings;
    const GameSession &session = program.session;
    setup = GameSetup();
    setup.child = panel.playerName().trimmed();
    setup.started = program.platform.now();
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
    game = 0;
}

void HistoryRecorder::recordCard(const CardRecord &card)
{
    if (!writing)
        return;
    if (!history)
        history = std::make_unique<HistoryStore>(HistoryStore::defaultPath());
    if (history->recordCard(game, setup, card))
        return;
    // One message in a run; the game goes on without the history.
    writing = false;
    reportProblem();
}

void HistoryRecorder::endGame(bool completed)
{
    if (writing && game != 0 && !history->endGame(game, program.platform.now(), completed)) {
        writing = false;
        reportProblem();
    }
    game = 0;
}

bool HistoryRecorder::hasHistory(const QString &child)
{
    if (!history)
        history = std::make_unique<HistoryStore>(HistoryStore::defaultPath());
    if (!history->open(false))
        return false;
    const QString key = HistoryStore::childKey(child);
    const QList<ChildEntry> children = history->children();
    return std::any_of(children.begin(), children.end(),
                       [&key](const ChildEntry &entry) { return HistoryStore::childKey(entry.name) == key; });
}

QList<WeakFact> HistoryRecorder::weakFacts(const QString &child, FunctionSet functions, const GameSession &ranges,
                                           const GeneratorSettings &settings)
{
    HistoryStore *found = store();
    if (!found)
        return {};
    return weakFactsFor(found->factRecords(child), found->fluencySeconds(child), functions, ranges, settings);
}
